// SPDX-License-Identifier: GPL-3.0-or-later
// A tick and the base arc measured across and along, once the pivot is known: the ink is sampled
// in a strip along the tick's ray and summed across it, so that blur, which spreads the ink but
// keeps its amount, does not change the measured width, and each end lies where the sum falls
// to half.
#pragma once

#include <opencv2/core.hpp>
#include <optional>

#include "scan/TickFinder.h"

namespace quirn {

// In pixels and radians (y down, as on the scan).
struct TickMeasure {
    double angle = 0.0;           // of the centre line about the pivot
    std::optional<double> inner;  // the ends' radii; an end under the base arc is not measured
    std::optional<double> outer;
    double amount = 0.0;  // the ink summed across the tick: its width times the ink's contrast
    double peak = 0.0;    // the darkest the tick gets across, blur having lightened a thin one
    // From a quarter to three quarters of the amount at a measured end: the blur's spread.
    std::optional<double> edge;
};

struct TickSampling {
    cv::Point2d pivot;
    double room = 0.0;  // how far to either side the strip may reach without a neighbour
    std::optional<InkRing> ring;
};

std::optional<TickMeasure> MeasureTick(const cv::Mat& darkness, const TickStroke& stroke,
                                       const TickSampling& sampling);

// The arc sampled across at the given angles, where no tick is: its middle radius in pixels and
// the ink summed across it; nothing when too few angles give a clear profile.
struct ArcMeasure {
    double radius = 0.0;
    double amount = 0.0;
};

// The width of a stroke whose ink sums to amount across and whose darkest is peak, blurred by a
// Gaussian of the given spread (all in pixels): the amount is the width times the contrast,
// the peak the contrast times the share of the blur the width covers.
double StrokeWidth(double amount, double peak, double blur);
struct ArcSample {
    double angle = 0.0;
    double room = 0.0;  // how far to either side the strip may reach
};
std::optional<ArcMeasure> MeasureArc(const cv::Mat& darkness, const std::vector<ArcSample>& where,
                                     const TickSampling& sampling);

}  // namespace quirn
