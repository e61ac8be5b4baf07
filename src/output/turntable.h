#pragma once
// TTurntable: the card animated. The tree makes one full turn while its
// ornaments run their own animations, over the still card's background and
// greeting. Frame i of n shows the moment i/n of the loop, so the frame after
// the last would be frame 0 again: played in a loop, the animation has no seam.
// Frame 0 is the still card. The tree is put back as it was when the
// turntable goes.
//
//   TTurntable turntable(windowBackground, tree);
//   for (int i = 0; i < turntable.FrameCount(); ++i) writer.AddFrame(turntable.Frame(i), &error);
#include "scene/rm/rmtypes.h"

#include <QImage>

class TTree;

class TTurntable {
public:
    // One turn in 4 s at 25 frames a second.
    static constexpr int DefaultFrames = 100;
    static constexpr int FramesPerSecond = 25;
    static constexpr double DefaultLoopMs = DefaultFrames * 1000.0 / FramesPerSecond;

    TTurntable(const QImage& windowBackground, TTree& tree, int frames = DefaultFrames);
    TTurntable(const TTurntable&) = delete;
    TTurntable& operator=(const TTurntable&) = delete;
    ~TTurntable();

    int FrameCount() const { return frames_; }
    double LoopMs() const { return frames_ * 1000.0 / FramesPerSecond; }
    // The card at frame index (0 ≤ index < FrameCount()).
    QImage Frame(int index);

    // The time (ms) to show an own animation of period periodMs at moment t
    // of a loop of loopMs: a whole number of its cycles (at least one) is
    // stretched or squeezed to fill the loop, so the animation is at its start
    // again when the loop is. Periods of 0 or less (still toys) give t.
    static double ToyTime(double t, double loopMs, double periodMs);

private:
    TTree& tree_;
    int frames_;
    QImage still_;
    rm::Vector direction_{};
    rm::Vector up_{};
};
