// SPDX-License-Identifier: GPL-3.0-or-later
// A ruler in millimetres along the top or the left edge of the view, beside its client area,
// with its zero at the pointer axis exactly where the cursor readout has it, and a mark where
// the cursor is. It follows what the view shows: zoom, scroll and the screen's calibration.
#pragma once

#include <QWidget>
#include <optional>

#include "render/Scene.h"

class QAbstractScrollArea;

namespace quirn {

class Ruler : public QWidget {
    Q_OBJECT
  public:
    // Logical pixels across the ruler: the margin the view leaves for it.
    static constexpr int kThickness = 20;

    // Along the top edge of the area's client area (horizontal) or its left edge; it keeps to
    // that edge as the client area moves or resizes.
    Ruler(Qt::Orientation orientation, QAbstractScrollArea& area);

    // What the view shows: its canvas, scrolled by scroll logical pixels. Repaints when that
    // changed.
    void follow(const CanvasGeometry& g, QPoint scroll, double devicePixelRatio);
    // The cursor is over the drawing at (x, y) drawing units: the ruler marks its own
    // coordinate.
    void markCursor(int x, int y);

  protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool horizontal() const { return orientation_ == Qt::Horizontal; }
    void Place();
    // A stroke across the ruler at `at` logical pixels along it, one device pixel wide,
    // reaching `length` pixels in from the edge that faces the drawing.
    QRectF Across(double at, double length) const;

    Qt::Orientation orientation_;
    QWidget* viewport_;  // the area's, which the ruler runs beside
    CanvasGeometry geometry_;
    QPoint scroll_;
    double ratio_ = 1.0;
    std::optional<int> cursor_;  // drawing units along the ruler
};

}  // namespace quirn
