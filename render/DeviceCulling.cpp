// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DeviceCulling.h"

#include <algorithm>
#include <cmath>

#include "render/DeviceClip.h"

namespace quirn {
namespace {

// Shapes within this many pixels of the device go to the painter unchanged; the raster
// engine handles them fast and exactly.
constexpr double kNearDevice = 8192.0;
// A black polygon covering more than this share of the device counts as large; once large ones
// have filled the budget, counted in whole device areas, further large ones are left out. Only
// ticks wider or longer than the whole plate get there, and by then their overlapping bands have
// long painted the device solid; the budget bounds their cost by the area filled.
constexpr double kLargeShare = 1.0 / 256.0;
constexpr double kLargeBlackBudget = 64.0;

}  // namespace

bool Misses(const QRectF& bounds, double margin, const QRectF& region) {
    const QRectF b = bounds.normalized();
    return b.right() + margin < region.left() || b.left() - margin > region.right() ||
           b.bottom() + margin < region.top() || b.top() - margin > region.bottom();
}

bool CoversWithMargin(const QPolygonF& convex, const QPolygonF& points, double margin) {
    const qsizetype n = convex.size();
    if (n < 3 || points.isEmpty()) return false;
    double twiceArea = 0.0;
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF a = convex[i];
        const QPointF b = convex[(i + 1) % n];
        twiceArea += a.x() * b.y() - b.x() * a.y();
    }
    if (!(std::abs(twiceArea) > 0.0)) return false;
    const double sense = twiceArea > 0.0 ? 1.0 : -1.0;
    for (qsizetype i = 0; i < n; ++i) {
        const QPointF a = convex[i];
        const QPointF edge = convex[(i + 1) % n] - a;
        const double length = std::hypot(edge.x(), edge.y());
        if (!(length > 0.0)) continue;
        for (const QPointF& p : points) {
            const double cross = edge.x() * (p.y() - a.y()) - edge.y() * (p.x() - a.x());
            if (!(sense * cross / length >= margin)) return false;
        }
    }
    return true;
}

DeviceCulling::DeviceCulling(const QRectF& visible, const QRectF& painted)
    : visible_(visible), painted_(painted) {}

QRectF DeviceCulling::clipRect() const {
    const double margin = penPx_ / 2.0 + 4.0;
    return visible_.adjusted(-margin, -margin, margin, margin);
}

bool DeviceCulling::nearDevice(const QPolygonF& points) const {
    const QRectF near = clipRect().adjusted(-kNearDevice, -kNearDevice, kNearDevice, kNearDevice);
    return std::all_of(points.begin(), points.end(),
                       [&](const QPointF& p) { return near.contains(p); });
}

bool DeviceCulling::coversDevice(const QPolygonF& polygon) const {
    if (polygon.size() < 3) return false;
    // Convex: every turn has the same sense.
    double sense = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        const QPointF c = polygon[(i + 2) % polygon.size()];
        const double turn = (b.x() - a.x()) * (c.y() - b.y()) - (b.y() - a.y()) * (c.x() - b.x());
        if (turn == 0.0) continue;
        if (sense == 0.0) sense = turn;
        if ((turn > 0.0) != (sense > 0.0)) return false;
    }
    const QRectF area = clipRect();
    for (const QPointF corner :
         {area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()}) {
        if (!polygon.containsPoint(corner, Qt::OddEvenFill)) return false;
    }
    return true;
}

bool DeviceCulling::mayShow(const QPolygonF& convexOnDevice) const {
    const double margin = penPx_ / 2.0 + 4.0;
    return !ClipPolygon(convexOnDevice, painted_.adjusted(-margin, -margin, margin, margin))
                .isEmpty();
}

double DeviceCulling::smallestVisibleTurn(QPointF origin) const {
    double farthest = 0.0;
    for (const QPointF corner :
         {visible_.topLeft(), visible_.topRight(), visible_.bottomLeft(), visible_.bottomRight()})
        farthest = std::max(farthest, std::hypot(corner.x() - origin.x(), corner.y() - origin.y()));
    return farthest > 0.0 ? 1.0 / farthest : 0.0;
}

bool BlackCoverage::admits(double share) {
    return !(share > kLargeShare && (largeAreas_ += share) > kLargeBlackBudget);
}

bool BlackCoverage::MayBeLarge(const QRectF& bounds, const QRectF& device) {
    return bounds.width() * bounds.height() > kLargeShare * device.width() * device.height();
}

}  // namespace quirn
