// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/MarkedScan.h"

#include <QPainter>
#include <cmath>
#include <numbers>

#include "model/ExtensionText.h"

namespace quirn {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

QPointF OnRay(const ScanPoint& pivot, double degrees, double pixels) {
    const double a = degrees * kRadians;
    return {pivot.x + pixels * std::cos(a), pivot.y - pixels * std::sin(a)};
}

}  // namespace

QString TickValueText(double value) {
    return QString::fromStdString(ExactNumber(std::round(value * 1e6) / 1e6));
}

MarkedScanView MarkedScan(const QImage& grey, const ScaleDetection& found,
                          const std::vector<ReviewedTick>& numbered, int width, int height) {
    const double k = std::min(double(width) / grey.width(), double(height) / grey.height());
    MarkedScanView out;
    out.scale = k;
    out.image = grey.scaled(int(grey.width() * k), int(grey.height() * k), Qt::KeepAspectRatio,
                            Qt::SmoothTransformation)
                    .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&out.image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(k, k);
    const double perMm = found.dpi / 25.4;
    const double sign = found.direction == TickDirection::Outward ? 1.0 : -1.0;
    const double base = found.tickRadius * perMm;
    for (const FoundTick& tick : found.ticks) {
        const bool big = tick.size == TickSize::Big;
        painter.setPen(QPen(big ? QColor(220, 0, 0) : QColor(255, 140, 0), 3.0 / k));
        painter.drawLine(OnRay(found.pivot, tick.angle, base),
                         OnRay(found.pivot, tick.angle, base + sign * tick.length * perMm));
    }
    QFont font = painter.font();
    font.setPixelSize(int(std::lround(13.0 / k)));
    painter.setFont(font);
    const double beyond = base + sign * (found.bigTickLength * perMm + 14.0 / k);
    for (const ReviewedTick& tick : numbered) {
        const double angle = tick.angle + found.turn;
        // A numbered tick is drawn at a big tick's length, whether found so or added.
        painter.setPen(QPen(QColor(220, 0, 0), 3.0 / k));
        painter.drawLine(OnRay(found.pivot, angle, base),
                         OnRay(found.pivot, angle, base + sign * found.bigTickLength * perMm));
        const QPointF at = OnRay(found.pivot, angle, beyond);
        painter.drawText(QRectF(at.x() - 40.0 / k, at.y() - 10.0 / k, 80.0 / k, 20.0 / k),
                         Qt::AlignCenter, TickValueText(tick.value));
    }
    painter.setPen(QPen(QColor(0, 90, 255), 3.0 / k));
    const QPointF pivot(found.pivot.x, found.pivot.y);
    painter.drawLine(pivot - QPointF(10.0 / k, 0), pivot + QPointF(10.0 / k, 0));
    painter.drawLine(pivot - QPointF(0, 10.0 / k), pivot + QPointF(0, 10.0 / k));
    return out;
}

double AngleOnMarkedScan(const MarkedScanView& marked, const ScaleDetection& found, QPointF at) {
    const double x = at.x() / marked.scale - found.pivot.x;
    const double y = found.pivot.y - at.y() / marked.scale;
    double angle = std::atan2(y, x) / kRadians - found.turn;
    if (angle < -90.0) angle += 360.0;  // below the pivot on the left: beyond the left end
    return angle;
}

}  // namespace quirn
