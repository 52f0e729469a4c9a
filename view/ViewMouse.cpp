// The cursor readout and dragging with the left button.
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>

#include "render/DrawingTransform.h"
#include "view/CQuirnView.h"
#include "view/PanelText.h"
#include "view/ViewMapping.h"

namespace quirn {

Point CQuirnView::CursorAt(const QPoint& client) {
    lastCursor_ = ViewToDrawing(state_.canvas.geometry, {client.x(), client.y()},
                                {scroll_.x(), scroll_.y()}, viewport()->devicePixelRatioF());
    return lastCursor_;
}

void CQuirnView::mouseMoveEvent(QMouseEvent* event) {
    const Point cursor = CursorAt(event->position().toPoint());
    bar_.setText(BarControl::CursorReadout,
                 QString::fromStdString(CursorReadoutText(cursor.x, cursor.y)));
    if (!(event->buttons() & Qt::LeftButton) || !drag_.any()) {
        viewport()->unsetCursor();
        return;  // only the readout changed
    }
    // What the window shows now, so that only what the drag changes is painted again.
    const bool shown = picture_.shows(state_, WindowOnCanvas());
    const std::vector<QRect> before = DraggedAreas();
    const DragMove move = ContinueDrag(drag_, state_, cursor);
    if (move.moved)
        viewport()->setCursor(move.sizingCursor ? Qt::SizeHorCursor : Qt::SizeAllCursor);
    else
        viewport()->unsetCursor();
    if (move.templateMoved) ShowTemplateAnchor();
    if (move.templateWidened) ShowTemplateWidth();
    if (!move.moved) return;
    Refresh();
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
}

std::vector<QRect> CQuirnView::DraggedAreas() const {
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

void CQuirnView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    Refresh();
    const Point cursor = CursorAt(event->position().toPoint());
    const std::optional<MovableElement> hit = BeginDrag(drag_, state_, cursor);
    if (hit)
        viewport()->setCursor(*hit == MovableElement::TemplateEdge ? Qt::SizeHorCursor
                                                                   : Qt::SizeAllCursor);
}

void CQuirnView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    EndDrag(drag_);
    viewport()->unsetCursor();
}

void CQuirnView::ShowTemplateAnchor() {
    const Point anchor = state_.templ.anchor;
    // The field texts notify their change handlers; the spinners only follow.
    bar_.setText(BarControl::TemplateX, QString::fromStdString(TemplateFieldText(anchor.x)));
    bar_.setText(BarControl::TemplateY, QString::fromStdString(TemplateFieldText(anchor.y)));
    for (auto [id, value] : {std::pair{BarControl::TemplateXSpinner, anchor.x},
                             std::pair{BarControl::TemplateYSpinner, anchor.y}}) {
        QSpinBox* spinner = bar_.spinner(id);
        const QSignalBlocker quiet(spinner);
        spinner->setValue(SpinnerPosition(value));
    }
}

void CQuirnView::ShowTemplateWidth() {
    const int width = state_.templ.width;
    bar_.setText(BarControl::TemplateWidth, QString::fromStdString(TemplateFieldText(width)));
    QSpinBox* spinner = bar_.spinner(BarControl::TemplateWidthSpinner);
    const QSignalBlocker quiet(spinner);
    spinner->setValue(SpinnerPosition(width));
}

}  // namespace quirn
