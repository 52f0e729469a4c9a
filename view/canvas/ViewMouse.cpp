// SPDX-License-Identifier: GPL-3.0-or-later
// The cursor readout and dragging with the left button; the middle button pans
// (ViewNavigation.cpp).
#include <QMouseEvent>

#include "editing/ScaleSession.h"
#include "render/DrawingTransform.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {

Point ScaleView::CursorAt(const QPoint& client) const {
    return ViewToDrawing(geometry_, {client.x(), client.y()}, {scroll_.x(), scroll_.y()},
                         viewport()->devicePixelRatioF());
}

void ScaleView::mouseMoveEvent(QMouseEvent* event) {
    const bool panned = Pan(event);
    const Point cursor = CursorAt(event->position().toPoint());
    emit cursorMoved(cursor.x, cursor.y);
    if (panned) return;
    if (!(event->buttons() & Qt::LeftButton) || !drag_.any()) {
        viewport()->unsetCursor();
        return;  // only the readout changed
    }
    // What the window shows now, so that only what the drag changes is painted again.
    const bool shown = picture_.shows(Shown(), WindowOnCanvas());
    const std::vector<QRect> before = DraggedAreas();
    const std::vector<ItemCell> framed =
        framesShown_ ? collisions_.framed(Shown()) : std::vector<ItemCell>{};
    const DragMove move = ContinueDrag(drag_, cursor);
    if (move.moved)
        viewport()->setCursor(move.sizingCursor ? Qt::SizeHorCursor : Qt::SizeAllCursor);
    else
        viewport()->unsetCursor();
    if (!move.moved) return;
    ++dragStep_;
    Refresh();
    if (KeepDraggedOnPlate(drag_, shownScene_.params, shownLaid_)) {
        ++dragStep_;
        Refresh();
    }
    if (move.templateMoved) emit templateMoved();
    if (move.templateWidened) emit templateWidened();
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
            picture_.repaint(Shown(), area);
            viewport()->update(CanvasToClient(area));
        }
    }
    // A frame may come or go wherever the moved elements meet others.
    if (framesShown_ && collisions_.framed(Shown()) != framed) viewport()->update();
}

std::vector<QRect> ScaleView::DraggedAreas() const {
    const DrawingTransform transform = DrawingTransform::OfCanvas(geometry_);
    std::vector<QRect> areas;
    for (int i = 0; i < static_cast<int>(drag_.flags.size()); ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (!drag_.dragging(e)) continue;
        // A pixel or two beyond the area: the raster engine may round an edge outward.
        const QRectF device =
            transform.toDevice(DrawnArea(shownScene_, shownLaid_, e)).adjusted(-3, -3, 3, 3);
        const QRectF reachable = device.intersected(QRectF(-1e9, -1e9, 2e9, 2e9));
        areas.push_back(reachable.toAlignedRect());
    }
    for (const auto& [item, centre] : drag_.freeCentres) {
        const QRectF device =
            transform.toDevice(FreeItemArea(shownScene_, item)).adjusted(-3, -3, 3, 3);
        areas.push_back(device.intersected(QRectF(-1e9, -1e9, 2e9, 2e9)).toAlignedRect());
    }
    return areas;
}

void ScaleView::mousePressEvent(QMouseEvent* event) {
    if (Pan(event) || event->button() != Qt::LeftButton) return;
    Refresh();
    const Point cursor = CursorAt(event->position().toPoint());
    const bool alreadyDragging = drag_.any();
    // Free texts and pictures are drawn over everything else: they are grabbed first.
    const std::optional<FreeItem> free = BeginFreeDrag(drag_, shownScene_, cursor);
    const std::optional<MovableElement> hit =
        free ? std::nullopt : BeginDrag(drag_, shownScene_, shownLaid_, cursor);
    if (!free && !hit) return;
    // The drag is told from where its first grab found everything.
    if (!alreadyDragging) {
        pressAnchors_ = shownLaid_.layout.anchors;
        pressTemplate_ = shownLaid_.templatePlace.value_or(TemplatePlacement{});
    }
    // The grab moves nothing: the window shows the same until the cursor moves.
    viewport()->setCursor(hit == MovableElement::TemplateEdge ? Qt::SizeHorCursor
                                                              : Qt::SizeAllCursor);
}

ElementMoves ScaleView::DragMoves() const {
    ElementMoves moves{{}, drag_.anchors, drag_.templateAnchor, drag_.templateWidth, {}};
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (drag_.dragging(e) && drag_.anchors[std::size_t(i)] != pressAnchors_[std::size_t(i)])
            moves.moved.push_back(e);
    }
    if (drag_.dragging(MovableElement::TemplateBody) &&
        drag_.templateAnchor != pressTemplate_.corner)
        moves.moved.push_back(MovableElement::TemplateBody);
    if (drag_.dragging(MovableElement::TemplateEdge) &&
        drag_.templateWidth != pressTemplate_.size.width)
        moves.moved.push_back(MovableElement::TemplateEdge);
    // The session's record still has every free item where the drag found it.
    const ScaleExtensions& record = session_.scene().params.ext;
    for (const auto& [item, centre] : drag_.freeCentres) {
        std::optional<Place> was;
        if (item.kind == FreeItem::Kind::Text && record.texts.contains(item.number))
            was = record.texts.at(item.number).centre;
        if (item.kind == FreeItem::Kind::Picture && record.pictures.contains(item.number))
            was = record.pictures.at(item.number).centre;
        if (was && *was != Place{centre.x, centre.y}) moves.freeMoved[item] = centre;
    }
    return moves;
}

void ScaleView::mouseReleaseEvent(QMouseEvent* event) {
    if (Pan(event) || event->button() != Qt::LeftButton) return;
    // What the drag really moved becomes part of the document and a step of the history; a
    // click moves nothing.
    const ElementMoves moves = DragMoves();
    const ShownRevision dragged{session_.revision(), dragStep_};
    EndDrag(drag_);
    // Without a move the window shows the session's scene as it is; with one, the session's next
    // revision.
    if (!moves.empty()) {
        MoveElements(session_.record(), moves);
        // The session now has everything where the window shows it: nothing to paint again.
        picture_.rename(dragged, {session_.revision(), dragStep_});
        shownRevision_.reset();
    }
    viewport()->unsetCursor();
}

}  // namespace quirn
