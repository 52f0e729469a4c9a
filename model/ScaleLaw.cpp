// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ScaleLaw.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "model/ExtensionText.h"
#include "model/LawTable.h"
#include "model/ScaleKeys.h"

namespace quirn {

std::vector<ResolvedScale> ResolveScales(const ScaleParameters& p) {
    std::vector<ResolvedScale> scales;
    ResolvedScale first;
    // The extensions stay behind: a scale is drawn from the setup alone.
    static_cast<PlateSetup&>(first.graduation) = p;
    scales.push_back(std::move(first));
    static const ScaleSetup kUnset;
    for (std::size_t k = 0; k < p.ext.further.size() && k + 2 <= kMaxScales; ++k) {
        const FurtherScale& s = p.ext.further[k];
        ResolvedScale r = scales.front();
        r.number = int(k) + 2;
        for (std::size_t row = 0; row < kScaleKeys.size(); ++row) {
            const ScaleKey& key = kScaleKeys[row];
            if (s.sets.test(row))
                CopyScaleKey(key, s.values, r.graduation);
            else if (key.unset == WhenUnset::Empty)
                CopyScaleKey(key, kUnset, r.graduation);
        }
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

ValueSpan ScaleValues(const ScaleSetup& s) {
    constexpr double kInfinite = std::numeric_limits<double>::infinity();
    switch (LawOf(s.law).reach) {
        case LawReach::ZeroToInfinity:
            return {0.0, kInfinite};
        case LawReach::OneToInfinity:
            return {1.0, kInfinite};
        case LawReach::StartToRange:
            break;
    }
    return {std::min(s.start, s.range), std::max(s.start, s.range)};
}

ScaleMap::ScaleMap(const ScaleSetup& scale)
    : fraction_(LawOf(scale.law).fraction),
      curve_{scale.start, scale.range, SoundPoints(scale.points), {}} {
    curve_.slopes = MonotoneSlopes(curve_.points);
}

std::optional<double> ScaleMap::operator()(double v) const {
    const std::optional<double> f = fraction_(curve_, v);
    if (!f || !std::isfinite(*f)) return std::nullopt;
    return f;
}

Outcome ScaleRefusal(Fault fault, const ResolvedScale& scale, std::string item) {
    const ValueSpan values = ScaleValues(scale.graduation);
    return Outcome::Failed(fault, {std::to_string(scale.number), std::move(item),
                                   EndText(values.low), EndText(values.high)});
}

std::string EndText(double value) {
    return std::isinf(value) ? std::string("\u221E") : ExactNumber(value);
}

namespace {

// The first list value that lies outside the scale's values, with the list it is in.
Outcome CheckLists(const ResolvedScale& s) {
    const ValueSpan span = ScaleValues(s.graduation);
    const auto outside = [&](const std::optional<std::vector<double>>& list,
                             Fault fault) -> Outcome {
        if (list)
            for (double v : *list)
                if (!span.contains(v)) return ScaleRefusal(fault, s, ExactNumber(v));
        return {};
    };
    const ScaleSetup& g = s.graduation;
    if (Outcome c = outside(g.ticks, Fault::TickOutside); !c.ok()) return c;
    if (Outcome c = outside(g.bigticks, Fault::BigTickOutside); !c.ok()) return c;
    if (g.numbers)
        for (const Mark& m : *g.numbers)
            if (!span.contains(m.value))
                return ScaleRefusal(Fault::NumberOutside, s, ExactNumber(m.value));
    return {};
}

}  // namespace

Outcome CheckScales(const ScaleParameters& p) {
    const std::vector<ResolvedScale> scales = ResolveScales(p);
    for (const ResolvedScale& s : scales) {
        if (Outcome check = LawOf(s.graduation.law).check(s); !check.ok()) return check;
        if (Outcome check = CheckLists(s); !check.ok()) return check;
    }
    for (std::size_t z = 0; z < p.ext.zones.size(); ++z)
        if (p.ext.zones[z].scale > int(scales.size()))
            return Outcome::Failed(Fault::ZoneScaleMissing,
                                   {std::to_string(z + 1), std::to_string(p.ext.zones[z].scale)});
    return {};
}

}  // namespace quirn
