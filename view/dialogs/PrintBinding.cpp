// SPDX-License-Identifier: GPL-3.0-or-later
// Printing, print preview and page setup on the application's printer.
#include "view/dialogs/PrintBinding.h"

#include <QAbstractPrintDialog>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSpinBox>
#include <cmath>
#include <limits>

#include "editing/ScaleSession.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {
namespace {

// The document has one page; the dialog's range may still ask for others.
constexpr int kLastPage = 9999;

QMarginsF Millimetres(const PageMargins& m) {
    return {m.left / 100.0, m.top / 100.0, m.right / 100.0, m.bottom / 100.0};
}

int Units(double millimetres) {
    return static_cast<int>(std::lround(millimetres * 100.0));
}

// The print dialog's tab of copies on the sheet, its fields starting from sheet; the dialog
// that shows it owns it.
class SheetTab {
  public:
    explicit SheetTab(const SheetOptions& sheet)
        : page_(new QWidget), copies_(new QSpinBox), mirror_(new QCheckBox) {
        page_->setWindowTitle(QCoreApplication::translate("quirn::PrintBinding", "Копии на листе"));
        // What is typed stays as typed: out of bounds it is refused once the dialog is accepted.
        copies_->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        copies_->setValue(sheet.copies);
        mirror_->setText(QCoreApplication::translate("quirn::PrintBinding",
                                                     "Зеркально (для печати на обороте плёнки)"));
        mirror_->setChecked(sheet.mirror == Mirroring::LeftToRight);
        auto* form = new QFormLayout(page_);
        form->addRow(QCoreApplication::translate("quirn::PrintBinding", "Копий на листе:"),
                     copies_);
        form->addRow(mirror_);
    }
    QWidget* page() const { return page_; }
    SheetOptions value() const {
        return {copies_->value(), mirror_->isChecked() ? Mirroring::LeftToRight : Mirroring::None};
    }

  private:
    QWidget* page_;
    QSpinBox* copies_;
    QCheckBox* mirror_;
};

}  // namespace

PrintBinding::PrintBinding(ScaleSession& session, QWidget& parent, UserPrompts& prompts)
    : session_(session), parent_(parent), prompts_(prompts) {}

PrintBinding::~PrintBinding() = default;

void PrintBinding::Warn(const QString& text) {
    prompts_.Warn(text);
}

void PrintBinding::Print(QPrinter& printer) {
    PageOptions options = pageOptionsFor(printer);
    options.sheet = sheet_;
    const Result<int> printedPages =
        PrintScale(session_.scene(), printer, margins_, session_.files().Title(), options);
    if (!printedPages.ok()) Warn(OutcomeText(printedPages.outcome));
}

PageOptions PrintBinding::pageOptionsFor(const QPrinter& printer) const {
    PageOptions options;
    if (printer.outputFormat() == QPrinter::NativeFormat)
        options.scale = ScaleForPrinter(scales_, printer.printerName().toStdString());
    return options;
}

QPrinter* PrintBinding::Printer() {
    QPrinter* printer = printer_ != nullptr ? printer_->printer() : nullptr;
    if (printer == nullptr) {
        Warn(QCoreApplication::translate("quirn::PrintBinding",
                                         "Невозможно начать процедуру печати.\nВ системе не "
                                         "установлен ни один принтер."));
    }
    return printer;
}

QPrinter& PrintBinding::Page() {
    if (QPrinter* printer = printer_ != nullptr ? printer_->printer() : nullptr) return *printer;
    if (!paper_) paper_ = MakePaperPrinter();
    return *paper_;
}

void PrintBinding::printScale(PrintDialogUse dialogUse) {
    QPrinter* printer = Printer();
    if (printer == nullptr) return;
    if (dialogUse == PrintDialogUse::Ask) {
        printer->setPrintRange(QPrinter::AllPages);
        QPrintDialog dialog(printer, &parent_);
        dialog.setMinMax(1, kLastPage);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
        const SheetTab tab(sheet_);
        dialog.setOptionTabs({tab.page()});
        if (dialog.exec() != QDialog::Accepted) return;
        const SheetOptions chosen = tab.value();
        if (chosen.copies < 1 || chosen.copies > SheetOptions::kMostCopies) {
            prompts_.Warn(QCoreApplication::translate(
                              "quirn::PrintBinding",
                              "Копий на листе может быть от 1 до %1, а введено %2; ничего не "
                              "напечатано.")
                              .arg(SheetOptions::kMostCopies)
                              .arg(chosen.copies));
            return;
        }
        sheet_ = chosen;
    } else {
        printer->setPrintRange(QPrinter::AllPages);
    }
    Print(*printer);
}

int PrintBinding::printPreview(int previewPages) {
    QPrinter* printer = &Page();
    printer->setPrintRange(QPrinter::AllPages);
    printer->setFullPage(true);
    QPrintPreviewDialog dialog(printer, &parent_);
    dialog.setWindowTitle(
        QCoreApplication::translate("quirn::PrintBinding", "Предварительный просмотр"));
    // The preview takes the place of the program's window, as large as it is.
    dialog.resize(parent_.window()->size());
    QPrintPreviewWidget* pages = dialog.findChild<QPrintPreviewWidget*>();
    if (pages != nullptr) {
        if (previewPages >= 2)
            pages->setViewMode(QPrintPreviewWidget::FacingPagesView);
        else
            pages->setViewMode(QPrintPreviewWidget::SinglePageView);
    }
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [this](QPrinter* target) { Print(*target); });
    dialog.exec();
    if (pages == nullptr) return previewPages;
    return pages->viewMode() == QPrintPreviewWidget::FacingPagesView ? 2 : 1;
}

void PrintBinding::pageSetup() {
    QPrinter* printer = &Page();
    const auto show = [this, printer](const PageMargins& held) {
        // On a full page the dialog does not hold the margins to the printer's own minimum:
        // the check below does, with its warnings.
        printer->setFullPage(true);
        printer->setPageMargins(Millimetres(held), QPageLayout::Millimeter);
        QPageSetupDialog dialog(printer, &parent_);
        dialog.setWindowTitle(
            QCoreApplication::translate("quirn::PrintBinding", "Параметры страницы"));
        dialog.exec();
        const QMarginsF mm = printer->pageLayout().margins(QPageLayout::Millimeter);
        return PageMargins{Units(mm.left()), Units(mm.top()), Units(mm.right()),
                           Units(mm.bottom())};
    };
    const auto minimum = [printer] { return MinimumMargins(MetricsOf(*printer)); };
    const auto warn = [this](MarginSide side) { Warn(MarginWarningText(side)); };
    margins_ = RunPageSetup(margins_, show, minimum, warn);
}

}  // namespace quirn
