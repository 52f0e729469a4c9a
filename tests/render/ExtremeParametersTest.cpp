// SPDX-License-Identifier: GPL-3.0-or-later
// Records read from files are never validated: any mix of values must render or be refused,
// never crash, overflow or print "nan". Most useful under the sanitizers.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "RenderFixtures.h"
#include "support/ExtremeRecords.h"

namespace quirn {
namespace {

ScaleParameters RandomRecord(std::mt19937& random) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    const std::array<int, 10> lengths{kMin, -1'000'000, -450, -1, 0, 7, 950, 4200, 60'000, kMax};
    const std::array<int, 5> counts{-1, 0, 1, 3, 30};
    const std::array<double, 6> angles{-1e308, -90.0, 0.0, 42.5, 360.0, 1e308};
    const std::array<double, 5> ranges{-1e308, 0.0, 2.5, 15.0, 1e308};
    const auto pick = [&random](const auto& values) {
        return values[std::uniform_int_distribution<std::size_t>(0, values.size() - 1)(random)];
    };
    ScaleParameters p = kDefaultParameters;
    p.range = pick(ranges);
    p.halfAngle = pick(angles);
    p.shape = pick(lengths);
    for (std::int32_t* field :
         {&p.plateWidth, &p.plateHeight, &p.cornerBevel, &p.outerRadius, &p.innerRadius,
          &p.mountingHoleSpacing, &p.tickRadius, &p.ticksInward, &p.bigTickLength,
          &p.smallTickLength, &p.bigTickWidth, &p.smallTickWidth, &p.arcShown, &p.arcWidth,
          &p.mountingAboveAxis, &p.mountingAboveBottom}) {
        *field = pick(lengths);
    }
    for (std::int32_t* field : {&p.divisions, &p.bigDivisions, &p.numberedDivisions})
        *field = pick(counts);
    return p;
}

TEST(ExtremeParameters, RenderOrAreRefused) {
    std::mt19937 random(20240601);
    for (int n = 0; n < 300; ++n) {
        test::LaidOutScene state = test::LaidOut(RandomRecord(random));
        state.zoomPercent = 100 * (1 + n % 10);
        const bool screen = n % 2 == 0;
        const RecordingSurface recorded =
            test::Painted(state, screen ? PaintMode::Screen : PaintMode::Print);
        for (const DrawCall& text : recorded.callsOf(DrawOp::TextOut)) {
            EXPECT_EQ(text.text.find("nan"), std::string::npos) << n;
        }
        // A coarse device keeps the canvases that are accepted small.
        const RenderResult result =
            RenderScale(state, screen ? ReferenceDevice{1, 100, 500} : ReferenceDevice{1, 50, 0},
                        screen ? PaintMode::Screen : PaintMode::Print);
        const CanvasGeometry& g = state.canvas.geometry;
        if (result.ok()) {
            EXPECT_EQ(state.canvas.image.size(), QSize(g.pixelWidth, g.pixelHeight)) << n;
        } else {
            EXPECT_EQ(result.status, RenderStatus::CanvasTooLarge) << n;
            EXPECT_TRUE(state.canvas.image.isNull()) << n;
        }
    }
}

// How long each takes is measured in bench/HostileInputBench.cpp.
TEST(ExtremeParameters, NamedExtremesDrawSoundly) {
    for (const test::NamedRecord& c : test::NamedExtremes()) {
        SCOPED_TRACE(c.what);
        test::LaidOutScene state = test::LaidOut(c.params);
        const RecordingSurface recorded = test::Painted(state, PaintMode::Screen);
        for (const DrawCall& text : recorded.callsOf(DrawOp::TextOut)) {
            EXPECT_EQ(text.text.find("nan"), std::string::npos);
            EXPECT_EQ(text.text.find("inf"), std::string::npos);
            EXPECT_GT(text.font.escapement, -3600);
            EXPECT_LT(text.font.escapement, 3600);
        }
        const RenderResult result =
            RenderScale(state, ReferenceDevice{96, 254, 1000}, PaintMode::Screen);
        if (!result.ok()) {
            EXPECT_EQ(result.status, RenderStatus::CanvasTooLarge);
            EXPECT_FALSE(result.message.empty());
        }
    }
}

TEST(ExtremeParameters, NumeralsOfExtremeRangesAndTinyRadii) {
    ScaleParameters p = kDefaultParameters;
    p.range = -15.0;
    test::LaidOutScene negative = test::LaidOut(p);
    std::vector<std::string> numerals;
    for (const DrawCall& c : test::Painted(negative).callsOf(DrawOp::TextOut))
        if (c.font.cellHeight == 600) numerals.push_back(c.text);
    EXPECT_EQ(numerals, (std::vector<std::string>{"0", "-5", "-10", "-15"}));

    // A range too small for three decimals reads 0 everywhere, never "-0".
    p.range = -1e-300;
    test::LaidOutScene tiny = test::LaidOut(p);
    int zeros = 0;
    for (const DrawCall& c : test::Painted(tiny).callsOf(DrawOp::TextOut)) {
        if (c.font.cellHeight != 600) continue;
        EXPECT_EQ(c.text, "0");
        ++zeros;
    }
    EXPECT_EQ(zeros, 4);

    // Under 7 the numeral font's height truncates to 0: the platform's default size then.
    for (const int rdel : {0, 6}) {
        p = kDefaultParameters;
        p.tickRadius = rdel;
        test::LaidOutScene small = test::LaidOut(p);
        const RecordingSurface recorded = test::Painted(small);
        const std::vector<DrawCall> texts = recorded.callsOf(DrawOp::TextOut);
        EXPECT_EQ(std::count_if(texts.begin(), texts.end(),
                                [](const DrawCall& c) { return c.font.cellHeight == 0; }),
                  4)
            << rdel;
        EXPECT_TRUE(RenderScale(small, ReferenceDevice{96, 254, 1000}, PaintMode::Screen).ok())
            << rdel;
    }
}

}  // namespace
}  // namespace quirn
