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

std::int32_t TTimeThread::ElapsedMs() const {
    if (!resting_.load(std::memory_order_acquire)) {
        return elapsed_.load(std::memory_order_relaxed);
    }
    std::lock_guard lock(mutex_);
    return resting_.load(std::memory_order_relaxed) ? restingCount()
                                                    : elapsed_.load(std::memory_order_relaxed);
}

std::int32_t TTimeThread::restingCount() const {
    const auto slept =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - restStart_)
            .count();
    return restBase_ + static_cast<std::int32_t>(slept / period_ * period_);
}

void TTimeThread::Reset() {
    std::lock_guard lock(mutex_);
    elapsed_.store(0, std::memory_order_relaxed);
    restBase_ = 0;
    restStart_ = std::chrono::steady_clock::now();
}

void TTimeThread::SetResting(bool resting) {
    {
        std::lock_guard lock(mutex_);
        if (resting == resting_.load(std::memory_order_relaxed)) {
            return;
        }
        if (resting) {
            restBase_ = elapsed_.load(std::memory_order_relaxed);
            restStart_ = std::chrono::steady_clock::now();
        } else {
            // Unlocked readers see this count once they see the rest over.
            elapsed_.store(restingCount(), std::memory_order_relaxed);
        }
        resting_.store(resting, std::memory_order_release);
    }
    wake_.notify_all();
}

void TTimeThread::Execute() {
    std::unique_lock lock(mutex_);
    // Sleep, add, test: the count is the sum of the periods slept, not a reading
    // of a real clock.
    while (!terminated_) {
        if (resting_.load(std::memory_order_relaxed)) {
            wake_.wait(lock, [this] { return terminated_ || !resting_.load(std::memory_order_relaxed); });
            continue;
        }
        if (wake_.wait_for(lock, std::chrono::milliseconds(period_),
                           [this] { return terminated_ || resting_.load(std::memory_order_relaxed); })) {
            continue;
        }
        elapsed_.fetch_add(period_, std::memory_order_relaxed);
    }
}
