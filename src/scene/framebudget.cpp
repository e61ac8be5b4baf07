#include "scene/framebudget.h"

#include <algorithm>

FrameBudget::FrameBudget(std::vector<int> counts, double budgetMs)
    : counts_(std::move(counts)), budgetMs_(budgetMs) {
    if (counts_.empty())
        counts_ = {0};
    dearer_.assign(counts_.size(), 0.0);
}

double FrameBudget::recent() const {
    std::vector<double> last(frames_.end() - Watched, frames_.end());
    std::nth_element(last.begin(), last.begin() + Watched / 2, last.end());
    return last[Watched / 2];
}

void FrameBudget::moveTo(std::size_t level) {
    level_ = level;
    frames_.clear();
    skip_ = 1;
}

void FrameBudget::Frame(double ms) {
    if (!(ms >= 0))
        return;
    if (skip_ > 0) {
        --skip_;
        return;
    }
    frames_.push_back(ms);
    if (static_cast<int>(frames_.size()) < Watched)
        return;
    const double now = recent();
    frames_.erase(frames_.begin());
    if (stepped_) {
        // The first frames after stepping down: what the step saved.
        stepped_ = false;
        if (now > 0)
            dearer_[level_] = left_ / now;
    }
    if (now > budgetMs_ && level_ + 1 < counts_.size()) {
        left_ = now;
        stepped_ = true;
        moveTo(level_ + 1);
    } else if (level_ > 0 && dearer_[level_] > 0 && now * dearer_[level_] <= budgetMs_ * (1 - Headroom)) {
        moveTo(level_ - 1);
    }
}

void FrameBudget::Start(double stillMs) {
    if (level_ == 0 && stillMs > budgetMs_ && counts_.size() > 1) {
        left_ = stillMs;
        stepped_ = true;
        moveTo(counts_.size() - 1);
        skip_ = 0; // no frame of the old count comes first
    }
}

void FrameBudget::Stop() {
    frames_.clear();
    skip_ = 0;
    stepped_ = false;
}
