// SPDX-License-Identifier: GPL-3.0-or-later
// The help's drawing of a plate's dimensions: a square plate with the arched top drawn dashed,
// each length marked and labelled with the caption of the panel field that sets it, and the
// ticks enlarged beside it. Drawn rather than shipped, so that it speaks the language in force.
#pragma once

#include <QGraphicsView>
#include <QStringList>

namespace quirn {

class PlateDrawing : public QGraphicsView {
    Q_OBJECT
  public:
    explicit PlateDrawing(QWidget* parent = nullptr);

    // The texts written on the drawing, top to bottom as they were placed.
    QStringList labels() const;

  protected:
    // The whole drawing stays in sight: shrunk to fit a small window, never enlarged.
    void resizeEvent(QResizeEvent* event) override;

  private:
    QStringList labels_;
};

}  // namespace quirn
