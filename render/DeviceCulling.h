// SPDX-License-Identifier: GPL-3.0-or-later
// What part of a device a painter surface can change, and what drawing there can be left out:
// shapes that miss the painted area, shapes so far off the device that they must be cut down
// before the raster engine sees them, and black fills once the device is already black.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <span>

#include "render/DrawingGeometry.h"

namespace quirn {

// Whether bounds, widened by margin on every side, lies wholly outside region. Spelled out
// because QRectF::intersects takes a line, which has no area, for nothing.
bool Misses(const QRectF& bounds, double margin, const QRectF& region);

// Whether every point lies inside the convex polygon, at least margin from each of its edges.
bool CoversWithMargin(const QPolygonF& convex, const QPolygonF& points, double margin);

class DeviceCulling {
  public:
    // visible: the device in the painter's logical coordinates; painted: the part of it the
    // painter's clip lets through.
    DeviceCulling() = default;
    DeviceCulling(const QRectF& visible, const QRectF& painted);

    const QRectF& visible() const { return visible_; }
    // The part of the device being painted: everything outside it costs nothing.
    const QRectF& painted() const { return painted_; }
    void restrictTo(const QRectF& area) { painted_ = painted_.intersected(area); }
    // The current pen's width in device pixels, at least one: what a line reaches beyond its path.
    void setPenPixels(double pixels) { penPx_ = pixels; }
    double penPixels() const { return penPx_; }

    // The device widened by the current pen and a margin: what lies beyond it shows nothing, so
    // shapes are cut down to it.
    QRectF clipRect() const;
    // Whether every point lies near enough to the device for the raster engine to take it as it
    // is.
    bool nearDevice(const QPolygonF& points) const;
    // Whether the convex polygon covers the whole of clipRect().
    bool coversDevice(const QPolygonF& polygon) const;
    // Whether a shape with these bounds, stroked with the current pen, misses the painted part.
    bool missesPainted(const QRectF& bounds) const { return Misses(bounds, penPx_, painted_); }
    // Whether the convex polygon on the device, widened by the pen, reaches the painted part.
    bool mayShow(const QPolygonF& convexOnDevice) const;
    // The turn about origin, in radians, below which no point of the device moves by a pixel.
    double smallestVisibleTurn(QPointF origin) const;

  private:
    QRectF visible_;
    QRectF painted_;
    double penPx_ = 1.0;
};

// Black fills that can be left out. Once a black shape has covered the whole device, black
// drawing changes nothing until something white is drawn: absurd tick widths cover the device
// thousands of times. Black polygons that each cover a large part of the device have their areas
// summed, in device areas, against a budget: ticks of absurd width by the thousand would each
// cost a whole-device fill.
class BlackCoverage {
  public:
    bool allBlack() const { return allBlack_; }
    void coveredDevice() { allBlack_ = true; }
    // Something that is not a solid black cover was drawn.
    void drewOther() { allBlack_ = false; }
    // Whether a black polygon covering share of the device may still be drawn.
    bool admits(double share);
    // Whether a polygon with bounds this large may cover a large share of a device this large.
    static bool MayBeLarge(const QRectF& bounds, const QRectF& device);

  private:
    bool allBlack_ = false;
    double largeAreas_ = 0.0;
};

}  // namespace quirn
