// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Graduation.h"

#include <cmath>
#include <vector>

#include "render/Saturate.h"

namespace quirn {

double ArcDegrees(double halfAngle, ArcPlace place) {
    double degrees = halfAngle + 90.0;
    if (place.count != 0.0) degrees -= (2.0 * halfAngle / place.count) * place.index;
    return degrees;
}

double ArcAngle(double halfAngle, ArcPlace place) {
    return ArcDegrees(halfAngle, place) / 180.0 * kPi;
}

std::int32_t BaseRadius(const ScaleSetup& s, double theta) {
    if (s.flatten == 0) return s.tickRadius;
    // |t (cos, sin) - (0, -d)| = tickRadius + d, solved for the root ahead along the ray.
    const double d = s.flatten;
    const double r = double(s.tickRadius) + d;
    const double b = d * std::sin(theta);
    return RoundToInt(-b + std::sqrt(std::max(b * b + r * r - d * d, 0.0)));
}

TickRay::TickRay(double theta, std::int32_t width)
    : c_(std::cos(theta)), s_(std::sin(theta)), h_(static_cast<double>(width / 2)) {}

Point TickRay::Ccw(std::int64_t r) const {
    const auto radius = static_cast<double>(r);
    return {TruncToInt(radius * c_ - h_ * s_), TruncToInt(radius * s_ + h_ * c_)};
}

Point TickRay::Cw(std::int64_t r) const {
    const auto radius = static_cast<double>(r);
    return {TruncToInt(radius * c_ + h_ * s_), TruncToInt(radius * s_ - h_ * c_)};
}

std::array<Point, 4> TickPolygon(const TickRay& ray, std::int32_t baseRadius, std::int32_t length,
                                 bool inward) {
    const std::int64_t base = baseRadius;
    if (inward) {
        const std::int64_t tip = base - length;
        return {ray.Ccw(base), ray.Cw(base), ray.Cw(tip), ray.Ccw(tip)};
    }
    const std::int64_t tip = base + length;
    return {ray.Cw(base), ray.Ccw(base), ray.Ccw(tip), ray.Cw(tip)};
}

namespace {

// Rays told apart round the whole axis, at most: a device a few metres across.
constexpr std::int64_t kMaxWoundRays = std::int64_t{1} << 22;

}  // namespace

void DrawTickFamily(DrawingSurface& surface, const ScaleParameters& p, std::int32_t count,
                    std::int32_t length, std::int32_t width) {
    // Neighbours that the device cannot tell apart are drawn as one band: every position
    // whose turn from the last one drawn stays under a pixel is left out.
    std::int64_t minimumStride = 1;
    const double step = count > 0 ? std::abs(2.0 * p.halfAngle / count) / 180.0 * kPi : 0.0;
    const double turn = surface.smallestVisibleTurn();
    // A step too small for a double (a half-angle of 1e-300 degrees) puts every position on one
    // ray: the family is its two ends.
    if (std::isfinite(step) && step >= 0.0 && turn > step)
        minimumStride = static_cast<std::int64_t>(std::min(turn / step, double(count)));
    // A half-angle beyond 180 degrees winds the scale round the axis again and again: rays that
    // fall within a pixel's turn of one already drawn, on any winding, are drawn once.
    std::vector<bool> drawnRays;
    if (std::abs(p.halfAngle) > 180.0 && turn > 0.0 && 2.0 * kPi / turn < double(kMaxWoundRays))
        drawnRays.resize(std::size_t(2.0 * kPi / turn) + 1);
    ForEachPosition(
        count, kMaxDrawnTicks,
        [&](std::int64_t i) {
            const double theta = ArcAngle(p.halfAngle, ArcPlace::Division(i, count));
            if (!drawnRays.empty() && std::isfinite(theta)) {
                double around = std::fmod(theta, 2.0 * kPi);
                if (around < 0.0) around += 2.0 * kPi;
                const auto ray = std::min(std::size_t(around / turn), drawnRays.size() - 1);
                if (drawnRays[ray]) return;
                drawnRays[ray] = true;
            }
            const TickRay ray(theta, width);
            surface.polygon(TickPolygon(ray, BaseRadius(p, theta), length, p.ticksInward != 0));
        },
        minimumStride);
}

void DrawTicksAt(DrawingSurface& surface, const ScaleParameters& p, std::span<const double> angles,
                 std::int32_t length, std::int32_t width) {
    // As for equal steps: neighbours closer than the device can tell apart are drawn once.
    const double turn = surface.smallestVisibleTurn();
    const auto n = static_cast<std::int64_t>(angles.size());
    const std::int64_t stride = n <= kMaxDrawnTicks ? 1 : (n + kMaxDrawnTicks - 1) / kMaxDrawnTicks;
    double last = 0.0;
    bool drawn = false;
    for (std::int64_t i = 0; i < n; i += stride) {
        const double theta = angles[std::size_t(i)];
        if (drawn && i + stride < n && std::abs(theta - last) < turn) continue;
        const TickRay ray(theta, width);
        surface.polygon(TickPolygon(ray, BaseRadius(p, theta), length, p.ticksInward != 0));
        last = theta;
        drawn = true;
    }
}

namespace {

// A flattened scale's arc: along the circle about (0, -flatten) from the right end's ray to the
// left end's.
void DrawFlattenedArc(DrawingSurface& surface, const ScaleParameters& p) {
    const double right = (90.0 - p.halfAngle) / 180.0 * kPi;
    const double left = (90.0 + p.halfAngle) / 180.0 * kPi;
    const auto onCurve = [&](double theta) {
        const double t = BaseRadius(p, theta);
        return Point{TruncToInt(t * std::cos(theta)), TruncToInt(t * std::sin(theta))};
    };
    const std::int64_t d = p.flatten;
    const std::int64_t r = std::abs(std::int64_t{p.tickRadius} + d);
    surface.setPen(p.arcWidth);
    surface.arc({ClampToInt(-r), ClampToInt(r - d), ClampToInt(r), ClampToInt(-r - d)},
                onCurve(right), onCurve(left));
}

}  // namespace

void DrawGraduationArc(DrawingSurface& surface, const ScaleParameters& p) {
    if (p.flatten != 0) return DrawFlattenedArc(surface, p);
    // The ends as 90 -/+ halfAngle rather than through ArcAngle: a half-angle near the largest
    // double keeps a finite right end, where 90 + halfAngle - 2 x halfAngle overflows.
    const double r = p.tickRadius;
    const double right = (90.0 - p.halfAngle) / 180.0 * kPi;
    const double left = (90.0 + p.halfAngle) / 180.0 * kPi;
    const Point start{TruncToInt(r * std::cos(right)), TruncToInt(r * std::sin(right))};
    const Point end{TruncToInt(r * std::cos(left)), TruncToInt(r * std::sin(left))};
    const std::int64_t R = p.tickRadius;
    surface.setPen(p.arcWidth);
    surface.arc({ClampToInt(-R), ClampToInt(R), ClampToInt(R), ClampToInt(-R)}, start, end);
}

}  // namespace quirn
