// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor readout and dragging with the left button.
#include <QMouseEvent>

#include "render/DrawingTransform.h"
#include "view/ScaleSession.h"
#include "view/ScaleView.h"
#include "view/ViewMapping.h"

namespace quirn {

Point ScaleView::CursorAt(const QPoint& client) const {
    return ViewToDrawing(state_.canvas.geometry, {client.x(), client.y()},
                         {scroll_.x(), scroll_.y()}, viewport()->devicePixelRatioF());
}

void ScaleView::mouseMoveEvent(QMouseEvent* event) {
    const Point cursor = CursorAt(event->position().toPoint());
    emit cursorMoved(cursor.x, cursor.y);
    if (!(event->buttons() & Qt::LeftButton) || !drag_.any()) {
        viewport()->unsetCursor();
        return;  // only the readout changed
    }
    // What the window shows now, so that only what the drag changes is painted again.
    const bool shown = picture_.shows(state_, WindowOnCanvas());
    const std::vector<QRect> before = DraggedAreas();
    const std::vector<ItemCell> framed =
        framesShown_ ? collisions_.framed(state_) : std::vector<ItemCell>{};
    const DragMove move = ContinueDrag(drag_, state_, cursor);
    if (move.moved)
        viewport()->setCursor(move.sizingCursor ? Qt::SizeHorCursor : Qt::SizeAllCursor);
    else
        viewport()->unsetCursor();
    if (move.templateMoved) emit templateMoved();
    if (move.templateWidened) emit templateWidened();
    if (!move.moved) return;
    Refresh();
    KeepDraggedOnPlate(drag_, state_);
    if (!shown) {
        viewport()->update();
        return;
    }
    const std::vector<QRect> after = DraggedAreas();
    for (std::size_t i = 0; i < before.size() && i < after.size(); ++i) {
        // Where the element was and where it is, as one rectangle when they overlap.
        std::vector<QRect> areas{before[i], after[i]};
        if (before[i].intersects(after[i])) areas = {before[i] | after[i]};
        for (const QRect& area : areas) {
            picture_.repaint(state_, area);
            viewport()->update(CanvasToClient(area));
        }
    }
    // A frame may come or go wherever the moved elements meet others.
    if (framesShown_ && collisions_.framed(state_) != framed) viewport()->update();
}

std::vector<QRect> ScaleView::DraggedAreas() const {
    const DrawingTransform transform = DrawingTransform::OfCanvas(state_.canvas.geometry);
    std::vector<QRect> areas;
    for (int i = 0; i < static_cast<int>(drag_.flags.size()); ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (!drag_.dragging(e)) continue;
        // A pixel or two beyond the area: the raster engine may round an edge outward.
        const QRectF device = transform.toDevice(DrawnArea(state_, e)).adjusted(-3, -3, 3, 3);
        const QRectF reachable = device.intersected(QRectF(-1e9, -1e9, 2e9, 2e9));
        areas.push_back(reachable.toAlignedRect());
    }
    return areas;
}

void ScaleView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Refresh();
    const Point cursor = CursorAt(event->position().toPoint());
    const bool alreadyDragging = drag_.any();
    const std::optional<MovableElement> hit = BeginDrag(drag_, state_, cursor);
    // The drag is undone as a whole, back to where its first grab found everything.
    if (hit && !alreadyDragging) pressSnapshot_ = session_.Snapshot();
    if (hit)
        viewport()->setCursor(*hit == MovableElement::TemplateEdge ? Qt::SizeHorCursor
                                                                   : Qt::SizeAllCursor);
}

void ScaleView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    // What the drag really moved becomes part of the document and a step of the history; a
    // click moves nothing.
    std::vector<MovableElement> moved;
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (drag_.dragging(e) &&
            state_.layout.anchors[std::size_t(i)] != pressSnapshot_.layout.anchors[std::size_t(i)])
            moved.push_back(e);
    }
    if (drag_.dragging(MovableElement::TemplateBody) &&
        state_.templ.anchor != pressSnapshot_.templateAnchor)
        moved.push_back(MovableElement::TemplateBody);
    if (drag_.dragging(MovableElement::TemplateEdge) &&
        state_.templ.width != pressSnapshot_.templateWidth)
        moved.push_back(MovableElement::TemplateEdge);
    EndDrag(drag_);
    if (!moved.empty()) session_.KeepPlaces(moved, pressSnapshot_);
    viewport()->unsetCursor();
}

}  // namespace quirn
