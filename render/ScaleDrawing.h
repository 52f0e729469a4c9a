// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's entry points: laying a scene out, and painting it as laid out. Both are
// functions of their arguments; neither keeps anything between calls.
#pragma once

#include <optional>

#include "render/DrawingSurface.h"
#include "render/Scene.h"

namespace quirn {

// Size, resolution and origin of the canvas for this scene, device and mode.
CanvasGeometry ComputeCanvasGeometry(const Scene& scene, const ReferenceDevice& device,
                                     PaintMode mode);

// Laying out: where the movable elements go and how large they are drawn, from the parameters,
// the layout, the images and the text measures. Depends on no device and no earlier rendering.
ScaleLayout LayOutScale(const Scene& scene, TextMeasure& measure);
// The same with the faces the painter draws in for mode (print: those of the 1-bit canvas).
ScaleLayout LayOutScale(const Scene& scene, PaintMode mode);

// Painting the laid-out scene: template (screen only), bottom line and axis cross, symbols and
// labels, zones, ticks, numerals and arcs, then the cut lines over them all, on any surface. The
// bottom line spans the canvas it is painted for.
void PaintScale(const Scene& scene, const ScaleLayout& laid, const CanvasGeometry& canvas,
                DrawingSurface& surface, PaintMode mode);

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

// The movable elements at their default anchors for the parameters, and those the user placed
// (the record's places) where they were put, brought onto the plate.
Layout DefaultLayout(const ScaleParameters& p);

}  // namespace quirn
