// The cursor readout and dragging with the left button.
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QSpinBox>

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
    DragMove move;
    if (event->buttons() & Qt::LeftButton) move = ContinueDrag(drag_, state_, cursor);
    if (move.moved)
        viewport()->setCursor(move.sizingCursor ? Qt::SizeHorCursor : Qt::SizeAllCursor);
    else
        viewport()->unsetCursor();
    if (move.templateMoved) ShowTemplateAnchor();
    if (move.templateWidened) ShowTemplateWidth();
    // Every move renders the drawing again.
    viewport()->update();
}

void CQuirnView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
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
