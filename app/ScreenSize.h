// SPDX-License-Identifier: GPL-3.0-or-later
// The screen's real size: Screen.ini read when the program starts, the "Реальный размер экрана"
// dialog, and the file written after it.
#pragma once

#include <QString>
#include <functional>

#include "peripherals/ScreenCalibration.h"
#include "view/Warning.h"

class QWidget;

namespace quirn {

class CalibrationDialog;
class ScaleSession;

class ScreenSize {
  public:
    // The calibration's file, in the current folder or the user's configuration folder (see
    // UserFiles.h).
    static constexpr const char* kScreenIniName = "Screen.ini";

    // Places Screen.ini, reads it for a screen that reports reportedWidthMm, and puts its
    // correction in force before anything is drawn. Dialogs open over parent.
    ScreenSize(ScaleSession& session, QWidget& parent, int reportedWidthMm);

    // Asks for the real screen width, applies the new correction at once and keeps it in
    // Screen.ini; a failure to keep it is reported, the correction holds all the same.
    void calibrate(int reportedWidthMm);
    const ScreenCalibration& calibration() const { return calibration_; }
    // The dialog, one for the life of the program.
    CalibrationDialog& calibrationDialog();
    void setWarningHandler(WarningHandler warn) { warn_ = std::move(warn); }

  private:
    ScaleSession& session_;
    QWidget& parent_;
    QString path_;
    ScreenCalibration calibration_;
    CalibrationDialog* dialog_ = nullptr;
    WarningHandler warn_;
};

}  // namespace quirn
