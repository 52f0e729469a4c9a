// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/ZoneHatching.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/DeviceCulling.h"

namespace quirn {
namespace {

// Zone hatching on black-and-white devices, in drawing units: thin lines 0.6 mm apart read as a
// band on paper and leave five sixths of it white, so that a tick drawn over it stands out.
constexpr double kHatchPeriod = 60.0;
constexpr double kHatchWidth = 10.0;
// On a coarse device the lines stay at least this many pixels apart, or the band turns grey.
constexpr double kLeastHatchPeriodPx = 4.0;

// The part of a polygon where low <= x + slope * y <= high (Sutherland-Hodgman against the two
// sides of the strip). Where the part falls apart into pieces they stay joined by edges of no
// area, which fill nothing.
QPolygonF CutToStrip(const QPolygonF& polygon, double slope, double low, double high) {
    const auto cut = [slope](const QPolygonF& in, double limit, double sense) {
        QPolygonF out;
        for (qsizetype i = 0; i < in.size(); ++i) {
            const QPointF a = in[i];
            const QPointF b = in[(i + 1) % in.size()];
            const double sa = sense * (a.x() + slope * a.y() - limit);
            const double sb = sense * (b.x() + slope * b.y() - limit);
            if (sa >= 0.0) out << a;
            if ((sa >= 0.0) != (sb >= 0.0)) out << a + (b - a) * (sa / (sa - sb));
        }
        return out;
    };
    return cut(cut(polygon, low, 1.0), high, -1.0);
}

}  // namespace

// Lines at a fixed distance on the plate rather than on the device, so that the band looks the
// same at every resolution, laid from the pointer axis. Each is the band cut to a strip and filled
// as a polygon: the raster engine strokes a pen, or fills through a clip path, a pixel differently
// when only a band of the device is painted, but fills a polygon alike in every band; and no line
// reaches past the band.
void HatchBand(QPainter& painter, const QPolygonF& band, ZoneHatch direction,
               const DrawingTransform& transform, const QRectF& painted) {
    const double perUnit = transform.pixelsPerUnit();
    // The lines are x + slope * y = axis + k * step on the device, y down: rising to the right
    // for a slope of 1. Along x + slope * y, one period is the distance between them times the
    // root of two.
    const double slope = direction == ZoneHatch::Falling ? -1.0 : 1.0;
    const double step = std::max(kHatchPeriod * perUnit, kLeastHatchPeriodPx) * std::numbers::sqrt2;
    // Half the line's width: at least one pixel across, or lines would break.
    const double half = std::max(kHatchWidth * perUnit, 1.0) * std::numbers::sqrt2 / 2.0;
    // Only lines that cross the painted part are worked out.
    const QRectF bounds = band.boundingRect().intersected(painted.adjusted(-1.0, -1.0, 1.0, 1.0));
    if (bounds.isEmpty()) return;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    const double axis = transform.origin.x() + slope * transform.origin.y();
    const double lowest = bounds.left() + std::min(slope * bounds.top(), slope * bounds.bottom());
    const double highest = bounds.right() + std::max(slope * bounds.top(), slope * bounds.bottom());
    const double first = std::ceil((lowest - half - axis) / step);
    const double last = std::floor((highest + half - axis) / step);
    for (double k = first; k <= last; ++k) {
        const double c = axis + k * step;
        const QPolygonF line = CutToStrip(band, slope, c - half, c + half);
        if (line.size() >= 3 && !Misses(line.boundingRect(), 1.0, painted))
            painter.drawPolygon(line);
    }
}

}  // namespace quirn
