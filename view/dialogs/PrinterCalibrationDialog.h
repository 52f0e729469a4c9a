// SPDX-License-Identifier: GPL-3.0-or-later
// "Калибровка принтера": the test page printed, then the dialog where the user types the
// lengths of its two rulers as measured; the corrections are kept for that printer.
#pragma once

#include <QDialog>
#include <optional>

#include "peripherals/PrinterCalibration.h"

class QLineEdit;
class QPrinter;
class QPushButton;

namespace quirn {

class UserPrompts;

class PrinterCalibrationDialog : public QDialog {
    Q_OBJECT
  public:
    explicit PrinterCalibrationDialog(const QString& printerName, QWidget* parent = nullptr);

    QLineEdit* horizontalEdit() const { return horizontal_; }
    QLineEdit* verticalEdit() const { return vertical_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

    // The corrections OK accepted; nothing before that or after Cancel.
    const std::optional<PrinterScale>& scale() const { return scale_; }

  protected:
    // A length that is no number from 90 to 110 mm with "." before its decimals is refused
    // with a message naming its field, and the dialog stays open.
    void accept() override;

  private:
    QLineEdit* horizontal_ = nullptr;
    QLineEdit* vertical_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::optional<PrinterScale> scale_;
};

// A length as typed in millimetres: a number with "." before its decimals, whatever the locale,
// from 90 to 110; none otherwise. A printer further off than that is broken, or the ruler was
// misread.
std::optional<double> MeasuredLength(const QString& typed);

// Prints the test page on printer, then asks for what the user measured and keeps the
// corrections in scales under the printer's name. A printer that writes a file is refused: a
// file is always true size. Failures are told through prompts.
void CalibratePrinter(QPrinter& printer, PrinterScales& scales, QWidget& parent,
                      UserPrompts& prompts);

}  // namespace quirn
