// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/Ruler.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QPainter>
#include <array>

#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

constexpr std::int64_t kMillimetre = 100;  // drawing units
// Steps in millimetres the ticks may take, finest first.
constexpr std::array<std::int64_t, 9> kSteps{1, 5, 10, 50, 100, 500, 1000, 5000, 10000};
// Ticks closer than this (logical pixels) would run together.
constexpr double kLeastTickGap = 4.0;

const QColor kBackground(248, 248, 244);
const QColor kInk(70, 70, 70);
const QColor kCursor(220, 0, 0);

// The first step at least `least` mm long that spans at least gap pixels; the coarsest when
// none does.
std::int64_t StepFor(double pixelsPerMm, double gap, std::int64_t least) {
    for (const std::int64_t step : kSteps)
        if (step >= least && static_cast<double>(step) * pixelsPerMm >= gap) return step;
    return kSteps.back();
}

}  // namespace

Ruler::Ruler(Qt::Orientation orientation, QAbstractScrollArea& area)
    : QWidget(&area), orientation_(orientation), viewport_(area.viewport()) {
    setObjectName(horizontal() ? QStringLiteral("topRuler") : QStringLiteral("leftRuler"));
    QFont small = font();
    small.setPixelSize(10);
    setFont(small);
    viewport_->installEventFilter(this);
    Place();
}

void Ruler::Place() {
    const QRect client = viewport_->geometry();
    if (horizontal())
        setGeometry(client.left(), client.top() - kThickness, client.width(), kThickness);
    else
        setGeometry(client.left() - kThickness, client.top(), kThickness, client.height());
}

bool Ruler::eventFilter(QObject* watched, QEvent* event) {
    // Compared with the viewport kept at the start: the area may be half destroyed when its
    // viewport's last events arrive.
    if (watched == viewport_) {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move) Place();
        // The cursor left the drawing: nothing to mark.
        if (event->type() == QEvent::Leave && cursor_) {
            cursor_.reset();
            update();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Ruler::follow(const CanvasGeometry& g, QPoint scroll, double devicePixelRatio) {
    if (g == geometry_ && scroll == scroll_ && devicePixelRatio == ratio_) return;
    geometry_ = g;
    scroll_ = scroll;
    ratio_ = devicePixelRatio;
    update();
}

void Ruler::markCursor(int x, int y) {
    const int along = horizontal() ? x : y;
    if (cursor_ == along) return;
    cursor_ = along;
    update();
}

QRectF Ruler::Across(double at, double length) const {
    const double pixel = 1.0 / ratio_;
    if (horizontal()) return {at, kThickness - length, pixel, length};
    return {kThickness - length, at, length, pixel};
}

void Ruler::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    // The edge that meets the drawing.
    painter.fillRect(
        horizontal() ? QRect(0, kThickness - 1, width(), 1) : QRect(kThickness - 1, 0, 1, height()),
        kInk);
    if (geometry_.pixelWidth <= 0) return;

    const Point scroll{scroll_.x(), scroll_.y()};
    const int length = horizontal() ? width() : height();
    const double pixelsPerMm = geometry_.pixelsPerUnit() * kMillimetre / ratio_;
    const QFontMetrics metrics = fontMetrics();
    // Numbers stand every 10 mm or at a coarser step, wherever they have room.
    const double labelGap = metrics.horizontalAdvance(QStringLiteral("-0000")) + 4.0;
    const std::int64_t tick = StepFor(pixelsPerMm, kLeastTickGap, 1);
    const std::int64_t middle = StepFor(pixelsPerMm, kLeastTickGap, tick + 1);
    const std::int64_t numbered =
        StepFor(pixelsPerMm, labelGap, std::max<std::int64_t>(10, middle));

    painter.setPen(kInk);
    for (const AxisMark& mark :
         MarksAlong(geometry_, horizontal(), length, tick * kMillimetre, scroll, ratio_)) {
        const std::int64_t mm = mark.units / kMillimetre;
        if (mm % numbered != 0) {
            painter.fillRect(Across(mark.at, mm % middle == 0 ? 8 : 4), kInk);
            continue;
        }
        painter.fillRect(Across(mark.at, kThickness), kInk);
        // Whole millimetres: the text has no decimal point for a locale to change.
        const QString text = QString::number(mm);
        if (horizontal()) {
            painter.drawText(QPointF(mark.at + 2, metrics.ascent()), text);
        } else {
            // Read upward, beside the tick, above the line it marks.
            painter.save();
            painter.translate(metrics.ascent(), mark.at);
            painter.rotate(-90);
            painter.drawText(QPointF(2, 0), text);
            painter.restore();
        }
    }

    if (cursor_) {
        const QPointF at = DrawingToView(
            geometry_, horizontal() ? Point{*cursor_, 0} : Point{0, *cursor_}, scroll, ratio_);
        painter.fillRect(Across(horizontal() ? at.x() : at.y(), kThickness), kCursor);
    }
}

}  // namespace quirn
