// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/LawTable.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/ExtensionText.h"
#include "model/TextMark.h"

namespace quirn {
namespace {

std::string PointText(const TablePoint& p) {
    return ExactNumber(p.value) + ":" + ExactNumber(p.fraction);
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

Outcome CheckLinear(const ResolvedScale& s) {
    if (s.graduation.start == s.graduation.range)
        return ScaleRefusal(Fault::EmptySpan, s, ExactNumber(s.graduation.range));
    return {};
}

Outcome CheckSquare(const ResolvedScale& s) {
    if (s.graduation.start < 0.0)
        return ScaleRefusal(Fault::SquareNegativeStart, s, ExactNumber(s.graduation.start));
    return {};
}

Outcome CheckNothing(const ResolvedScale&) {
    return {};
}

Outcome CheckOhm(const ResolvedScale& s) {
    const ScaleSetup& g = s.graduation;
    if (g.range <= 0.0) return ScaleRefusal(Fault::OhmCentre, s, ExactNumber(g.range));
    if (!g.numbers || (!g.ticks && !g.bigticks)) return ScaleRefusal(Fault::OhmWithoutLists, s);
    return {};
}

// A ratio below 1 does not exist: the lists' values are refused in the law's own words rather
// than as lying off the scale.
Outcome CheckSwr(const ResolvedScale& s) {
    const ScaleSetup& g = s.graduation;
    const auto below = [&](double v) { return v < 1.0; };
    for (const auto* list : {&g.ticks, &g.bigticks})
        if (*list)
            if (const auto v = std::find_if((*list)->begin(), (*list)->end(), below);
                v != (*list)->end())
                return ScaleRefusal(Fault::SwrBelowOne, s, ExactNumber(*v));
    if (g.numbers)
        for (const Mark& m : *g.numbers)
            if (below(m.value)) return ScaleRefusal(Fault::SwrBelowOne, s, ExactNumber(m.value));
    return {};
}

Outcome CheckTable(const ResolvedScale& s) {
    const std::vector<TablePoint>& points = s.graduation.points;
    if (points.size() < 2) return ScaleRefusal(Fault::TableTooShort, s);
    for (std::size_t k = 0; k < points.size(); ++k) {
        const TablePoint& p = points[k];
        // Where the table turns, the pair of points the user has to look at.
        const auto pair = [&] { return PointText(points[k - 1]) + " " + PointText(p); };
        if (k > 0 && !(p.value > points[k - 1].value))
            return ScaleRefusal(Fault::TableNotIncreasing, s, pair());
        if (!(p.fraction >= 0.0 && p.fraction <= 1.0))
            return ScaleRefusal(Fault::TableFractionOutside, s, PointText(p));
        if (k > 0 && p.fraction < points[k - 1].fraction)
            return ScaleRefusal(Fault::TableFractionFalls, s, pair());
    }
    const ValueSpan span = ScaleValues(s.graduation);
    if (points.front().value > span.low || points.back().value < span.high)
        return ScaleRefusal(
            Fault::TableShortOfScale, s,
            EndText(points.front().value) + " \u2026 " + EndText(points.back().value));
    return {};
}

// m * 10^e, exact for the 1-2-5 steps: a division by a power of ten rounds once.
double Step(int m, int e) {
    return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
}

std::string MarkText(double value) {
    if (value >= 1e6) return ExactNumber(value / 1e6) + "M";
    if (value >= 1e3) return ExactNumber(value / 1e3) + "k";
    return {};
}

// Ticks and numbers in 1-2-5 steps around an ohmmeter's centre value, from a tenth of its decade
// to a hundred times it, thousands written "k" and millions "M": for 10,
// "0 1 2 5 10 20 50 100 200 500 1000" and "0 10 20 50 100 200 500 1000=1k". A centre that is not
// above zero is taken as 10.
DefaultLists OhmLists(double centre) {
    if (!(centre > 0.0) || !std::isfinite(centre)) centre = 10.0;
    const int decade = int(std::floor(std::log10(centre)));
    std::vector<double> ticks{0.0};
    std::vector<Mark> numbers{{0.0, {}}};
    for (int e = decade - 1; e <= decade + 2; ++e) {
        for (int m : {1, 2, 5}) {
            if (e == decade + 2 && m > 1) break;
            const double v = Step(m, e);
            ticks.push_back(v);
            if (e >= decade) numbers.push_back({v, MarkText(v)});
        }
    }
    return {ValueListText(ticks), MarkListText(numbers)};
}

// The ratios a standing-wave-ratio scale is read at, 1 to 10, for both lists; its right end
// carries "∞" of itself.
DefaultLists SwrLists(double) {
    const std::vector<double> ratios{1.0, 1.2, 1.5, 2.0, 3.0, 5.0, 10.0};
    std::vector<Mark> numbers;
    for (double v : ratios) numbers.push_back({v, {}});
    return {ValueListText(ratios), MarkListText(numbers)};
}

using P = Fault;

constexpr LawRefusal kLinearRefusals[] = {
    {P::EmptySpan,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Шкала %1: начало шкалы совпадает с её концом (%2)")},
};
constexpr LawRefusal kSquareRefusals[] = {
    {P::SquareNegativeStart,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                          "Шкала %1: квадратичная шкала не может начинаться ниже нуля")},
};
// Scale 1's range is the panel's "Диапазон шкалы", a further scale's the page's own field.
constexpr LawRefusal kOhmRefusals[] = {
    {P::OhmCentre,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                          "Шкала %1: середина шкалы омметра («Конец "
                          "шкалы») должна быть больше нуля (%2)"),
     QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                          "Шкала %1: середина шкалы омметра («Диапазон "
                          "шкалы») должна быть больше нуля (%2)")},
    {P::OhmWithoutLists,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Шкала %1: для омметра нужны списки отметок и чисел")},
};
constexpr LawRefusal kTableRefusals[] = {
    {P::TableTooShort,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Шкала %1: в таблице нужно не меньше двух точек")},
    {P::TableNotIncreasing,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Шкала %1: значения таблицы должны возрастать (%2)")},
    {P::TableFractionOutside,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                          "Шкала %1: доля дуги в таблице должна быть от 0 до 1 (%2)")},
    {P::TableFractionFalls, QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                                                 "Шкала %1: доли дуги в таблице не должны убывать, "
                                                 "когда значения растут (%2)")},
    {P::TableShortOfScale, QUIRN_TRANSLATE_NOOP("quirn::LawTable",
                                                "Шкала %1: точки таблицы (%2) должны охватывать "
                                                "шкалу от начала до конца (%3 … %4)")},
};
constexpr LawRefusal kSwrRefusals[] = {
    {P::SwrBelowOne,
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Шкала %1: КСВ не бывает меньше 1 (%2)")},
};

using R = LawReach;
using E = EqualSteps;

const auto kLaws = std::to_array<LawRow>({
    {ScaleLaw::Linear, "linear", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "линейная"), nullptr,
     LinearFraction, CheckLinear, kLinearRefusals, R::StartToRange, E::DivideArc, nullptr},
    {ScaleLaw::Square, "square", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "квадратичная"), nullptr,
     SquareFraction, CheckSquare, kSquareRefusals, R::StartToRange, E::ByValue, nullptr},
    {ScaleLaw::Db, "db", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "децибелы"), nullptr, DbFraction,
     CheckNothing, std::span<const LawRefusal>(), R::StartToRange, E::ByValue, nullptr},
    {ScaleLaw::Ohm, "ohm", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "омметр"),
     QUIRN_TRANSLATE_NOOP("quirn::LawTable", "Середина шкалы"), OhmFraction, CheckOhm, kOhmRefusals,
     R::ZeroToInfinity, E::None, OhmLists},
    {ScaleLaw::Table, "table", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "таблица"), nullptr,
     TableFraction, CheckTable, kTableRefusals, R::StartToRange, E::ByValue, nullptr},
    {ScaleLaw::Swr, "swr", QUIRN_TRANSLATE_NOOP("quirn::LawTable", "КСВ"), nullptr, SwrFraction,
     CheckSwr, kSwrRefusals, R::OneToInfinity, E::None, SwrLists},
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

const char* LawRefusalWords(Fault problem, int scale) {
    for (const LawRow& row : kLaws)
        for (const LawRefusal& refusal : row.refusals)
            if (refusal.problem == problem)
                return scale == 1 && refusal.firstScaleWords != nullptr ? refusal.firstScaleWords
                                                                        : refusal.words;
    return nullptr;
}

}  // namespace quirn
