// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/TickFinder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <opencv2/imgproc.hpp>

namespace quirn {
namespace {

constexpr double kPi = std::numbers::pi;

// The angles about p, measured from the middle direction of the points, that the points span:
// where the ticks lie.
std::pair<double, double> SpanAbout(const std::vector<cv::Point2d>& points, cv::Point2d p,
                                    double& middle) {
    cv::Point2d sum(0.0, 0.0);
    for (const cv::Point2d& q : points) sum += (q - p) / std::max(cv::norm(q - p), 1e-9);
    middle = std::atan2(sum.y, sum.x);
    double low = 0.0, high = 0.0;
    for (const cv::Point2d& q : points) {
        const double a = std::remainder(std::atan2(q.y - p.y, q.x - p.x) - middle, 2.0 * kPi);
        low = std::min(low, a), high = std::max(high, a);
    }
    return {low, high};
}

// The radii about p that the points showing the ticks reach, widened by a quarter: a base arc
// lies among them, while a circle far inside them is the plate's cut-out about the pivot.
std::pair<double, double> ReachAbout(const std::vector<cv::Point2d>& points, cv::Point2d p) {
    double low = std::numeric_limits<double>::max(), high = 0.0;
    for (const cv::Point2d& q : points) {
        const double r = cv::norm(q - p);
        low = std::min(low, r), high = std::max(high, r);
    }
    return {0.75 * std::min(low, high), 1.25 * high};
}

// The ring of ink that covers nearly all the ticks' span about p at some radius the ticks
// reach: a base arc.
std::optional<InkRing> FindRing(const cv::Mat& inkMask, cv::Point2d p, double middle,
                                std::pair<double, double> span, std::pair<double, double> reach) {
    const double farthest = std::max({cv::norm(p), cv::norm(p - cv::Point2d(inkMask.cols, 0)),
                                      cv::norm(p - cv::Point2d(0, inkMask.rows)),
                                      cv::norm(p - cv::Point2d(inkMask.cols, inkMask.rows))});
    const int radii = int(std::ceil(farthest));
    constexpr int kAngles = 1440;
    cv::Mat polar;
    cv::warpPolar(
        inkMask, polar, {radii, kAngles}, p, farthest,
        int(cv::INTER_NEAREST) | int(cv::WARP_POLAR_LINEAR) | int(cv::WARP_FILL_OUTLIERS));
    // Rows run round the full turn from the x axis; keep those within the span.
    std::vector<double> coverage(std::size_t(radii), 0.0);
    int rows = 0;
    for (int r = 0; r < kAngles; ++r) {
        const double a = std::remainder(2.0 * kPi * r / kAngles - middle, 2.0 * kPi);
        if (a < span.first || a > span.second) continue;
        ++rows;
        const auto* row = polar.ptr<std::uint8_t>(r);
        for (int c = 0; c < radii; ++c) coverage[std::size_t(c)] += row[c] != 0 ? 1.0 : 0.0;
    }
    if (rows == 0) return std::nullopt;
    const double scale = farthest / radii;
    const auto from =
        std::clamp(std::ptrdiff_t(reach.first / scale), std::ptrdiff_t{0}, std::ptrdiff_t(radii));
    const auto to = std::clamp(std::ptrdiff_t(std::ceil(reach.second / scale)) + 1, from,
                               std::ptrdiff_t(radii));
    if (from == to) return std::nullopt;
    const auto peak = std::max_element(coverage.begin() + from, coverage.begin() + to);
    if (*peak < 0.8 * rows) return std::nullopt;
    int inner = int(peak - coverage.begin()), outer = inner;
    while (inner > 0 && coverage[std::size_t(inner - 1)] >= 0.5 * *peak) --inner;
    while (outer + 1 < radii && coverage[std::size_t(outer + 1)] >= 0.5 * *peak) ++outer;
    return InkRing{inner * scale, (outer + 1) * scale};
}

std::optional<TickStroke> StrokeOf(const cv::Mat& labels, const cv::Mat& darkness, int label,
                                   const cv::Rect& box) {
    cv::Mat weights;
    darkness(box).copyTo(weights, labels(box) == label);
    const cv::Moments m = cv::moments(weights);
    if (m.m00 <= 0.0) return std::nullopt;
    const double xx = m.mu20 / m.m00, yy = m.mu02 / m.m00, xy = m.mu11 / m.m00;
    const double mean = (xx + yy) / 2.0,
                 half = std::sqrt(((xx - yy) / 2.0) * ((xx - yy) / 2.0) + xy * xy);
    const double along = mean + half, across = std::max(mean - half, 1e-6);
    // A tick is a bar: far longer than wide.
    if (along < 16.0 * across) return std::nullopt;
    const double angle = 0.5 * std::atan2(2.0 * xy, xx - yy);
    TickStroke s;
    s.centre = {box.x + m.m10 / m.m00, box.y + m.m01 / m.m00};
    s.direction = {std::cos(angle), std::sin(angle)};
    s.length = std::sqrt(12.0 * along);
    s.width = std::sqrt(12.0 * across);
    return s;
}

std::vector<TickStroke> Strokes(const cv::Mat& inkMask, const cv::Mat& darkness,
                                double pixelsPerMm) {
    cv::Mat labels, stats, centroids;
    const int count =
        cv::connectedComponentsWithStats(inkMask, labels, stats, centroids, 8, CV_32S);
    std::vector<TickStroke> strokes;
    const int smallest = std::max(6, int(0.05 * pixelsPerMm * pixelsPerMm));
    for (int i = 1; i < count; ++i) {
        if (stats.at<int>(i, cv::CC_STAT_AREA) < smallest) continue;
        const cv::Rect box(stats.at<int>(i, cv::CC_STAT_LEFT), stats.at<int>(i, cv::CC_STAT_TOP),
                           stats.at<int>(i, cv::CC_STAT_WIDTH),
                           stats.at<int>(i, cv::CC_STAT_HEIGHT));
        if (std::optional<TickStroke> s = StrokeOf(labels, darkness, i, box)) strokes.push_back(*s);
    }
    return strokes;
}

// Where the pivot is thought to be, and points about it that show where the ticks lie.
struct Guess {
    cv::Point2d point;
    std::vector<cv::Point2d> around;
};

// A longer stroke points more surely, but no stroke counts for more than one twice as long as
// most: the plate's edges and bevels are long straight strokes too, and their meeting must not
// outweigh the ticks'.
std::vector<WeightedLine> LinesOf(const std::vector<TickStroke>& strokes) {
    std::vector<double> lengths;
    for (const TickStroke& t : strokes) lengths.push_back(t.length);
    double most = std::numeric_limits<double>::max();
    if (!lengths.empty()) {
        const auto mid = lengths.begin() + std::ptrdiff_t(lengths.size() / 2);
        std::nth_element(lengths.begin(), mid, lengths.end());
        most = 2.0 * *mid;
    }
    std::vector<WeightedLine> lines;
    for (const TickStroke& t : strokes) {
        const double counted = std::min(t.length, most);
        lines.push_back({t.centre, t.direction, counted * counted, t.length});
    }
    return lines;
}

Guess GuessOf(const MeetingPoint& m, const std::vector<TickStroke>& strokes) {
    Guess g{m.point, {}};
    for (int i : m.kept) g.around.push_back(strokes[std::size_t(i)].centre);
    return g;
}

// Cut the ring away about the guess, with a margin for the guess's own error.
cv::Mat WithoutRing(const cv::Mat& inkMask, cv::Point2d centre, const InkRing& ring,
                    double pixelsPerMm) {
    cv::Mat separate = inkMask.clone();
    const double margin = 2.0 + 0.1 * pixelsPerMm;
    const double radius = (ring.inner + ring.outer) / 2.0;
    const double thickness = ring.outer - ring.inner + 2.0 * margin;
    constexpr int kShift = 4;
    cv::circle(separate,
               cv::Point(int(std::lround(centre.x * (1 << kShift))),
                         int(std::lround(centre.y * (1 << kShift)))),
               int(std::lround(radius * (1 << kShift))), cv::Scalar(0), int(std::ceil(thickness)),
               cv::LINE_8, kShift);
    return separate;
}

}  // namespace

TickStrokes FindTickStrokes(const InkSeparation& ink, double pixelsPerMm) {
    TickStrokes found;
    if (cv::countNonZero(ink.inkMask) == 0) return found;
    // Ticks drawn by hand or scanned crooked still point within a degree or two of the pivot.
    constexpr double loose = 0.03;
    // Without an arc the ticks are strokes of their own, whose lines meet at the pivot; an arc
    // joins them, and its clean side is a circle about the pivot.
    std::vector<TickStroke> strokes = Strokes(ink.inkMask, ink.darkness, pixelsPerMm);
    found.pivot = ConsensusPoint(LinesOf(strokes), loose);
    std::optional<Guess> guess;
    constexpr std::size_t kClearly = 6;
    if (found.pivot && found.pivot->kept.size() >= kClearly) {
        guess = GuessOf(*found.pivot, strokes);
    } else if (const auto circle = ArcCircle(ink.inkMask, 5.0 * pixelsPerMm)) {
        guess = Guess{circle->centre, circle->points};
    }
    // Cutting the ring away about a better guess may free more ticks.
    for (int pass = 0; pass < 3 && guess; ++pass) {
        double middle = 0.0;
        const auto span = SpanAbout(guess->around, guess->point, middle);
        const std::optional<InkRing> ring = FindRing(ink.inkMask, guess->point, middle, span,
                                                     ReachAbout(guess->around, guess->point));
        if (!ring && pass == 0 && found.pivot) break;  // separate strokes, no arc: done
        std::vector<TickStroke> next =
            Strokes(ring ? WithoutRing(ink.inkMask, guess->point, *ring, pixelsPerMm) : ink.inkMask,
                    ink.darkness, pixelsPerMm);
        if (pass > 0 && next.size() <= strokes.size()) break;
        strokes = std::move(next);
        found.ring = ring;
        const std::vector<WeightedLine> lines = LinesOf(strokes);
        found.pivot = RefinePoint(lines, guess->point, loose);
        if (!found.pivot || found.pivot->kept.size() * 2 < lines.size())
            found.pivot = ConsensusPoint(lines, loose);
        if (!found.pivot) break;
        guess = GuessOf(*found.pivot, strokes);
    }
    found.candidates = int(strokes.size());
    if (!found.pivot) return found;
    // The ring once more about the pivot the strokes settled, for the arc's measures to start
    // from: the one that freed them was found about a rougher guess.
    if (found.ring) {
        const Guess settled = GuessOf(*found.pivot, strokes);
        double middle = 0.0;
        const auto span = SpanAbout(settled.around, settled.point, middle);
        if (const auto ring = FindRing(ink.inkMask, settled.point, middle, span,
                                       ReachAbout(settled.around, settled.point)))
            found.ring = ring;
    }
    for (int i : found.pivot->kept) found.strokes.push_back(strokes[std::size_t(i)]);
    return found;
}

}  // namespace quirn
