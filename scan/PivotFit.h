// SPDX-License-Identifier: GPL-3.0-or-later
// The point where lines meet: first by consensus among many lines, some of which go elsewhere,
// then by least squares over those that pass close to it.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

namespace quirn {

// A line through a point along a unit direction; weight is its say in the least squares, length
// that of the stroke or edge it runs along.
struct WeightedLine {
    cv::Point2d point;
    cv::Point2d direction;
    double weight = 1.0;
    double length = 0.0;
};

struct MeetingPoint {
    cv::Point2d point;
    double scatter = 0.0;   // the kept lines' distances from it, root mean square
    std::vector<int> kept;  // the lines that pass through it, by index
};

// A line passes through a point when it misses it by no more than tolerance (radians) seen from
// the line's own point, a stroke far from the pivot missing it by more pixels, and the point
// lies at least twice the stroke's length away: the short chords of an arc pass close to any
// point of the arc itself, but a pivot lies well beyond its ticks.
//
// The point the largest weight of lines passes through, refined by least squares over them;
// nothing when fewer than three lines meet anywhere.
std::optional<MeetingPoint> ConsensusPoint(const std::vector<WeightedLine>& lines,
                                           double tolerance);

// Least squares from a first guess, dropping lines that miss it by more than tolerance or far
// more than the others.
std::optional<MeetingPoint> RefinePoint(const std::vector<WeightedLine>& lines, cv::Point2d guess,
                                        double tolerance);

double DistanceToLine(const WeightedLine& line, cv::Point2d p);
// The angle under which the line misses p, seen from the line's point.
double AngleOff(const WeightedLine& line, cv::Point2d p);

}  // namespace quirn
