// SPDX-License-Identifier: GPL-3.0-or-later
// The fixed geometry of the plate: bottom line, axis cross, cut-out, outline and mounting holes.
#pragma once

#include <cstdint>

#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"

namespace quirn {

// How far the bottom line runs above the screen canvas's lower edge, in drawing units.
inline constexpr int kBottomLineInset = 5;

// Height at which the outer circle of a radial plate meets its sides x = +-halfWidth. A circle
// too small to reach the sides gives 0, so the sides stop at the pointer axis's level.
std::int64_t RadialSideHeight(std::int64_t outerRadius, std::int64_t halfWidth);

// The marks under everything else: the bottom line and the cross at the pointer axis. Draws with
// the pen already selected; canvasWidth spans the bottom line.
void DrawPlateMarks(DrawingSurface& surface, const ScaleParameters& p, int bottomMargin,
                    int canvasWidth);

// The lines the plate is cut along, drawn over everything else so that no white cell of a text
// breaks them: the pointer's cut-out, the outline, the mounting holes with their crosses and the
// mirror's slot.
// Draws with the pen and brush already selected; halfPlateWidth comes from the layout.
void DrawCutLines(DrawingSurface& surface, const ScaleParameters& p, int halfPlateWidth);

// The slot an anti-parallax mirror is set in, when the plate has one: the band from its radius to
// radius + width about the pointer axis over scale 1's angle, closed by radial ends. Draws with the
// pen already selected.
void DrawMirrorSlot(DrawingSurface& surface, const ScaleParameters& p);

}  // namespace quirn
