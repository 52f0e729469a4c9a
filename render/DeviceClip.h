// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting shapes down to the part of the device that can show them. Parameters may place
// points billions of pixels away; the raster engine would spend minutes on such shapes, and
// everything that lies outside the device shows nothing anyway.
#pragma once

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <optional>
#include <utility>
#include <vector>

namespace quirn {

// The part of segment a-b inside rect, or nothing when it misses it.
std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& rect);

// The part of a filled polygon inside rect (Sutherland-Hodgman); empty when nothing is inside.
// Edges introduced by the cut run along rect, so rect must lie beyond anything visible.
QPolygonF ClipPolygon(const QPolygonF& polygon, const QRectF& rect);

// The area a simple polygon encloses, whichever way round it runs.
double PolygonArea(const QPolygonF& polygon);

// Points along the circular arc of the given centre and radius from angle a0 sweeping
// counterclockwise (as seen on a y-down device: decreasing device angle) by sweep degrees,
// close enough that no chord strays by more than a quarter pixel from the circle.
std::vector<QPointF> ArcPoints(QPointF centre, double radius, double a0Degrees,
                               double sweepDegrees);

}  // namespace quirn
