// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ExtensionText.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <unordered_set>

#include "model/NumberText.h"
#include "model/ParameterFields.h"
#include "model/PlateKeys.h"
#include "model/ScaleKeys.h"
#include "model/TextCodec.h"
#include "model/TextKeys.h"

namespace quirn {
namespace {

void Line(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += "\t= ";
    out += value;
    out += "\r\n";
}

// Words separated by spaces or tabs.
template <class Visit>
void ForEachWord(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
        std::size_t end = at;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t') ++end;
        if (end > at) visit(text.substr(at, end - at));
        at = end;
    }
}

// The companion line of a text, when the code page holds only an approximation of it.
void CompanionLine(std::string& out, const std::string& companionKey, const std::string& text,
                   const std::optional<std::string>& full) {
    if (const std::string* inForce = FullTextInForce(text, full))
        Line(out, companionKey, OneLineText(*inForce));
}

void Note(ListParse* parse, std::string_view item) {
    if (parse != nullptr && parse->bad.empty()) parse->bad = std::string(item);
}

}  // namespace

std::string ExactNumber(double value) {
    if (!std::isfinite(value)) return "0";
    if (value == 0.0) return "0";
    std::array<char, 64> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return std::string(buffer.data(), result.ptr);
}

std::optional<double> ParseExactNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::string OneLineText(std::string_view text) {
    std::string value(text);
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return value;
}

std::string ValueListText(const std::vector<double>& values) {
    std::string text;
    for (double v : values) text += (text.empty() ? "" : " ") + ExactNumber(v);
    return text;
}

std::string MarkListText(const std::vector<Mark>& marks) {
    std::string text;
    for (const Mark& m : marks) {
        if (!text.empty()) text += ' ';
        text += ExactNumber(m.value);
        if (!m.text.empty()) text += "=" + m.text;
    }
    return text;
}

std::string PointListText(const std::vector<TablePoint>& points) {
    std::string text;
    for (const TablePoint& p : points) {
        if (!text.empty()) text += ' ';
        text += ExactNumber(p.value) + ":" + ExactNumber(p.fraction);
    }
    return text;
}

std::optional<std::int32_t> ParseWholeNumber(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string ColourText(std::uint32_t rgb) {
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFFu));
    return colour;
}

std::optional<std::uint32_t> ParseColour(std::string_view text) {
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    std::uint32_t rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
    if (error != std::errc() || end != text.data() + 7) return std::nullopt;
    return rgb;
}

std::string ZoneText(const Zone& zone) {
    return std::to_string(zone.scale) + " " + ExactNumber(zone.from) + " " + ExactNumber(zone.to) +
           " " + ColourText(zone.rgb);
}

std::string PlaceText(const Place& place) {
    return std::to_string(place.x) + " " + std::to_string(place.y);
}

std::vector<double> ParseValueList(std::string_view text, ListParse* parse) {
    std::vector<double> values;
    ForEachWord(text, [&](std::string_view word) {
        if (const auto v = ParseExactNumber(word))
            values.push_back(*v);
        else
            Note(parse, word);
    });
    return values;
}

std::vector<Mark> ParseMarkList(std::string_view text, ListParse* parse) {
    std::vector<Mark> marks;
    ForEachWord(text, [&](std::string_view word) {
        const std::size_t eq = word.find('=');
        const auto v = ParseExactNumber(word.substr(0, eq));
        if (!v) return Note(parse, word);
        marks.push_back(
            {*v, eq == std::string_view::npos ? std::string() : std::string(word.substr(eq + 1))});
    });
    return marks;
}

std::vector<TablePoint> ParsePointList(std::string_view text, ListParse* parse) {
    std::vector<TablePoint> points;
    ForEachWord(text, [&](std::string_view word) {
        const std::size_t colon = word.find(':');
        const auto v = ParseExactNumber(word.substr(0, colon));
        const auto f = colon == std::string_view::npos ? std::nullopt
                                                       : ParseExactNumber(word.substr(colon + 1));
        if (!v || !f) return Note(parse, word);
        points.push_back({*v, *f});
    });
    return points;
}

std::optional<Zone> ParseZone(std::string_view text) {
    std::vector<std::string_view> words;
    ForEachWord(text, [&](std::string_view w) { words.push_back(w); });
    if (words.size() != 4) return std::nullopt;
    const auto scale = ParseWholeNumber(words[0]);
    const auto from = ParseExactNumber(words[1]);
    const auto to = ParseExactNumber(words[2]);
    const auto rgb = ParseColour(words[3]);
    if (!scale || *scale < 1 || *scale > kMaxScales || !from || !to || !rgb) return std::nullopt;
    return Zone{*scale, *from, *to, *rgb};
}

std::optional<Place> ParsePlace(std::string_view text) {
    std::vector<std::string_view> words;
    ForEachWord(text, [&](std::string_view w) { words.push_back(w); });
    if (words.size() != 2) return std::nullopt;
    const auto x = ParseWholeNumber(words[0]);
    const auto y = ParseWholeNumber(words[1]);
    if (!x || !y) return std::nullopt;
    return Place{*x, *y};
}

namespace {

// Scale 1's keys that follow the standard lines, where they differ from their defaults.
void WriteFirstScale(std::string& out, const ScaleSetup& s) {
    for (const ScaleKey& row : kScaleKeys)
        if (row.firstScale == FirstScaleLine::Extension && !HoldsDefault(row, s))
            Line(out, row.key, ScaleKeyText(row, s));
}

void WriteFurtherScale(std::string& out, int number, const FurtherScale& s) {
    const std::string prefix = std::to_string(number) + ".";
    for (std::size_t k = 0; k < kScaleKeys.size(); ++k) {
        if (!s.sets.test(k)) continue;
        const ScaleKey& row = kScaleKeys[k];
        Line(out, prefix + std::string(row.key), ScaleKeyText(row, s.values));
        if (const auto* text = std::get_if<ScaleText>(&row.member))
            CompanionLine(out, prefix + std::string(text->companion), s.values.*text->text,
                          s.values.*text->full);
    }
}

}  // namespace

std::string WriteCompanionLines(const ScaleParameters& p) {
    std::string out;
    for (const PlateTextKey& t : kPlateTextKeys)
        CompanionLine(out, std::string(t.companion), TextOf(p, t), FullTextOf(p, t));
    return out;
}

std::string WriteExtensionLines(const ScaleParameters& p) {
    const ScaleExtensions& ext = p.ext;
    std::string out;
    WriteFirstScale(out, p);
    for (std::size_t k = 0; k < ext.further.size() && k + 2 <= kMaxScales; ++k)
        WriteFurtherScale(out, int(k) + 2, ext.further[k]);
    for (std::size_t z = 0; z < ext.zones.size() && z < kMaxZones; ++z)
        Line(out, "zone" + std::to_string(z + 1), ZoneText(ext.zones[z]));
    if (ext.origin != kDefaultOriginText) Line(out, "origin", OneLineText(ext.origin));
    if (ext.standard != kDefaultStandardText) Line(out, "standard", OneLineText(ext.standard));
    for (int e = 0; e < kPlacedElementCount; ++e)
        if (const auto& place = ext.places[std::size_t(e)])
            Line(out, kPlaceKeys[e], PlaceText(*place));
    out += WritePlateKeyLines(ext);
    // Kept as read: a line of the file holds no line break and no NUL.
    for (const std::string& line : ext.unknownLines) {
        for (const char c : line) out += c == '\r' || c == '\n' || c == '\0' ? ' ' : c;
        out += "\r\n";
    }
    return out;
}

namespace {

bool IsKeyByte(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '.';
}

bool IsStandardKey(std::string_view key) {
    for (const ParameterField& field : StandardFields())
        if (field.key == key) return true;
    return false;
}

// What became of a line with a key.
enum class LineRead : std::uint8_t {
    Unknown,  // none of the extension keys
    Set,      // its value is in the record, or waits for the item it belongs to
    Kept,     // a known key whose value cannot be read: kept as an unknown line
};

LineRead ReadOutcome(bool set) {
    return set ? LineRead::Set : LineRead::Kept;
}

// Sets the key of a further scale. A text's companion without the text's own key stands for
// both: the text is the scale's own, and empty.
LineRead SetFurtherScaleKey(FurtherScale& s, std::string_view key, std::string_view value) {
    for (std::size_t k = 0; k < kScaleKeys.size(); ++k) {
        const ScaleKey& row = kScaleKeys[k];
        const auto* text = std::get_if<ScaleText>(&row.member);
        if (key == row.key) {
            if (!SetScaleKey(row, s.values, value)) return LineRead::Kept;
        } else if (text != nullptr && key == text->companion) {
            s.values.*text->full = std::string(value);
        } else {
            continue;
        }
        s.sets.set(k);
        return LineRead::Set;
    }
    return LineRead::Unknown;
}

// A part of a numbered item ("text3.font"), read once every item has been.
struct PendingPart {
    const PlateKey* row;
    int number;
    std::string_view value;
    std::string_view line;
    std::size_t unknownAt;  // where the line goes among the unknown lines if it is kept
};

// What the extension lines of a text fill in, while they are read.
struct Reading {
    ScaleParameters& record;
    std::array<FurtherScale, kMaxScales - 1> further{};
    std::array<bool, kMaxScales - 1> present{};
    std::array<std::optional<Zone>, kMaxZones> zones{};
    std::vector<PendingPart> parts{};
};

LineRead SetPlateKey(Reading& r, std::string_view line, std::string_view key,
                     std::string_view value) {
    int number = 0;
    const PlateKey* row = FindPlateKey(key, number);
    if (row == nullptr) return LineRead::Unknown;
    if (row->part == KeyPart::OfItem) {
        r.parts.push_back({row, number, value, line, r.record.ext.unknownLines.size()});
        return LineRead::Set;
    }
    return ReadOutcome(row->read(r.record.ext, number, value) == KeyRead::Set);
}

// Sets the key when it is one of the extension keys.
LineRead SetExtensionKey(Reading& r, std::string_view line, std::string_view key,
                         std::string_view value) {
    ScaleExtensions& ext = r.record.ext;
    for (const ScaleKey& row : kScaleKeys)
        if (row.firstScale == FirstScaleLine::Extension && key == row.key)
            return ReadOutcome(SetScaleKey(row, r.record, value));
    if (key == "origin")
        ext.origin = std::string(value);
    else if (key == "standard")
        ext.standard = std::string(value);
    else if (key == kCharsetKey) {
        // Read with the whole text (ReadScaleParameters); the record does not keep it.
    } else if (key.size() == 5 && key.substr(0, 4) == "zone" && key[4] >= '1' &&
               key[4] < '1' + kMaxZones) {
        r.zones[std::size_t(key[4] - '1')] = ParseZone(value);
    } else if (key.size() > 2 && key[1] == '.' && key[0] >= '2' && key[0] < '1' + kMaxScales) {
        const auto index = std::size_t(key[0] - '2');
        const LineRead read = SetFurtherScaleKey(r.further[index], key.substr(2), value);
        if (read == LineRead::Set) r.present[index] = true;
        return read;
    } else {
        for (int e = 0; e < kPlacedElementCount; ++e) {
            if (key == kPlaceKeys[e]) {
                ext.places[std::size_t(e)] = ParsePlace(value);
                return LineRead::Set;
            }
        }
        for (const PlateTextKey& t : kPlateTextKeys) {
            if (key == t.companion) {
                FullTextOf(r.record, t) = std::string(value);
                return LineRead::Set;
            }
        }
        return SetPlateKey(r, line, key, value);
    }
    return LineRead::Set;
}

// The parts of numbered items, once the items are read; a part whose item is missing or whose
// value cannot be read keeps its line where it stood among the unknown lines.
void SettleParts(Reading& r) {
    std::vector<const PendingPart*> kept;
    for (const PendingPart& part : r.parts)
        if (part.row->read(r.record.ext, part.number, part.value) != KeyRead::Set)
            kept.push_back(&part);
    std::vector<std::string>& unknown = r.record.ext.unknownLines;
    for (auto it = kept.rbegin(); it != kept.rend(); ++it)
        unknown.emplace(unknown.begin() + std::ptrdiff_t((*it)->unknownAt), (*it)->line);
}

// Calls visit(line, key, value) for each line that starts with a key, blanks and "=", while it
// returns true.
template <class Visit>
void ForEachKeyLine(std::string_view text, Visit visit) {
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = at;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        const std::string_view line = text.substr(at, end - at);
        at = end;
        while (at < text.size() && (text[at] == '\r' || text[at] == '\n')) ++at;

        std::size_t k = 0;
        while (k < line.size() && IsKeyByte(line[k])) ++k;
        std::size_t eq = k;
        while (eq < line.size() && (line[eq] == ' ' || line[eq] == '\t')) ++eq;
        if (k == 0 || eq >= line.size() || line[eq] != '=') continue;

        std::size_t begin = eq + 1;
        std::size_t stop = begin;
        while (stop < line.size() && static_cast<unsigned char>(line[stop]) >= 0x20) ++stop;
        while (begin < stop && line[begin] == ' ') ++begin;
        while (stop > begin && line[stop - 1] == ' ') --stop;
        if (!visit(line, line.substr(0, k), line.substr(begin, stop - begin))) return;
    }
}

}  // namespace

bool HoldsScaleKey(std::string_view text) {
    bool found = false;
    ForEachKeyLine(text, [&](std::string_view, std::string_view key, std::string_view) {
        ScaleParameters scratch;
        Reading reading{scratch};
        found = IsStandardKey(key) || SetExtensionKey(reading, key, key, {}) != LineRead::Unknown;
        return !found;
    });
    return found;
}

void ReadExtensionLines(std::string_view text, ScaleParameters& p) {
    p.ext = {};
    for (const ScaleKey& row : kScaleKeys)
        if (row.firstScale == FirstScaleLine::Extension) CopyScaleKey(row, ScaleSetup{}, p);
    Reading r{p};
    std::unordered_set<std::string_view> seen;  // a file may hold many thousands of lines
    ForEachKeyLine(text, [&](std::string_view line, std::string_view key, std::string_view value) {
        if (IsStandardKey(key) || !seen.insert(key).second) return true;
        if (SetExtensionKey(r, line, key, value) != LineRead::Set)
            p.ext.unknownLines.emplace_back(line);
        return true;
    });
    SettleParts(r);
    // A further scale exists when any of its keys is present; numbers stay as written.
    for (std::size_t k = kMaxScales - 1; k-- > 0;) {
        if (r.present[k]) {
            p.ext.further.assign(r.further.begin(), r.further.begin() + std::ptrdiff_t(k + 1));
            break;
        }
    }
    for (const auto& zone : r.zones)
        if (zone) p.ext.zones.push_back(*zone);
}

}  // namespace quirn
