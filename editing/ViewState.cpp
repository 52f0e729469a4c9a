// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ViewState.h"

namespace quirn {

ViewState::ViewState(Scene& scene, QObject* parent) : QObject(parent), scene_(scene) {}

void ViewState::setZoomPercent(int percent) {
    scene_.zoomPercent = percent;
    emit changed();
}

void ViewState::setDisplayCorrection(double displayCorrection) {
    scene_.displayCorrection = displayCorrection;
    emit changed();
}

void ViewState::setDrawingShown(DrawingShown shown) {
    if (scene_.drawingShown == shown) return;
    scene_.drawingShown = shown;
    emit changed();
}

void ViewState::setCalibrationMarks(std::vector<Point> marks) {
    if (scene_.calibrationMarks == marks) return;
    scene_.calibrationMarks = std::move(marks);
    emit changed();
}

}  // namespace quirn
