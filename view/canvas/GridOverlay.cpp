// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/GridOverlay.h"

#include <QPainter>

#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

constexpr std::int64_t kMillimetre = 100;  // drawing units
const QColor kFine(0, 150, 255, 45);
const QColor kStrong(0, 110, 255, 100);

}  // namespace

void PaintMillimetreGrid(QPainter& painter, const CanvasGeometry& g, int zoomPercent, QPoint scroll,
                         QSize size, double devicePixelRatio) {
    // At a quarter lines 5 mm apart would run together: the strong ones stand alone.
    const std::int64_t fine = (zoomPercent >= 400 ? 1 : zoomPercent >= 50 ? 5 : 10) * kMillimetre;
    const std::int64_t strong = 10 * kMillimetre;
    const Point at{scroll.x(), scroll.y()};
    // One device pixel wide, on whole device pixels, so that every line is as crisp as a tick.
    const double pixel = 1.0 / devicePixelRatio;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const bool horizontal : {true, false}) {
        const int length = horizontal ? size.width() : size.height();
        for (const AxisMark& mark : MarksAlong(g, horizontal, length, fine, at, devicePixelRatio)) {
            const QColor& colour = mark.units % strong == 0 ? kStrong : kFine;
            // Lines crossing the x axis mark x; those crossing the y axis mark y.
            const QRectF line = horizontal ? QRectF(mark.at, 0, pixel, size.height())
                                           : QRectF(0, mark.at, size.width(), pixel);
            painter.fillRect(line, colour);
        }
    }
    painter.restore();
}

}  // namespace quirn
