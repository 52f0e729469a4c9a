// SPDX-License-Identifier: GPL-3.0-or-later
// "Создать по скану…" as the user goes through it: the scan chosen, its end values typed, and a
// new document that is the proposal, the scan its template, one step to undo; a scan without a
// scale told and the document left as it was. "Найти деления" on a template, and the new
// drawing hidden over it.
#include <gtest/gtest.h>

#include <QImage>
#include <QSettings>
#include <QTableWidget>
#include <QUndoStack>
#include <cmath>
#include <memory>
#include <numbers>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "editing/EditedRecord.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "scan/DrawnScan.h"
#include "support/RunningApp.h"
#include "view/canvas/ScaleView.h"
#include "view/template/TickReviewDialog.h"

namespace quirn {
namespace {

class ScanDocumentTest : public test::RunningApp {
  protected:
    void SetUp() override { Start(); }
    std::string File() const { return WriteParameterText(frame_->session().scene().params); }
};

TEST_F(ScanDocumentTest, TheProposalBecomesANewDocumentWithTheScanAsItsTemplate) {
    test::DrawnPlate plate;
    plate.turn = -3.0;
    const QString scan = test::SaveScan(test::DrawScan(plate), Path("old plate.png"));
    ASSERT_FALSE(scan.isEmpty());
    prompts_.templateFile = [&] { return scan; };
    prompts_.scanEnds = ScanEnds{0.0, 100.0};
    frame_->action(Command::FromScan)->trigger();

    ASSERT_TRUE(prompts_.warnings.isEmpty()) << prompts_.warnings.join('\n').toStdString();
    ASSERT_TRUE(prompts_.scanReport.has_value());
    EXPECT_EQ(prompts_.scanReport->law, ScaleLaw::Linear);
    const std::string file = File();
    EXPECT_NE(file.find("\r\nNfull\t= 40\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\nNbig\t= 8\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("old plate.png"), std::string::npos) << file;
    // A new, untitled, modified document whose one step is the proposal.
    EXPECT_TRUE(frame_->isWindowModified());
    QUndoStack& history = frame_->session().history();
    ASSERT_EQ(history.count(), 1);
    EXPECT_EQ(history.undoText(), QStringLiteral("создание по скану"));
    history.undo();
    EXPECT_EQ(File().find("old plate.png"), std::string::npos);
}

TEST_F(ScanDocumentTest, AScanWithoutAScaleIsToldAndTheDocumentStays) {
    const std::string before = File();
    const QString blank = test::SaveScan(test::BlankScan(300.0, 4.0), Path("blank.png"));
    ASSERT_FALSE(blank.isEmpty());
    prompts_.templateFile = [&] { return blank; };
    prompts_.scanEnds = ScanEnds{0.0, 15.0};
    frame_->action(Command::FromScan)->trigger();
    ASSERT_EQ(prompts_.warnings.size(), 1);
    EXPECT_EQ(prompts_.warnings[0], QStringLiteral("На скане не найдена шкала: делений, "
                                                   "сходящихся в одной точке, найдено 0, а нужно "
                                                   "не меньше 3."));
    EXPECT_FALSE(prompts_.scanReport.has_value());
    EXPECT_EQ(File(), before);
    EXPECT_EQ(frame_->session().history().count(), 0);
}

// "Найти деления" on a scan loaded as the template where it happened to land, turned and not
// levelled: the user numbers the big ticks 0 to 100 and takes one away. Accepted, one step makes
// them the scale's table, widens a narrower arc to the scan's, and lays the scan level with its
// pivot on the axis; a review cancelled changes nothing.
TEST_F(ScanDocumentTest, TicksFoundOnTheTemplateCalibrateTheScaleInOneStep) {
    test::DrawnPlate plate;
    plate.law = test::DrawnLaw::Curved;
    plate.turn = 2.3;
    // Fewer ticks than the law would crowd together at its start.
    plate.divisions = 20;
    plate.bigDivisions = 4;
    const QString scan = test::SaveScan(test::DrawScan(plate), Path("old plate.png"));
    ASSERT_FALSE(scan.isEmpty());
    ScaleSession& session = frame_->session();
    ASSERT_TRUE(session.templates().Load(scan).ok());
    struct Case {
        const char* what;
        double halfAngle;  // the record's before
        bool accept;
    };
    for (const Case c : {Case{"cancelled", 45.0, false}, Case{"accepted", 45.0, true},
                         Case{"a narrower arc widened to the scan's", 30.0, true}}) {
        SCOPED_TRACE(c.what);
        session.record().Edit(QStringLiteral("угол"),
                              [&c](SceneEdits& s) { s.params.halfAngle = c.halfAngle; });
        prompts_.tickReview = [&c](TickReview& review) {
            review.Renumber({0.0, 100.0});
            review.Click(review.ticks()[1].angle, 0.2);
            return c.accept;
        };
        const int steps = session.history().count();
        const std::string before = File();
        frame_->action(Command::FindTicks)->trigger();
        EXPECT_TRUE(prompts_.warnings.isEmpty()) << prompts_.warnings.join('\n').toStdString();
        if (!c.accept) {
            EXPECT_EQ(File(), before);
            EXPECT_EQ(session.history().count(), steps);
            continue;
        }
        EXPECT_EQ(session.history().undoText(), QStringLiteral("калибровка по найденным делениям"));
        const ScaleParameters& p = session.record().params();
        EXPECT_EQ(p.law, ScaleLaw::Table);
        EXPECT_NEAR(p.halfAngle, plate.halfAngle, 0.1);
        ASSERT_EQ(p.points.size(), 4u) << File();
        for (const TablePoint& point : p.points)  // 0.001 of the arc is 0.06 mm here
            EXPECT_NEAR(point.fraction, plate.Fraction(point.value), 0.001) << point.value;
        ASSERT_TRUE(p.ext.templateRecord.has_value());
        EXPECT_NEAR(p.ext.templateRecord->angle, -2.3, 0.1);
        session.history().undo();
        EXPECT_EQ(File(), before);
    }
}

// While a calibration compares, the new drawing steps aside: the plate's outline stays, and the
// drawing comes back whole.
TEST_F(ScanDocumentTest, HidingTheNewDrawingLeavesTheOutline) {
    const auto dark = [](const QImage& image) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) n += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
        return n;
    };
    const auto shown = [&] {
        return frame_->view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage whole = shown();
    frame_->action(Command::HideDrawing)->trigger();
    const QImage outline = shown();
    EXPECT_GT(dark(outline), 0);
    EXPECT_LT(dark(outline) * 3, dark(whole));
    frame_->action(Command::HideDrawing)->trigger();
    EXPECT_EQ(shown(), whole);
}

// In the review, a click on a numbered tick of the scan takes it away and a second click there
// brings it back, valued between its neighbours; a value typed in the list is the tick's.
TEST(TickReviewDialogTest, ClicksOnTheScanAndValuesTypedCorrectTheTicks) {
    test::ScratchDirectory scratch{"quirn-ticks", true};
    test::DrawnPlate plate;
    plate.turn = -4.0;
    const QString path = test::SaveScan(
        test::DrawScan(plate), QString::fromStdString((scratch.path() / "s.png").string()));
    const Result<FoundScan> scan = FindOnScanFile(path.toStdString());
    ASSERT_TRUE(scan.ok());
    TickReview review(scan.value.found, {0.0, 100.0});
    TickReviewDialog dialog(scan.value.grey, 1, review);
    const auto values = [&] {
        QStringList shown;
        for (int row = 0; row < dialog.list()->rowCount(); ++row)
            shown << dialog.list()->item(row, 1)->text();
        return shown.join(' ');
    };
    EXPECT_EQ(values(), QStringLiteral("0 12.5 25 37.5 50 62.5 75 87.5 100"));
    const ScaleDetection& found = scan.value.found;
    // Halfway along the third big tick, where the picture shows it.
    const double a = (review.ticks()[2].angle + found.turn) * std::numbers::pi / 180.0;
    const double r = (found.tickRadius + found.bigTickLength / 2) * found.dpi / 25.4;
    const double k = dialog.marked().scale;
    const QPointF onTick((found.pivot.x + r * std::cos(a)) * k,
                         (found.pivot.y - r * std::sin(a)) * k);
    dialog.ClickPicture(onTick);
    EXPECT_EQ(values(), QStringLiteral("0 12.5 37.5 50 62.5 75 87.5 100"));
    dialog.ClickPicture(onTick);
    EXPECT_EQ(values(), QStringLiteral("0 12.5 25 37.5 50 62.5 75 87.5 100"));
    dialog.list()->item(8, 1)->setText(QStringLiteral("99"));
    dialog.list()->item(7, 1)->setText(QStringLiteral("восемь"));
    EXPECT_EQ(values(), QStringLiteral("0 12.5 25 37.5 50 62.5 75 87.5 99"));
}

}  // namespace
}  // namespace quirn
