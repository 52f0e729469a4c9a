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
#include "peripherals/SheetLayout.h"
#include "render/PainterSurface.h"
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

    // A sheet of 120 x 100 mm, or as given, with the scale painted on it.
    QImage Page(const PageMargins& margins, const PageOptions& options = {},
                QSize size = {12000, 10000}, int dpi = kDpi) {
        QImage page(Px(size.width(), dpi), Px(size.height(), dpi), QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        PaintScalePage(state_, painter, dpi, margins, ZonePainting::Coloured, options);
        return page;
    }
    static int Px(int units, int dpi = kDpi) { return units * dpi / 2540; }
    // Black at x, y millimetres at 254 dpi, ten pixels to the millimetre.
    static bool Black(const QImage& page, double x, double y) {
        return qGray(page.pixel(int(x * 10), int(y * 10))) < 128;
    }
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
    state_.templatePicture = {"scan.png", black};
    state_.params.ext.templateRecord = TemplateRecord{{-4100, -1000}, 8200, 0.0, 0, "scan.png"};
    EXPECT_EQ(Page({}), plain);
}

TEST_F(PrintedPageTest, OneCopyIsThePageAsItWasPainted) {
    // The scale painted as it was before sheets had copies: clipped to its canvas at the margins.
    const PageMargins margins{1500, 2000, 0, 0};
    QImage before(Px(12000), Px(10000), QImage::Format_RGB32);
    before.fill(Qt::white);
    {
        QPainter painter(&before);
        const CanvasGeometry units =
            ComputeCanvasGeometry(state_, ReferenceDevice::ForDpi(2540), PaintMode::Print);
        const double scale = kDpi / 2540.0;
        const QPointF topLeft(margins.left * scale, margins.top * scale);
        painter.setClipRect(
            QRectF(topLeft, QSizeF(units.canvasWidth * scale, units.canvasHeight * scale)));
        PainterSurface surface(
            painter, {topLeft + QPointF(units.originX, units.originY) * scale, kDpi, 2540}, true);
        PaintScale(state_, LayOutScale(state_, PaintMode::Print), units, surface, PaintMode::Print);
    }
    EXPECT_EQ(Page(margins), before);
    EXPECT_EQ(Page(margins, PageOptions{{1, Mirroring::None}, {1.0, 1.0}}), before);
}

TEST(SheetLayout, RowsAcrossThenDownThenFurtherSheets) {
    struct Case {
        int width, height, copies;
        SheetArea area;
        std::vector<CopyPlace> places;
    };
    for (const Case& c : std::vector<Case>{
             // 71 x 62 mm canvases in A4's 190 x 277 mm: two across, four rows, then sheet two.
             {7100,
              6200,
              9,
              {1000, 1000, 19000, 27700},
              {{0, 1000, 1000},
               {0, 8700, 1000},
               {0, 1000, 7800},
               {0, 8700, 7800},
               {0, 1000, 14600},
               {0, 8700, 14600},
               {0, 1000, 21400},
               {0, 8700, 21400},
               {1, 1000, 1000}}},
             // Wider and taller than the area: one a row, one a sheet.
             {30000, 40000, 2, {500, 700, 19000, 27700}, {{0, 500, 700}, {1, 500, 700}}},
             {100, 100, 0, {0, 0, 1000, 1000}, {}}}) {
        EXPECT_EQ(LayOutSheet(c.width, c.height, c.area, c.copies), c.places) << c.copies;
    }
}

TEST_F(PrintedPageTest, CopiesInARowWithCropMarksOutsideEachPlate) {
    // 200 x 100 mm: two 71 x 62 mm canvases side by side from 10 mm, 6 mm apart, so the plates
    // run 11..80 and 88..157 mm across and 11..71 mm down.
    const QImage page =
        Page({1000, 1000, 1000, 1000}, {{2, Mirroring::None}, {}}, {20000, 10000}, 254);
    const QImage single = Page({1000, 1000, 1000, 1000}, {}, {20000, 10000}, 254);
    // The marks carry the plates' edges on 1 to 3.5 mm past the corners.
    for (const auto& [x, y] : {std::pair{82.0, 11.0},
                               {80.0, 8.5},
                               {80.0, 73.5},
                               {8.5, 71.0},
                               {86.0, 11.0},
                               {88.0, 8.5},
                               {159.0, 71.0},
                               {157.0, 73.5}}) {
        EXPECT_TRUE(Black(page, x, y)) << x << ", " << y;
        EXPECT_FALSE(Black(single, x, y)) << x << ", " << y;
    }
    // Not across the canvases' borders, nor between the neighbours' marks, nor in the gap.
    for (const auto& [x, y] : {std::pair{80.5, 10.5},
                               {10.5, 71.5},
                               {84.0, 11.0},
                               {84.0, 40.0},
                               {79.0, 76.0},
                               {120.0, 76.0}}) {
        EXPECT_FALSE(Black(page, x, y)) << x << ", " << y;
    }
    // The second plate is the first one moved along.
    const QRect first(100, 100, 710, 620);
    EXPECT_EQ(page.copy(first.translated(770, 0)), page.copy(first));
}

TEST_F(PrintedPageTest, AMirroredPlateIsThePlainOneTurnedOver) {
    // At 254 dpi a pixel is 0.1 mm: the canvas lies on whole pixels and turns over onto them.
    const QSize sheet(10000, 8000);
    const QRect canvas(100, 100, 710, 620);
    const QImage plain = Page({1000, 1000, 0, 0}, {}, sheet, 254).copy(canvas);
    const QImage mirrored =
        Page({1000, 1000, 0, 0}, {{1, Mirroring::LeftToRight}, {}}, sheet, 254).copy(canvas);
    // Black pixels of a with none of b's within a pixel: where a stroke's edge meets a pixel's
    // centre exactly, the rasterizer rounds the turned-over stroke the other way.
    const auto strays = [](const QImage& a, const QImage& b) {
        int count = 0;
        for (int y = 1; y + 1 < a.height(); ++y)
            for (int x = 1; x + 1 < a.width(); ++x) {
                bool near = false;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) near |= qGray(b.pixel(x + dx, y + dy)) < 128;
                count += qGray(a.pixel(x, y)) < 128 && !near;
            }
        return count;
    };
    const QImage turned = plain.mirrored(true, false);
    // Hinting may set a glyph's pixel or two apart.
    EXPECT_LE(strays(mirrored, turned), 10);
    EXPECT_LE(strays(turned, mirrored), 10);
    EXPECT_GT(strays(mirrored, plain), 1000);  // texts are not symmetric
}

TEST_F(PrintedPageTest, ThePrintersScaleStretchesThePageFromItsCorner) {
    const QRect plain = Ink(Page({1500, 2000, 0, 0}));
    const QRect stretched = Ink(Page({1500, 2000, 0, 0}, {{}, {1.02, 0.97}}));
    EXPECT_NEAR(stretched.left(), plain.left() * 1.02, 1.5);
    EXPECT_NEAR(stretched.right(), plain.right() * 1.02, 1.5);
    EXPECT_NEAR(stretched.top(), plain.top() * 0.97, 1.5);
    EXPECT_NEAR(stretched.bottom(), plain.bottom() * 0.97, 1.5);
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

    // Nine copies take two A4 pages; a range of the second prints that alone.
    printer.setPageSize(QPageSize(QPageSize::A4));
    const PageOptions nine{{9, Mirroring::None}, {}};
    EXPECT_EQ(PrintScale(state_, printer, {}, QStringLiteral("M4200"), nine).value, 2);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 5);
    EXPECT_EQ(PrintScale(state_, printer, {}, QStringLiteral("M4200"), nine).value, 1);
}

}  // namespace
}  // namespace quirn
