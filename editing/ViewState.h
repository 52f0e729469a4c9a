// SPDX-License-Identifier: GPL-3.0-or-later
// What only the screen needs of the scale being edited, outside the record and its history: the
// zoom, the screen's correction, the marks a calibration
// shows over the template and whether the new drawing steps aside for it.
#pragma once

#include <QObject>
#include <vector>

#include "render/Scene.h"

namespace quirn {

class ViewState : public QObject {
    Q_OBJECT
  public:
    // Writes only those fields of scene.
    explicit ViewState(Scene& scene, QObject* parent = nullptr);

    // In percent, one of ZoomSteps().
    void setZoomPercent(int percent);
    void setDisplayCorrection(double displayCorrection);
    void setCalibrationMarks(std::vector<Point> marks);
    void setDrawingShown(DrawingShown shown);

  signals:
    void changed();

  private:
    Scene& scene_;
};

}  // namespace quirn
