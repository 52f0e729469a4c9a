// SPDX-License-Identifier: GPL-3.0-or-later
// A flattened arc and a mirror slot where the printed picture shows them.
#include <gtest/gtest.h>

#include <cmath>

#include "RenderFixtures.h"

namespace quirn {
namespace {

constexpr double kPi = 3.14159265358979;

bool BlackAt(const Canvas& canvas, double x, double y) {
    const CanvasGeometry& g = canvas.geometry;
    const int px = g.originX + int(std::lround(x * g.pixelsPerUnit()));
    const int py = g.originY - int(std::lround(y * g.pixelsPerUnit()));
    return qGray(canvas.image.pixel(px, py)) < 128;
}

QRgb PixelAt(const Canvas& canvas, double r, double theta) {
    const CanvasGeometry& g = canvas.geometry;
    const int px = g.originX + int(std::lround(r * std::cos(theta) * g.pixelsPerUnit()));
    const int py = g.originY - int(std::lround(r * std::sin(theta) * g.pixelsPerUnit()));
    return canvas.image.pixel(px, py) & 0xFFFFFF;
}

double RayAngle(const ScaleParameters& p, double fraction) {
    return (90.0 + p.halfAngle - 2.0 * p.halfAngle * fraction) * kPi / 180.0;
}

// How far along the ray the base curve lies: the point found by halving whose distance from the
// curve's centre (0, -flatten) is tickRadius + flatten.
double CurveAlong(const ScaleParameters& p, double theta) {
    const double d = p.flatten;
    const auto beyond = [&](double t) {
        return std::hypot(t * std::cos(theta), t * std::sin(theta) + d) > p.tickRadius + d;
    };
    double low = 0.0;
    double high = 10.0 * p.tickRadius;
    for (int k = 0; k < 60; ++k) (beyond((low + high) / 2) ? high : low) = (low + high) / 2;
    return low;
}

Canvas Printed(const ScaleParameters& p, PaintMode mode = PaintMode::Print) {
    test::LaidOutScene state = test::LaidOut(p);
    EXPECT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), mode).ok());
    return state.canvas;
}

// A flattened scale's big ticks, at both ends and a third of the way along, start on the circle
// about (0, -flatten) through (0, tickRadius) and run their length along their rays.
TEST(FlattenedArc, TicksStandOnTheBaseCurveAlongTheirRays) {
    struct Case {
        std::int32_t flatten;
        std::int32_t inward;
    };
    for (const Case c : {Case{3000, 0}, Case{3000, 1}, Case{-1000, 0}}) {
        ScaleParameters p = kDefaultParameters;
        p.flatten = c.flatten;
        p.ticksInward = c.inward;
        p.numbers = std::vector<Mark>{};  // no numeral on the end rays
        const Canvas canvas = Printed(p);
        for (double f : {0.0, 1.0 / 3.0, 1.0}) {
            const double theta = RayAngle(p, f);
            const auto black = [&](double r) {
                return BlackAt(canvas, r * std::cos(theta), r * std::sin(theta));
            };
            const double base = CurveAlong(p, theta);
            // From the side away from the tick toward it: the first black is its base.
            const double step = c.inward != 0 ? -1.0 : 1.0;
            double r = base - 200.0 * step;
            while (!black(r) && std::abs(r - base) < 1000.0) r += step;
            const double found = r;
            while (black(r) && std::abs(r - base) < 1000.0) r += step;
            const std::string where = std::to_string(c.flatten) + (c.inward ? " inward" : "") +
                                      " at " + std::to_string(f);
            EXPECT_NEAR(found, base, 6.0) << where;
            if (c.inward == 0) {
                EXPECT_NEAR(r - found, p.bigTickLength, 10.0) << where;
            }
            if (f != 1.0 / 3.0) {
                EXPECT_GT(std::abs(base - p.tickRadius), 300.0) << where;
            }
        }
    }
}

// The numerals move with their ticks: each by the distance from the circle about the axis to the
// curve, along its own ray.
TEST(FlattenedArc, NumeralsKeepTheirDistanceFromTheCurve) {
    const auto numerals = [](const ScaleParameters& p) {
        test::LaidOutScene state = test::LaidOut(p);
        std::vector<Point> at;
        for (const DrawCall& c : test::Painted(state).callsOf(DrawOp::TextOut))
            if (c.font.cellHeight == 600) at.push_back(c.points.front());
        return at;
    };
    ScaleParameters p = kDefaultParameters;
    const std::vector<Point> round = numerals(p);
    p.flatten = 3000;
    const std::vector<Point> flat = numerals(p);
    ASSERT_EQ(round.size(), 4u);
    ASSERT_EQ(flat.size(), round.size());
    for (std::size_t i = 0; i < round.size(); ++i) {
        const double theta = RayAngle(p, double(i) / 3.0);
        const double shift = CurveAlong(p, theta) - p.tickRadius;
        EXPECT_NEAR(flat[i].x - round[i].x, shift * std::cos(theta), 3.0) << i;
        EXPECT_NEAR(flat[i].y - round[i].y, shift * std::sin(theta), 3.0) << i;
    }
}

// The arc and a zone follow the curve: between two ticks the arc is on it and the zone just
// beyond it, where the circle about the axis lies white.
TEST(FlattenedArc, TheArcAndTheZonesFollowTheCurve) {
    ScaleParameters p = kDefaultParameters;
    p.flatten = 3000;
    p.arcShown = 1;
    p.ext.zones.push_back({1, 10.0, 15.0, 0x00C000});
    const Canvas canvas = Printed(p, PaintMode::Screen);
    for (double f : {0.7 + 1.0 / 60.0, 0.9 + 1.0 / 60.0}) {  // halfway between small ticks
        const double theta = RayAngle(p, f);
        const double base = CurveAlong(p, theta);
        EXPECT_EQ(PixelAt(canvas, base, theta), 0x000000u) << f;
        EXPECT_EQ(PixelAt(canvas, base + p.smallTickLength / 2.0, theta), 0x00C000u) << f;
        EXPECT_EQ(PixelAt(canvas, p.tickRadius + 50.0, theta), 0xFFFFFFu) << f;
    }
}

// The mirror's slot is four cut lines drawn last, over everything else, which stays as it was:
// two arcs about the axis and the radial ends at scale 1's ends.
TEST(MirrorSlot, TheBandIsOutlinedOverScaleOnesAngleAndNothingElseChanges) {
    ScaleParameters p = kDefaultParameters;
    test::LaidOutScene plain = test::LaidOut(p);
    const std::vector<DrawCall> before = test::Painted(plain).calls();
    p.ext.mirror = MirrorSlot{3300, 250};
    test::LaidOutScene slotted = test::LaidOut(p);
    const std::vector<DrawCall> after = test::Painted(slotted).calls();
    ASSERT_EQ(after.size(), before.size() + 4);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), after.begin()));
    const std::vector<DrawOp> added{after[before.size()].op, after[before.size() + 1].op,
                                    after[before.size() + 2].op, after[before.size() + 3].op};
    EXPECT_EQ(added, (std::vector<DrawOp>{DrawOp::Arc, DrawOp::Arc, DrawOp::Line, DrawOp::Line}));

    const Canvas canvas = Printed(p);
    // Within a pixel across the line: the pen is two pixels wide.
    const auto black = [&](double r, double degrees) {
        const double a = degrees * kPi / 180.0;
        for (double across : {-4.0, 0.0, 4.0})
            if (BlackAt(canvas, r * std::cos(a) - across * std::sin(a),
                        r * std::sin(a) + across * std::cos(a)))
                return true;
        return false;
    };
    for (double degrees : {60.0, 120.0}) {
        EXPECT_TRUE(black(3300, degrees)) << degrees;
        EXPECT_TRUE(black(3550, degrees)) << degrees;
        EXPECT_FALSE(black(3425, degrees)) << degrees;
    }
    for (double degrees : {90.0 - p.halfAngle, 90.0 + p.halfAngle}) {
        EXPECT_TRUE(black(3425, degrees)) << degrees;
        EXPECT_FALSE(black(3425, degrees + (degrees > 90 ? 2.0 : -2.0))) << degrees;  // beyond
    }
}

}  // namespace
}  // namespace quirn
