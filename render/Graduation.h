// SPDX-License-Identifier: GPL-3.0-or-later
// Ticks on the rays from the pointer axis, standing on the scale's base curve, and the arc along
// it.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"

namespace quirn {

inline constexpr double kPi = 3.14159265358979;

// A place along the arc: `index` of `count` equal divisions from its left end, and a fraction f
// of the arc as index f of 1, so that equal divisions and the values a law places turn by one
// rule. A count of 0 has its single place at the left end.
struct ArcPlace {
    double index = 0.0;
    double count = 1.0;
    static ArcPlace Fraction(double f) { return {f, 1.0}; }
    static ArcPlace Division(std::int64_t i, std::int32_t count) {
        return {static_cast<double>(i), static_cast<double>(count)};
    }
};

// The direction of a place, counterclockwise from the x axis: the left end at 90 + halfAngle
// degrees, the right end at 90 - halfAngle.
double ArcDegrees(double halfAngle, ArcPlace place);
double ArcAngle(double halfAngle, ArcPlace place);  // in radians

// A family of more positions than these is so dense that neighbours lie far closer than any device
// pixel; it is drawn as an even subset that keeps both ends, so an absurd count cannot stall the
// program.
inline constexpr std::int64_t kMaxDrawnTicks = 20000;
inline constexpr std::int64_t kMaxDrawnNumerals = 1000;

// Calls visit(i) for the positions of a family of `count` divisions that are drawn: all of
// 0..count when count is within limit, none when count is negative; at least every
// minimumStride-th position otherwise, and always the last.
template <class Visit>
void ForEachPosition(std::int32_t count, std::int64_t limit, Visit visit,
                     std::int64_t minimumStride = 1) {
    if (count < 0) return;
    const std::int64_t stride =
        std::max(count <= limit ? 1 : (count + limit - 1) / limit, minimumStride);
    for (std::int64_t i = 0; i < count; i += stride) visit(i);
    visit(std::int64_t{count});
}

// How far along the ray at theta (radians) from the pointer axis the scale's base curve lies:
// tickRadius on the circle about the axis; on a flattened scale, where the ray meets the circle
// through (0, tickRadius) about (0, -flatten).
std::int32_t BaseRadius(const ScaleSetup& s, double theta);

// A tick of the given width along the ray at angle theta; corners at radius r, truncated.
class TickRay {
  public:
    TickRay(double theta, std::int32_t width);
    Point Ccw(std::int64_t r) const;  // the corner on the counterclockwise side of the ray
    Point Cw(std::int64_t r) const;   // the corner on the clockwise side
    double c() const { return c_; }
    double s() const { return s_; }

  private:
    double c_;
    double s_;
    double h_;  // half the width, halved as an integer
};

// The four corners of a tick in drawing order: from its base at radius base to its tip, inward
// when inward is set.
std::array<Point, 4> TickPolygon(const TickRay& ray, std::int32_t base, std::int32_t length,
                                 bool inward);

// One family of `count` equal divisions of the arc, each tick of the given length and width.
void DrawTickFamily(DrawingSurface& surface, const ScaleParameters& p, std::int32_t count,
                    std::int32_t length, std::int32_t width);
// Ticks on the rays at the given angles (radians).
void DrawTicksAt(DrawingSurface& surface, const ScaleParameters& p, std::span<const double> angles,
                 std::int32_t length, std::int32_t width);

// The arc along the base curve over the span of the graduation, with its own pen.
void DrawGraduationArc(DrawingSurface& surface, const ScaleParameters& p);

}  // namespace quirn
