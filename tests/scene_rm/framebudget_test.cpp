// The samples a turning tree's frames get: down when frames miss 33 ms, back
// up only when the dearer count would fit with room to spare.
#include "scene/framebudget.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

struct Case {
    std::string name;
    std::vector<int> counts;
    double still;               // Start's estimate
    std::vector<double> frames; // ms of the frames, in order
    int samples;                // after them
};

TEST(FrameBudget, StepsDownOnSlowFramesAndUpWithHeadroom) {
    const std::vector<Case> cases = {
        {"two slow frames are not yet three", {4, 2, 1}, 0, {40, 40}, 4},
        {"three slow frames step down", {4, 2, 1}, 0, {40, 40, 40}, 2},
        {"a frame at the budget fits", {4, 2, 1}, 0, {33, 33, 33, 33}, 4},
        {"the middle of three counts, not one spike", {4, 2, 1}, 0, {20, 90, 20, 20}, 4},
        // After a step the first frame is the old count's: it is not counted.
        {"the old count's frame is skipped", {4, 2, 1}, 0, {40, 40, 40, 90, 20, 20}, 2},
        {"slow at two: down to one", {4, 2, 1}, 0, {40, 40, 40, 0, 34, 34, 34}, 1},
        // 4 samples cost 40, 2 cost 20: twice as dear; up when 2 × now <= 26.4.
        {"no flicker while 4 would miss", {4, 2, 1}, 0, {40, 40, 40, 0, 20, 20, 20, 20, 20, 20}, 2},
        {"up when 4 would fit with a fifth to spare",
         {4, 2, 1},
         0,
         {40, 40, 40, 0, 20, 20, 20, 13.2, 13.2, 13.2},
         4},
        {"not when it would fit only just", {4, 2, 1}, 0, {40, 40, 40, 0, 20, 20, 20, 13.3, 13.3, 13.3}, 2},
        {"a device with one count keeps it", {4}, 0, {90, 90, 90, 90, 90}, 4},
        {"times that are no times are ignored", {4, 1}, 0, {-1, NAN, 40, 40}, 4},
        {"a slow still picture starts with the fewest", {4, 2, 1}, 34, {}, 1},
        {"a still picture within the budget starts with the most", {4, 2, 1}, 33, {}, 4},
        // Started at 1 from a still picture of 60 ms: 1 sample costs 10, so 4
        // would cost 60 again; it stays.
        {"the still picture's cost is learned", {4, 1}, 60, {10, 10, 10, 10}, 1},
        {"and up when the fewest frames show room", {4, 1}, 60, {10, 10, 10, 3, 3, 3}, 4},
    };
    for (const Case& c : cases) {
        FrameBudget budget(c.counts);
        budget.Start(c.still);
        for (double ms : c.frames)
            budget.Frame(ms);
        EXPECT_EQ(budget.samples(), c.samples) << c.name;
    }
}

TEST(FrameBudget, ANewTurnStartsWhereTheLastOneEnded) {
    FrameBudget budget({4, 2, 1});
    for (double ms : {40.0, 40.0, 40.0})
        budget.Frame(ms);
    ASSERT_EQ(budget.samples(), 2);
    budget.Stop();
    budget.Start(50); // the still picture was slow, but the count is already lower
    EXPECT_EQ(budget.samples(), 2);
    // Frames of the new turn are counted afresh: two fast ones after a stop do not step.
    budget.Frame(1);
    budget.Frame(1);
    EXPECT_EQ(budget.samples(), 2);
}

} // namespace
