// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LawTable.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/ExtensionText.h"

namespace quirn {
namespace {

ScaleCheck Problem(ScaleProblem problem, int scale, std::string item = {}) {
    return {problem, scale, std::move(item)};
}

std::optional<double> LinearFraction(const LawCurve& c, double v) {
    return (v - c.start) / (c.range - c.start);
}

std::optional<double> SquareFraction(const LawCurve& c, double v) {
    return (v / c.range) * (v / c.range);
}

std::optional<double> DbFraction(const LawCurve& c, double v) {
    return std::pow(10.0, (v - c.range) / 20.0);
}

std::optional<double> OhmFraction(const LawCurve& c, double v) {
    if (v < 0.0 || c.range <= 0.0) return std::nullopt;
    return c.range / (v + c.range);
}

// The reflected share of the forward voltage, which a reflected-voltage movement shows.
std::optional<double> SwrFraction(const LawCurve&, double v) {
    if (!(v >= 1.0)) return std::nullopt;
    return (v - 1.0) / (v + 1.0);
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

std::optional<double> TableFraction(const LawCurve& c, double v) {
    if (c.points.empty() || v < c.points.front().value || v > c.points.back().value)
        return std::nullopt;
    return Hermite(c.points, c.slopes, v);
}

ScaleCheck CheckLinear(const ResolvedScale& s) {
    if (s.graduation.start == s.graduation.range) return Problem(ScaleProblem::EmptySpan, s.number);
    return {};
}

ScaleCheck CheckSquare(const ResolvedScale& s) {
    if (s.graduation.start < 0.0)
        return Problem(ScaleProblem::SquareNegativeStart, s.number,
                       ExactNumber(s.graduation.start));
    return {};
}

ScaleCheck CheckNothing(const ResolvedScale&) {
    return {};
}

ScaleCheck CheckOhm(const ResolvedScale& s) {
    const ScaleSetup& g = s.graduation;
    if (g.range <= 0.0) return Problem(ScaleProblem::OhmCentre, s.number, ExactNumber(g.range));
    if (!g.numbers || (!g.ticks && !g.bigticks))
        return Problem(ScaleProblem::OhmWithoutLists, s.number);
    return {};
}

// A ratio below 1 does not exist: the lists' values are refused in the law's own words rather
// than as lying off the scale.
ScaleCheck CheckSwr(const ResolvedScale& s) {
    const ScaleSetup& g = s.graduation;
    const auto below = [&](double v) { return v < 1.0; };
    for (const auto* list : {&g.ticks, &g.bigticks})
        if (*list)
            if (const auto v = std::find_if((*list)->begin(), (*list)->end(), below);
                v != (*list)->end())
                return Problem(ScaleProblem::SwrBelowOne, s.number, ExactNumber(*v));
    if (g.numbers)
        for (const Mark& m : *g.numbers)
            if (below(m.value))
                return Problem(ScaleProblem::SwrBelowOne, s.number, ExactNumber(m.value));
    return {};
}

ScaleCheck CheckTable(const ResolvedScale& s) {
    const std::vector<TablePoint>& points = s.graduation.points;
    if (points.size() < 2) return Problem(ScaleProblem::TableTooShort, s.number);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const TablePoint& p = points[k];
        const std::string item = ExactNumber(p.value) + ":" + ExactNumber(p.fraction);
        if (k > 0 && !(p.value > points[k - 1].value))
            return Problem(ScaleProblem::TableNotIncreasing, s.number, item);
        if (!(p.fraction >= 0.0 && p.fraction <= 1.0))
            return Problem(ScaleProblem::FractionOutside, s.number, item);
        if (k > 0 && p.fraction < points[k - 1].fraction)
            return Problem(ScaleProblem::TableFractionFalls, s.number, item);
    }
    const ValueSpan span = ScaleValues(s.graduation);
    if (points.front().value > span.low || points.back().value < span.high)
        return Problem(ScaleProblem::TableShortOfScale, s.number);
    return {};
}

using R = LawReach;
using E = EqualSteps;

const auto kLaws = std::to_array<LawRow>({
    {ScaleLaw::Linear, "linear", LinearFraction, CheckLinear, R::StartToRange, E::DivideArc},
    {ScaleLaw::Square, "square", SquareFraction, CheckSquare, R::StartToRange, E::ByValue},
    {ScaleLaw::Db, "db", DbFraction, CheckNothing, R::StartToRange, E::ByValue},
    {ScaleLaw::Ohm, "ohm", OhmFraction, CheckOhm, R::ZeroToInfinity, E::None},
    {ScaleLaw::Table, "table", TableFraction, CheckTable, R::StartToRange, E::ByValue},
    {ScaleLaw::Swr, "swr", SwrFraction, CheckSwr, R::OneToInfinity, E::None},
});

}  // namespace

std::optional<double> InfinityEnd(LawReach reach) {
    switch (reach) {
        case LawReach::ZeroToInfinity:
            return 0.0;
        case LawReach::OneToInfinity:
            return 1.0;
        case LawReach::StartToRange:
            break;
    }
    return std::nullopt;
}

std::span<const LawRow> LawTable() {
    return kLaws;
}

const LawRow& LawOf(ScaleLaw law) {
    for (const LawRow& row : kLaws)
        if (row.law == law) return row;
    return kLaws.front();
}

std::string_view LawKeyword(ScaleLaw law) {
    return LawOf(law).keyword;
}

std::optional<ScaleLaw> LawFromKeyword(std::string_view keyword) {
    for (const LawRow& row : kLaws)
        if (row.keyword == keyword) return row.law;
    return std::nullopt;
}

}  // namespace quirn
