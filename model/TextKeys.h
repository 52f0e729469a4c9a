// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of a plate that Windows-1251 may not hold in full, each with its companion key. The
// text stays under its own key as the code page's approximation, which older readers show; only
// when that loses characters does the full text (UTF-8) follow under the companion key, which
// this program prefers. One table for the reader, the writer and the panels.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "model/ScaleParameters.h"
#include "model/TextCodec.h"

namespace quirn {

struct PlateTextKey {
    std::string_view key;
    std::string_view companion;
    std::string ScaleParameters::*standard;                      // name and unit, else null
    std::string ScaleExtensions::*extension;                     // origin and standard, else null
    std::optional<std::string> ScaleParameters::*standardFull;   // the unit's, else null
    std::optional<std::string> ScaleExtensions::*extensionFull;  // the others', else null
};

// Their companions are written in this order after the 24 standard lines. A further scale's
// unit and its companion are rows of model/ScaleKeys.h, a free text's ("text3.utf8", after
// "text3") rows of model/PlateKeys.h.
inline constexpr std::array<PlateTextKey, 4> kPlateTextKeys{{
    {"name", "name.utf8", &ScaleParameters::name, nullptr, nullptr, &ScaleExtensions::nameUtf8},
    {"unit", "unit.utf8", &ScaleParameters::unit, nullptr, &ScaleParameters::unitUtf8, nullptr},
    {"origin", "origin.utf8", nullptr, &ScaleExtensions::origin, nullptr,
     &ScaleExtensions::originUtf8},
    {"standard", "standard.utf8", nullptr, &ScaleExtensions::standard, nullptr,
     &ScaleExtensions::standardUtf8},
}};

// The Windows-1251 text of a row and its full form, for a record const or not.
template <class Record>
auto& TextOf(Record& p, const PlateTextKey& row) {
    return row.standard != nullptr ? p.*row.standard : p.ext.*row.extension;
}
template <class Record>
auto& FullTextOf(Record& p, const PlateTextKey& row) {
    return row.standardFull != nullptr ? p.*row.standardFull : p.ext.*row.extensionFull;
}

// The plate's texts by key, as the panels show them and take them typed (UTF-8); a key outside
// the table shows nothing and takes nothing.
inline std::string PlateDisplayText(const ScaleParameters& p, std::string_view key) {
    for (const PlateTextKey& row : kPlateTextKeys)
        if (row.key == key) return DisplayText(TextOf(p, row), FullTextOf(p, row));
    return {};
}

inline void StorePlateText(ScaleParameters& p, std::string_view key, std::string_view typed) {
    for (const PlateTextKey& row : kPlateTextKeys)
        if (row.key == key) StoreTypedText(typed, TextOf(p, row), FullTextOf(p, row));
}

}  // namespace quirn
