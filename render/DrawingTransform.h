// SPDX-License-Identifier: GPL-3.0-or-later
// The one mapping between drawing units and device pixels, both ways.
//
// Drawing space has its origin at the pointer axis, x right and y up, in whole units of
// 0.01 mm. A device has its origin at its top-left corner, y down. One drawing unit spans
// num / den device pixels, and the pointer axis sits at the device point origin. Painting maps
// units to the device in real numbers; the mouse maps a whole device pixel back to the nearest
// whole unit (halves away from zero) in exact integer arithmetic, and a unit to the nearest
// whole pixel the same way, so that a pixel and a unit found from each other agree.
#pragma once

#include <QPointF>
#include <QRectF>
#include <cstdint>

#include "render/DrawingGeometry.h"

namespace quirn {

struct CanvasGeometry;

struct DrawingTransform {
    QPointF origin;
    std::int64_t num = 1;  // device pixels ...
    std::int64_t den = 1;  // ... per this many drawing units

    // The canvas's own mapping: the axis at its origin pixel, its resolution.
    static DrawingTransform OfCanvas(const CanvasGeometry& g);

    double pixelsPerUnit() const { return double(num) / double(den); }
    QPointF toDevice(Point p) const {
        return {origin.x() + p.x * pixelsPerUnit(), origin.y() - p.y * pixelsPerUnit()};
    }
    QRectF toDevice(const Box& box) const;
    // The nearest whole unit to a whole device pixel; saturates at the int range. The origin
    // is taken to the nearest whole pixel.
    Point toDrawing(std::int64_t px, std::int64_t py) const;
    // The nearest whole device pixel to a point in drawing units; the inverse of the above.
    Point toDevicePixel(Point p) const;
    // The same mapping on a device whose top-left corner lies at topLeft of this one.
    DrawingTransform seenFrom(QPointF topLeft) const { return {origin - topLeft, num, den}; }

    bool operator==(const DrawingTransform&) const = default;
};

}  // namespace quirn
