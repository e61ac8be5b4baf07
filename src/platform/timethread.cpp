#include "platform/timethread.h"

#include <chrono>

TTimeThread* TimeThread = nullptr;

TTimeThread::TTimeThread(std::int32_t period) : period_(period) {
    thread_ = std::thread([this] { Execute(); });
}

TTimeThread::~TTimeThread() {
    {
        std::lock_guard lock(mutex_);
        terminated_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

void TTimeThread::Execute() {
    std::unique_lock lock(mutex_);
    // Sleep, add, test: the count is the sum of the periods slept, not a reading
    // of a real clock.
    while (!terminated_) {
        if (wake_.wait_for(lock, std::chrono::milliseconds(period_), [this] { return terminated_; })) {
            break;
        }
        elapsed_.fetch_add(period_, std::memory_order_relaxed);
    }
}
