// SPDX-License-Identifier: GPL-3.0-or-later
// One scale of a plate: the values it spans and by which law, how it is divided and numbered,
// and its unit. Scale 1 is part of the plate's record; further scales set what they change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quirn {

// How a value maps to a fraction of the arc; each law is a row of model/LawTable.h.
enum class ScaleLaw : std::uint8_t { Linear, Square, Db, Ohm, Table, Swr };

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

// Lengths are drawing units (0.01 mm). A list that is absent leaves its family to the equal
// steps of divisions, bigDivisions or numberedDivisions; a present list, even an empty one,
// replaces them.
struct ScaleSetup {
    std::string unit;                     // Windows-1251
    std::optional<std::string> unitUtf8;  // the unit in full when Windows-1251 cannot hold it
    double range = 0.0;
    double start = 0.0;
    ScaleLaw law = ScaleLaw::Linear;
    std::vector<TablePoint> points;
    std::int32_t tickRadius = 0;
    std::int32_t ticksInward = 0;  // 0: ticks outward from tickRadius, numbers outside
    std::int32_t divisions = 0;
    std::int32_t bigDivisions = 0;
    std::int32_t numberedDivisions = 0;
    std::int32_t bigTickLength = 0;
    std::int32_t smallTickLength = 0;
    std::int32_t bigTickWidth = 0;
    std::int32_t smallTickWidth = 0;
    std::int32_t arcShown = 0;
    std::int32_t arcWidth = 0;
    std::optional<std::vector<double>> ticks;
    std::optional<std::vector<double>> bigticks;
    std::optional<std::vector<Mark>> numbers;
    // The ink of the ticks, numerals, arc and unit, 0xRRGGBB; absent: black.
    std::optional<std::uint32_t> colour;
    // The base curve's centre lies this far below the pointer axis, its radius tickRadius +
    // flatten: a flatter arc for a modern look. 0: the circle about the pointer axis.
    std::int32_t flatten = 0;
    // The numerals stand this much farther from their ticks than the plate's own rule puts them,
    // nearer when negative. 0: where that rule puts them.
    std::int32_t numeralOffset = 0;

    bool operator==(const ScaleSetup&) const = default;
};

}  // namespace quirn
