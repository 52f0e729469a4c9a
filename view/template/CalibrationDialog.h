// SPDX-License-Identifier: GPL-3.0-or-later
// The screen calibration dialog: the user types the real width of the screen in millimetres.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <string_view>

#include "model/Outcome.h"
#include "peripherals/ScreenCalibration.h"

class QLineEdit;
class QPushButton;

namespace quirn {

class CalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CalibrationDialog(QWidget* parent = nullptr);

    // The width as text, exchanged with the edit.
    QString text() const;
    void setText(const QString& text);
    // The width the screen reports, which the typed width is measured against.
    void setReportedWidth(int millimetres) { reportedWidthMm_ = millimetres; }

    // The calibration that OK accepted; nothing before that or after Cancel.
    const std::optional<ScreenCalibration>& calibration() const { return calibration_; }

    QLineEdit* edit() const { return edit_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    int exec() override;

  protected:
    // A width that is no positive whole number of millimetres, or one that cannot belong to
    // this screen, is refused with a message and the dialog stays open.
    void accept() override;

  private:
    QLineEdit* edit_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int reportedWidthMm_ = 0;
    std::optional<ScreenCalibration> calibration_;
};

// Why a typed width was refused, for the message box.
Outcome CalibrationRefusal(std::string_view typed, int reportedWidthMm);

}  // namespace quirn
