// SPDX-License-Identifier: GPL-3.0-or-later
// The plate's frame in drawing units about the pointer axis (the pivot, at 0, 0; y up): its
// outline's extent, the pivot's height above the bottom edge, the top bevels or the outer circle
// and the pointer's cut-out. What lays out, draws, drags, navigates and places on the plate asks
// here, so that they agree on where its edges are.
#pragma once

#include <cstdint>

#include "model/ScaleParameters.h"

namespace quirn {

enum class PlateShape { Square, Radial };

struct PlateFrame {
    PlateShape shape = PlateShape::Square;
    std::int64_t width = 0;       // between the sides
    std::int64_t halfWidth = 0;   // from the axis to each side, truncated toward zero
    std::int64_t axisHeight = 0;  // the pivot above the bottom edge
    std::int64_t bottom = 0;      // the bottom edge: -axisHeight
    std::int64_t top = 0;         // the top edge of a square plate, the outer radius of a radial
    std::int64_t bevel = 0;       // a square plate's top corners, cut at 45 degrees
    std::int64_t outerRadius = 0;
    std::int64_t cutOutRadius = 0;  // the pointer's cut-out about the pivot
};

inline PlateFrame FrameOf(const ScaleParameters& p) {
    PlateFrame f;
    f.shape = p.shape == 0 ? PlateShape::Square : PlateShape::Radial;
    f.width = p.plateWidth;
    f.halfWidth = f.width / 2;
    f.axisHeight = std::int64_t{p.mountingAboveBottom} - p.mountingAboveAxis;
    f.bottom = -f.axisHeight;
    f.outerRadius = p.outerRadius;
    f.top = f.shape == PlateShape::Square ? std::int64_t{p.plateHeight} + f.bottom : f.outerRadius;
    f.bevel = p.cornerBevel;
    f.cutOutRadius = p.innerRadius;
    return f;
}

}  // namespace quirn
