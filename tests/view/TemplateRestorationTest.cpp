// SPDX-License-Identifier: GPL-3.0-or-later
// The template as a restorer uses it: kept with the document, true size from the scan's own
// resolution, levelled, dimmed and locked, and a scale calibrated by clicking its old ticks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <numbers>

#include "model/ParameterText.h"
#include "support/ViewHost.h"
#include "view/canvas/ViewMapping.h"
#include "view/dialogs/OutcomeText.h"
#include "view/scales/ScalePage.h"
#include "view/scales/ScalesWindow.h"
#include "view/template/TemplateClicks.h"

namespace quirn {
namespace {

using C = BarControl;

class TemplateRestorationTest : public test::HostedViewTest {
  protected:
    std::string Path(const QString& name) const { return dir_.filePath(name).toStdString(); }
    // A grey scan of width x 300 pixels at dpi (0: the file states none).
    void WriteScan(const QString& name, int width, int dpi) const {
        QImage scan(width, 300, QImage::Format_RGB32);
        scan.fill(QColor(150, 150, 150));
        if (dpi > 0) {
            scan.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
            scan.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
        }
        QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path());
        ASSERT_TRUE(scan.save(dir_.filePath(name)));
    }
    QByteArray FileBytes(const std::string& path) const {
        QFile file(QString::fromStdString(path));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }
    std::string SavedLine(const std::string& key) const {
        return test::SavedLine(host_.session->scene().params, key);
    }
    TemplateClicks& Clicks() { return host_.templateControls->clicks(); }
};

// Opened, shown where its line puts it and saved back byte for byte, its file found beside the
// document or told missing once, by name, with the line kept.
TEST_F(TemplateRestorationTest, TheTemplateLineIsRestoredAndSavedAsItWas) {
    const struct {
        TemplateRecord record;
        bool present;
        const char* widthField;
    } cases[] = {
        {{{-3550, -400}, 8200, 0.0, 0, "scan.png"}, true, "82.00"},
        {{{-1000, 250}, 5080, -2.5, 40, "scans/old plate.png"}, true, "50.80"},
        {{{120, -75}, 7000, 12.25, 100, "gone.png"}, false, "70.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.record.file);
        if (c.present) WriteScan(QString::fromStdString(c.record.file), 400, 0);
        ScaleParameters record = kDefaultParameters;
        record.ext.templateRecord = c.record;
        const std::string path = Path(QStringLiteral("plate.qrn"));
        {
            QFile file(QString::fromStdString(path));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            const std::string text = WriteParameterText(record, FileTextForm::Windows1251);
            file.write(text.data(), qint64(text.size()));
        }
        const QByteArray written = FileBytes(path);
        QStringList told;
        const QObject listening;  // the connection ends with the case
        QObject::connect(&host_.session->plateFiles(), &PlateFiles::notice, &listening,
                         [&told](const Outcome& fault) { told << OutcomeText(fault); });

        ASSERT_TRUE(host_.session->files().OpenFile(path));
        EXPECT_EQ(host_.session->scene().templatePicture.image.isNull(), !c.present);
        EXPECT_EQ(host_.bar->text(C::TemplateWidth), QString::fromLatin1(c.widthField));
        EXPECT_EQ(host_.bar->slider(C::TemplateDim)->value(), c.record.dim);
        EXPECT_EQ(host_.bar->text(C::TemplateButton), QStringLiteral("Удалить шаблон"));
        if (c.present) {
            EXPECT_EQ(told.count(), 0);
        } else {
            ASSERT_EQ(told.count(), 1);
            EXPECT_TRUE(told.at(0).contains(QStringLiteral("gone.png")));
        }
        EXPECT_FALSE(doc_.isModified());
        ASSERT_TRUE(host_.session->files().Save());
        EXPECT_EQ(FileBytes(path), written);
    }
}

// A scan that states its resolution is true size at once; levelling and dimming are steps of
// the history that the saved line keeps.
TEST_F(TemplateRestorationTest, AScanIsTrueSizeAndIsLevelledAndDimmed) {
    const struct {
        const char* file;
        int pixels;
        int dpi;
        const char* width;
    } scans[] = {
        {"scan.png", 600, 300, "5080"},  {"scan.jpg", 300, 150, "5080"},
        {"scan.tif", 1200, 600, "5080"}, {"scan.bmp", 600, 300, "5080"},
        {"plain.png", 400, 0, "7100"},  // no resolution: 1 mm beyond the plate on either side
    };
    // A document in the folder: the line names the scan relative to it.
    const std::string plate = Path(QStringLiteral("plate.qrn"));
    {
        QFile file(QString::fromStdString(plate));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const std::string text = WriteParameterText(kDefaultParameters, FileTextForm::Windows1251);
        file.write(text.data(), qint64(text.size()));
    }
    ASSERT_TRUE(host_.session->files().OpenFile(plate));
    for (const auto& s : scans) {
        SCOPED_TRACE(s.file);
        // The scan before is taken back: one template at a time.
        if (!SavedLine("template").empty()) host_.session->history().undo();
        EXPECT_FALSE(doc_.isModified());
        WriteScan(QString::fromLatin1(s.file), s.pixels, s.dpi);
        const QString file = dir_.filePath(QString::fromLatin1(s.file));
        host_.prompts->templateFile = [file] { return file; };
        host_.bar->button(C::TemplateButton)->click();
        EXPECT_EQ(SavedLine("template"), std::string("-3550 -400 ") + s.width + " 0 0 " + s.file);
    }

    // Two points on a line rising at 45°: the template turns back by 45° about their middle.
    Clicks().StartLevel();
    Clicks().Click({0, 0});
    Clicks().Click({1000, 1000});
    EXPECT_EQ(Clicks().mode(), TemplateClicks::Mode::None);
    host_.bar->slider(C::TemplateDim)->setValue(40);
    EXPECT_EQ(SavedLine("template"), "-3000 2727 7100 -45 40 plain.png");
    EXPECT_TRUE(doc_.isModified());
    host_.session->history().undo();
    EXPECT_EQ(SavedLine("template"), "-3000 2727 7100 -45 0 plain.png");
    host_.session->history().undo();
    EXPECT_EQ(SavedLine("template"), "-3550 -400 7100 0 0 plain.png");
}

// A locked template stays where it is under a drag; a free one follows it. The lock is saved
// with the template, and undone like any change of it.
TEST_F(TemplateRestorationTest, ALockedTemplateIsNotDragged) {
    WriteScan(QStringLiteral("scan.png"), 400, 0);
    ASSERT_TRUE(host_.session->templates().Load(dir_.filePath(QStringLiteral("scan.png"))).ok());
    for (const bool locked : {true, false}) {
        SCOPED_TRACE(locked);
        host_.bar->checkBox(C::TemplateLock)->setChecked(locked);
        const std::string before = SavedLine("template");
        // The mark after the dimming: "<dim> 1 <file>".
        EXPECT_EQ(before.find(" 0 1 ") != std::string::npos, locked) << before;
        const int steps = host_.session->history().count();
        const QPoint scroll = host_.view->scrollPosition();
        host_.view->viewport()->repaint();
        const PictureSource shown = host_.view->Shown();
        ASSERT_EQ(HitTest(shown.scene, shown.laid, {-3000, 0}), MovableElement::TemplateBody);
        const QPoint grab =
            DrawingToView(host_.view->Shown().geometry, {-3000, 0}, {scroll.x(), scroll.y()})
                .toPoint();
        QTest::mousePress(host_.view->viewport(), Qt::LeftButton, {}, grab);
        EXPECT_EQ(host_.view->drag().any(), !locked) << grab.x() << " " << grab.y();
        const QPoint to = grab + QPoint(30, 10);
        QMouseEvent move(QEvent::MouseMove, QPointF(to),
                         host_.view->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(host_.view->viewport(), &move);
        QTest::mouseRelease(host_.view->viewport(), Qt::LeftButton, {}, to);
        EXPECT_EQ(SavedLine("template") == before, locked);
        EXPECT_EQ(host_.session->history().count(), steps + (locked ? 0 : 1));
    }
    // Undone back to the lock's step: the box follows the record.
    host_.session->history().undo();
    host_.session->history().undo();
    EXPECT_TRUE(host_.bar->checkBox(C::TemplateLock)->isChecked());
    EXPECT_NE(SavedLine("template").find(" 0 1 "), std::string::npos);
}

// Clicks at known angles about the pivot, with the values typed, become the scale's table; each
// point is a step, and fewer than two leave the law as it was and say so.
TEST_F(TemplateRestorationTest, CalibrationClicksBecomeTheTableLaw) {
    WriteScan(QStringLiteral("scan.png"), 400, 0);
    ASSERT_TRUE(host_.session->templates().Load(dir_.filePath(QStringLiteral("scan.png"))).ok());
    const Point pivot{250, -600};
    // A point 400 mm from the pivot at theta degrees, where the scan shows it before it moves.
    const auto onScan = [pivot](double theta) {
        const double a = theta * std::numbers::pi / 180.0;
        return Point{pivot.x + int(std::lround(40000 * std::cos(a))),
                     pivot.y + int(std::lround(40000 * std::sin(a)))};
    };
    const struct {
        std::vector<std::pair<double, double>> ticks;  // angle, typed value
        const char* points;
        const char* law;
        int notices;
    } cases[] = {
        {{{132.5, 0}, {47.5, 15}, {90, 5}}, "0:0 5:0.5 15:1", "table", 0},
        {{{111.25, 2.5}, {47.5, 15}}, "2.5:0.25 15:1", "table", 0},
        {{{90, 5}}, "", "", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.points);
        host_.prompts->notices.clear();
        const int start = host_.session->history().count();
        Clicks().StartCalibration(1);
        Clicks().Click(pivot);  // the template moves so that the pivot is on the axis
        EXPECT_EQ(host_.session->history().count(), start + 1);
        for (const auto& [theta, value] : c.ticks) {
            host_.prompts->tickValues.append(value);
            // The template has moved: the tick now shows relative to the axis.
            const Point p = onScan(theta);
            Clicks().Click({p.x - pivot.x, p.y - pivot.y});
        }
        EXPECT_EQ(host_.session->scene().calibrationMarks.size(), c.ticks.size() + 1);
        // A tick undone while clicking takes its mark with it; redone, both come back.
        host_.session->history().undo();
        EXPECT_EQ(host_.session->scene().calibrationMarks.size(), c.ticks.size());
        host_.session->history().redo();
        EXPECT_EQ(host_.session->scene().calibrationMarks.size(), c.ticks.size() + 1);
        QTest::keyClick(host_.view, Qt::Key_Escape);
        EXPECT_EQ(Clicks().mode(), TemplateClicks::Mode::None);
        EXPECT_TRUE(host_.session->scene().calibrationMarks.empty());
        EXPECT_EQ(SavedLine("points"), c.points);
        EXPECT_EQ(SavedLine("law"), c.law);
        EXPECT_EQ(host_.prompts->notices.size(), c.notices);
        if (c.ticks.size() >= 2) {
            host_.session->history().undo();
            EXPECT_EQ(host_.session->scene().params.points.size(), c.ticks.size() - 1);
        }
        host_.session->Show(kDefaultParameters);
        ASSERT_TRUE(
            host_.session->templates().Load(dir_.filePath(QStringLiteral("scan.png"))).ok());
    }
}

}  // namespace
}  // namespace quirn

namespace quirn {
namespace {

// A calibration shows in the scales window at once, and an Apply there of something else keeps
// the table law it made.
TEST_F(TemplateRestorationTest, CalibrationThenScalesWindowRegressionApplyKeepsTheTableLaw) {
    ScalesWindow scales(*host_.session, *host_.prompts);
    scales.show();
    WriteScan(QStringLiteral("scan.png"), 400, 0);
    ASSERT_TRUE(host_.session->templates().Load(dir_.filePath(QStringLiteral("scan.png"))).ok());
    Clicks().StartCalibration(1);
    Clicks().Click({0, 0});
    for (const auto& [theta, value] : {std::pair{132.5, 0.0}, {90.0, 5.0}, {47.5, 15.0}}) {
        host_.prompts->tickValues.append(value);
        const double a = theta * std::numbers::pi / 180.0;
        Clicks().Click(
            {int(std::lround(40000 * std::cos(a))), int(std::lround(40000 * std::sin(a)))});
    }
    QTest::keyClick(host_.view, Qt::Key_Escape);
    ASSERT_EQ(SavedLine("points"), "0:0 5:0.5 15:1");
    EXPECT_EQ(scales.page(1)->lawBox()->currentText(), QStringLiteral("таблица"));
    EXPECT_FALSE(scales.HasUnappliedEdits());

    scales.standardEdit()->setText(QStringLiteral("GOST 1"));
    scales.applyButton()->click();
    EXPECT_EQ(SavedLine("standard"), "GOST 1");
    EXPECT_EQ(SavedLine("law"), "table");
    EXPECT_EQ(SavedLine("points"), "0:0 5:0.5 15:1");
    EXPECT_TRUE(host_.prompts->warnings.isEmpty());
}

}  // namespace
}  // namespace quirn
