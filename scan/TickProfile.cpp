// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/TickProfile.h"

#include <algorithm>
#include <cmath>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace quirn {
namespace {

constexpr double kAlong = 0.25;  // pixels between samples along a ray
constexpr double kAcross = 0.5;  // and across it

double Median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

// The darkness on a strip about the ray at angle theta: rows across (-half..half), columns along
// (from..to), by bilinear interpolation.
cv::Mat Strip(const cv::Mat& darkness, cv::Point2d pivot, double theta, double from, double to,
              double half) {
    const int cols = std::max(2, int((to - from) / kAlong) + 1);
    const int rows = 2 * int(half / kAcross) + 1;
    cv::Mat mapX(rows, cols, CV_32F), mapY(rows, cols, CV_32F);
    const cv::Point2d u(std::cos(theta), std::sin(theta)), n(-u.y, u.x);
    for (int r = 0; r < rows; ++r) {
        const double t = (r - rows / 2) * kAcross;
        auto* mx = mapX.ptr<float>(r);
        auto* my = mapY.ptr<float>(r);
        for (int c = 0; c < cols; ++c) {
            const cv::Point2d p = pivot + (from + c * kAlong) * u + t * n;
            mx[c] = float(p.x), my[c] = float(p.y);
        }
    }
    cv::Mat strip;
    cv::remap(darkness, strip, mapX, mapY, cv::INTER_LINEAR, cv::BORDER_CONSTANT, cv::Scalar(0));
    return strip;
}

// The paper's own darkness beside the stroke (not quite 0 where the paper is uneven): the mean
// of the strip's outermost rows.
double Baseline(const cv::Mat& strip) {
    const int edge = std::max(1, strip.rows / 6);
    return (cv::mean(strip.rowRange(0, edge))[0] +
            cv::mean(strip.rowRange(strip.rows - edge, strip.rows))[0]) /
           2.0;
}

// Where, walking from index start by step, the profile first falls below level, interpolated
// between samples.
std::optional<double> HalfCrossing(const std::vector<double>& v, int start, int step,
                                   double level) {
    for (int i = start; i + step >= 0 && i + step < int(v.size()); i += step) {
        const double a = v[std::size_t(i)], b = v[std::size_t(i + step)];
        if (a >= level && b < level) return i + step * (a - level) / (a - b);
    }
    return std::nullopt;
}

// The highest of the samples, refined by the parabola through it and its neighbours.
double Peak(const cv::Mat& column) {
    cv::Point at;
    double top = 0.0;
    cv::minMaxLoc(column, nullptr, &top, nullptr, &at);
    const int i = at.y;
    if (i <= 0 || i + 1 >= column.rows) return top;
    const double a = column.at<double>(i - 1), b = top, c = column.at<double>(i + 1);
    const double bend = a - 2.0 * b + c;
    if (bend >= 0.0) return top;
    const double shift = 0.5 * (a - c) / bend;
    return b - 0.25 * (a - c) * shift;
}

bool UnderRing(const std::optional<InkRing>& ring, double r, double margin) {
    return ring && r > ring->inner - margin && r < ring->outer + margin;
}

}  // namespace

std::optional<TickMeasure> MeasureTick(const cv::Mat& darkness, const TickStroke& stroke,
                                       const TickSampling& s) {
    const cv::Point2d d = stroke.centre - s.pivot;
    const double middle = cv::norm(d);
    const double half =
        std::min(stroke.width / 2.0 + 4.0, std::max(s.room, stroke.width / 2.0 + 1.5));
    double theta = std::atan2(d.y, d.x);
    const double reach = stroke.length / 2.0 + 8.0;
    const double from =
        std::max(0.0, middle - reach - (s.ring ? s.ring->outer - s.ring->inner : 0.0));
    const double to = middle + reach + (s.ring ? s.ring->outer - s.ring->inner : 0.0);
    cv::Mat strip = Strip(darkness, s.pivot, theta, from, to, half);
    strip -= Baseline(strip);

    // Summed across: the ink's amount at each radius; its centroid across: the centre line.
    cv::Mat amount;
    cv::reduce(strip, amount, 0, cv::REDUCE_SUM, CV_64F);
    amount *= kAcross;
    cv::Mat smooth;
    cv::blur(amount, smooth, {5, 1}, {-1, -1}, cv::BORDER_REPLICATE);
    std::vector<double> profile(smooth.begin<double>(), smooth.end<double>());

    // The plateau from the middle half of the stroke, clear of the ring.
    std::vector<double> body;
    std::vector<double> offsets;
    cv::Mat across = cv::Mat::zeros(strip.rows, 1, CV_64F);
    const double margin = 3.0;
    for (int c = 0; c < strip.cols; ++c) {
        const double r = from + c * kAlong;
        if (std::abs(r - middle) > stroke.length / 4.0 || UnderRing(s.ring, r, margin)) continue;
        body.push_back(profile[std::size_t(c)]);
        for (int row = 0; row < strip.rows; ++row)
            across.at<double>(row) += strip.at<float>(row, c);
        double moment = 0.0, mass = 0.0;
        for (int row = 0; row < strip.rows; ++row) {
            const double v = strip.at<float>(row, c);
            moment += v * (row - strip.rows / 2) * kAcross;
            mass += v;
        }
        if (mass > 0.0) offsets.push_back(moment / mass);
    }
    if (body.size() < 4) return std::nullopt;
    const double plateau = Median(body);
    if (plateau <= 0.0) return std::nullopt;

    TickMeasure m;
    // Normal (-sin, cos) turns the angle forward: an offset across is a turn of offset / radius.
    m.angle = theta + Median(offsets) / middle;
    m.amount = plateau;
    m.peak = Peak(across / double(body.size()));
    const int centre = std::clamp(int((middle - from) / kAlong), 0, int(profile.size()) - 1);
    const auto radiusAt = [&](double index) { return from + index * kAlong; };
    // The end on the ring's side lies under the ring: walking that way would cross the ring.
    const bool ringInside = s.ring && (s.ring->inner + s.ring->outer) / 2.0 < middle;
    const bool ringOutside = s.ring && !ringInside;
    if (const auto in = HalfCrossing(profile, centre, -1, plateau / 2.0); in && !ringInside)
        m.inner = radiusAt(*in);
    if (const auto out = HalfCrossing(profile, centre, +1, plateau / 2.0); out && !ringOutside)
        m.outer = radiusAt(*out);
    // The blur's spread where an end was found, a quarter to three quarters of the plateau; the
    // smoothing above adds its own share, taken off in quadrature later.
    const auto spread = [&](int step) -> std::optional<double> {
        const auto low = HalfCrossing(profile, centre, step, plateau / 4.0);
        const auto high = HalfCrossing(profile, centre, step, 3.0 * plateau / 4.0);
        if (!low || !high) return std::nullopt;
        return std::abs(*low - *high) * kAlong;
    };
    if (m.outer)
        m.edge = spread(+1);
    else if (m.inner)
        m.edge = spread(-1);
    return m;
}

std::optional<ArcMeasure> MeasureArc(const cv::Mat& darkness, const std::vector<ArcSample>& where,
                                     const TickSampling& s) {
    if (!s.ring) return std::nullopt;
    const double reach = (s.ring->outer - s.ring->inner) + 6.0;
    const double from = std::max(0.0, s.ring->inner - reach), to = s.ring->outer + reach;
    std::vector<double> radii, amounts;
    for (const ArcSample& at : where) {
        const cv::Mat strip = Strip(darkness, s.pivot, at.angle, from, to, std::min(3.0, at.room));
        cv::Mat across;
        // Averaged across the strip, then read along the ray: the arc's profile.
        cv::reduce(strip, across, 0, cv::REDUCE_AVG, CV_64F);
        std::vector<double> v(across.begin<double>(), across.end<double>());
        const int edge = std::max(2, int(v.size()) / 8);
        double base = 0.0;
        for (int i = 0; i < edge; ++i) base += v[std::size_t(i)] + v[v.size() - 1 - std::size_t(i)];
        base /= 2.0 * edge;
        double mass = 0.0, moment = 0.0;
        for (std::size_t i = 0; i < v.size(); ++i) {
            const double w = v[i] - base;
            mass += w * kAlong;
            moment += w * kAlong * (from + double(i) * kAlong);
        }
        if (mass <= 0.0) continue;
        radii.push_back(moment / mass);
        amounts.push_back(mass);
    }
    if (radii.size() < 3) return std::nullopt;
    return ArcMeasure{Median(radii), Median(amounts)};
}

double StrokeWidth(double amount, double peak, double blur) {
    if (peak <= 0.0 || blur <= 0.0) return amount / std::max(peak, 1e-9);
    // amount / peak = w / erf(w / (2 sqrt(2) blur)) grows with w: halved until it brackets.
    const double ratio = amount / peak;
    const auto f = [&](double w) { return w / std::erf(w / (2.0 * std::sqrt(2.0) * blur)); };
    double low = 1e-6, high = std::max(ratio, 1.0);
    if (f(low) >= ratio) return low;
    while (f(high) < ratio) high *= 2.0;
    for (int i = 0; i < 60; ++i) {
        const double mid = (low + high) / 2.0;
        (f(mid) < ratio ? low : high) = mid;
    }
    return (low + high) / 2.0;
}

}  // namespace quirn
