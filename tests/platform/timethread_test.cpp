// The clock thread: counts in whole periods, survives resets, stops promptly.
#include "platform/timethread.h"

#include <chrono>
#include <gtest/gtest.h>
#include <thread>

namespace {

using namespace std::chrono_literals;

// Waits until the count reaches at least value (or gives up after 10 s).
bool waitFor(const TTimeThread& clock, int value) {
    const auto deadline = std::chrono::steady_clock::now() + 10s;
    while (clock.ElapsedMs() < value) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(1ms);
    }
    return true;
}

TEST(TimeThread, CountsInWholePeriodsFromZero) {
    TTimeThread clock(10);
    EXPECT_EQ(clock.Period(), 10);
    EXPECT_LT(clock.ElapsedMs(), 100);
    ASSERT_TRUE(waitFor(clock, 50));
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(clock.ElapsedMs() % 10, 0);
        std::this_thread::sleep_for(3ms);
    }
}

TEST(TimeThread, ResetIsNeverUndoneByARacingIncrement) {
    TTimeThread clock(1);
    for (int round = 0; round < 200; ++round) {
        ASSERT_TRUE(waitFor(clock, 20));
        clock.Reset();
        // An increment that had read the old count would bring back 20 or more.
        const int afterReset = clock.ElapsedMs();
        EXPECT_LT(afterReset, 20) << "round " << round;
    }
}

TEST(TimeThread, DifferencesAcrossAResetAreNegative) {
    TTimeThread clock(5);
    ASSERT_TRUE(waitFor(clock, 100));
    const int lastTick = clock.ElapsedMs();
    clock.Reset();
    EXPECT_LT(clock.ElapsedMs() - lastTick, 0);
}

TEST(TimeThread, ARestingClockCountsOnInWholePeriodsAndResumesWhereItStands) {
    TTimeThread clock(10);
    clock.SetResting(true);
    int last = clock.ElapsedMs();
    for (int i = 0; i < 30; ++i) {
        std::this_thread::sleep_for(4ms);
        const int now = clock.ElapsedMs();
        EXPECT_EQ(now % 10, 0);
        EXPECT_GE(now, last);
        last = now;
    }
    EXPECT_GE(last, 100);
    clock.Reset();
    EXPECT_LT(clock.ElapsedMs(), 20);
    ASSERT_TRUE(waitFor(clock, 50));
    last = clock.ElapsedMs();
    clock.SetResting(false);
    EXPECT_GE(clock.ElapsedMs(), last);
    // Counting again by the thread, from where the rest left it; a resting
    // thread is woken to stop.
    ASSERT_TRUE(waitFor(clock, last + 50));
    clock.SetResting(true);
}

TEST(TimeThread, DestructionDoesNotWaitOutALongPeriod) {
    const auto start = std::chrono::steady_clock::now();
    { TTimeThread clock(60000); }
    // Far below the period: the thread is woken, not left to finish its sleep.
    EXPECT_LT(std::chrono::steady_clock::now() - start, 30s);
}

} // namespace
