// SPDX-License-Identifier: GPL-3.0-or-later
// The ticks a calibration takes from a scan, as the user corrects what was found: the big ticks
// numbered evenly to start with; a click takes a tick away or adds one, and any value may be
// typed over. Nothing here touches a document.
#pragma once

#include <cstddef>
#include <vector>

#include "scan/ScanProposal.h"

namespace quirn {

struct ReviewedTick {
    double angle = 0.0;  // about the found pivot, the plate stood level: degrees, 90 straight up
    double value = 0.0;
};

class TickReview {
  public:
    TickReview(const ScaleDetection& found, ScanEnds ends);

    // Left to right.
    const std::vector<ReviewedTick>& ticks() const { return ticks_; }
    const ScaleDetection& found() const { return found_; }

    // Every tick's value anew, evenly from the first to the last.
    void Renumber(ScanEnds ends);
    void SetValue(std::size_t index, double value);

    enum class Change { Added, Removed };
    // A click at angle (as ticks() gives them): the tick within reach degrees of it goes; else
    // one is added there, or on the found tick within reach, valued as its neighbours go on.
    Change Click(double angle, double reach);

  private:
    double ValueAt(double angle) const;

    ScaleDetection found_;
    std::vector<ReviewedTick> ticks_;
};

}  // namespace quirn
