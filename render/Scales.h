// SPDX-License-Identifier: GPL-3.0-or-later
// The graduations of a plate: zones, then each scale's ticks, numerals, arc and unit.
#pragma once

#include <optional>

#include "model/ScaleLaw.h"
#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"

namespace quirn {

// The angle in radians at which a fraction of the arc lies: the left end at 90 + halfAngle degrees,
// the right end at 90 - halfAngle.
double FractionAngle(double halfAngle, double fraction);

// The zones under the ticks, then every scale; a plate of one plain linear scale without zones
// is drawn by the same calls as it always was.
void DrawScales(DrawingSurface& surface, const ScaleParameters& p);

// One scale's ticks, numerals, arc and unit, without the zones; nothing when the half-angle is
// not a number.
void DrawScale(DrawingSurface& surface, const ResolvedScale& s);

}  // namespace quirn
