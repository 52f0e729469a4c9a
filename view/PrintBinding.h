// Printing, print preview and page setup of the scale being edited on the application's
// printer, with their dialogs; failures are reported to the user.
#pragma once

#include <QString>
#include <functional>

#include "peripherals/Printing.h"
#include "view/Warning.h"

class QPrinter;
class QWidget;

namespace quirn {

class ScaleSession;

class PrintBinding {
  public:
    // Dialogs open over parent.
    PrintBinding(ScaleSession& session, QWidget& parent);

    void setApplicationPrinter(ApplicationPrinter* printer) { printer_ = printer; }
    void setWarningHandler(WarningHandler warn) { warn_ = std::move(warn); }

    void OnFilePrint(bool withDialog);
    // Shows the page as printed; previewPages (1 or 2) is how many pages the preview shows
    // side by side, and the count the user left it at is returned.
    int OnFilePrintPreview(int previewPages);
    // Page margins, refused below what the printer can print.
    void OnFilePageSetup();
    const PageMargins& margins() const { return margins_; }

  private:
    QPrinter* Printer();
    void Print(QPrinter& printer);
    void Warn(const QString& text);

    ScaleSession& session_;
    QWidget& parent_;
    ApplicationPrinter* printer_ = nullptr;
    PageMargins margins_;
    WarningHandler warn_;
};

}  // namespace quirn
