// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <array>
#include <cmath>

#include "RenderFixtures.h"
#include "render/DeviceClip.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "render/SparseCanvas.h"
#include "support/ExtremeRecords.h"

namespace quirn {
namespace {

TEST(DeviceClip, SegmentsAndPolygonsAreCutToTheRectangle) {
    const QRectF rect(0, 0, 100, 50);
    const auto cut = ClipSegment({-100, 25}, {300, 25}, rect);
    ASSERT_TRUE(cut.has_value());
    EXPECT_EQ(cut->first, QPointF(0, 25));
    EXPECT_EQ(cut->second, QPointF(100, 25));
    EXPECT_FALSE(ClipSegment({-10, -10}, {-5, 60}, rect).has_value());
    EXPECT_EQ(ClipSegment({10, 10}, {20, 20}, rect)->second, QPointF(20, 20));

    const QPolygonF big{{-1e9, -1e9}, {1e9, -1e9}, {1e9, 1e9}, {-1e9, 1e9}};
    EXPECT_EQ(ClipPolygon(big, rect).boundingRect(), rect);
    const QPolygonF away{{200, 200}, {300, 200}, {300, 300}};
    EXPECT_TRUE(ClipPolygon(away, rect).isEmpty());

    const std::vector<QPointF> quarter = ArcPoints({0, 0}, 1000, 0, 90);
    ASSERT_GT(quarter.size(), 10u);
    EXPECT_NEAR(quarter.front().x(), 1000, 1e-9);
    EXPECT_NEAR(quarter.back().y(), -1000, 1e-9);  // counterclockwise on screen goes up
}

// Cutting a shape to the device must not change a single pixel of what shows.
TEST(DeviceClip, FarShapesDrawTheSamePixelsAsTheEngine) {
    QImage direct(300, 200, QImage::Format_RGB32);
    QImage cut(300, 200, QImage::Format_RGB32);
    direct.fill(Qt::white);
    cut.fill(Qt::white);
    {
        QPainter painter(&direct);
        painter.setPen(QPen(Qt::black, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::black);
        painter.drawLine(QPointF(150 - 1e6, 100 - 2e5), QPointF(150 + 1e6, 100 + 2e5));
        painter.drawPolygon(QPolygonF{{10, 10}, {60, 10}, {60, 1e6}, {10, 1e6}});
    }
    {
        QPainter painter(&cut);
        PainterSurface surface(painter, {QPointF(150, 100), 1, 1}, true);
        surface.setPen(5);
        surface.setBlackBrush(true);
        surface.line({-1000000, 200000}, {1000000, -200000});
        const Point poly[] = {{-140, 90}, {-90, 90}, {-90, -999900}, {-140, -999900}};
        surface.polygon(poly);
    }
    EXPECT_EQ(direct, cut);
}

// Each of these kept the raster engine busy for a minute; bench/HostileInputBench.cpp times them.
TEST(HugeCoordinatesRegression, FarTicksAndNumeralsRenderOrAreRefusedWithAMessage) {
    for (const test::NamedRecord& record : test::FarCoordinateRecords()) {
        SCOPED_TRACE(record.what);
        test::LaidOutScene state = test::LaidOut(record.params);
        const RenderResult printed =
            RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print);
        state.zoomPercent = 600;
        const RenderResult shown = RenderScale(state, {1920, 5090, 1008}, PaintMode::Screen);
        EXPECT_TRUE(printed.ok() || !printed.message.empty());
        EXPECT_TRUE(shown.ok() || !shown.message.empty());
    }
}

// A surface that tells the renderer how fine a turn its device can show.
class CoarseRecordingSurface : public RecordingSurface {
  public:
    explicit CoarseRecordingSurface(double turn) : turn_(turn) {}
    double smallestVisibleTurn() const override { return turn_; }

  private:
    double turn_;
};

// A fuzzed record with a half-angle of 2.8 million degrees wound its 20000 drawn ticks round the
// axis thousands of times, each a line across the whole plate: rays within a pixel's turn of one
// already drawn are now drawn once.
TEST(HugeCoordinatesRegression, AScaleWoundRoundTheAxisDrawsEachRayOnce) {
    ScaleParameters p = kDefaultParameters;
    p.halfAngle = 2.78528e+06;
    p.divisions = 1537213001;
    p.bigDivisions = -1;
    test::LaidOutScene state = test::LaidOut(p);
    const double turn = 2e-3;
    CoarseRecordingSurface surface(turn);
    PaintScale(state, LayOutScale(state, PaintMode::Print),
               ComputeCanvasGeometry(state, {}, PaintMode::Print), surface, PaintMode::Print);
    const std::size_t ticks = surface.callsOf(DrawOp::Polygon).size();
    EXPECT_LE(ticks, std::size_t(2 * 3.14159265358979 / turn) + 1);
    EXPECT_GT(ticks, std::size_t(3.14159265358979 / turn));  // still all the way round
}

// A half-angle of 7e-314 degrees gives a step between ticks that a double cannot hold: all two
// billion positions lie on one ray, which took 0.6 s to draw twenty thousand times.
TEST(HugeCoordinatesRegression, ATickFamilyOnOneRayDrawsItsEndsOnly) {
    ScaleParameters p = kDefaultParameters;
    p.halfAngle = 7.36367e-314;
    p.divisions = 2147483647;
    p.bigDivisions = -1;
    test::LaidOutScene state = test::LaidOut(p);
    CoarseRecordingSurface surface(1e-3);
    PaintScale(state, LayOutScale(state, PaintMode::Print),
               ComputeCanvasGeometry(state, {}, PaintMode::Print), surface, PaintMode::Print);
    EXPECT_EQ(surface.callsOf(DrawOp::Polygon).size(), 2u);
}

TEST(HugeCoordinatesRegression, TicksTheDeviceCannotTellApartAreThinnedWithoutGaps) {
    ScaleParameters p = kDefaultParameters;
    p.divisions = 100000;
    p.bigDivisions = -1;
    test::LaidOutScene state = test::LaidOut(p);
    const double turn = 1e-3;  // radians per device pixel at the farthest visible point
    CoarseRecordingSurface surface(turn);
    PaintScale(state, LayOutScale(state, PaintMode::Print),
               ComputeCanvasGeometry(state, {}, PaintMode::Print), surface, PaintMode::Print);
    const std::vector<DrawCall> ticks = surface.callsOf(DrawOp::Polygon);
    const double span = 2 * 42.5 / 180 * 3.14159265358979;
    EXPECT_LE(ticks.size(), std::size_t(span / turn * 1.02) + 2);
    EXPECT_GT(ticks.size(), std::size_t(span / turn / 2));
    // Both ends stay, and no two neighbours drawn are more than a pixel's turn apart.
    EXPECT_EQ(ticks.front().points[0], (Point{-2830, 3103}));
    EXPECT_EQ(ticks.back().points[1], (Point{2830, 3103}));
    for (std::size_t i = 1; i < ticks.size(); ++i) {
        const Point a = ticks[i - 1].points[0];
        const Point b = ticks[i].points[0];
        const double apart = std::abs(std::atan2(a.y, a.x) - std::atan2(b.y, b.x));
        ASSERT_LE(apart, turn * 1.01 + 2e-3) << i;  // corners are truncated to whole units
    }
}

// A surface that counts the texts the renderer measures and draws.
class CountingSurface : public PainterSurface {
  public:
    using PainterSurface::PainterSurface;
    Extent measureText(std::string_view text) override {
        ++measured;
        return PainterSurface::measureText(text);
    }
    int measured = 0;
};

// A fuzzed record took 8.5 s to export: a thousand numerals of 160 digits at a font size of
// kilometres were each measured, and every glyph of each outlined, though at most a glyph or two
// of each can reach the device. Numerals that cannot show are no longer measured, and of those
// that can, only the glyphs that reach the device are outlined.
TEST(HugeCoordinatesRegression, GiantNumeralsCostOnlyWhatReachesTheDevice) {
    ScaleParameters p = kDefaultParameters;
    p.name = "FUZZ";
    p.unit = "U";
    p.range = 1.623887952741999e+155;
    for (std::int32_t* field :
         {&p.outerRadius, &p.innerRadius, &p.mountingHoleSpacing, &p.tickRadius, &p.ticksInward,
          &p.divisions, &p.bigDivisions, &p.numberedDivisions, &p.bigTickLength, &p.smallTickLength,
          &p.bigTickWidth, &p.smallTickWidth, &p.arcShown, &p.arcWidth, &p.mountingAboveAxis,
          &p.mountingAboveBottom})
        *field = 2147483647;
    ScaleParameters outside = p;  // the numerals stand kilometres beyond the plate
    outside.ticksInward = 0;
    for (const ScaleParameters& record : {p, outside}) {
        test::LaidOutScene state = test::LaidOut(record);
        const CanvasGeometry g =
            ComputeCanvasGeometry(state, ReferenceDevice::ForDpi(300), PaintMode::Print);
        QImage image(g.pixelWidth, g.pixelHeight, QImage::Format_Grayscale8);
        ASSERT_FALSE(image.isNull());
        QPainter painter(&image);
        CountingSurface surface(painter, DrawingTransform::OfCanvas(g), true);
        PaintScale(state, LayOutScale(state, PaintMode::Print),
                   ComputeCanvasGeometry(state, {}, PaintMode::Print), surface, PaintMode::Print);
        const int numerals = surface.measured;  // painting measures only numerals
        if (record.ticksInward == 0) {
            EXPECT_LE(numerals, 2) << "only the upright end numerals may come near";
        } else {
            EXPECT_LE(surface.giantGlyphs(), 4 * numerals);
        }
    }
}

}  // namespace
}  // namespace quirn

namespace quirn {
namespace {

// A fuzzed record took 0.6 to 1 s at 300 dpi: 866 numerals of 185 digits cross a 69 mm plate a
// tenth of a degree apart, each covering the one before but for a sliver of its white cell, and
// the digits of every one were outlined and filled. Glyphs that the next numeral's cell covers
// are no longer drawn, and the picture is the same pixel for pixel.
TEST(HugeCoordinatesRegression, NumeralsCoveredByTheNextNumeralAreNotDrawn) {
    ScaleParameters p = kDefaultParameters;
    p.range = 1.59341e+184;
    p.tickRadius = 4326;
    p.numberedDivisions = 4326;
    p.bigTickLength = 0;
    p.bigTickWidth = 15;
    test::LaidOutScene state = test::LaidOut(p);
    const CanvasGeometry g =
        ComputeCanvasGeometry(state, ReferenceDevice::ForDpi(300), PaintMode::Print);
    std::array<QImage, 2> pictures;
    std::array<qsizetype, 2> runs{};
    for (int hold : {0, 1}) {
        QImage& image = pictures[std::size_t(hold)];
        image = QImage(g.pixelWidth, g.pixelHeight, QImage::Format_Grayscale8);
        image.fill(Qt::white);
        QPainter painter(&image);
        PainterSurface surface(painter, DrawingTransform::OfCanvas(g), true);
        surface.setHoldNumeralGlyphs(hold == 1);
        PaintScale(state, LayOutScale(state, PaintMode::Print),
                   ComputeCanvasGeometry(state, {}, PaintMode::Print), surface, PaintMode::Print);
        runs[std::size_t(hold)] = surface.glyphRuns();
    }
    EXPECT_GT(runs[0], 800);
    EXPECT_LT(runs[1], runs[0] / 10);
    EXPECT_TRUE(pictures[0] == pictures[1]);
}

// The VU meter exported in colour at 9600 dpi crashed: its canvas of 30993 x 23434 pixels is a
// device of 2.9 GB, and the raster engine reached the rows beyond 2 GiB of it through an int that
// wrapped round, far outside the device. The canvas is now painted through windows the engine
// can address; a picture scaled onto the last rows lands there.
TEST(HighResolutionColourCanvasRegression, RowsBeyondTwoGigabytesArePaintedInPlace) {
    CanvasGeometry g;
    g.pixelWidth = 30993;
    g.pixelHeight = 23434;
    SparseCanvas canvas(g, QImage::Format_RGB32);
    ASSERT_TRUE(canvas.reserve());
    QImage black(2, 2, QImage::Format_RGB32);
    black.fill(Qt::black);
    const QRect painted(100, 23400, 100, 4);
    int rows = 0;
    canvas.paint(
        painted.adjusted(-1, 0, 1, 0),
        [&](QPainter& painter, const DrawingTransform& transform, const QRect&) {
            painter.drawImage(QRectF(painted).translated(transform.origin), black);
        },
        [&](const uchar* pixels, int x, int y, int width) {
            ++rows;
            const auto* row = reinterpret_cast<const QRgb*>(pixels);
            ASSERT_EQ(x, painted.left() - 1);
            ASSERT_EQ(width, painted.width() + 2);
            EXPECT_EQ(qGray(row[0]), 255) << y;
            for (int i = 1; i <= painted.width(); ++i) ASSERT_EQ(qGray(row[i]), 0) << y;
            EXPECT_EQ(qGray(row[width - 1]), 255) << y;
        });
    EXPECT_EQ(rows, painted.height());
}

}  // namespace
}  // namespace quirn
