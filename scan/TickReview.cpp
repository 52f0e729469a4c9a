// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/TickReview.h"

#include <algorithm>
#include <cmath>

namespace quirn {

TickReview::TickReview(const ScaleDetection& found, ScanEnds ends) : found_(found) {
    for (const FoundTick& t : found_.ticks)
        if (t.size == TickSize::Big) ticks_.push_back({t.angle - found_.turn, 0.0});
    Renumber(ends);
}

void TickReview::Renumber(ScanEnds ends) {
    const double steps = std::max<double>(double(ticks_.size()) - 1.0, 1.0);
    for (std::size_t k = 0; k < ticks_.size(); ++k)
        ticks_[k].value = ends.first + (ends.last - ends.first) * double(k) / steps;
}

void TickReview::SetValue(std::size_t index, double value) {
    if (index < ticks_.size()) ticks_[index].value = value;
}

TickReview::Change TickReview::Click(double angle, double reach) {
    const auto near = [angle, reach](double a) { return std::abs(a - angle) <= reach; };
    const auto taken = std::find_if(ticks_.begin(), ticks_.end(),
                                    [&](const ReviewedTick& t) { return near(t.angle); });
    if (taken != ticks_.end()) {
        ticks_.erase(taken);
        return Change::Removed;
    }
    // A small tick found near the click is where the user meant.
    double at = angle;
    double closest = reach;
    for (const FoundTick& t : found_.ticks) {
        const double a = t.angle - found_.turn;
        if (std::abs(a - angle) <= closest) closest = std::abs(a - angle), at = a;
    }
    const ReviewedTick added{at, ValueAt(at)};
    // Left to right is from the larger angle to the smaller.
    ticks_.insert(std::find_if(ticks_.begin(), ticks_.end(),
                               [at](const ReviewedTick& t) { return t.angle < at; }),
                  added);
    return Change::Added;
}

double TickReview::ValueAt(double angle) const {
    if (ticks_.empty()) return 0.0;
    if (ticks_.size() == 1) return ticks_.front().value;
    // Between the two ticks either side, or carried on from the two at the nearer end.
    std::size_t right = 0;
    while (right < ticks_.size() && ticks_[right].angle > angle) ++right;
    const std::size_t a = std::clamp<std::size_t>(right, 1, ticks_.size() - 1) - 1;
    const ReviewedTick& l = ticks_[a];
    const ReviewedTick& r = ticks_[a + 1];
    if (l.angle == r.angle) return l.value;
    const double value = l.value + (r.value - l.value) * (l.angle - angle) / (l.angle - r.angle);
    // A tick is put where a dial's ticks go: at a twentieth of its neighbours' step, which takes
    // in halves, quarters, fifths and tenths, and not at what a click's tenth of a degree gives.
    const double unit = std::abs(r.value - l.value) / 20.0;
    return unit > 0.0 ? std::round(value / unit) * unit : value;
}

}  // namespace quirn
