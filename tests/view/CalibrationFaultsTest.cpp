// SPDX-License-Identifier: GPL-3.0-or-later
// Faults met while restoring a plate from its scan: a calibration ended on one point, a tick
// clicked beyond the arc, the value prompt's proposal and place, the template dialog's filter
// and the template's name after a document's first save.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <numbers>

#include "model/ParameterText.h"
#include "peripherals/ui/ModalDriver.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ViewHost.h"
#include "view/canvas/ViewMapping.h"
#include "view/dialogs/DialogPrompts.h"
#include "view/template/TemplateClicks.h"

namespace quirn {
namespace {

class CalibrationFaultsTest : public test::HostedViewTest {
  protected:
    void LoadScan(const QString& name) {
        QImage scan(400, 300, QImage::Format_RGB32);
        scan.fill(QColor(150, 150, 150));
        QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path());
        ASSERT_TRUE(scan.save(dir_.filePath(name)));
        ASSERT_TRUE(host_.session->templates().Load(dir_.filePath(name)).ok());
    }
    // The value of a key's line in the record as it would be saved; empty without one.
    std::string SavedLine(const std::string& key) const {
        const std::string text =
            WriteParameterText(host_.session->scene().params, FileTextForm::Utf8);
        const std::string start = "\r\n" + key + "\t= ";
        const auto at = text.find(start);
        if (at == std::string::npos) return {};
        const auto from = at + start.size();
        return text.substr(from, text.find("\r\n", from) - from);
    }
    TemplateClicks& Clicks() { return host_.templateControls->clicks(); }
    // Calibration of scale 1 begun with the pivot on the axis.
    void StartCalibration() {
        Clicks().StartCalibration(1);
        Clicks().Click({0, 0});
    }
    // A tick radius drawing units (400 mm unless told) from the pivot at theta degrees
    // counterclockwise from the right.
    static Point Tick(double theta, double radius = 40000) {
        const double a = theta * std::numbers::pi / 180.0;
        return {int(std::lround(radius * std::cos(a))), int(std::lround(radius * std::sin(a)))};
    }
};

// The template's file dialog opened on "*.bmp" alone; it opens on every image format read.
TEST_F(CalibrationFaultsTest, FileFilterRegressionTheTemplateDialogOpensOnAllImages) {
    QString shown, patterns;
    testing::ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr);
        // The filter as the dialog names it, and the patterns that name stands for.
        shown = dialog->selectedNameFilter();
        for (const QString& filter : dialog->nameFilters())
            if (filter.startsWith(shown + QStringLiteral(" ("))) patterns = filter;
        testing::Later([dialog] { dialog->reject(); });
    });
    EXPECT_TRUE(DialogPrompts().ChooseTemplateFile().isEmpty());
    EXPECT_TRUE(driver.finished());
    EXPECT_EQ(shown, QStringLiteral("Все изображения"));
    for (const char* pattern : {"*.bmp", "*.png", "*.jpg", "*.jpeg", "*.tif"})
        EXPECT_TRUE(patterns.contains(QLatin1String(pattern))) << pattern;
}

// A template loaded before the document's first save was named in full, and kept so when the
// document was saved beside it. It is named from the document's folder, in the file and in every
// state undo and redo bring back.
TEST_F(CalibrationFaultsTest, FirstSaveRegressionATemplateLoadedBeforeIsNamedFromTheFolder) {
    test::ScriptedDocumentPrompts documentPrompts;
    doc_.setPrompts(&documentPrompts);
    for (const char* name : {"scan.png", "scans/old plate.png"}) {
        SCOPED_TRACE(name);
        host_.session->files().New();
        LoadScan(QString::fromUtf8(name));
        ASSERT_NE(SavedLine("template").find(dir_.path().toStdString()), std::string::npos);
        host_.session->templates().setDim(30);
        const std::string path = dir_.filePath(QStringLiteral("plate.qrn")).toStdString();
        documentPrompts.saveNames.push_back(path);
        ASSERT_TRUE(host_.session->files().Save());
        const std::string line = std::string("-3550 -400 7100 0 30 ") + name;
        EXPECT_EQ(SavedLine("template"), line);
        QFile file(QString::fromStdString(path));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_TRUE(file.readAll().contains(QByteArray("\r\ntemplate\t= ") + line.c_str()));
        host_.session->history().undo();
        EXPECT_EQ(SavedLine("template"), std::string("-3550 -400 7100 0 0 ") + name);
        host_.session->history().redo();
        EXPECT_EQ(SavedLine("template"), line);
        EXPECT_FALSE(doc_.isModified());
    }
    doc_.setPrompts(nullptr);
}

}  // namespace
}  // namespace quirn
