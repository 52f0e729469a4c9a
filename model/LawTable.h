// SPDX-License-Identifier: GPL-3.0-or-later
// The laws a scale may follow, one row each: the reader, the writer, the checks, the renderer
// and the scales window go through this table, so that a law is described once. Its name on
// screen is the scales window's (view/scales/ScalePage.cpp).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/ScaleLaw.h"

namespace quirn {

// What a scale's range means, and so which values it shows.
enum class LawReach : std::uint8_t {
    StartToRange,    // from start to range, either way round
    ZeroToInfinity,  // range is the value at the middle of the arc; 0 at the right end, infinity
                     // at the left, where a big tick and the numeral "∞" stand
    OneToInfinity,   // 1 at the left end, infinity at the right, where a big tick and the numeral
                     // "∞" stand; start and range play no part
};

// The fraction of the arc where a law's infinity end lies; nothing for a law whose ends are both
// values.
std::optional<double> InfinityEnd(LawReach reach);

// Where the equal steps of divisions, bigDivisions and numberedDivisions fall when no list
// replaces them.
enum class EqualSteps : std::uint8_t {
    DivideArc,  // equal steps of value are equal divisions of the arc
    ByValue,    // each equal step of value lies where the law puts it
    None,       // there is no end value to step to: only the lists place ticks and numerals
};

struct LawRow {
    ScaleLaw law;
    std::string_view keyword;  // in the file
    // The fraction of the arc where a value lies; may come out non-finite, or nothing where the
    // law has no place for the value.
    std::optional<double> (*fraction)(const LawCurve& curve, double value);
    // What the law itself refuses on a scale (its lists are checked for every law alike).
    ScaleCheck (*check)(const ResolvedScale& scale);
    LawReach reach;
    EqualSteps steps;
};

std::span<const LawRow> LawTable();
// The row of a law; a value outside the table has the first row's.
const LawRow& LawOf(ScaleLaw law);
std::string_view LawKeyword(ScaleLaw law);
std::optional<ScaleLaw> LawFromKeyword(std::string_view keyword);

}  // namespace quirn
