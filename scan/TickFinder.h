// SPDX-License-Identifier: GPL-3.0-or-later
// The ticks as strokes of ink on the scan: where their centre lines run and where they meet.
// A base arc joins every tick into one stroke; it is found as a ring of ink about a first guess
// of the pivot and cut away before the ticks are told apart.
#pragma once

#include <opencv2/core.hpp>
#include <optional>
#include <vector>

#include "scan/ArcCircle.h"
#include "scan/InkSeparation.h"
#include "scan/PivotFit.h"

namespace quirn {

// One stroke taken for a tick, from the darkness-weighted moments of its pixels.
struct TickStroke {
    cv::Point2d centre;
    cv::Point2d direction;  // along the stroke, unit
    double length = 0.0;    // pixels, from the moments: rough
    double width = 0.0;
};

// A ring of ink about the first guess of the pivot, in pixels.
struct InkRing {
    double inner = 0.0;
    double outer = 0.0;
};

struct TickStrokes {
    std::vector<TickStroke> strokes;  // only those whose lines meet at the pivot
    std::optional<MeetingPoint> pivot;
    std::optional<InkRing> ring;
    int candidates = 0;  // strokes that looked like ticks before their lines were compared
};

TickStrokes FindTickStrokes(const InkSeparation& ink, double pixelsPerMm);

}  // namespace quirn
