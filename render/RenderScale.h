// SPDX-License-Identifier: GPL-3.0-or-later
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

// Lays the scale out, then rebuilds state.canvas from scratch and draws the whole scale on it.
RenderResult RenderScale(RenderState& state, const ReferenceDevice& device, bool forScreen);

// Laying out: where the movable elements go and how large they are drawn, from the parameters,
// the layout, the images and the text measures. Depends on no device and no earlier rendering.
ScaleLayout LayOutScale(const RenderState& state, TextMeasure& measure);
// Keeps a layout in the state, where painting and hit testing read it.
void AdoptLayout(RenderState& state, const ScaleLayout& laid);
// Both, with the faces the painter draws in (monochrome: those of the 1-bit canvas).
void LayOutScale(RenderState& state, bool monochrome);

// Painting the laid-out state: template (screen only), bottom line and axis cross, symbols and
// labels, zones, ticks, numerals and arcs, then the cut lines over them all, on any surface. The
// screen's bottom line spans state.canvas.geometry.
void PaintScale(const RenderState& state, DrawingSurface& surface, bool forScreen);

// One row of the 8-bit grey print canvas as one bit per pixel, black (0) below 128 and white
// (1) from it, the first pixel in the high bit: how the print canvas is made one-bit.
void PackGreyRow(const unsigned char* grey, int width, unsigned char* bits);

// The cell a drawn element covers, from its anchor and size: images stand on their anchor (the
// others symbol left of it), texts hang from it (the unit and origin label centred on it, the
// standard label left of it), and a wrapped origin label fills its wrap box.
Box ElementBox(MovableElement e, Point anchor, Extent size, const std::optional<Box>& originWrap);

// Moves an element the least that brings its whole cell, as laid out, onto the plate (one wider
// or taller than the plate shows its start), the origin label's wrap box with it: how a place the
// user made is kept on the plate, and how far a drag can take an element.
void BringOntoPlate(const ScaleParameters& p, ScaleLayout& laid, MovableElement e);

// Puts the movable elements at their default anchors for the working copy, and those the user
// placed (the record's places) where they were put, brought onto the plate.
void ResetLayout(RenderState& state);

}  // namespace quirn
