// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ScalesText.h"

#include <QCoreApplication>
#include <cmath>
#include <vector>

#include "model/ExtensionText.h"

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

// m * 10^e, exact for the 1-2-5 steps: a division by a power of ten rounds once.
double Step(int m, int e) {
    return e >= 0 ? m * std::pow(10.0, e) : m / std::pow(10.0, -e);
}

std::string MarkText(double value) {
    if (value >= 1e6) return ExactNumber(value / 1e6) + "M";
    if (value >= 1e3) return ExactNumber(value / 1e3) + "k";
    return {};
}

}  // namespace

std::string ScaleProblemText(const ScaleCheck& check, const ScaleParameters& p) {
    const int n = check.scale;
    const std::vector<ResolvedScale> scales = ResolveScales(p);
    const ResolvedScale* scale =
        n >= 1 && n <= int(scales.size()) ? &scales[std::size_t(n - 1)] : nullptr;
    const QString number = Utf8(std::to_string(n));
    const QString item = Utf8(check.item);
    const auto text = [&number](const char* source, const QString& detail = {}) {
        QString message = QCoreApplication::translate("quirn::ScalesText", source);
        return (detail.isNull() ? message.arg(number) : message.arg(number, detail)).toStdString();
    };
    // "from ... to ..." of the scale's values, for the problems that lie outside them.
    const auto span = [&](const char* source, const QString& first = {}) {
        const ValueSpan values = scale != nullptr ? ScaleValues(scale->graduation) : ValueSpan{};
        QString message = QCoreApplication::translate("quirn::ScalesText", source).arg(number);
        if (!first.isNull()) message = message.arg(first);
        return message.arg(SpanEnd(values.low), SpanEnd(values.high)).toStdString();
    };
    switch (check.problem) {
        case ScaleProblem::None:
            return {};
        case ScaleProblem::TableFractionFalls:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: доли дуги в таблице не должны убывать, "
                                          "когда значения растут (%2)"),
                        scale != nullptr ? Utf8(FallingFractionPair(*scale, check.item)) : item);
        case ScaleProblem::TableShortOfScale: {
            // The table's own reach, then the scale's.
            const std::vector<TablePoint> points =
                scale != nullptr ? scale->graduation.points : std::vector<TablePoint>{};
            const QString reach = points.empty()
                                      ? QString()
                                      : SpanEnd(points.front().value) + QStringLiteral(" … ") +
                                            SpanEnd(points.back().value);
            return span(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: точки таблицы (%2) должны охватывать шкалу "
                                          "от начала до конца (%3 … %4)"),
                        reach);
        }
        case ScaleProblem::TickOutside:
            return span(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: отметка %2 лежит вне шкалы (%3 … %4)"),
                        item);
        case ScaleProblem::BigTickOutside:
            return span(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: большая отметка %2 лежит вне шкалы (%3 … %4)"),
                        item);
        case ScaleProblem::NumberOutside:
            return span(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: число %2 лежит вне шкалы (%3 … %4)"),
                        item);
        case ScaleProblem::BadList:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: в списке не число: «%2»"),
                        item);
        case ScaleProblem::TableNotIncreasing:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: значения таблицы должны возрастать (%2)"),
                        scale != nullptr ? Utf8(FallingPair(*scale, check.item)) : item);
        case ScaleProblem::FractionOutside:
            return text(
                QT_TRANSLATE_NOOP("quirn::ScalesText",
                                  "Шкала %1: доля дуги в таблице должна быть от 0 до 1 (%2)"),
                item);
        case ScaleProblem::TableTooShort:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: в таблице нужно не меньше двух точек"));
        case ScaleProblem::SquareNegativeStart:
            return text(QT_TRANSLATE_NOOP(
                "quirn::ScalesText", "Шкала %1: квадратичная шкала не может начинаться ниже нуля"));
        case ScaleProblem::OhmWithoutLists:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: для омметра нужны списки отметок и чисел"));
        case ScaleProblem::OhmCentre:
            // An ohmmeter's range is the value at the middle of its arc, on the panel for scale 1.
            return text(n == 1 ? QT_TRANSLATE_NOOP("quirn::ScalesText",
                                                   "Шкала %1: середина шкалы омметра («Диапазон "
                                                   "шкалы») должна быть больше нуля (%2)")
                               : QT_TRANSLATE_NOOP("quirn::ScalesText",
                                                   "Шкала %1: середина шкалы омметра («Конец "
                                                   "шкалы») должна быть больше нуля (%2)"),
                        item);
        case ScaleProblem::SwrBelowOne:
            return text(
                QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: КСВ не бывает меньше 1 (%2)"),
                item);
        case ScaleProblem::EmptySpan:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText",
                                          "Шкала %1: начало шкалы совпадает с её концом (%2)"),
                        scale != nullptr ? Utf8(ExactNumber(scale->graduation.range)) : item);
        case ScaleProblem::ZoneScaleMissing:
            return text(QT_TRANSLATE_NOOP("quirn::ScalesText", "Зона %1: нет шкалы %2"), item);
    }
    return {};
}

DefaultLists DefaultOhmLists(double centre) {
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

DefaultLists DefaultSwrLists() {
    const std::vector<double> ratios{1.0, 1.2, 1.5, 2.0, 3.0, 5.0, 10.0};
    std::vector<Mark> numbers;
    for (double v : ratios) numbers.push_back({v, {}});
    return {ValueListText(ratios), MarkListText(numbers)};
}

}  // namespace quirn
