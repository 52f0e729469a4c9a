// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/PivotFit.h"

#include <algorithm>
#include <cmath>

namespace quirn {
namespace {

constexpr int kFewestLines = 3;

cv::Point2d Normal(const WeightedLine& l) {
    return {-l.direction.y, l.direction.x};
}

// The point nearest all the given lines in the weighted least-squares sense.
std::optional<cv::Point2d> LeastSquares(const std::vector<WeightedLine>& lines,
                                        const std::vector<int>& use) {
    cv::Matx22d a = cv::Matx22d::zeros();
    cv::Vec2d b(0.0, 0.0);
    for (int i : use) {
        const WeightedLine& l = lines[std::size_t(i)];
        const cv::Point2d n = Normal(l);
        const cv::Vec2d nv(n.x, n.y);
        a += l.weight * nv * nv.t();
        b += l.weight * n.dot(l.point) * nv;
    }
    cv::Vec2d x;
    if (!cv::solve(a, b, x, cv::DECOMP_LU)) return std::nullopt;
    return cv::Point2d(x[0], x[1]);
}

bool PassesThrough(const WeightedLine& l, cv::Point2d p, double tolerance) {
    return AngleOff(l, p) <= tolerance && cv::norm(p - l.point) >= 2.0 * l.length;
}

std::vector<int> Passing(const std::vector<WeightedLine>& lines, cv::Point2d p, double tolerance) {
    std::vector<int> passing;
    for (int i = 0; i < int(lines.size()); ++i)
        if (PassesThrough(lines[std::size_t(i)], p, tolerance)) passing.push_back(i);
    return passing;
}

template <class Miss>
double Scatter(const std::vector<WeightedLine>& lines, const std::vector<int>& use, cv::Point2d p,
               Miss miss) {
    double sum = 0.0;
    for (int i : use) sum += std::pow(miss(lines[std::size_t(i)], p), 2);
    return use.empty() ? 0.0 : std::sqrt(sum / double(use.size()));
}

}  // namespace

double DistanceToLine(const WeightedLine& line, cv::Point2d p) {
    return std::abs(Normal(line).dot(p - line.point));
}

double AngleOff(const WeightedLine& line, cv::Point2d p) {
    return DistanceToLine(line, p) / std::max(cv::norm(p - line.point), 1.0);
}

std::optional<MeetingPoint> RefinePoint(const std::vector<WeightedLine>& lines, cv::Point2d guess,
                                        double tolerance) {
    MeetingPoint m{guess, 0.0, Passing(lines, guess, tolerance)};
    // A few rounds: each fit may bring in lines the guess missed and shut out strays.
    for (int round = 0; round < 4; ++round) {
        if (int(m.kept.size()) < kFewestLines) return std::nullopt;
        const std::optional<cv::Point2d> p = LeastSquares(lines, m.kept);
        if (!p) return std::nullopt;
        m.point = *p;
        m.scatter = Scatter(lines, m.kept, m.point, DistanceToLine);
        // Four and a half spreads: at three, one tick in a few hundred would be dropped by
        // chance, and a missing tick miscounts the divisions.
        const double limit =
            std::min(tolerance, std::max(4.5 * Scatter(lines, m.kept, m.point, AngleOff), 0.002));
        std::vector<int> kept = Passing(lines, m.point, limit);
        if (kept == m.kept) break;
        m.kept = std::move(kept);
    }
    if (int(m.kept.size()) < kFewestLines) return std::nullopt;
    return m;
}

std::optional<MeetingPoint> ConsensusPoint(const std::vector<WeightedLine>& lines,
                                           double tolerance) {
    if (int(lines.size()) < kFewestLines) return std::nullopt;
    // Pairs drawn by a fixed seed: the same scan gives the same answer every time.
    cv::RNG rng(0x5ca1e);
    const int n = int(lines.size());
    const int tries = std::min(600, n * (n - 1) / 2);
    std::optional<cv::Point2d> best;
    double bestWeight = 0.0;
    for (int t = 0; t < tries; ++t) {
        const int i = rng.uniform(0, n), j = rng.uniform(0, n);
        if (i == j) continue;
        const WeightedLine& a = lines[std::size_t(i)];
        const WeightedLine& b = lines[std::size_t(j)];
        const double cross = a.direction.cross(b.direction);
        if (std::abs(cross) < 0.02) continue;  // nearly parallel: a poor crossing
        const double s = (b.point - a.point).cross(b.direction) / cross;
        const cv::Point2d p = a.point + s * a.direction;
        double weight = 0.0;
        for (const WeightedLine& l : lines)
            if (PassesThrough(l, p, tolerance)) weight += l.weight;
        if (weight > bestWeight) bestWeight = weight, best = p;
    }
    if (!best) return std::nullopt;
    return RefinePoint(lines, *best, tolerance);
}

}  // namespace quirn
