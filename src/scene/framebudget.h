#pragma once
// FrameBudget: how many samples per pixel the frames of a turning tree get.
// The first turn starts with the most the device offers. When the frames take
// longer than the budget (33 ms: thirty a second) it steps down one count (4,
// then 2, then 1, as offered). It learns how much dearer the count above was
// than the one it stepped down to, and steps back up as soon as the current
// frames, times that, would fit with a fifth of the budget to spare: a count
// that just missed is not taken again at once, so the picture does not
// flicker between two counts. Three frames are watched at each count before
// it moves again; the first frame after a move is the old count's and is not
// counted. A new turn starts with the count the last one ended with, or with
// the fewest samples at once when even the still picture took longer than the
// budget to draw: a slow frame at a time the user can feel is no way to learn
// that the frames are slow.
//
//   FrameBudget budget(device.sampleCounts());
//   budget.Start(msOfTheLastWholeStillPicture);
//   budget.Frame(msSincePreviousFrame);   // for each frame while turning
//   device.SetDrawing({budget.samples(), 0.25f});
//   budget.Stop();                         // the tree stands still
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
    // A frame of the turning tree took ms, from the start of the previous one.
    void Frame(double ms);
    // The tree stopped (its still picture gets every sample anyway).
    void Stop();

private:
    // The middle of the last Watched frames at the current count.
    double recent() const;
    void moveTo(std::size_t level);

    std::vector<int> counts_;
    double budgetMs_;
    std::size_t level_ = 0;
    std::vector<double> frames_; // at the current count, since it was taken
    int skip_ = 0;
    // How much dearer each count's frames were than the next lower count's,
    // when it last stepped down (0: not yet known).
    std::vector<double> dearer_;
    double left_ = 0; // what frames cost at the count it last stepped down from
    bool stepped_ = false;
};
