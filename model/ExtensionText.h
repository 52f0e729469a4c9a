// SPDX-License-Identifier: GPL-3.0-or-later
// The lines that follow the 24 standard ones when a plate uses more than one linear scale:
// key, TAB, "= ", value, CR LF, as the standard lines are written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ScaleExtensions.h"
#include "model/ScaleParameters.h"

namespace quirn {

// The extension lines of p, in a fixed order: scale 1's keys beyond the standard lines, the
// further scales, then ext; empty when nothing differs from the defaults.
std::string WriteExtensionLines(const ScaleParameters& p);
// The companion lines of the plate's texts that Windows-1251 cannot hold (model/TextKeys.h),
// which follow the 24 standard lines; empty for texts it can.
std::string WriteCompanionLines(const ScaleParameters& p);

// The extension keys found in text, into p: scale 1's beyond the standard lines, and p.ext
// whole. Keys count only at the head of a line; the first line of a key wins; lines with keys
// that are neither standard nor extension keys are kept whole.
void ReadExtensionLines(std::string_view text, ScaleParameters& p);
// Whether a standard or an extension key heads some line of text, followed by blanks and "=".
bool HoldsScaleKey(std::string_view text);

// Value texts, as the files and the scales window hold them. A number is written in its
// shortest exact form.
std::string ExactNumber(double value);
// A text on one line: its control bytes, which would break the line, as spaces.
std::string OneLineText(std::string_view text);
std::string ValueListText(const std::vector<double>& values);
std::string MarkListText(const std::vector<Mark>& marks);
std::string PointListText(const std::vector<TablePoint>& points);
std::string ZoneText(const Zone& zone);
std::string PlaceText(const Place& place);
// "#rrggbb", lower-case; read in either case.
std::string ColourText(std::uint32_t rgb);

// Each parser gives the items it could read and, when some item could not be read, that item's
// text in `bad`; the file reader keeps what was read, the scales window refuses with it.
struct ListParse {
    std::string bad;
    bool ok() const { return bad.empty(); }
};
std::vector<double> ParseValueList(std::string_view text, ListParse* parse = nullptr);
std::vector<Mark> ParseMarkList(std::string_view text, ListParse* parse = nullptr);
std::vector<TablePoint> ParsePointList(std::string_view text, ListParse* parse = nullptr);
std::optional<Zone> ParseZone(std::string_view text);
std::optional<Place> ParsePlace(std::string_view text);
std::optional<std::uint32_t> ParseColour(std::string_view text);
// A whole number in the 32-bit range and nothing else ("-12", not "+12", "12.0" or "12 ").
std::optional<std::int32_t> ParseWholeNumber(std::string_view text);
// A whole number text as a value, or nothing when the text holds anything else.
std::optional<double> ParseExactNumber(std::string_view text);

// The key that tells a Windows-1251 file whose texts happen to be well-formed UTF-8 from a UTF-8
// one, and its value; written only then.
inline constexpr std::string_view kCharsetKey = "charset";
inline constexpr std::string_view kWindows1251 = "windows-1251";

// The file keys of the seven places, in the order of the movable elements.
inline constexpr std::string_view kPlaceKeys[kPlacedElementCount] = {
    "place.data", "place.romb",   "place.others",  "place.name",
    "place.unit", "place.origin", "place.standard"};

}  // namespace quirn
