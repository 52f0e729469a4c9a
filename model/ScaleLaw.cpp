// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ScaleLaw.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/ExtensionText.h"
#include "model/ScaleKeys.h"

namespace quirn {

std::vector<ResolvedScale> ResolveScales(const ScaleParameters& p) {
    std::vector<ResolvedScale> scales;
    ResolvedScale first;
    first.graduation = p;
    first.graduation.ext = {};
    first.law = p.ext.first;
    scales.push_back(first);
    for (std::size_t k = 0; k < p.ext.further.size() && k + 2 <= kMaxScales; ++k) {
        const FurtherScale& s = p.ext.further[k];
        ResolvedScale r = first;
        r.number = int(k) + 2;
        ScaleParameters& g = r.graduation;
        for (const ScaleIntegerKey& key : kScaleIntegerKeys)
            if (const auto& own = s.*key.own) g.*key.inherited = *own;
        if (s.range) g.range = *s.range;
        if (s.start) r.law.start = *s.start;
        if (s.law) r.law.law = *s.law;
        if (s.points) r.law.points = *s.points;
        if (s.ticks) r.law.ticks = s.ticks;
        if (s.bigticks) r.law.bigticks = s.bigticks;
        if (s.numbers) r.law.numbers = s.numbers;
        r.unit = s.unit.value_or(std::string());
        r.unitUtf8 = s.unitUtf8;
        scales.push_back(std::move(r));
    }
    return scales;
}

namespace {

// The tangents of a monotone piecewise cubic through the points (Fritsch and Carlson): the mean
// of neighbouring secants, zero where the points turn or stay level, then limited so that no
// piece overshoots. The cubic passes through every point and never turns back where the points
// do not.
std::vector<double> MonotoneSlopes(const std::vector<TablePoint>& pts) {
    const std::size_t n = pts.size();
    if (n < 2) return std::vector<double>(n, 0.0);
    std::vector<double> d(n - 1), m(n);
    for (std::size_t k = 0; k + 1 < n; ++k)
        d[k] = (pts[k + 1].fraction - pts[k].fraction) / (pts[k + 1].value - pts[k].value);
    m[0] = d[0];
    m[n - 1] = d[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k)
        m[k] = d[k - 1] * d[k] <= 0.0 ? 0.0 : (d[k - 1] + d[k]) / 2.0;
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (d[k] == 0.0) {
            m[k] = m[k + 1] = 0.0;
            continue;
        }
        const double a = m[k] / d[k];
        const double b = m[k + 1] / d[k];
        const double h = a * a + b * b;
        if (h > 9.0) {
            const double t = 3.0 / std::sqrt(h);
            m[k] = t * a * d[k];
            m[k + 1] = t * b * d[k];
        }
    }
    return m;
}

double Hermite(const std::vector<TablePoint>& pts, const std::vector<double>& m, double x) {
    if (pts.size() == 1 || x <= pts.front().value) return pts.front().fraction;
    if (x >= pts.back().value) return pts.back().fraction;
    const auto k =
        std::size_t(std::upper_bound(pts.begin(), pts.end(), x,
                                     [](double v, const TablePoint& p) { return v < p.value; }) -
                    pts.begin() - 1);
    const double h = pts[k + 1].value - pts[k].value;
    const double t = (x - pts[k].value) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * pts[k].fraction + (t3 - 2 * t2 + t) * h * m[k] +
           (-2 * t3 + 3 * t2) * pts[k + 1].fraction + (t3 - t2) * h * m[k + 1];
}

// A point continues a table when its value rises and its fraction does not fall.
bool Continues(const TablePoint& last, const TablePoint& next) {
    return next.value > last.value && next.fraction >= last.fraction;
}

std::vector<TablePoint> SoundPoints(const std::vector<TablePoint>& points) {
    std::vector<TablePoint> kept;
    for (const TablePoint& p : points)
        if (std::isfinite(p.value) && std::isfinite(p.fraction) &&
            (kept.empty() || Continues(kept.back(), p)))
            kept.push_back(p);
    return kept;
}

}  // namespace

ValueSpan ScaleValues(const ResolvedScale& s) {
    if (s.law.law == ScaleLaw::Ohm) return {0.0, std::numeric_limits<double>::infinity()};
    const double start = s.law.start;
    const double end = s.graduation.range;
    return {std::min(start, end), std::max(start, end)};
}

ScaleMap::ScaleMap(const ScaleLawSettings& law, double range)
    : law_(law.law), start_(law.start), range_(range) {
    if (law_ == ScaleLaw::Table) {
        points_ = SoundPoints(law.points);
        slopes_ = MonotoneSlopes(points_);
    }
}

std::optional<double> ScaleMap::operator()(double v) const {
    double f = 0.0;
    switch (law_) {
        case ScaleLaw::Linear:
            f = (v - start_) / (range_ - start_);
            break;
        case ScaleLaw::Square:
            f = (v / range_) * (v / range_);
            break;
        case ScaleLaw::Db:
            f = std::pow(10.0, (v - range_) / 20.0);
            break;
        case ScaleLaw::Ohm:
            if (v < 0.0 || range_ <= 0.0) return std::nullopt;
            f = range_ / (v + range_);
            break;
        case ScaleLaw::Table:
            if (points_.empty() || v < points_.front().value || v > points_.back().value)
                return std::nullopt;
            f = Hermite(points_, slopes_, v);
            break;
    }
    if (!std::isfinite(f)) return std::nullopt;
    return f;
}

namespace {

ScaleCheck Problem(ScaleProblem problem, int scale, std::string item = {}) {
    return {problem, scale, std::move(item)};
}

// The first list value that lies outside the scale's values, with the list it is in.
ScaleCheck CheckLists(const ResolvedScale& s) {
    const ValueSpan span = ScaleValues(s);
    const auto outside = [&](const std::optional<std::vector<double>>& list,
                             ScaleProblem problem) -> ScaleCheck {
        if (list)
            for (double v : *list)
                if (!span.contains(v)) return Problem(problem, s.number, ExactNumber(v));
        return {};
    };
    if (ScaleCheck c = outside(s.law.ticks, ScaleProblem::TickOutside); !c.ok()) return c;
    if (ScaleCheck c = outside(s.law.bigticks, ScaleProblem::BigTickOutside); !c.ok()) return c;
    if (s.law.numbers)
        for (const Mark& m : *s.law.numbers)
            if (!span.contains(m.value))
                return Problem(ScaleProblem::NumberOutside, s.number, ExactNumber(m.value));
    return {};
}

ScaleCheck CheckScale(const ResolvedScale& s) {
    const ScaleLawSettings& law = s.law;
    const double range = s.graduation.range;
    switch (law.law) {
        case ScaleLaw::Linear:
            if (law.start == range) return Problem(ScaleProblem::EmptySpan, s.number);
            break;
        case ScaleLaw::Square:
            if (law.start < 0.0)
                return Problem(ScaleProblem::SquareNegativeStart, s.number, ExactNumber(law.start));
            break;
        case ScaleLaw::Db:
            break;
        case ScaleLaw::Ohm:
            if (range <= 0.0) return Problem(ScaleProblem::OhmCentre, s.number, ExactNumber(range));
            if (!law.numbers || (!law.ticks && !law.bigticks))
                return Problem(ScaleProblem::OhmWithoutLists, s.number);
            break;
        case ScaleLaw::Table: {
            if (law.points.size() < 2) return Problem(ScaleProblem::TableTooShort, s.number);
            for (std::size_t k = 0; k < law.points.size(); ++k) {
                const TablePoint& p = law.points[k];
                const std::string item = ExactNumber(p.value) + ":" + ExactNumber(p.fraction);
                if (k > 0 && !(p.value > law.points[k - 1].value))
                    return Problem(ScaleProblem::TableNotIncreasing, s.number, item);
                if (!(p.fraction >= 0.0 && p.fraction <= 1.0))
                    return Problem(ScaleProblem::FractionOutside, s.number, item);
                if (k > 0 && p.fraction < law.points[k - 1].fraction)
                    return Problem(ScaleProblem::TableFractionFalls, s.number, item);
            }
            const ValueSpan span = ScaleValues(s);
            if (law.points.front().value > span.low || law.points.back().value < span.high)
                return Problem(ScaleProblem::TableShortOfScale, s.number);
            break;
        }
    }
    return CheckLists(s);
}

}  // namespace

ScaleCheck CheckScales(const ScaleParameters& p) {
    const std::vector<ResolvedScale> scales = ResolveScales(p);
    for (const ResolvedScale& s : scales)
        if (ScaleCheck check = CheckScale(s); !check.ok()) return check;
    for (std::size_t z = 0; z < p.ext.zones.size(); ++z)
        if (p.ext.zones[z].scale > int(scales.size()))
            return Problem(ScaleProblem::ZoneScaleMissing, int(z) + 1,
                           std::to_string(p.ext.zones[z].scale));
    return {};
}

}  // namespace quirn
