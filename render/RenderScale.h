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

// Puts the movable elements at their default anchors for the working copy.
void ResetLayout(RenderState& state);

}  // namespace quirn
