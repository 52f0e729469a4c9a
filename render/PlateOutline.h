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
std::int64_t RadialSideHeight(std::int64_t Rout, std::int64_t halfWidth);

// Draws with the pen already selected. canvasWidth spans the bottom line; halfPlateWidth comes
// from the layout.
void DrawPlateOutline(DrawingSurface& surface, const ScaleParameters& p, int halfPlateWidth,
                      int bottomMargin, int canvasWidth);

}  // namespace quirn
