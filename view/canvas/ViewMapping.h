// SPDX-License-Identifier: GPL-3.0-or-later
// Where a point of the view lies on the drawing, and what the mouse would grab there.
//
// The canvas is copied 1:1 into the view with its top-left corner at the scroll origin, so a
// point of the view's client area plus the scroll position is a canvas pixel. The canvas
// geometry says where the pointer axis sits on the canvas (originX, originY, in pixels from its
// top-left corner) and how many pixels one drawing unit spans (viewportExt / windowExt); from
// those a canvas pixel becomes drawing units, x to the right and y upward, to the nearest unit.
#pragma once

#include <QPointF>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/FreeItems.h"
#include "render/Scene.h"

namespace quirn {

// A canvas pixel, counted from the canvas's top-left corner, in drawing units.
Point CanvasPixelToDrawing(const CanvasGeometry& g, std::int64_t px, std::int64_t py);

// The canvas pixel nearest to a point in drawing units; the inverse of the above.
Point DrawingToCanvasPixel(const CanvasGeometry& g, Point drawing);

// A point of the view's client area (logical pixels) with the view scrolled by scroll (logical
// pixels), in drawing units. The canvas is in device pixels, devicePixelRatio per logical one.
Point ViewToDrawing(const CanvasGeometry& g, Point client, Point scroll,
                    double devicePixelRatio = 1.0);

// Where a point in drawing units shows in the view's client area: the top-left corner of the
// canvas pixel nearest to it, in logical pixels; the inverse of the above.
QPointF DrawingToView(const CanvasGeometry& g, Point drawing, Point scroll,
                      double devicePixelRatio = 1.0);

// A whole multiple of a step of drawing units along one axis, and where it shows.
struct AxisMark {
    std::int64_t units = 0;
    double at = 0.0;  // logical pixels from the client area's left or top edge, as DrawingToView
};

// The multiples of step (drawing units) along x (horizontal) or y that show on the first
// length logical pixels of the view's client area, in the order of the pixels.
std::vector<AxisMark> MarksAlong(const CanvasGeometry& g, bool horizontal, int length,
                                 std::int64_t step, Point scroll, double devicePixelRatio = 1.0);

// The box in drawing units that holds everything drawn for the element as laid out, overhangs
// of its glyphs included; for the template, its picture.
Box DrawnArea(const Scene& scene, const ScaleLayout& laid, MovableElement e);

// The first element whose hit area holds the point, tested in the order DataSymbol,
// DiamondSymbol, NameLabel, UnitLabel, OriginLabel, OthersSymbol, StandardLabel, then, only with a
// template loaded, TemplateBody and TemplateEdge. Hit areas are open rectangles over the anchors
// and the sizes as laid out: a point on an edge hits nothing.
std::optional<MovableElement> HitTest(const Scene& scene, const ScaleLayout& laid, Point cursor);

// The free text or picture drawn on top at the point: texts, drawn after the pictures, before
// them, and of each kind the later number first. A text is hit inside its box as drawn, turned
// with it; a picture inside its box. Both are drawn over the fixed elements and the template.
std::optional<FreeItem> FreeItemAt(const Scene& scene, Point cursor);

// The box in drawing units that holds everything drawn for a free item, overhangs and the
// crossed box's pen included; an empty box for one that is not drawn.
Box FreeItemArea(const Scene& scene, FreeItem item);

}  // namespace quirn
