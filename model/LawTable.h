// SPDX-License-Identifier: GPL-3.0-or-later
// The laws a scale may follow, one row each: the reader, the writer, the checks and their words,
// the renderer and the scales window go through this table, so that a law is described once.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
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

// A problem a law's check finds, with the words the user is told it in (QUIRN_TRANSLATE_NOOP,
// context "quirn::LawTable"): %1 the scale's number, %2 the item at fault, and where they stand
// %3 and %4 the ends of the scale's values.
struct LawRefusal {
    Fault problem;
    const char* words;
    // Scale 1's words, where they name a field of the parameter panel instead; null: the same.
    const char* firstScaleWords = nullptr;
};

// The tick and number lists a scale starts with: the texts of the list fields, the numbers
// Windows-1251.
struct DefaultLists {
    std::string ticks;
    std::string numbers;
};

struct LawRow {
    ScaleLaw law;
    std::string_view keyword;  // in the file
    const char* caption;       // its name on screen (QUIRN_TRANSLATE_NOOP, "quirn::LawTable")
    // What the range is called under the law; null: the range key's own caption.
    const char* rangeCaption;
    // The fraction of the arc where a value lies; may come out non-finite, or nothing where the
    // law has no place for the value.
    std::optional<double> (*fraction)(const LawCurve& curve, double value);
    // What the law itself refuses on a scale (its lists are checked for every law alike), and in
    // which words.
    Outcome (*check)(const ResolvedScale& scale);
    std::span<const LawRefusal> refusals;
    LawReach reach;
    EqualSteps steps;
    // The lists a scale is given when the user picks the law while its lists are empty, from the
    // scale's range; null: none, the equal steps serve.
    DefaultLists (*startingLists)(double range);
};

std::span<const LawRow> LawTable();
// The row of a law; a value outside the table has the first row's.
const LawRow& LawOf(ScaleLaw law);
std::string_view LawKeyword(ScaleLaw law);
std::optional<ScaleLaw> LawFromKeyword(std::string_view keyword);
// The words of a problem that a law's check finds, on the given scale; null for a problem that
// is no law's own.
const char* LawRefusalWords(Fault problem, int scale);

}  // namespace quirn
