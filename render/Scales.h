// SPDX-License-Identifier: GPL-3.0-or-later
// The graduations of a plate: zones, then each scale's ticks, numerals, arc and unit.
#pragma once

#include <optional>

#include "model/ScaleLaw.h"
#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"

namespace quirn {

// The zones under the ticks, then every scale.
void DrawScales(DrawingSurface& surface, const ScaleParameters& p);

// One scale's ticks, numerals, arc and unit, without the zones; nothing when the half-angle is
// not a number. Every scale and law takes this one path.
void DrawScale(DrawingSurface& surface, const ResolvedScale& s);
// The scale's numerals alone: its numbers list, else its numbered equal steps.
void DrawScaleNumerals(DrawingSurface& surface, const ResolvedScale& s);

}  // namespace quirn
