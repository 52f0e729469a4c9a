// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ScalesText.h"

#include <QCoreApplication>
#include <array>
#include <cmath>
#include <vector>

#include "model/ExtensionText.h"
#include "model/LawTable.h"

namespace quirn {
namespace {

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Point(const TablePoint& p) {
    return ExactNumber(p.value) + ":" + ExactNumber(p.fraction);
}

// The point before the one whose value does not rise, with it: the pair the user has to look at.
std::string FallingPair(const ResolvedScale& s, const std::string& item) {
    const std::vector<TablePoint>& points = s.graduation.points;
    for (std::size_t k = 1; k < points.size(); ++k)
        if (!(points[k].value > points[k - 1].value) && Point(points[k]) == item)
            return Point(points[k - 1]) + " " + item;
    return item;
}

// The pair of points where the fractions fall.
std::string FallingFractionPair(const ResolvedScale& s, const std::string& item) {
    const std::vector<TablePoint>& points = s.graduation.points;
    for (std::size_t k = 1; k < points.size(); ++k)
        if (points[k].fraction < points[k - 1].fraction && Point(points[k]) == item)
            return Point(points[k - 1]) + " " + item;
    return item;
}

// The far end of an ohm scale's values.
constexpr const char* kInfinitySign = "\u221E";

QString SpanEnd(double value) {
    return std::isinf(value) ? QString::fromUtf8(kInfinitySign) : Utf8(ExactNumber(value));
}

// The problems that are no law's own, in the window's words: %1 the scale's (or the zone's)
// number, %2 the item at fault, %3 and %4 the ends of the scale's values.
struct ListProblem {
    ScaleProblem problem;
    const char* words;
};
constexpr ListProblem kListProblems[] = {
    {ScaleProblem::TickOutside,
     QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: отметка %2 лежит вне шкалы (%3 … %4)")},
    {ScaleProblem::BigTickOutside,
     QT_TRANSLATE_NOOP("quirn::ScalesText",
                       "Шкала %1: большая отметка %2 лежит вне шкалы (%3 … %4)")},
    {ScaleProblem::NumberOutside,
     QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: число %2 лежит вне шкалы (%3 … %4)")},
    {ScaleProblem::BadList,
     QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: в списке не число: «%2»")},
    {ScaleProblem::ZoneScaleMissing,
     QT_TRANSLATE_NOOP("quirn::ScalesText", "Зона %1: нет шкалы %2")},
};

// The item at fault as the user looks for it: a pair of table points where the table turns, a
// table's own reach; else the item as the check names it.
QString Detail(const ScaleCheck& check, const ResolvedScale* scale) {
    if (scale == nullptr) return Utf8(check.item);
    switch (check.problem) {
        case ScaleProblem::TableNotIncreasing:
            return Utf8(FallingPair(*scale, check.item));
        case ScaleProblem::TableFractionFalls:
            return Utf8(FallingFractionPair(*scale, check.item));
        case ScaleProblem::TableShortOfScale: {
            const std::vector<TablePoint>& points = scale->graduation.points;
            if (points.empty()) return {};
            return SpanEnd(points.front().value) + QStringLiteral(" … ") +
                   SpanEnd(points.back().value);
        }
        default:
            break;
    }
    return Utf8(check.item);
}

// The words with each of %1 to %4 that they hold replaced by its argument, all in one pass, so
// that a "%" in an item stays as typed.
QString Filled(const QString& words, const std::array<QString, 4>& args) {
    std::vector<QString> used;
    for (std::size_t k = 0; k < args.size(); ++k)
        if (words.contains(QLatin1Char('%') + QString::number(k + 1))) used.push_back(args[k]);
    switch (used.size()) {
        case 1:
            return words.arg(used[0]);
        case 2:
            return words.arg(used[0], used[1]);
        case 3:
            return words.arg(used[0], used[1], used[2]);
        case 4:
            return words.arg(used[0], used[1], used[2], used[3]);
        default:
            return words;
    }
}

}  // namespace

std::string ScaleProblemText(const ScaleCheck& check, const ScaleParameters& p) {
    if (check.ok()) return {};
    const int n = check.scale;
    const std::vector<ResolvedScale> scales = ResolveScales(p);
    const ResolvedScale* scale =
        n >= 1 && n <= int(scales.size()) ? &scales[std::size_t(n - 1)] : nullptr;
    QString words;
    if (const char* law = LawRefusalWords(check.problem, n)) {
        words = QCoreApplication::translate("quirn::LawTable", law);
    } else {
        for (const ListProblem& row : kListProblems)
            if (row.problem == check.problem)
                words = QCoreApplication::translate("quirn::ScalesText", row.words);
    }
    // "from ... to ..." of the scale's values, for the problems that lie outside them.
    const ValueSpan values = scale != nullptr ? ScaleValues(scale->graduation) : ValueSpan{};
    return Filled(words, {Utf8(std::to_string(n)), Detail(check, scale), SpanEnd(values.low),
                          SpanEnd(values.high)})
        .toStdString();
}

}  // namespace quirn
