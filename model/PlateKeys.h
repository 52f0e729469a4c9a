// SPDX-License-Identifier: GPL-3.0-or-later
// The keys that make a plate look like its original, one row each, in the order they are
// written after the plate's places: the typefaces and colours of the texts, the free texts and
// pictures, the mirror slot and the template. One table for the reader and the writer; a key's
// numbered form ("text7") is its row's key with the number where "#" stands.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/ScaleExtensions.h"

namespace quirn {

// What reading a value did.
enum class KeyRead : std::uint8_t {
    Set,     // the record holds the value
    Bad,     // the value cannot be read: the line is kept as an unknown line
    NoItem,  // a part of a numbered item ("text3.font") whose item the file lacks: kept too
};

// Whether the key stands alone or adds to the numbered item of the row before it.
enum class KeyPart : std::uint8_t { Own, OfItem };

struct PlateKey {
    std::string_view key;  // "font.name", "text#", "text#.font"
    int count;             // the numbers 1..count a "#" takes; 0 for a key without one
    KeyPart part;
    // The value of the key for the number (0 for a key without one); nothing when the record
    // leaves the key out.
    std::optional<std::string> (*write)(const ScaleExtensions&, int number);
    KeyRead (*read)(ScaleExtensions&, int number, std::string_view value);
};

std::span<const PlateKey> PlateKeys();

// The row whose key the file key is, with the number it carries; null when it is none of them.
const PlateKey* FindPlateKey(std::string_view key, int& number);

// The file key of a row for a number.
std::string PlateKeyName(const PlateKey& row, int number);

// The plate keys' lines of x, in the table's order; a numbered item's parts follow the item.
std::string WritePlateKeyLines(const ScaleExtensions& x);

// "<family>[, bold|light][, italic][, <percent>%]", the parts left out when they are default.
// Read with the parts after the family in any order, each once; the family is required and the
// percent is whole, kLeastTypefacePercent to kMostTypefacePercent.
inline constexpr int kLeastTypefacePercent = 1;
inline constexpr int kMostTypefacePercent = 1000;
std::string TypefaceText(const Typeface& face);
std::optional<Typeface> ParseTypeface(std::string_view text);

}  // namespace quirn
