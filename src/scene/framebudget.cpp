#include "scene/framebudget.h"

#include <algorithm>
#include <cmath>

namespace {

double middle(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + static_cast<long>(values.size() / 2), values.end());
    return values[values.size() / 2];
}

} // namespace

FrameBudget::FrameBudget(std::vector<int> counts, double budgetMs)
    : counts_(std::move(counts)), budgetMs_(budgetMs) {
    if (counts_.empty())
        counts_ = {0};
    dearer_.assign(counts_.size(), 0.0);
    rest_.assign(counts_.size(), 0.0);
}

void FrameBudget::moveTo(std::size_t level) {
    level_ = level;
    frames_.clear();
    skip_ = 1;
}

void FrameBudget::Frame(double ms, double drawMs) {
    if (!std::isfinite(ms) || !std::isfinite(drawMs) || ms < 0 || drawMs < 0)
        return;
    if (skip_ > 0) {
        --skip_;
        return;
    }
    frames_.push_back({ms, drawMs});
    if (static_cast<int>(frames_.size()) < Watched)
        return;
    std::vector<double> apart, drawn;
    for (const Sample& s : frames_) {
        apart.push_back(s.ms);
        drawn.push_back(s.drawMs);
    }
    const double now = middle(apart), draw = middle(drawn);
    frames_.erase(frames_.begin());
    if (stepped_) {
        // The first frames after stepping down: what the step saved.
        stepped_ = false;
        dearer_[level_] = draw > 0 ? leftDraw_ / draw : 0;
        rest_[level_] = leftRest_;
    }
    if (now > budgetMs_ && level_ + 1 < counts_.size()) {
        leftDraw_ = draw;
        leftRest_ = std::max(0.0, now - draw);
        stepped_ = true;
        moveTo(level_ + 1);
    } else if (level_ > 0 && dearer_[level_] > 0 &&
               draw * dearer_[level_] + rest_[level_] <= budgetMs_ * (1 - Headroom)) {
        moveTo(level_ - 1);
    }
}

void FrameBudget::Start(double stillMs) {
    if (level_ == 0 && stillMs > budgetMs_ && counts_.size() > 1) {
        leftDraw_ = stillMs;
        leftRest_ = 0;
        stepped_ = true;
        moveTo(counts_.size() - 1);
        skip_ = 0; // no frame of the old count comes first
    } else if (level_ > 0 && stillMs > 0 && stillMs <= budgetMs_ * (1 - Headroom)) {
        // Every sample fits with room to spare now (fewer toys, a quieter machine).
        stepped_ = false;
        moveTo(0);
        skip_ = 0;
    }
}

void FrameBudget::FirstFrame(double drawMs) {
    // Only a frame drawn with every sample stands for the still picture.
    if (level_ == 0 && frames_.empty())
        Start(drawMs);
}

void FrameBudget::Stop() {
    // A step just taken is still learned from the next turn's first frames.
    frames_.clear();
    skip_ = 0;
}
