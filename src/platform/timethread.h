#pragma once
// The program's clock: a background thread that sleeps a fixed period in a
// loop and adds the period to a running millisecond count. Animations measure
// time in differences of this count; any part may set it back to 0 to start a
// new origin, so readers must tolerate a negative difference.
//
// While nothing is on screen the thread may rest: it sleeps until woken
// instead of waking every period, and the count goes on in the same whole
// periods, taken from the steady clock when read. Readers see no difference.
#include <atomic>
#include <chrono>
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
    std::int32_t ElapsedMs() const;
    // Starts a new origin. An increment that races with the reset never
    // brings the old count back: the thread adds with the same lock held.
    void Reset();
    // Rests the thread (no wakeups) or sets it counting again.
    void SetResting(bool resting);

private:
    void Execute();
    // The count while resting; with mutex_ held.
    std::int32_t restingCount() const;

    const std::int32_t period_;
    std::atomic<std::int32_t> elapsed_{0};
    std::atomic<bool> resting_{false};
    // Where the count stood when the rest began, and when that was.
    std::int32_t restBase_ = 0;
    std::chrono::steady_clock::time_point restStart_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool terminated_ = false;
    std::thread thread_;
};

// The one clock, created by the program's entry before any window.
extern TTimeThread* TimeThread;
