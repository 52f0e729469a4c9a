// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

#include "RenderFixtures.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "render/PlateOutline.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

using test::LaidOut;
using test::Painted;
using ::testing::ElementsAre;

TEST(PlateOutline, DefaultSquarePlate) {
    test::LaidOutScene state = LaidOut();
    const RecordingSurface s = Painted(state);

    const std::vector<DrawCall> lines = s.callsOf(DrawOp::Line);
    ASSERT_GE(lines.size(), 3u);
    // The bottom line lies below the print canvas (its lowest row is at y = -400).
    EXPECT_THAT(lines[0].points, ElementsAre(Point{-7100, -1295}, Point{7100, -1295}));
    EXPECT_THAT(lines[1].points, ElementsAre(Point{-250, 0}, Point{250, 0}));
    EXPECT_THAT(lines[2].points, ElementsAre(Point{0, -250}, Point{0, 250}));

    const std::vector<DrawCall> arcs = s.callsOf(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 1u);  // the cut-out; no graduation arc by default
    EXPECT_EQ(arcs[0].box, (Box{-940, 940, 940, -940}));
    EXPECT_THAT(arcs[0].points, ElementsAre(Point{940, 0}, Point{-940, 0}));

    const std::vector<DrawCall> chains = s.callsOf(DrawOp::Polyline);
    ASSERT_EQ(chains.size(), 1u);
    EXPECT_THAT(chains[0].points,
                ElementsAre(Point{-940, 0}, Point{-940, -310}, Point{-3460, -310},
                            Point{-3460, 4450}, Point{-2200, 5710}, Point{2200, 5710},
                            Point{3460, 4450}, Point{3460, -310}, Point{940, -310}, Point{940, 0}));

    const std::vector<DrawCall> holes = s.callsOf(DrawOp::Ellipse);
    ASSERT_EQ(holes.size(), 2u);
    EXPECT_EQ(holes[0].box, (Box{-1400, 150, -1100, -150}));
    EXPECT_EQ(holes[1].box, (Box{1100, 150, 1400, -150}));
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_THAT(lines[3].points, ElementsAre(Point{-1400, 0}, Point{-1100, 0}));
    EXPECT_THAT(lines[6].points, ElementsAre(Point{1250, -150}, Point{1250, 150}));

    // The plate is drawn with the 10-unit pen and white-filled holes.
    EXPECT_EQ(s.calls()[0].op, DrawOp::SetBlackBrush);
    EXPECT_EQ(s.calls()[0].value, 0);
    EXPECT_EQ(s.calls()[1].op, DrawOp::SetPen);
    EXPECT_EQ(s.calls()[1].value, 10);
}

TEST(PlateOutline, RadialPlate) {
    ScaleParameters p = kDefaultParameters;
    p.shape = 1;
    test::LaidOutScene state = LaidOut(p);
    const RecordingSurface s = Painted(state);

    const std::vector<DrawCall> chains = s.callsOf(DrawOp::Polyline);
    ASSERT_EQ(chains.size(), 2u);
    EXPECT_THAT(chains[0].points, ElementsAre(Point{-950, 0}, Point{-950, -310}, Point{-3460, -310},
                                              Point{-3460, 4537}));
    EXPECT_THAT(chains[1].points,
                ElementsAre(Point{3460, 4537}, Point{3460, -310}, Point{950, -310}, Point{950, 0}));
    const std::vector<DrawCall> arcs = s.callsOf(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[1].box, (Box{-5700, 5700, 5700, -5700}));
    EXPECT_THAT(arcs[1].points, ElementsAre(Point{3450, 4537}, Point{-3450, 4537}));
}

TEST(PlateOutline, RadialSideHeightForOddRadii) {
    EXPECT_EQ(RadialSideHeight(5700, 3450), 4537);
    // Beyond 46340 units the squares need 64 bits.
    EXPECT_EQ(RadialSideHeight(60000, 50000), 33166);
    EXPECT_EQ(RadialSideHeight(std::numeric_limits<int>::max(), 0),
              std::numeric_limits<int>::max());
    // A circle too small to reach the sides: no root of a negative number.
    EXPECT_EQ(RadialSideHeight(3000, 3450), 0);
    EXPECT_EQ(RadialSideHeight(0, 3450), 0);
}

// The multimeter's "V" stands on its pointer cut-out, and the label's white cell cut a gap into
// the line the plate is cut along. Every point of the cut-out's arc is black in the picture.
TEST(CutLinesRegression, ATextOverTheCutOutLeavesItsLineWhole) {
    const Result<std::string> file =
        ReadFileHead(QUIRN_TEST_SAMPLES "/Multimeter-3-scales.qrn", kParameterReadLimit);
    ASSERT_EQ(file.outcome.fault, Fault::None);
    test::LaidOutScene state = LaidOut(ReadScaleParameters(file.value));
    state.symbols = LoadSymbolImages();
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(300), PaintMode::Print).ok());
    const CanvasGeometry& g = state.canvas.geometry;
    const double radius = state.params.innerRadius - 10;
    int gaps = 0;
    for (int degree = 1; degree < 180; ++degree) {
        const double a = degree * std::numbers::pi / 180;
        const int x = g.originX + int(std::lround(radius * std::cos(a) * g.pixelsPerUnit()));
        const int y = g.originY - int(std::lround(radius * std::sin(a) * g.pixelsPerUnit()));
        bool black = false;
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                black = black || qGray(state.canvas.image.pixel(x + dx, y + dy)) < 128;
        gaps += !black;
    }
    EXPECT_EQ(gaps, 0);
}

}  // namespace
}  // namespace quirn
