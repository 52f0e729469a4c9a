// SPDX-License-Identifier: GPL-3.0-or-later
// The printer's unprintable borders, the page setup check, and the scale on the page.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <vector>

#include "model/ScaleParameters.h"
#include "peripherals/Printing.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

TEST(MinimumMargins, FromTheOffsetsAndTheResolution) {
    PrinterMetrics m;
    m.logPixelsX = 600;
    m.logPixelsY = 300;
    m.physicalWidth = 4961;
    m.physicalOffsetX = 100;  // 4.23 mm
    m.horzRes = 4661;         // 200 pixels unprintable on the right: 8.46 mm
    m.physicalHeight = 3508;
    m.physicalOffsetY = 50;  // 4.23 mm at 300 dpi
    m.vertRes = 3508 - 50 - 1;
    EXPECT_EQ(MinimumMargins(m), (PageMargins{423, 423, 846, 8}));
}

// The page setup dialog scripted: each showing records the margins it was given and closes
// with the next margins of the script.
struct ScriptedPageSetup {
    std::vector<PageMargins> answers;
    std::vector<PageMargins> shown;
    std::vector<MarginSide> warnings;
    PageMargins minimum;

    PageMargins Run(PageMargins held) {
        return RunPageSetup(
            held,
            [this](const PageMargins& given) {
                shown.push_back(given);
                // Past the script the dialog is cancelled: it keeps what it was given.
                return shown.size() <= answers.size() ? answers[shown.size() - 1] : given;
            },
            [this] { return minimum; }, [this](MarginSide side) { warnings.push_back(side); });
    }
};

TEST(PageSetup, AMarginBelowTheMinimumIsRaisedAndTheDialogReopens) {
    ScriptedPageSetup setup;
    setup.minimum = {423, 0, 0, 0};
    setup.answers = {{300, 1000, 1000, 1000}};
    const PageMargins result = setup.Run({});
    EXPECT_EQ(setup.warnings, std::vector<MarginSide>{MarginSide::Left});
    ASSERT_EQ(setup.shown.size(), 2u);
    EXPECT_EQ(setup.shown[1], (PageMargins{423, 1000, 1000, 1000}));
    EXPECT_EQ(result, (PageMargins{423, 1000, 1000, 1000}));
}

TEST(PageSetup, OneMarginPerShowingInTheOrderLeftRightTopBottom) {
    ScriptedPageSetup setup;
    setup.minimum = {500, 600, 700, 800};
    setup.answers = {{100, 100, 100, 100}};
    const PageMargins result = setup.Run({});
    EXPECT_EQ(setup.warnings, (std::vector<MarginSide>{MarginSide::Left, MarginSide::Right,
                                                       MarginSide::Top, MarginSide::Bottom}));
    EXPECT_EQ(setup.shown.size(), 5u);
    EXPECT_EQ(setup.shown[2], (PageMargins{500, 100, 700, 100}));  // left, then right
    EXPECT_EQ(result, setup.minimum);

    ScriptedPageSetup leftAndTop;
    leftAndTop.minimum = {423, 423, 0, 0};
    leftAndTop.answers = {{300, 300, 1000, 1000}};
    leftAndTop.Run({});
    EXPECT_EQ(leftAndTop.shown.size(), 3u);
    EXPECT_EQ(leftAndTop.warnings, (std::vector<MarginSide>{MarginSide::Left, MarginSide::Top}));
}

TEST(PageSetup, CancelStillChecksTheMarginsHeld) {
    ScriptedPageSetup setup;
    setup.minimum = {0, 0, 0, 1200};           // a printer with a wide bottom border
    const PageMargins result = setup.Run({});  // cancelled at once: the 10 mm defaults
    EXPECT_EQ(setup.warnings, std::vector<MarginSide>{MarginSide::Bottom});
    EXPECT_EQ(result.bottom, 1200);

    ScriptedPageSetup fine;
    fine.minimum = {500, 500, 500, 500};
    EXPECT_EQ(fine.Run({}), PageMargins{});
    EXPECT_EQ(fine.shown.size(), 1u);
    EXPECT_TRUE(fine.warnings.empty());
}

class PrintedPageTest : public ::testing::Test {
  protected:
    static constexpr int kDpi = 300;

    void SetUp() override {
        state_.params = kDefaultParameters;  // a square plate 69 x 60 mm
        state_.layout = DefaultLayout(state_.params);
    }

    // A sheet of 120 x 100 mm with the scale painted on it.
    QImage Page(const PageMargins& margins) {
        QImage page(Px(12000), Px(10000), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintScalePage(state_, painter, kDpi, margins);
        return page;
    }
    static int Px(int units) { return units * kDpi / 2540; }
    static QRect Ink(const QImage& page) {
        QRect box;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (qGray(page.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
        return box;
    }

    Scene state_;
};

TEST_F(PrintedPageTest, TheCanvasCornerSitsAtTheLeftAndTopMarginsAtTrueSize) {
    const QRect ink = Ink(Page({1500, 2000, 0, 0}));
    // The plate lies 1 mm inside the canvas; its cut line runs 0.1 mm outside the plate with a
    // 0.1 mm pen, so the ink starts 0.15 mm before the plate and spans 0.3 mm more.
    const double unitsPerPixel = 2540.0 / kDpi;
    EXPECT_NEAR(ink.left() * unitsPerPixel, 1500 + 100 - 15, 12);
    EXPECT_NEAR(ink.top() * unitsPerPixel, 2000 + 100 - 15, 12);
    EXPECT_NEAR((ink.right() + 1) * unitsPerPixel, 1500 + 100 + 6900 + 15, 12);
    // Nothing below the plate reaches the paper: the screen's bottom line is clipped away.
    EXPECT_NEAR((ink.bottom() + 1) * unitsPerPixel, 2000 + 100 + 6000 + 15, 12);
}

TEST_F(PrintedPageTest, TheTemplateNeverReachesThePaper) {
    const QImage plain = Page({});
    QImage black(40, 30, QImage::Format_RGB32);
    black.fill(Qt::black);
    state_.templ.loaded = true;
    state_.templ.image = black;
    state_.templ.width = 8200;
    state_.templ.anchor = {-4100, -1000};
    EXPECT_EQ(Page({}), plain);
}

TEST_F(PrintedPageTest, PrintsOnePageAndNothingForALaterRange) {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);

    printer.setOutputFileName(dir.filePath(QStringLiteral("later.pdf")));
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 5);
    const Result<int> nothing = PrintScale(state_, printer, {}, QStringLiteral("M4200"));
    EXPECT_TRUE(nothing.ok());
    EXPECT_EQ(nothing.value, 0);
    EXPECT_FALSE(QFile::exists(printer.outputFileName()));

    printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
    printer.setPrintRange(QPrinter::AllPages);
    const Result<int> printed = PrintScale(state_, printer, {}, QStringLiteral("M4200"));
    ASSERT_TRUE(printed.ok());
    EXPECT_EQ(printed.value, 1);
    EXPECT_TRUE(printer.fullPage());
    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5).startsWith("%PDF"));
}

}  // namespace
}  // namespace quirn
