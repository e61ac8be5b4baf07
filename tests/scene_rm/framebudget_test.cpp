// The samples a turning tree's frames get: down when frames miss 33 ms, back
// up only when the dearer count would fit with room to spare.
#include "scene/framebudget.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace {

using Frames = std::vector<std::pair<double, double>>; // ms apart, ms drawing

struct Case {
    std::string name;
    std::vector<int> counts;
    double still; // Start's estimate
    Frames frames;
    int samples;      // after them
    double first = 0; // the first frame's drawing, when the estimate was not known
};

Frames times(int n, double ms, double drawMs) {
    return Frames(static_cast<std::size_t>(n), {ms, drawMs});
}
Frames operator+(Frames a, const Frames& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Four samples draw in 35 ms and frames come 40 ms apart: down to two.
const Frames slow = times(3, 40, 35);
// The first frame after a step is the old count's.
const Frames old = times(1, 90, 85);

TEST(FrameBudget, StepsDownOnSlowFramesAndUpWithHeadroom) {
    const std::vector<Case> cases = {
        {"two slow frames are not yet three", {4, 2, 1}, 0, times(2, 40, 35), 4},
        {"three slow frames step down", {4, 2, 1}, 0, slow, 2},
        {"frames at the budget fit", {4, 2, 1}, 0, times(4, 33, 30), 4},
        {"the middle of three, not one spike",
         {4, 2, 1},
         0,
         Frames{{20, 15}, {90, 85}, {20, 15}, {20, 15}},
         4},
        {"the old count's frame is not counted", {4, 2, 1}, 0, slow + old + times(2, 34, 30), 2},
        {"slow at two: down to one", {4, 2, 1}, 0, slow + old + times(3, 34, 30), 1},
        // Two samples draw in 10 ms, frames wait for the display (16.7 ms
        // apart): 4 samples would cost 10 × 3.5 + 5 = 40 ms again.
        {"no flicker while 4 would miss", {4, 2, 1}, 0, slow + old + times(6, 16.7, 10), 2},
        // 6.1 × 3.5 + 5 = 26.35, within 26.4 (a fifth to spare)
        {"up when 4 would fit with a fifth to spare",
         {4, 2, 1},
         0,
         slow + old + times(3, 16.7, 10) + times(2, 16.7, 6.1),
         4},
        {"not when it would fit only just",
         {4, 2, 1},
         0,
         slow + old + times(3, 16.7, 10) + times(3, 16.7, 6.2),
         2},
        {"a device with one count keeps it", {4}, 0, times(5, 90, 85), 4},
        {"times that are no times are ignored",
         {4, 1},
         0,
         Frames{{-1, 1}, {NAN, 1}, {40, NAN}, {40, 35}, {40, 35}},
         4},
        {"a slow still picture starts with the fewest", {4, 2, 1}, 34, {}, 1},
        {"a still picture within the budget starts with the most", {4, 2, 1}, 33, {}, 4},
        // From a still picture of 60 ms to one sample drawing in 10: six times dearer.
        {"the still picture's cost is learned", {4, 1}, 60, times(4, 16.7, 10), 1},
        {"and up when one sample draws in 4.4 ms", {4, 1}, 60, times(3, 16.7, 10) + times(2, 16.7, 4.4), 4},
        {"but not in 4.5", {4, 1}, 60, times(3, 16.7, 10) + times(3, 16.7, 4.5), 1},
        // Without the still picture's cost, the first frame's drawing stands for it.
        {"a slow first frame steps down at once", {4, 2, 1}, 0, {}, 1, 34},
        {"a first frame within the budget does not", {4, 2, 1}, 0, {}, 4, 33},
        {"a turn already under way is judged by its frames", {4, 2, 1}, 0, slow, 2, 100},
        {"a first frame drawn with fewer samples says nothing of the still picture",
         {4, 2, 1},
         0,
         slow,
         2,
         10},
    };
    for (const Case& c : cases) {
        FrameBudget budget(c.counts);
        budget.Start(c.still);
        for (const auto& [ms, drawMs] : c.frames)
            budget.Frame(ms, drawMs);
        if (c.first > 0)
            budget.FirstFrame(c.first);
        EXPECT_EQ(budget.samples(), c.samples) << c.name;
    }
}

TEST(FrameBudget, ANewTurnStartsWhereTheLastOneEnded) {
    FrameBudget budget({4, 2, 1});
    for (const auto& [ms, drawMs] : slow)
        budget.Frame(ms, drawMs);
    ASSERT_EQ(budget.samples(), 2);
    budget.Stop();
    budget.Start(50); // the still picture was slow, but the count is already lower
    EXPECT_EQ(budget.samples(), 2);
    budget.Start(27); // nor does a still picture that would fit only just take it up
    EXPECT_EQ(budget.samples(), 2);
    // Frames of the new turn are counted afresh: two slow ones after a stop do not step.
    budget.Frame(16.7, 6);
    budget.Frame(16.7, 6);
    EXPECT_EQ(budget.samples(), 2);
    // A turn that stopped right after its step still learns what it saved
    // (35 / 6), and takes 4 samples again when 2 draw in 3 ms.
    budget.Frame(16.7, 6);
    budget.Frame(16.7, 3);
    budget.Frame(16.7, 3);
    EXPECT_EQ(budget.samples(), 4);
}

TEST(FrameBudget, AStillPictureWithRoomToSpareStartsTheTurnWithEverySample) {
    FrameBudget budget({4, 2, 1});
    budget.Start(50);
    ASSERT_EQ(budget.samples(), 1);
    budget.Stop();
    budget.Start(FrameBudget::DefaultBudgetMs * (1 - FrameBudget::Headroom)); // just fits
    EXPECT_EQ(budget.samples(), 4);
    // And its frames are judged afresh.
    budget.Frame(40, 35);
    budget.Frame(40, 35);
    budget.Frame(40, 35);
    EXPECT_EQ(budget.samples(), 2);
}

} // namespace
