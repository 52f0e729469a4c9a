// SPDX-License-Identifier: GPL-3.0-or-later
// Where the ticks and numerals of each law land in the printed picture.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <tuple>

#include "RenderFixtures.h"
#include "model/ExtensionText.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "render/Labels.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

constexpr double kPi = 3.14159265358979;

struct LawCase {
    const char* lines;  // the extension lines of the record
    double range;
    std::vector<double> values;            // the ticks' values
    std::function<double(double)> expect;  // the fraction of the arc each belongs at
};

// Black or white at a point in drawing units of a 600-dpi printed picture.
bool BlackAt(const Canvas& canvas, double x, double y) {
    const CanvasGeometry& g = canvas.geometry;
    const int px = g.originX + int(std::lround(x * g.pixelsPerUnit()));
    const int py = g.originY - int(std::lround(y * g.pixelsPerUnit()));
    return qGray(canvas.image.pixel(px, py)) < 128;
}

TEST(ScaleLawsPicture, EveryLawPutsItsTicksAtTheFractionOfTheArcItsMovementGives) {
    const std::vector<LawCase> cases{
        {"start\t= -50\r\n", 50, {-50, -20, 0, 35, 50}, [](double v) { return (v + 50) / 100; }},
        {"law\t= square\r\n", 10, {0, 2, 4, 6, 8, 10}, [](double v) { return v * v / 100; }},
        {"start\t= -20\r\nlaw\t= db\r\n",
         3,
         {-20, -10, -3, 0, 3},
         [](double v) { return std::pow(10.0, (v - 3) / 20); }},
        {"law\t= ohm\r\nnumbers\t= 0 50\r\n",
         50,
         {0, 10, 50, 200, 1000},
         [](double v) { return 50 / (v + 50); }},
        {"law\t= table\r\npoints\t= 0:0 1:0.08 2:0.21 5:0.6 10:1\r\n",
         10,
         {0, 1, 2, 5, 10},
         [](double v) {
             return v == 0 ? 0 : v == 1 ? 0.08 : v == 2 ? 0.21 : v == 5 ? 0.6 : 1;
         }},
        {"law\t= swr\r\n", 0, {1, 1.5, 2, 3, 10}, [](double v) { return (v - 1) / (v + 1); }},
    };
    for (const LawCase& c : cases) {
        ScaleParameters p = kDefaultParameters;
        p.range = c.range;
        std::string lines = c.lines;
        lines += "ticks\t= " + ValueListText(c.values) + "\r\nbigticks\t= \r\n";
        if (lines.find("numbers") == std::string::npos) lines += "numbers\t= \r\n";
        p = ReadScaleParameters(WriteParameterText(p) + lines);
        test::LaidOutScene state = test::LaidOut(p);
        ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok())
            << c.lines;

        // Halfway along each small tick, on its ray, the picture is black; halfway between two
        // neighbours it is white.
        const double r = p.tickRadius + p.smallTickLength / 2.0;
        const auto angle = [&](double f) {
            return (p.halfAngle + 90 - 2 * p.halfAngle * f) * kPi / 180;
        };
        for (std::size_t i = 0; i < c.values.size(); ++i) {
            const double a = angle(c.expect(c.values[i]));
            EXPECT_TRUE(BlackAt(state.canvas, r * std::cos(a), r * std::sin(a)))
                << c.lines << " value " << c.values[i];
            if (i == 0) continue;
            const double between = (a + angle(c.expect(c.values[i - 1]))) / 2;
            EXPECT_FALSE(BlackAt(state.canvas, r * std::cos(between), r * std::sin(between)))
                << c.lines << " between " << c.values[i - 1] << " and " << c.values[i];
        }
    }
}

// A file's table whose fractions fall drew a folded scale, and its list values outside the scale
// were drawn beyond its start ("-40=40" on the VU meter). Now the falling point and the values
// outside are left out: the numerals that are drawn run along the scale in the order of their
// values, turned less and less to the left.
TEST(ScaleChecksRegression, AFileKeepsItsFoldedPointsAndOutsideValuesOutOfTheDrawing) {
    struct Case {
        const char* lines;
        std::vector<std::string> drawn;  // the numerals, in the order of their values
    };
    const std::vector<Case> cases{
        {"start\t= -20\r\nlaw\t= db\r\nnumbers\t= -40=40 -20=20 -10=10 0 3=+3\r\n",
         {"20", "10", "0", "+3"}},
        {"law\t= table\r\npoints\t= 0:0 1:0.9 2:0.5 3:1\r\nnumbers\t= 0 1 1.5 2 3 4\r\n",
         {"0", "1", "1.5", "2", "3"}},
    };
    ScaleParameters record = kDefaultParameters;
    record.range = 3;
    for (const Case& c : cases) {
        const ScaleParameters p = ReadScaleParameters(WriteParameterText(record) + c.lines);
        test::LaidOutScene state = test::LaidOut(p);
        const RecordingSurface drawn = test::Painted(state);
        std::vector<std::string> texts;
        std::vector<int> turns;
        for (const DrawCall& call : drawn.callsOf(DrawOp::TextOut)) {
            if (call.font.cellHeight != NumeralFont(p).cellHeight) continue;
            texts.push_back(call.text);
            turns.push_back(call.font.escapement);
        }
        EXPECT_EQ(texts, c.drawn) << c.lines;
        // The ends stand upright; between them each numeral is turned less than the one before.
        for (std::size_t i = 2; i + 1 < turns.size(); ++i)
            EXPECT_LT(turns[i], turns[i - 1]) << c.lines << " " << texts[i];
    }
}

// The battery tester's red and yellow zones touch at 11.5 V and were both hatched "///" in the
// one-bit picture, so that the two read as one. Zones that touch are now hatched apart: in the
// middle of each zone, between its ticks, black pixels run on along one diagonal or the other.
TEST(ZoneHatchRegression, TouchingZonesAreHatchedInDifferentDirections) {
    const Result<std::string> file =
        ReadFileHead(QUIRN_TEST_SAMPLES "/Battery-tester-12V.qrn", kParameterReadLimit);
    ASSERT_EQ(file.outcome.fault, Fault::None);
    test::LaidOutScene state = test::LaidOut(ReadScaleParameters(file.value));
    const ScaleParameters& p = state.params;
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    // The direction the black runs take near a point of the plate: +1 rising, -1 falling, 0 both.
    const auto direction = [&](double value) {
        const double f = (value - p.start) / (p.range - p.start);
        const double a = (p.halfAngle + 90 - 2 * p.halfAngle * f) * kPi / 180;
        const double r = p.tickRadius + p.smallTickLength / 2.0;
        int rising = 0;
        int falling = 0;
        for (int dy = -40; dy <= 40; dy += 2) {
            for (int dx = -40; dx <= 40; dx += 2) {
                const double x = r * std::cos(a) + dx;
                const double y = r * std::sin(a) + dy;
                if (!BlackAt(state.canvas, x, y)) continue;
                const double pixel = 1.0 / state.canvas.geometry.pixelsPerUnit();
                rising += BlackAt(state.canvas, x + pixel, y + pixel);
                falling += BlackAt(state.canvas, x + pixel, y - pixel);
            }
        }
        return rising > 2 * falling ? 1 : falling > 2 * rising ? -1 : 0;
    };
    ASSERT_EQ(p.ext.zones.size(), 3u);
    // Halfway between two small ticks, half a volt apart, in each zone.
    const int red = direction(10.25);
    const int yellow = direction(11.75);
    const int green = direction(13.75);
    EXPECT_NE(red, yellow);
    EXPECT_NE(yellow, green);
    EXPECT_NE(red, 0);  // a zone with no neighbour on one side is hatched one way
}

TEST(ScaleLawsPicture, AnOhmmeterNumbersInfinityUprightAtTheLeftEndAndListTextsReplaceNumbers) {
    ScaleParameters p = kDefaultParameters;
    p.range = 50;
    p.law = ScaleLaw::Ohm;
    p.ticks = std::vector<double>{0, 50, 1000};
    p.numbers = ParseMarkList("0 50 1000=1k");
    test::LaidOutScene state = test::LaidOut(p);
    const RecordingSurface drawn = test::Painted(state);
    std::vector<std::pair<std::string, int>> numerals;
    for (const DrawCall& c : drawn.callsOf(DrawOp::TextOut))
        if (c.font.cellHeight == 600) numerals.push_back({c.text, c.font.escapement});
    // "∞", then the list with its own text for 1000.
    const std::vector<std::pair<std::string, int>> expected{
        {"∞", 0}, {"0", 0}, {"50", 0}, {"1k", int(10 * (42.5 - 85 * 50.0 / 1050))}};
    EXPECT_EQ(numerals, expected);
}

// A standing-wave-ratio scale ends in infinity on the right: an upright "∞" over a big tick, and
// 2, a third of the reflected voltage, a third of the way along.
TEST(ScaleLawsPicture, AnSwrScaleNumbersInfinityUprightAtTheRightEnd) {
    ScaleParameters p = kDefaultParameters;
    p.law = ScaleLaw::Swr;
    p.numbers = ParseMarkList("1 2");
    test::LaidOutScene state = test::LaidOut(p);
    std::vector<std::tuple<std::string, int, bool>> numerals;  // text, turn, right of the axis
    for (const DrawCall& c : test::Painted(state).callsOf(DrawOp::TextOut))
        if (c.font.cellHeight == 600)
            numerals.emplace_back(c.text, c.font.escapement, c.points.front().x > 0);
    const std::vector<std::tuple<std::string, int, bool>> expected{
        {"∞", 0, true}, {"1", 0, false}, {"2", int(10 * (42.5 - 85 / 3.0)), false}};
    EXPECT_EQ(numerals, expected);
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    const double a = (90 - p.halfAngle) * kPi / 180;
    const double r = p.tickRadius + (p.smallTickLength + p.bigTickLength) / 2.0;
    EXPECT_TRUE(BlackAt(state.canvas, r * std::cos(a), r * std::sin(a)));  // a big tick only
}

}  // namespace
}  // namespace quirn

namespace quirn {
namespace {

TEST(PlacesRegression, ElementsPlacedOnABiggerPlateAreBroughtBackOntoASmallerOne) {
    using E = MovableElement;
    ScaleParameters p = kDefaultParameters;
    p.ext.places[std::size_t(Index(E::NameLabel))] = Place{-3400, 2000};
    p.ext.places[std::size_t(Index(E::StandardLabel))] = Place{3300, -250};
    test::LaidOutScene state = test::LaidOut(p);
    test::Painted(state);
    EXPECT_EQ(state.laid.layout.anchors[std::size_t(Index(E::NameLabel))], At(-3400, 2000));
    // The plate made 40 x 30 mm, its bottom 1 mm below the axis: both labels keep as near their
    // places as lets them lie wholly on it.
    p.plateWidth = 4000;
    p.plateHeight = 3000;
    p.mountingAboveBottom = 100;
    state = test::LaidOut(p);
    test::Painted(state);
    for (E e : {E::NameLabel, E::StandardLabel}) {
        const std::size_t i = std::size_t(Index(e));
        const Box cell = ElementBox(e, state.laid.layout.anchors[i], state.laid.sizes[i], {});
        EXPECT_GE(cell.left, -2000) << Index(e);
        EXPECT_LE(cell.right, 2000) << Index(e);
        EXPECT_GE(cell.bottom, -100) << Index(e);
        EXPECT_LE(cell.top, 2900) << Index(e);
    }
    EXPECT_EQ(state.laid.layout.anchors[std::size_t(Index(E::NameLabel))], At(-2000, 2000));
    EXPECT_EQ(state.laid.layout.anchors[std::size_t(Index(E::StandardLabel))].x, 2000);
}

}  // namespace
}  // namespace quirn
