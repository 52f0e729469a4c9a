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
    std::string SavedLine(const std::string& key) const {
        return test::SavedLine(host_.session->scene().params, key);
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

// Esc after one point took the point back by an undo, which redo then brought back: a table law
// of one point. Every state the history can reach keeps a table of two points or more.
TEST_F(CalibrationFaultsTest, OnePointCalibrationRegressionRedoNeverBringsBackATableOfOnePoint) {
    ScaleParameters tabled = kDefaultParameters;
    tabled.law = ScaleLaw::Table;
    tabled.points = {{0, 0}, {15, 1}};
    host_.session->Show(tabled);
    LoadScan(QStringLiteral("scan.png"));
    StartCalibration();
    host_.prompts->tickValues.append(5.0);
    Clicks().Click(Tick(90));
    ASSERT_EQ(SavedLine("points"), "5:0.5");
    QTest::keyClick(host_.view, Qt::Key_Escape);
    EXPECT_EQ(host_.prompts->notices.size(), 1);
    EXPECT_EQ(SavedLine("points"), "0:0 15:1");
    EXPECT_FALSE(host_.session->history().canRedo());

    QUndoStack& history = host_.session->history();
    const auto check = [this] {
        EXPECT_EQ(SavedLine("law"), "table");
        EXPECT_EQ(SavedLine("points"), "0:0 15:1") << host_.session->history().index();
    };
    while (history.canUndo()) {
        history.undo();
        check();
    }
    while (history.canRedo()) {
        history.redo();
        check();
    }
}

// A tick beyond either end of the arc was taken as the end itself without a word. It is refused,
// and the message offers the half-angle the click needs; no value is asked, no step made.
TEST_F(CalibrationFaultsTest, BeyondTheArcRegressionAClickPastTheEndIsRefusedWithTheAngleItNeeds) {
    LoadScan(QStringLiteral("scan.png"));
    StartCalibration();
    const struct {
        double theta;
        const char* needed;
    } cases[] = {{30, "60"}, {150, "60"}, {135.25, "45.3"}, {-30, "120"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.theta);
        host_.prompts->warnings.clear();
        host_.prompts->tickQuestions.clear();
        const int steps = host_.session->history().count();
        Clicks().Click(Tick(c.theta));
        ASSERT_EQ(host_.prompts->warnings.size(), 1);
        EXPECT_EQ(host_.prompts->warnings.front().toStdString(),
                  QStringLiteral("Отметка лежит за концом дуги шкалы: угол от оси %1°, а "
                                 "половина угла шкалы 42.5°. Увеличьте половину угла шкалы до "
                                 "%1° или щёлкните ближе к дуге.")
                      .arg(QLatin1String(c.needed))
                      .toStdString());
        EXPECT_TRUE(host_.prompts->tickQuestions.isEmpty());
        EXPECT_EQ(host_.session->history().count(), steps);
        EXPECT_EQ(Clicks().mode(), TemplateClicks::Mode::Ticks);
    }
    // The arc's own ends are still taken.
    host_.prompts->warnings.clear();
    for (const auto& [theta, value] : {std::pair{132.5, 0.0}, {47.5, 15.0}}) {
        host_.prompts->tickValues.append(value);
        Clicks().Click(Tick(theta));
    }
    EXPECT_TRUE(host_.prompts->warnings.isEmpty());
    EXPECT_EQ(SavedLine("points"), "0:0 15:1");
}

// The prompt said "отметку 6" when the next tick was 5: it counted clicks. It proposes the next
// value of the numbering given, the status line names it, and the question asked keeps clear of
// the ticks being clicked.
TEST_F(CalibrationFaultsTest, ValuePromptRegressionTheNextValueOfTheNumberingIsProposed) {
    LoadScan(QStringLiteral("scan.png"));
    const struct {
        std::vector<double> typed;
        std::vector<double> proposed;  // in each question, and last on the status line
    } cases[] = {
        {{0, 1, 2, 3, 4}, {0, 5, 2, 3, 4, 5}},
        {{0, 5}, {0, 5, 10}},
        {{15, 10}, {0, 20, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.size());
        QString status;
        const QObject listening;
        QObject::connect(&Clicks(), &TemplateClicks::statusText, &listening,
                         [&status](const QString& text) { status = text; });
        host_.prompts->tickQuestions.clear();
        StartCalibration();
        for (std::size_t i = 0; i < c.typed.size(); ++i) {
            host_.prompts->tickValues.append(c.typed[i]);
            // Ticks in sight, as the user clicks them.
            const Point tick = Tick(130.0 - 80.0 * double(i) / double(c.typed.size()), 2500);
            Clicks().Click(tick);
            ASSERT_EQ(host_.prompts->tickQuestions.size(), qsizetype(i + 1));
            const TickQuestion& asked = host_.prompts->tickQuestions.back();
            EXPECT_EQ(asked.proposed, c.proposed[i]) << i;
            // The tick clicked shows inside the region the question keeps clear of.
            const QPoint scroll = host_.view->scrollPosition();
            const QPoint onView =
                DrawingToView(host_.view->Shown().geometry, tick, {scroll.x(), scroll.y()})
                    .toPoint();
            EXPECT_TRUE(asked.keepClear.contains(host_.view->viewport()->mapToGlobal(onView))) << i;
        }
        EXPECT_TRUE(status.contains(QStringLiteral("щёлкните отметку %1 ").arg(c.proposed.back())))
            << status.toStdString();
        QTest::keyClick(host_.view, Qt::Key_Escape);
    }
}

// The question itself, as the user sees it: the proposal typed in, the dialog beside the region
// it is to keep clear of.
TEST_F(CalibrationFaultsTest, ValuePromptRegressionTheQuestionStandsOffTheArc) {
    DialogPrompts dialogs;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect regions[] = {
        {screen.left() + 100, screen.top() + 20, 400, 200},
        {screen.left() + 100, screen.bottom() - 220, 400, 200},
        {screen.left(), screen.top() + 50, screen.width() / 3, screen.height() - 100},
    };
    for (const QRect& region : regions) {
        SCOPED_TRACE(region.y());
        QRect shown;
        QString typed;
        testing::ModalDriver driver;
        driver.then([&](QWidget* w) {
            auto* dialog = qobject_cast<QInputDialog*>(w);
            ASSERT_NE(dialog, nullptr);
            shown = dialog->frameGeometry();
            typed = dialog->textValue();
            testing::Later([dialog] { dialog->accept(); });
        });
        EXPECT_EQ(dialogs.AskTickValue({1, 12.5, region}), std::optional<double>(12.5));
        EXPECT_TRUE(driver.finished());
        EXPECT_EQ(typed, QStringLiteral("12.5"));
        EXPECT_FALSE(shown.intersects(region)) << shown.x() << " " << shown.y();
        EXPECT_TRUE(screen.contains(shown)) << shown.x() << " " << shown.y();
    }
}

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
