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
    std::string ScaleParameters::*standard;   // name and unit, else null
    std::string ScaleExtensions::*extension;  // origin and standard, else null
    std::optional<std::string> ScaleExtensions::*full;
};

// Their companions are written in this order after the 24 standard lines.
inline constexpr std::array<PlateTextKey, 4> kPlateTextKeys{{
    {"name", "name.utf8", &ScaleParameters::name, nullptr, &ScaleExtensions::nameUtf8},
    {"unit", "unit.utf8", &ScaleParameters::unit, nullptr, &ScaleExtensions::unitUtf8},
    {"origin", "origin.utf8", nullptr, &ScaleExtensions::origin, &ScaleExtensions::originUtf8},
    {"standard", "standard.utf8", nullptr, &ScaleExtensions::standard,
     &ScaleExtensions::standardUtf8},
}};

// A further scale's texts the same way; their keys follow the scale's number and a dot, and the
// companion follows its key.
struct ScaleTextKey {
    std::string_view key;
    std::string_view companion;
    std::optional<std::string> FurtherScale::*text;
    std::optional<std::string> FurtherScale::*full;
};

inline constexpr std::array<ScaleTextKey, 1> kScaleTextKeys{{
    {"unit", "unit.utf8", &FurtherScale::unit, &FurtherScale::unitUtf8},
}};

// The Windows-1251 text of a row, for a record const or not.
template <class Record>
auto& TextOf(Record& p, const PlateTextKey& row) {
    return row.standard != nullptr ? p.*row.standard : p.ext.*row.extension;
}

// The plate's texts by key, as the panels show them and take them typed (UTF-8); a key outside
// the table shows nothing and takes nothing.
inline std::string PlateDisplayText(const ScaleParameters& p, std::string_view key) {
    for (const PlateTextKey& row : kPlateTextKeys)
        if (row.key == key) return DisplayText(TextOf(p, row), p.ext.*row.full);
    return {};
}

inline void StorePlateText(ScaleParameters& p, std::string_view key, std::string_view typed) {
    for (const PlateTextKey& row : kPlateTextKeys)
        if (row.key == key) StoreTypedText(typed, TextOf(p, row), p.ext.*row.full);
}

}  // namespace quirn
