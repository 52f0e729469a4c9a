// SPDX-License-Identifier: GPL-3.0-or-later
// Printing, print preview and page setup of the scale being edited on the application's
// printer, with their dialogs; failures are reported to the user.
#pragma once

#include <QString>
#include <memory>

#include "peripherals/PrinterCalibration.h"
#include "peripherals/Printing.h"

class QPrinter;
class QWidget;

namespace quirn {

class ScaleSession;
class UserPrompts;

// Whether printing asks first with the print dialog or goes straight to the printer.
enum class PrintDialogUse { Ask, Skip };

class PrintBinding {
  public:
    // Dialogs open over parent; failures are told through prompts.
    PrintBinding(ScaleSession& session, QWidget& parent, UserPrompts& prompts);
    ~PrintBinding();
    PrintBinding(const PrintBinding&) = delete;
    PrintBinding& operator=(const PrintBinding&) = delete;

    void setApplicationPrinter(ApplicationPrinter* printer) { printer_ = printer; }

    void printScale(PrintDialogUse dialog);
    // Shows the page as printed; previewPages (1 or 2) is how many pages the preview shows
    // side by side, and the count the user left it at is returned. Without a printer the page
    // is an A4 sheet.
    int printPreview(int previewPages);
    // Page margins, refused below what the printer can print; without a printer, on A4.
    void pageSetup();
    const PageMargins& margins() const { return margins_; }
    // The printers' scale corrections, by name ("Калибровка принтера").
    PrinterScales& printerScales() { return scales_; }
    // What a page printed on printer carries: its own correction; none for a file.
    PageOptions pageOptionsFor(const QPrinter& printer) const;

  private:
    QPrinter* Printer();
    // The application's printer, or else the A4 sheet laid out on without one.
    QPrinter& Page();
    void Print(QPrinter& printer);
    void Warn(const QString& text);

    ScaleSession& session_;
    QWidget& parent_;
    UserPrompts& prompts_;
    ApplicationPrinter* printer_ = nullptr;
    std::unique_ptr<QPrinter> paper_;  // made when first needed without a printer
    PageMargins margins_;
    PrinterScales scales_;
    SheetOptions sheet_;  // the print dialog's copies on the sheet, kept for the session
};

}  // namespace quirn
