// SPDX-License-Identifier: GPL-3.0-or-later
// Getting about a plate larger than the window: the zoom steps of the wheel and the keys, the
// zoom that shows the whole plate, scrolling across with Shift and the wheel, and panning with
// the middle button.
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "editing/ScaleSession.h"
#include "model/PlateFrame.h"
#include "render/ScaleDrawing.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

// One notch of a mouse wheel, in eighths of a degree.
constexpr double kNotch = 120.0;

// The plate in drawing units: its outline, from the cut's left edge to its right and from its
// top to its bottom edge.
Box PlateBox(const ScaleParameters& p) {
    const PlateFrame frame = FrameOf(p);
    return {static_cast<int>(-frame.halfWidth), static_cast<int>(frame.top),
            static_cast<int>(frame.width - frame.halfWidth), static_cast<int>(frame.bottom)};
}

}  // namespace

void ScaleView::UpdateScrollSizes(const CanvasGeometry& g) {
    const double ratio = viewport()->devicePixelRatioF();
    // The canvas is always at least as wide as the view's outer rectangle; without the 22
    // pixels a horizontal scroll bar would show where there is nothing to scroll to.
    UpdateScrollSizes(static_cast<int>(std::ceil(g.pixelWidth / ratio)) - 22,
                      static_cast<int>(std::ceil(g.pixelHeight / ratio)));
}

void ScaleView::ZoomTo(int percent, Point under, QPoint at) {
    const double ratio = viewport()->devicePixelRatioF();
    session_.view().setZoomPercent(percent);
    const CanvasGeometry g =
        ComputeCanvasGeometry(session_.scene(), ViewDevice(), PaintMode::Screen);
    UpdateScrollSizes(g);
    const Point px = DrawingToCanvasPixel(g, under);
    horizontalScrollBar()->setValue(static_cast<int>(std::lround(px.x / ratio)) - at.x());
    verticalScrollBar()->setValue(static_cast<int>(std::lround(px.y / ratio)) - at.y());
    scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
    emit zoomChanged();
}

void ScaleView::zoomStep(ZoomDirection direction) {
    const int percent = NextZoomStep(session_.scene().zoomPercent, direction);
    if (percent == session_.scene().zoomPercent) return;
    const QPoint middle(viewport()->width() / 2, viewport()->height() / 2);
    const CanvasGeometry g =
        ComputeCanvasGeometry(session_.scene(), ViewDevice(), PaintMode::Screen);
    ZoomTo(percent,
           ViewToDrawing(g, {middle.x(), middle.y()}, {scroll_.x(), scroll_.y()},
                         viewport()->devicePixelRatioF()),
           middle);
}

int ScaleView::FittingZoom() const {
    // Room with both scroll bars shown, so that the fit holds whether they show afterwards.
    const QSize room = maximumViewportSize() - QSize(verticalScrollBar()->sizeHint().width(),
                                                     horizontalScrollBar()->sizeHint().height());
    const quirn::Box plate = PlateBox(session_.scene().params);
    const double ratio = viewport()->devicePixelRatioF();
    Scene scene = session_.scene();
    const std::vector<int>& steps = ZoomSteps();
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        scene.zoomPercent = *step;
        const double perUnit =
            ComputeCanvasGeometry(scene, ViewDevice(), PaintMode::Screen).pixelsPerUnit() / ratio;
        // A pixel on either side for the outline's stroke.
        const double across = double(plate.right - plate.left) * perUnit + 2.0;
        const double down = double(plate.top - plate.bottom) * perUnit + 2.0;
        if (across <= room.width() && down <= room.height()) return *step;
    }
    return steps.front();
}

void ScaleView::fitToWindow() {
    const quirn::Box plate = PlateBox(session_.scene().params);
    const Point middle{(plate.left + plate.right) / 2, (plate.top + plate.bottom) / 2};
    ZoomTo(FittingZoom(), middle, QPoint(viewport()->width() / 2, viewport()->height() / 2));
}

void ScaleView::wheelEvent(QWheelEvent* event) {
    event->accept();
    const QPoint angle = event->angleDelta();
    if (event->modifiers() & Qt::ShiftModifier) {
        // Across, by as much as the wheel turned: a notch is a scroll bar's step. Some systems
        // turn a shifted wheel into a sideways one themselves.
        const int delta = angle.y() != 0 ? angle.y() : angle.x();
        if (delta == 0) return;
        QScrollBar* bar = horizontalScrollBar();
        const long by = std::lround(bar->singleStep() * (delta / kNotch));
        bar->setValue(bar->value() - static_cast<int>(by != 0 ? by : (delta > 0 ? 1 : -1)));
        return;
    }
    // The wheel zooms, one step per notification whatever its size, and keeps the point of the
    // drawing under the cursor where it is.
    const int delta = angle.y();
    if (delta == 0) return;  // a sideways tilt or the end of a touchpad gesture
    const int percent = NextZoomStep(session_.scene().zoomPercent,
                                     delta > 0 ? ZoomDirection::In : ZoomDirection::Out);
    if (percent == session_.scene().zoomPercent) return;
    const QPoint at = event->position().toPoint();
    const CanvasGeometry g =
        ComputeCanvasGeometry(session_.scene(), ViewDevice(), PaintMode::Screen);
    ZoomTo(percent,
           ViewToDrawing(g, {at.x(), at.y()}, {scroll_.x(), scroll_.y()},
                         viewport()->devicePixelRatioF()),
           at);
}

bool ScaleView::eventFilter(QObject* watched, QEvent* event) {
    // The wheel zooms over the scroll bars too.
    if (event->type() == QEvent::Wheel &&
        (watched == horizontalScrollBar() || watched == verticalScrollBar())) {
        wheelEvent(static_cast<QWheelEvent*>(event));
        return true;
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

bool ScaleView::Pan(QMouseEvent* event) {
    const QPoint at = event->globalPosition().toPoint();
    switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (event->button() != Qt::MiddleButton) return panFrom_.has_value();
            panFrom_ = at;
            panScroll_ = scroll_;
            viewport()->setCursor(Qt::ClosedHandCursor);
            return true;
        case QEvent::MouseMove: {
            if (!panFrom_) return false;
            // The drawing follows the hand.
            const QPoint moved = at - *panFrom_;
            horizontalScrollBar()->setValue(panScroll_.x() - moved.x());
            verticalScrollBar()->setValue(panScroll_.y() - moved.y());
            return true;
        }
        case QEvent::MouseButtonRelease:
            if (event->button() != Qt::MiddleButton || !panFrom_) return panFrom_.has_value();
            panFrom_.reset();
            viewport()->unsetCursor();
            return true;
        default:
            return false;
    }
}

}  // namespace quirn
