// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "RenderFixtures.h"
#include "render/Graduation.h"

namespace quirn {
namespace {

using test::LaidOut;
using test::Painted;
using ::testing::ElementsAre;

std::vector<DrawCall> Numerals(const RecordingSurface& s) {
    // The numerals are the texts drawn after the first tick.
    const auto& calls = s.calls();
    const auto firstTick = std::find_if(calls.begin(), calls.end(),
                                        [](const DrawCall& c) { return c.op == DrawOp::Polygon; });
    std::vector<DrawCall> found;
    std::copy_if(firstTick, calls.end(), std::back_inserter(found),
                 [](const DrawCall& c) { return c.op == DrawOp::TextOut; });
    return found;
}

TEST(Graduation, DefaultTicksInDrawingOrder) {
    test::LaidOutScene state = LaidOut();
    const RecordingSurface s = Painted(state);
    const std::vector<DrawCall> ticks = s.callsOf(DrawOp::Polygon);
    ASSERT_EQ(ticks.size(), 31u + 16u);
    EXPECT_THAT(ticks[0].points, ElementsAre(Point{-2830, 3103}, Point{-2844, 3089},
                                             Point{-3047, 3310}, Point{-3032, 3324}));
    // The first big tick stands where the first small one does, wider and longer.
    EXPECT_THAT(ticks[31].points, ElementsAre(Point{-2826, 3106}, Point{-2848, 3086},
                                              Point{-3152, 3418}, Point{-3130, 3438}));
    // The last small tick mirrors the first.
    EXPECT_THAT(ticks[30].points, ElementsAre(Point{2844, 3089}, Point{2830, 3103},
                                              Point{3032, 3324}, Point{3047, 3310}));

    // Tick pen and black brush come after every text of the plate and before the ticks.
    const auto& calls = s.calls();
    const auto firstTick = std::find_if(calls.begin(), calls.end(),
                                        [](const DrawCall& c) { return c.op == DrawOp::Polygon; });
    ASSERT_GE(firstTick - calls.begin(), 2);
    EXPECT_EQ((firstTick - 2)->op, DrawOp::SetPen);
    EXPECT_EQ((firstTick - 2)->value, 1);
    EXPECT_EQ((firstTick - 1)->op, DrawOp::SetBlackBrush);
    EXPECT_EQ((firstTick - 1)->value, 1);
    EXPECT_EQ(std::count_if(calls.begin(), firstTick,
                            [](const DrawCall& c) { return c.op == DrawOp::TextOut; }),
              4);
    EXPECT_EQ(Numerals(s).size(), 4u);
}

TEST(Graduation, TicksRunInwardOrOutwardFromRdel) {
    for (int outR : {0, 1}) {
        ScaleParameters p = kDefaultParameters;
        p.ticksInward = outR;
        test::LaidOutScene state = LaidOut(p);
        for (const DrawCall& tick : Painted(state).callsOf(DrawOp::Polygon)) {
            for (const Point& q : tick.points) {
                const double r = std::hypot(q.x, q.y);
                if (outR == 0) {
                    EXPECT_GE(r, 4200 - 2);
                } else {
                    EXPECT_LE(r, 4200 + 2);
                }
            }
        }
    }
}

TEST(Graduation, OddWidthIsOneUnitNarrower) {
    ScaleParameters p = kDefaultParameters;
    p.halfAngle = -90.0;  // the first tick lies along +x, where sine and cosine are exact
    p.smallTickWidth = 25;
    test::LaidOutScene state = LaidOut(p);
    EXPECT_THAT(Painted(state).callsOf(DrawOp::Polygon)[0].points,
                ElementsAre(Point{4200, -12}, Point{4200, 12}, Point{4500, 12}, Point{4500, -12}));
}

TEST(Graduation, ArcOverTheSpanOfTheGraduation) {
    ScaleParameters p = kDefaultParameters;
    p.arcShown = 1;
    test::LaidOutScene state = LaidOut(p);
    RecordingSurface s = Painted(state);
    const std::vector<DrawCall> arcs = s.callsOf(DrawOp::Arc);
    ASSERT_EQ(arcs.size(), 2u);
    EXPECT_EQ(arcs[0].box, (Box{-4200, 4200, 4200, -4200}));
    EXPECT_THAT(arcs[0].points, ElementsAre(Point{2837, 3096}, Point{-2837, 3096}));
    // With its own pen; only the cut lines come after it.
    const auto arc = std::find(s.calls().begin(), s.calls().end(), arcs[0]);
    ASSERT_NE(arc, s.calls().begin());
    EXPECT_EQ(std::prev(arc)->value, 30);

    state.params.arcShown = 0;
    state.params.arcWidth = 500;
    EXPECT_EQ(Painted(state).callsOf(DrawOp::Arc).size(), 1u);
}

TEST(Graduation, NegativeAndZeroCounts) {
    ScaleParameters p = kDefaultParameters;
    p.bigDivisions = -1;
    test::LaidOutScene state = LaidOut(p);
    RecordingSurface s = Painted(state);
    EXPECT_EQ(s.callsOf(DrawOp::Polygon).size(), 31u);
    EXPECT_EQ(Numerals(s).size(), 4u);

    // A family of no divisions has one position, at the left end of the scale.
    state.params = kDefaultParameters;
    state.params.divisions = 0;
    state.params.bigDivisions = -5;
    s = Painted(state);
    const std::vector<DrawCall> ticks = s.callsOf(DrawOp::Polygon);
    ASSERT_EQ(ticks.size(), 1u);
    EXPECT_THAT(ticks[0].points, ElementsAre(Point{-2830, 3103}, Point{-2844, 3089},
                                             Point{-3047, 3310}, Point{-3032, 3324}));

    state.params.numberedDivisions = 0;
    s = Painted(state);
    const std::vector<DrawCall> numerals = Numerals(s);
    ASSERT_EQ(numerals.size(), 1u);
    EXPECT_EQ(numerals[0].text, "0");
    EXPECT_EQ(numerals[0].font.escapement, 0);
    EXPECT_LT(numerals[0].points[0].x, -2800);  // under the left end of the scale

    state.params.numberedDivisions = -1;
    EXPECT_TRUE(Numerals(Painted(state)).empty());
}

// A count near INT_MAX once meant two billion polygons per repaint: the program stalled.
TEST(GraduationRegression, HugeCountsDrawABoundedSubsetWithBothEnds) {
    ScaleParameters p = kDefaultParameters;
    p.divisions = 2147483647;
    p.bigDivisions = -1;
    p.numberedDivisions = 2000000000;
    test::LaidOutScene state = LaidOut(p);
    const RecordingSurface s = Painted(state);
    const std::vector<DrawCall> ticks = s.callsOf(DrawOp::Polygon);
    ASSERT_LE(ticks.size(), std::size_t(kMaxDrawnTicks + 2));
    ASSERT_GE(ticks.size(), std::size_t(kMaxDrawnTicks / 2));
    // The ends stay at the ends of the scale: the first at 132.5 degrees, the last mirrored.
    EXPECT_EQ(ticks.front().points[0], (Point{-2830, 3103}));
    EXPECT_EQ(ticks.back().points[1], (Point{2830, 3103}));
    const std::vector<DrawCall> numerals = Numerals(s);
    ASSERT_LE(numerals.size(), std::size_t(kMaxDrawnNumerals + 2));
    EXPECT_EQ(numerals.front().text, "0");
    EXPECT_EQ(numerals.back().text, "15");
}

}  // namespace
}  // namespace quirn
