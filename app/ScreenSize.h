// SPDX-License-Identifier: GPL-3.0-or-later
// The screen's real size: Screen.ini read when the program starts, the "Реальный размер экрана"
// dialog, and the file written after it.
#pragma once

#include <QString>

#include "peripherals/ScreenCalibration.h"

class QWidget;

namespace quirn {

class CalibrationDialog;
class ScaleSession;
class UserPrompts;

class ScreenSize {
  public:
    // The calibration's file, in the current folder or the user's configuration folder (see
    // UserFiles.h).
    static constexpr const char* kScreenIniName = "Screen.ini";

    // Places Screen.ini, reads it for a screen that reports reportedWidthMm, and puts its
    // correction in force before anything is drawn. Dialogs open over parent; a failure is
    // told through prompts.
    ScreenSize(ScaleSession& session, QWidget& parent, UserPrompts& prompts, int reportedWidthMm);

    // Asks for the real screen width, applies the new correction at once and keeps it in
    // Screen.ini; a failure to keep it is reported, the correction holds all the same.
    void calibrate(int reportedWidthMm);
    const ScreenCalibration& calibration() const { return calibration_; }
    // The dialog, one for the life of the program.
    CalibrationDialog& calibrationDialog();

  private:
    ScaleSession& session_;
    QWidget& parent_;
    UserPrompts& prompts_;
    QString path_;
    ScreenCalibration calibration_;
    CalibrationDialog* dialog_ = nullptr;
};

}  // namespace quirn
