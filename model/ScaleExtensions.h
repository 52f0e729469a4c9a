// SPDX-License-Identifier: GPL-3.0-or-later
// What a scale plate may carry beyond the one linear scale of the 24 standard fields: a start
// value and a law, value lists, up to three further scales on the same axis, coloured zones, the
// texts of the two fixed labels and the places the user dragged the elements to. A record that
// uses none of it holds the defaults below, and its file is the 24 standard lines alone.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quirn {

// How a value maps to a fraction of the arc.
enum class ScaleLaw : std::uint8_t { Linear, Square, Db, Ohm, Table };

// One measured point of a table law: the value sits at this fraction of the arc.
struct TablePoint {
    double value = 0.0;
    double fraction = 0.0;
    bool operator==(const TablePoint&) const = default;
};

// A numbered value; an empty text is drawn as the value's trimmed three-decimal form.
struct Mark {
    double value = 0.0;
    std::string text;  // Windows-1251
    bool operator==(const Mark&) const = default;
};

// The keys of one scale beyond the graduation fields. A list that is absent leaves its family
// to the equal steps of divisions, bigDivisions or numberedDivisions; a present list, even an empty
// one, replaces them.
struct ScaleLawSettings {
    double start = 0.0;
    ScaleLaw law = ScaleLaw::Linear;
    std::vector<TablePoint> points;
    std::optional<std::vector<double>> ticks;
    std::optional<std::vector<double>> bigticks;
    std::optional<std::vector<Mark>> numbers;
    bool operator==(const ScaleLawSettings&) const = default;
};

// Scales 2 to 4: every key is optional, and what a scale does not set it takes from scale 1.
struct FurtherScale {
    std::optional<std::int32_t> tickRadius, ticksInward, divisions, bigDivisions, numberedDivisions,
        bigTickLength, smallTickLength, bigTickWidth, smallTickWidth, arcShown, arcWidth;
    std::optional<double> range, start;
    std::optional<ScaleLaw> law;
    std::optional<std::vector<TablePoint>> points;
    std::optional<std::vector<double>> ticks, bigticks;
    std::optional<std::vector<Mark>> numbers;
    std::optional<std::string> unit;      // Windows-1251, drawn beside the scale's right end
    std::optional<std::string> unitUtf8;  // the unit in full when Windows-1251 cannot hold it
    bool operator==(const FurtherScale&) const = default;
};

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
    ScaleLawSettings first;             // scale 1's own law keys
    std::vector<FurtherScale> further;  // scales 2.. in order, at most kMaxScales - 1
    std::vector<Zone> zones;            // at most kMaxZones
    std::string origin{kDefaultOriginText};
    std::string standard{kDefaultStandardText};
    // The name, unit, origin and standard texts in full (UTF-8) where Windows-1251 holds only an
    // approximation of them (model/TextKeys.h).
    std::optional<std::string> nameUtf8, unitUtf8, originUtf8, standardUtf8;
    // Where the user put the data, romb and others symbols and the name, unit, origin and
    // standard labels; absent: the default place for the plate.
    std::array<std::optional<Place>, kPlacedElementCount> places{};
    // Lines of keys this program does not know, kept as read and written back after the others.
    std::vector<std::string> unknownLines;
    bool operator==(const ScaleExtensions&) const = default;
};

}  // namespace quirn
