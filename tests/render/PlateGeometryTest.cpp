// SPDX-License-Identifier: GPL-3.0-or-later
// A flattened arc and a mirror slot where the printed picture shows them.
#include <gtest/gtest.h>

#include <cmath>

#include "RenderFixtures.h"

namespace quirn {
namespace {

constexpr double kPi = 3.14159265358979;

// Black within a pixel of the point r along the ray at the given degrees.
bool BlackOnRay(const Canvas& canvas, double r, double degrees) {
    const CanvasGeometry& g = canvas.geometry;
    const double a = degrees * kPi / 180.0;
    const int px = g.originX + int(std::lround(r * std::cos(a) * g.pixelsPerUnit()));
    const int py = g.originY - int(std::lround(r * std::sin(a) * g.pixelsPerUnit()));
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            if (qGray(canvas.image.pixel(px + dx, py + dy)) < 128) return true;
    return false;
}

Canvas Printed(const ScaleParameters& p) {
    test::LaidOutScene state = test::LaidOut(p);
    EXPECT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    return state.canvas;
}

// A flattened scale's big ticks, at its ends and a third of the way along, start where their rays
// meet the circle through (0, Rdel) about (0, -flatten), found by halving, and run outward.
TEST(FlattenedArc, TicksStandOnTheBaseCurveAlongTheirRays) {
    for (const int d : {3000, -1000}) {
        ScaleParameters p = kDefaultParameters;
        p.flatten = d;
        p.numbers = std::vector<Mark>{};  // no numeral on the end rays
        const Canvas canvas = Printed(p);
        for (const double degrees : {132.5, 90.0 + 42.5 - 85.0 / 3.0, 47.5}) {
            const double a = degrees * kPi / 180.0;
            double low = 0.0, high = 3.0 * p.tickRadius;
            for (int k = 0; k < 50; ++k) {
                const double t = (low + high) / 2.0;
                const bool beyond =
                    std::hypot(t * std::cos(a), t * std::sin(a) + d) > p.tickRadius + d;
                (beyond ? high : low) = t;
            }
            double r = low - 200.0;
            while (!BlackOnRay(canvas, r, degrees) && r < low + 200.0) ++r;
            EXPECT_NEAR(r, low, 8.0) << d << " at " << degrees;
            EXPECT_TRUE(BlackOnRay(canvas, low + p.bigTickLength - 15, degrees)) << d;
            EXPECT_FALSE(BlackOnRay(canvas, low + p.bigTickLength + 15, degrees)) << d;
        }
    }
}

// The mirror's slot adds four cut lines after everything else, which stays as it was: arcs at its
// two radii over scale 1's angle and the radial ends between them.
TEST(MirrorSlot, TheBandIsOutlinedOverScaleOnesAngleAndNothingElseChanges) {
    ScaleParameters p = kDefaultParameters;
    test::LaidOutScene plain = test::LaidOut(p);
    const std::vector<DrawCall> before = test::Painted(plain).calls();
    p.ext.mirror = MirrorSlot{3300, 250};
    test::LaidOutScene slotted = test::LaidOut(p);
    std::vector<DrawCall> after = test::Painted(slotted).calls();
    ASSERT_EQ(after.size(), before.size() + 4);
    after.resize(before.size());
    EXPECT_EQ(after, before);

    const Canvas canvas = Printed(p);
    for (const double degrees : {60.0, 120.0}) {
        EXPECT_TRUE(BlackOnRay(canvas, 3300, degrees) && BlackOnRay(canvas, 3550, degrees));
        EXPECT_FALSE(BlackOnRay(canvas, 3425, degrees)) << degrees;
    }
    for (const double degrees : {47.5, 132.5}) {
        EXPECT_TRUE(BlackOnRay(canvas, 3425, degrees)) << degrees;
        EXPECT_FALSE(BlackOnRay(canvas, 3425, degrees + (degrees > 90 ? 2 : -2))) << degrees;
    }
}

}  // namespace
}  // namespace quirn
