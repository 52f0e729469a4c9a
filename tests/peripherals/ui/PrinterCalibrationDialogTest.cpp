// SPDX-License-Identifier: GPL-3.0-or-later
// "Калибровка принтера": the lengths the dialog takes and refuses, and which pages the
// corrections reach.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>

#include "editing/ScaleSession.h"
#include "peripherals/ui/ModalDriver.h"
#include "support/ScriptedPrompts.h"
#include "view/dialogs/PrintBinding.h"
#include "view/dialogs/PrinterCalibrationDialog.h"

namespace quirn {
namespace {

using testing::ModalDriver;

TEST(PrinterCalibrationDialog, RefusesLengthsBeyondNinetyToOneHundredAndTenNamingTheField) {
    PrinterCalibrationDialog dialog(QStringLiteral("Офис"));
    dialog.show();
    struct Typed {
        const char* horizontal;
        const char* vertical;
        const char* field;  // the one the message names
    };
    for (const Typed& t :
         {Typed{"0", "100", "По горизонтали"}, Typed{"100", "120", "По вертикали"},
          Typed{"abc", "100", "По горизонтали"}, Typed{"100", "99,4", "По вертикали"}}) {
        SCOPED_TRACE(t.horizontal + std::string(" ") + t.vertical);
        dialog.horizontalEdit()->setText(QString::fromUtf8(t.horizontal));
        dialog.verticalEdit()->setText(QString::fromUtf8(t.vertical));
        ModalDriver driver;
        driver.then(driver.AcceptMessage());
        dialog.okButton()->click();
        ASSERT_TRUE(driver.finished());
        ASSERT_EQ(driver.messages().size(), 1);
        EXPECT_TRUE(driver.messages().front().contains(
            QStringLiteral("«%1»").arg(QString::fromUtf8(t.field))))
            << driver.messages().front().toStdString();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.scale());
    }

    dialog.horizontalEdit()->setText(QStringLiteral("99.4"));
    dialog.verticalEdit()->setText(QStringLiteral("100.5"));
    ModalDriver quiet;
    dialog.okButton()->click();
    EXPECT_FALSE(quiet.sawUnexpected());
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.scale());
    EXPECT_NEAR(dialog.scale()->horizontal, 1.00604, 5e-6);
    EXPECT_NEAR(dialog.scale()->vertical, 0.99502, 5e-6);
}

// The corrections reach only the pages of the printer they were measured on, and never a file.
TEST(PrinterCalibrationDialog, CorrectionsReachOnlyTheirPrinterAndNeverAFile) {
    Document doc;
    ScaleSession session(doc);
    QWidget parent;
    test::ScriptedPrompts prompts;
    PrintBinding printing(session, parent, prompts);
    printing.printerScales()["Офис"] = PrinterScale{1.00604, 0.99502};
    EXPECT_EQ(ScaleForPrinter(printing.printerScales(), "Офис"), (PrinterScale{1.00604, 0.99502}));
    EXPECT_EQ(ScaleForPrinter(printing.printerScales(), "Склад"), PrinterScale{});

    QTemporaryDir dir;
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    printing.printerScales()[file.printerName().toStdString()] = PrinterScale{1.01, 1.01};
    EXPECT_EQ(printing.pageOptionsFor(file), PageOptions{});

    // Calibrating a file is refused with a word on why, and keeps nothing.
    const PrinterScales before = printing.printerScales();
    CalibratePrinter(file, printing.printerScales(), parent, prompts);
    ASSERT_EQ(prompts.warnings.size(), 1);
    EXPECT_TRUE(prompts.warnings.front().contains(QStringLiteral("файл")));
    EXPECT_EQ(printing.printerScales(), before);
}

}  // namespace
}  // namespace quirn
