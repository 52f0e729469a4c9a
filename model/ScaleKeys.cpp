// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ScaleKeys.h"

#include "model/ExtensionText.h"
#include "model/LawTable.h"
#include "model/NumberText.h"
#include "model/Overload.h"

namespace quirn {
namespace {

using S = ScaleSetup;

}  // namespace

std::string ScaleKeyText(const ScaleKey& row, const ScaleSetup& s) {
    return std::visit(Overload{[&](std::int32_t S::*m) { return std::to_string(s.*m); },
                               [&](double S::*m) { return ExactNumber(s.*m); },
                               [&](ScaleLaw S::*m) { return std::string(LawKeyword(s.*m)); },
                               [&](std::vector<TablePoint> S::*m) { return PointListText(s.*m); },
                               [&](std::optional<std::vector<double>> S::*m) {
                                   return s.*m ? ValueListText(*(s.*m)) : std::string();
                               },
                               [&](std::optional<std::vector<Mark>> S::*m) {
                                   return s.*m ? MarkListText(*(s.*m)) : std::string();
                               },
                               [&](std::optional<std::uint32_t> S::*m) {
                                   return s.*m ? ColourText(*(s.*m)) : std::string();
                               },
                               [&](const ScaleText& t) { return OneLineText(s.*t.text); }},
                      row.member);
}

bool SetScaleKey(const ScaleKey& row, ScaleSetup& s, std::string_view text) {
    if (row.bad == BadValue::Kept) {
        // Only lengths and colours are read this way: a length as whole 0.01 mm.
        if (const auto* m = std::get_if<std::int32_t S::*>(&row.member)) {
            const auto value = ParseWholeNumber(text);
            if (!value || (row.quantity == Quantity::Depth && *value < 0)) return false;
            s.*(*m) = *value;
            return true;
        }
        if (const auto* m = std::get_if<std::optional<std::uint32_t> S::*>(&row.member)) {
            const auto colour = ParseColour(text);
            if (!colour) return false;
            s.*(*m) = *colour;
            return true;
        }
    }
    std::visit(
        Overload{[&](std::int32_t S::*m) { s.*m = ParseInteger(text); },
                 [&](double S::*m) { s.*m = ParseDecimal(text); },
                 [&](ScaleLaw S::*m) { s.*m = LawFromKeyword(text).value_or(ScaleLaw::Linear); },
                 [&](std::vector<TablePoint> S::*m) { s.*m = ParsePointList(text); },
                 [&](std::optional<std::vector<double>> S::*m) { s.*m = ParseValueList(text); },
                 [&](std::optional<std::vector<Mark>> S::*m) { s.*m = ParseMarkList(text); },
                 [&](std::optional<std::uint32_t> S::*m) { s.*m = ParseColour(text); },
                 [&](const ScaleText& t) { s.*t.text = std::string(text); }},
        row.member);
    return true;
}

void CopyScaleKey(const ScaleKey& row, const ScaleSetup& from, ScaleSetup& to) {
    std::visit(Overload{[&](const ScaleText& t) {
                            to.*t.text = from.*t.text;
                            to.*t.full = from.*t.full;
                        },
                        [&](auto m) { to.*m = from.*m; }},
               row.member);
}

bool HoldsDefault(const ScaleKey& row, const ScaleSetup& s) {
    static const ScaleSetup kDefault;
    return std::visit(Overload{[&](const ScaleText& t) {
                                   return s.*t.text == kDefault.*t.text &&
                                          s.*t.full == kDefault.*t.full;
                               },
                               [&](auto m) { return s.*m == kDefault.*m; }},
                      row.member);
}

void FurtherScale::unset(std::size_t row) {
    if (row >= kScaleKeys.size()) return;
    CopyScaleKey(kScaleKeys[row], ScaleSetup{}, values);
    sets.reset(row);
}

}  // namespace quirn
