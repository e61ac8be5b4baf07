#pragma once
// The program's clock: a background thread that sleeps a fixed period in a
// loop and adds the period to a running millisecond count. Animations measure
// time in differences of this count; any part may set it back to 0 to start a
// new origin, so readers must tolerate a negative difference.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

class TTimeThread {
public:
    explicit TTimeThread(std::int32_t period);
    // Stops the thread; returns at once, without waiting out the current period.
    ~TTimeThread();
    TTimeThread(const TTimeThread&) = delete;
    TTimeThread& operator=(const TTimeThread&) = delete;

    std::int32_t Period() const { return period_; }
    // The running count "now", in milliseconds.
    std::int32_t ElapsedMs() const { return elapsed_.load(std::memory_order_relaxed); }
    // Starts a new origin. An increment that races with the reset never
    // brings the old count back: both are single atomic operations.
    void Reset() { elapsed_.store(0, std::memory_order_relaxed); }

private:
    void Execute();

    const std::int32_t period_;
    std::atomic<std::int32_t> elapsed_{0};
    std::mutex mutex_;
    std::condition_variable wake_;
    bool terminated_ = false;
    std::thread thread_;
};

// The one clock, created by the program's entry before any window.
extern TTimeThread* TimeThread;
