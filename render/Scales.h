// SPDX-License-Identifier: GPL-3.0-or-later
// The graduations of a plate: zones, then each scale's ticks, numerals, arc and unit.
#pragma once

#include <cstdint>
#include <optional>

#include "model/ScaleLaw.h"
#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"

namespace quirn {

// What a scale takes from the plate beyond its graduation: the ink of its ticks, numerals, arc
// and unit, and the typeface of its numerals and unit. None: black and today's face.
struct ScaleLook {
    std::optional<std::uint32_t> ink;
    std::optional<Typeface> face;
};
// Scale 1's numerals take the numerals' typeface, the further scales theirs.
ScaleLook LookOf(const ScaleParameters& p, int number);

// The zones under the ticks, then every scale.
void DrawScales(DrawingSurface& surface, const ScaleParameters& p);

// One scale's ticks, numerals, arc and unit, without the zones; nothing when the half-angle is
// not a number. Every scale and law takes this one path.
void DrawScale(DrawingSurface& surface, const ResolvedScale& s, const ScaleLook& look = {});

}  // namespace quirn
