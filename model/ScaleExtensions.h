// SPDX-License-Identifier: GPL-3.0-or-later
// What a scale plate may carry beyond its scale 1 and the plate's outline: up to three further
// scales on the same axis, coloured zones, the texts of the two fixed labels and the places the
// user dragged the elements to. A record that uses none of it holds the defaults below.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ScaleKeys.h"

namespace quirn {

// A band along a scale between two of its values, in a colour 0xRRGGBB.
struct Zone {
    int scale = 1;  // 1..4
    double from = 0.0;
    double to = 0.0;
    std::uint32_t rgb = 0;
    bool operator==(const Zone&) const = default;
};

// A place in drawing units.
struct Place {
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const Place&) const = default;
};

inline constexpr int kMaxScales = 4;
inline constexpr int kMaxZones = 8;
inline constexpr int kPlacedElementCount = 7;

// "СДЕЛАНО В СССР" and "ГОСТ  8711-60" as Windows-1251 bytes.
inline constexpr std::string_view kDefaultOriginText =
    "\xD1\xC4\xC5\xCB\xC0\xCD\xCE \xC2 \xD1\xD1\xD1\xD0";
inline constexpr std::string_view kDefaultStandardText = "\xC3\xCE\xD1\xD2  8711-60";

struct ScaleExtensions {
    std::vector<FurtherScale> further;  // scales 2.. in order, at most kMaxScales - 1
    std::vector<Zone> zones;            // at most kMaxZones
    std::string origin{kDefaultOriginText};
    std::string standard{kDefaultStandardText};
    // The name, origin and standard texts in full (UTF-8) where Windows-1251 holds only an
    // approximation of them (model/TextKeys.h); the unit's is scale 1's (ScaleSetup::unitUtf8).
    std::optional<std::string> nameUtf8, originUtf8, standardUtf8;
    // Where the user put the data, romb and others symbols and the name, unit, origin and
    // standard labels; absent: the default place for the plate.
    std::array<std::optional<Place>, kPlacedElementCount> places{};
    // Lines of keys this program does not know, kept as read and written back after the others.
    std::vector<std::string> unknownLines;
    bool operator==(const ScaleExtensions&) const = default;
};

}  // namespace quirn
