// The renderer's entry points.
#pragma once

#include <string>

#include "render/DrawingSurface.h"
#include "render/RenderState.h"

namespace quirn {

enum class RenderStatus { Ok, CanvasTooLarge };

struct RenderResult {
    RenderStatus status = RenderStatus::Ok;
    std::string message;  // why the canvas was refused, naming the limit (UTF-8)
    bool ok() const { return status == RenderStatus::Ok; }
};

// Size, resolution and origin of the canvas for this state, device and mode.
CanvasGeometry ComputeCanvasGeometry(const RenderState& state, const ReferenceDevice& device,
                                     bool forScreen);

// Rebuilds state.canvas from scratch and draws the whole scale on it.
RenderResult RenderScale(RenderState& state, const ReferenceDevice& device, bool forScreen);

// The drawing steps after the canvas is cleared: template (screen only), plate outline,
// symbols and labels, ticks, numerals and arc, in that order, on any surface.
void PaintScale(RenderState& state, DrawingSurface& surface, bool forScreen);

// One row of the 8-bit grey print canvas as one bit per pixel, black (0) below 128 and white
// (1) from it, the first pixel in the high bit: how the print canvas is made one-bit.
void PackGreyRow(const unsigned char* grey, int width, unsigned char* bits);

// Puts the movable elements at their default anchors for the working copy.
void ResetLayout(RenderState& state);

}  // namespace quirn
