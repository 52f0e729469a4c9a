// SPDX-License-Identifier: GPL-3.0-or-later
// What a scale plate may carry beyond its scale 1 and the plate's outline: up to three further
// scales on the same axis, coloured zones, the texts of the two fixed labels and the places the
// user dragged the elements to. A record that uses none of it holds the defaults below.
#pragma once

#include <array>
#include <cstdint>
#include <map>
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

// A typeface as a key gives it. The percent scales the cell height the role's text has by
// default; the weight and the narrowing stay the role's own unless bold or light is asked for.
enum class FontWeight : std::uint8_t { AsDefault, Bold, Light };
enum class FontSlant : std::uint8_t { Upright, Italic };
struct Typeface {
    std::string family;
    FontWeight weight = FontWeight::AsDefault;
    FontSlant slant = FontSlant::Upright;
    std::int32_t percent = 100;
    bool operator==(const Typeface&) const = default;
};

// The texts whose typeface the plate may set: scale 1's numerals, the four labels, and the
// further scales' numerals and units.
enum class TextRole : std::uint8_t { Numerals, Name, Unit, Origin, Standard, FurtherScales };
inline constexpr int kTextRoleCount = 6;

// The labels whose colour the plate may set.
enum class LabelRole : std::uint8_t { Name, Unit, Origin, Standard };
inline constexpr int kLabelRoleCount = 4;

// A text placed anywhere on the plate: the centre of its box, turned counterclockwise.
struct FreeText {
    Place centre;
    double angle = 0.0;                   // degrees
    std::string text;                     // Windows-1251
    std::optional<std::string> textUtf8;  // in full where Windows-1251 holds an approximation
    std::optional<Typeface> font;         // absent: the name label's face at 100 %
    std::optional<std::uint32_t> colour;  // absent: black
    bool operator==(const FreeText&) const = default;
};
inline constexpr int kMaxFreeTexts = 32;

// A picture file placed on the plate: its centre and width, the height from its proportions.
struct PlacedPicture {
    Place centre;
    std::int32_t width = 0;
    std::string file;  // relative to the document's folder, as written
    bool operator==(const PlacedPicture&) const = default;
};
inline constexpr int kMaxPictures = 8;

// The slot for an anti-parallax mirror: the band from radius to radius + width about the pointer
// axis over scale 1's angle.
struct MirrorSlot {
    std::int32_t radius = 0;
    std::int32_t width = 0;
    bool operator==(const MirrorSlot&) const = default;
};

// The template laid under the drawing, kept with the document: its lower-left corner, width,
// turn in degrees counterclockwise, dimming in percent and file, relative to the document.
// Whether the mouse may drag and widen the template, or clicks on it reach what lies above.
enum class TemplateLock { Free, Locked };

struct TemplateRecord {
    Place corner;
    std::int32_t width = 0;
    double angle = 0.0;
    std::int32_t dim = 0;
    std::string file;
    TemplateLock lock = TemplateLock::Free;
    bool operator==(const TemplateRecord&) const = default;
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
    // Where the user put the data, diamond ("romb" in files) and others symbols and the name, unit,
    // origin and standard labels; absent: the default place for the plate.
    std::array<std::optional<Place>, kPlacedElementCount> places{};
    // Absent roles keep the face, weight and size they have always had. (Maps rather than arrays
    // of optionals: copying those at compile time stops the compiler this builds with.)
    std::map<TextRole, Typeface> typefaces;
    // By LabelRole, 0xRRGGBB; absent: black.
    std::array<std::optional<std::uint32_t>, kLabelRoleCount> labelColours{};
    // "text1" to "text32" and "image1" to "image8" by their number.
    std::map<int, FreeText> texts;
    std::map<int, PlacedPicture> pictures;
    std::optional<MirrorSlot> mirror;
    std::optional<TemplateRecord> templateRecord;
    // Lines of keys this program does not know, kept as read and written back after the others.
    std::vector<std::string> unknownLines;
    bool operator==(const ScaleExtensions&) const = default;
};

}  // namespace quirn
