// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/ScaleView.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "editing/ScaleSession.h"
#include "render/ScaleDrawing.h"
#include "view/canvas/GridOverlay.h"
#include "view/canvas/Ruler.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {

ScaleView::ScaleView(ScaleSession& session, QWidget* parent)
    : QAbstractScrollArea(parent), session_(session) {
    viewport()->setMouseTracking(true);
    // Every paint covers the whole viewport itself; letting Qt erase it first would flicker.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    horizontalScrollBar()->installEventFilter(this);
    verticalScrollBar()->installEventFilter(this);
    connect(&session_, &ScaleSession::changed, this, [this] { viewport()->update(); });
    connect(&session_.record(), &EditedRecord::changed, this,
            [this](std::uint64_t, RecordChange why) {
                // A drag under way keeps what it holds until its release hands it over.
                if (!drag_.any()) drag_ = DragState{};
                // A document shown anew is shown from its top-left corner.
                if (why == RecordChange::Opened) UpdateScrollSizes(100, 100);
            });
    // Rulers along the top and left edges, marking the cursor where the readout has it.
    setViewportMargins(Ruler::kThickness, Ruler::kThickness, 0, 0);
    topRuler_ = new Ruler(Qt::Horizontal, *this);
    leftRuler_ = new Ruler(Qt::Vertical, *this);
    for (Ruler* ruler : {topRuler_, leftRuler_})
        connect(this, &ScaleView::cursorMoved, ruler, &Ruler::markCursor);
}

void ScaleView::setGridShown(bool shown) {
    if (gridShown_ == shown) return;
    gridShown_ = shown;
    viewport()->update();
}

void ScaleView::setCollisionFramesShown(bool shown) {
    if (framesShown_ == shown) return;
    framesShown_ = shown;
    viewport()->update();
}

int ScaleView::ReportedScreenWidthMm() const {
    return static_cast<int>((CurrentScreenDevice().tenthsOfMmAcross + 5) / 10);
}

ReferenceDevice ScaleView::CurrentScreenDevice() const {
    const QScreen* screen = this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {96, 254};
    const double ratio = screen->devicePixelRatio();
    const double logicalWidth = screen->geometry().width();
    ReferenceDevice metric;
    metric.pixelsAcross = std::max<std::int64_t>(std::llround(logicalWidth * ratio), 1);
    metric.tenthsOfMmAcross = std::llround(screen->physicalSize().width()) * 10;
    // A display that reports no physical size is taken at its logical resolution.
    if (metric.tenthsOfMmAcross <= 0) {
        const double dpi = screen->logicalDotsPerInchX() > 0 ? screen->logicalDotsPerInchX() : 96;
        metric.tenthsOfMmAcross = std::max<std::int64_t>(std::llround(logicalWidth / dpi * 254), 1);
    }
    return metric;
}

void ScaleView::UpdateScrollSizes(int totalWidth, int totalHeight) {
    const int ww = width();
    const int wh = height();
    const auto setUp = [](QScrollBar* bar, int total, int visible, int outer) {
        bar->setRange(0, std::max(total - visible, 0));
        bar->setPageStep(std::max(outer - 100, 1));
        bar->setSingleStep(std::max((outer - 100) / 5 + 1, 1));
    };
    setUp(horizontalScrollBar(), totalWidth, viewport()->width(), ww);
    setUp(verticalScrollBar(), totalHeight, viewport()->height(), wh);
}

ReferenceDevice ScaleView::ViewDevice() const {
    ReferenceDevice device = CurrentScreenDevice();
    // The left ruler is no part of the window the canvas fills.
    device.windowOuterWidthPx = static_cast<int>(
        std::lround((width() - viewportMargins().left()) * viewport()->devicePixelRatioF()));
    return device;
}

void ScaleView::Refresh() const {
    const ShownRevision now{session_.revision(), dragStep_};
    if (shownRevision_ != now) {
        shownScene_ = session_.scene();
        if (drag_.any()) ApplyDrag(drag_, shownScene_);
        shownLaid_ = LayOutScale(shownScene_, PaintMode::Screen);
        shownRevision_ = now;
    }
    geometry_ = ComputeCanvasGeometry(shownScene_, ViewDevice(), PaintMode::Screen);
}

PictureSource ScaleView::Shown() const {
    Refresh();
    return {shownScene_, shownLaid_, geometry_, *shownRevision_};
}

QRect ScaleView::WindowOnCanvas() const {
    const double ratio = viewport()->devicePixelRatioF();
    return {QPoint(int(std::lround(scroll_.x() * ratio)), int(std::lround(scroll_.y() * ratio))),
            QSize(int(std::ceil(viewport()->width() * ratio)),
                  int(std::ceil(viewport()->height() * ratio)))};
}

QRect ScaleView::CanvasToClient(const QRect& canvasPixels) const {
    const double ratio = viewport()->devicePixelRatioF();
    const QRect window = WindowOnCanvas();
    const QRectF logical(
        QPointF(canvasPixels.left() - window.left(), canvasPixels.top() - window.top()) / ratio,
        QSizeF(canvasPixels.size()) / ratio);
    return logical.toAlignedRect();
}

void ScaleView::paintEvent(QPaintEvent*) {
    const double ratio = viewport()->devicePixelRatioF();
    const PictureSource shown = Shown();
    const CanvasGeometry& g = shown.geometry;
    UpdateScrollSizes(g);

    QImage window = picture_.picture(shown, WindowOnCanvas());
    window.setDevicePixelRatio(ratio);
    QPainter painter(viewport());
    painter.drawImage(QPoint(0, 0), window);
    if (gridShown_)
        PaintMillimetreGrid(painter, g, shown.scene.zoomPercent, scroll_, viewport()->size(),
                            ratio);
    if (framesShown_) PaintCollisionFrames(painter, g, scroll_, ratio, collisions_.framed(shown));
    for (Ruler* ruler : {topRuler_, leftRuler_}) ruler->follow(g, scroll_, ratio);
}

void ScaleView::scrollContentsBy(int, int) {
    scroll_ = QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
    viewport()->update();
}

}  // namespace quirn
