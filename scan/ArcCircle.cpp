// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ArcCircle.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>

namespace quirn {
namespace {

// The circle through three points; nothing when they lie nearly on a line.
std::optional<std::pair<cv::Point2d, double>> Through(cv::Point2d a, cv::Point2d b, cv::Point2d c) {
    const double d = 2.0 * (a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y));
    if (std::abs(d) < 1e-6) return std::nullopt;
    const double a2 = a.dot(a), b2 = b.dot(b), c2 = c.dot(c);
    const cv::Point2d centre((a2 * (b.y - c.y) + b2 * (c.y - a.y) + c2 * (a.y - b.y)) / d,
                             (a2 * (c.x - b.x) + b2 * (a.x - c.x) + c2 * (b.x - a.x)) / d);
    return std::pair{centre, cv::norm(a - centre)};
}

// Least squares on x² + y² + D x + E y + F = 0, linear in D, E and F.
std::optional<std::pair<cv::Point2d, double>> Fit(const std::vector<cv::Point2d>& points) {
    cv::Mat a(int(points.size()), 3, CV_64F), b(int(points.size()), 1, CV_64F), x;
    for (int i = 0; i < a.rows; ++i) {
        const cv::Point2d& p = points[std::size_t(i)];
        a.at<double>(i, 0) = p.x, a.at<double>(i, 1) = p.y, a.at<double>(i, 2) = 1.0;
        b.at<double>(i) = -p.dot(p);
    }
    if (!cv::solve(a, b, x, cv::DECOMP_SVD)) return std::nullopt;
    const cv::Point2d centre(-x.at<double>(0) / 2.0, -x.at<double>(1) / 2.0);
    const double r2 = centre.dot(centre) - x.at<double>(2);
    if (r2 <= 0.0) return std::nullopt;
    return std::pair{centre, std::sqrt(r2)};
}

}  // namespace

std::optional<OutlineCircle> ArcCircle(const cv::Mat& inkMask, double minRadius) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(inkMask, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    if (contours.empty()) return std::nullopt;
    const auto& longest =
        *std::max_element(contours.begin(), contours.end(),
                          [](const auto& a, const auto& b) { return a.size() < b.size(); });
    const int n = int(longest.size());
    if (n < 50) return std::nullopt;
    const auto at = [&](int i) { return cv::Point2d(longest[std::size_t(i)]); };
    constexpr double kNear = 1.0;  // pixels: an outline follows its edge within one
    // Three points a fixed seed picks a stretch apart along the outline: most of the outline runs
    // round the ticks, so three points picked anywhere would seldom all lie on the arc.
    cv::RNG rng(0xa7c);
    std::optional<std::pair<cv::Point2d, double>> best;
    int bestCount = 0;
    const int stretch = std::max(10, int(minRadius / 2.0));
    for (int t = 0; t < 600; ++t) {
        const int i = rng.uniform(0, n), d = rng.uniform(stretch / 4, stretch + 1);
        const auto circle = Through(at(i), at((i + d) % n), at((i + 2 * d) % n));
        if (!circle || circle->second < minRadius || circle->second > 1e5) continue;
        int count = 0;
        for (int p = 0; p < n; ++p)
            count += std::abs(cv::norm(at(p) - circle->first) - circle->second) <= kNear ? 1 : 0;
        if (count > bestCount) bestCount = count, best = circle;
    }
    // An arc runs at least as far as the least radius; a chance circle through a tick's corner
    // does not.
    if (!best || bestCount < std::max(50, int(minRadius))) return std::nullopt;
    OutlineCircle found;
    for (int p = 0; p < n; ++p)
        if (std::abs(cv::norm(at(p) - best->first) - best->second) <= kNear)
            found.points.push_back(at(p));
    const auto refined = Fit(found.points);
    if (!refined) return std::nullopt;
    found.centre = refined->first;
    found.radius = refined->second;
    return found;
}

}  // namespace quirn
