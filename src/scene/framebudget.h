#pragma once
// FrameBudget: how many samples per pixel the frames of a turning tree get.
// The first turn starts with the most the device offers. When the frames come
// further apart than the budget (33 ms: thirty a second) it steps down one
// count (4, then 2, then 1, as offered). It learns how much dearer the
// drawing was at the count above than at the one it stepped down to, and what
// the rest of a frame cost then, and steps back up as soon as the drawing
// now, times that, plus that rest, would fit with a fifth of the budget to
// spare: a count that just missed is not taken again at once, so the picture
// does not flicker between two counts. (The drawing's own time is what it
// weighs, as quick frames wait for the display's next frame and their
// distance says nothing of their cost.) Three frames are watched at each
// count before it moves again; the first frame after a move is the old
// count's and is not counted. A new turn starts with the count the last one
// ended with; but with the fewest samples at once when even the still picture
// took longer than the budget to draw (a slow frame at a time the user can
// feel is no way to learn that the frames are slow; when that cost is not
// known, the turn's first frame stands for it), and with the most when the
// still picture fits with a fifth of the budget to spare.
//
//   FrameBudget budget(device.sampleCounts());
//   budget.Start(msOfTheLastWholeStillPicture);
//   budget.Frame(msSincePreviousFrame, msOfItsDrawing);   // each frame while turning
//   device.SetDrawing({budget.samples(), 0.25f});
//   budget.Stop();                                        // the tree stands still
#include <cstddef>
#include <vector>

class FrameBudget {
public:
    static constexpr double DefaultBudgetMs = 33.0;
    // How many frames are watched at a count before it moves again.
    static constexpr int Watched = 3;
    // A count above is taken again only when it would leave this share of the budget free.
    static constexpr double Headroom = 0.2;

    explicit FrameBudget(std::vector<int> counts = {4}, double budgetMs = DefaultBudgetMs);

    int samples() const { return counts_[level_]; }
    // A turn begins; stillMs is what the last whole still picture took to draw (0: not known).
    void Start(double stillMs);
    // The first frame of a turn begun without the still picture's cost took
    // drawMs to draw: taken as that cost.
    void FirstFrame(double drawMs);
    // A frame of the turning tree came ms after the previous one; drawing it took drawMs.
    void Frame(double ms, double drawMs);
    // The tree stopped (its still picture gets every sample anyway).
    void Stop();

private:
    struct Sample {
        double ms, drawMs;
    };
    void moveTo(std::size_t level);

    std::vector<int> counts_;
    double budgetMs_;
    std::size_t level_ = 0;
    std::vector<Sample> frames_; // at the current count, since it was taken
    int skip_ = 0;
    // Per count, when it was last stepped down to: how much dearer the
    // drawing at the count above was, and what the rest of its frames cost.
    std::vector<double> dearer_;
    std::vector<double> rest_;
    // The count it last stepped down from: its drawing and the rest of its frames.
    double leftDraw_ = 0;
    double leftRest_ = 0;
    bool stepped_ = false;
};
