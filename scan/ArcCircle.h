// SPDX-License-Identifier: GPL-3.0-or-later
// The first guess of the pivot when a base arc joins every tick into one stroke of ink: the
// arc's side away from the ticks is an unbroken circle about the pivot, which the outline of
// that stroke follows for most of its length.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

namespace quirn {

struct OutlineCircle {
    cv::Point2d centre;
    double radius = 0.0;
    std::vector<cv::Point2d> points;  // the outline's points on it
};

// The circle of at least minRadius pixels that most points of the largest stroke's outline lie
// on; nothing when no circle holds as many points as its least radius.
std::optional<OutlineCircle> ArcCircle(const cv::Mat& inkMask, double minRadius);

}  // namespace quirn
