// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/PlateKeys.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "model/ExtensionText.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

// The first `count` words of text and the rest of it, which may hold blanks (a text, a file
// name); nothing when the text has fewer words.
struct Head {
    std::vector<std::string_view> words;
    std::string_view rest;
};
std::optional<Head> SplitHead(std::string_view text, std::size_t count) {
    Head head;
    std::size_t at = 0;
    while (head.words.size() < count) {
        while (at < text.size() && IsBlank(text[at])) ++at;
        std::size_t end = at;
        while (end < text.size() && !IsBlank(text[end])) ++end;
        if (end == at) return std::nullopt;
        head.words.push_back(text.substr(at, end - at));
        at = end;
    }
    head.rest = Trimmed(text.substr(at));
    return head;
}

bool AsciiEquals(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[k]) != lower(b[k])) return false;
    }
    return true;
}

template <class T>
const T* Find(const std::map<int, T>& items, int number) {
    const auto it = items.find(number);
    return it == items.end() ? nullptr : &it->second;
}
template <class T>
T* Find(std::map<int, T>& items, int number) {
    const auto it = items.find(number);
    return it == items.end() ? nullptr : &it->second;
}

// Typefaces by role.
template <TextRole R>
std::optional<std::string> WriteFont(const ScaleExtensions& x, int) {
    const auto it = x.typefaces.find(R);
    if (it == x.typefaces.end()) return std::nullopt;
    return TypefaceText(it->second);
}
template <TextRole R>
KeyRead ReadFont(ScaleExtensions& x, int, std::string_view value) {
    const auto face = ParseTypeface(value);
    if (!face) return KeyRead::Bad;
    x.typefaces[R] = *face;
    return KeyRead::Set;
}

// Label colours by role.
template <LabelRole R>
std::optional<std::string> WriteLabelColour(const ScaleExtensions& x, int) {
    const auto& colour = x.labelColours[std::size_t(R)];
    if (!colour) return std::nullopt;
    return ColourText(*colour);
}
template <LabelRole R>
KeyRead ReadLabelColour(ScaleExtensions& x, int, std::string_view value) {
    const auto colour = ParseColour(value);
    if (!colour) return KeyRead::Bad;
    x.labelColours[std::size_t(R)] = *colour;
    return KeyRead::Set;
}

// Free texts: "<x> <y> <angle> <text>".
std::optional<std::string> WriteText(const ScaleExtensions& x, int number) {
    const FreeText* t = Find(x.texts, number);
    if (t == nullptr) return std::nullopt;
    std::string value = PlaceText(t->centre) + " " + ExactNumber(t->angle);
    if (!t->text.empty()) value += " " + OneLineText(t->text);
    return value;
}
KeyRead ReadText(ScaleExtensions& x, int number, std::string_view value) {
    const auto head = SplitHead(value, 3);
    if (!head) return KeyRead::Bad;
    const auto cx = ParseWholeNumber(head->words[0]);
    const auto cy = ParseWholeNumber(head->words[1]);
    const auto angle = ParseExactNumber(head->words[2]);
    if (!cx || !cy || !angle) return KeyRead::Bad;
    FreeText& t = x.texts[number];
    t.centre = {*cx, *cy};
    t.angle = *angle;
    t.text = std::string(head->rest);
    return KeyRead::Set;
}

// The full text, only when Windows-1251 holds an approximation of it (model/TextKeys.h).
std::optional<std::string> WriteTextFull(const ScaleExtensions& x, int number) {
    const FreeText* t = Find(x.texts, number);
    if (t == nullptr) return std::nullopt;
    const std::string* full = FullTextInForce(t->text, t->textUtf8);
    if (full == nullptr) return std::nullopt;
    return OneLineText(*full);
}
KeyRead ReadTextFull(ScaleExtensions& x, int number, std::string_view value) {
    FreeText* t = Find(x.texts, number);
    if (t == nullptr) return KeyRead::NoItem;
    t->textUtf8 = std::string(value);
    return KeyRead::Set;
}

std::optional<std::string> WriteTextFont(const ScaleExtensions& x, int number) {
    const FreeText* t = Find(x.texts, number);
    if (t == nullptr || !t->font) return std::nullopt;
    return TypefaceText(*t->font);
}
KeyRead ReadTextFont(ScaleExtensions& x, int number, std::string_view value) {
    FreeText* t = Find(x.texts, number);
    if (t == nullptr) return KeyRead::NoItem;
    const auto face = ParseTypeface(value);
    if (!face) return KeyRead::Bad;
    t->font = *face;
    return KeyRead::Set;
}

std::optional<std::string> WriteTextColour(const ScaleExtensions& x, int number) {
    const FreeText* t = Find(x.texts, number);
    if (t == nullptr || !t->colour) return std::nullopt;
    return ColourText(*t->colour);
}
KeyRead ReadTextColour(ScaleExtensions& x, int number, std::string_view value) {
    FreeText* t = Find(x.texts, number);
    if (t == nullptr) return KeyRead::NoItem;
    const auto colour = ParseColour(value);
    if (!colour) return KeyRead::Bad;
    t->colour = *colour;
    return KeyRead::Set;
}

// Pictures: "<x> <y> <width> <file>".
std::optional<std::string> WritePicture(const ScaleExtensions& x, int number) {
    const PlacedPicture* p = Find(x.pictures, number);
    if (p == nullptr) return std::nullopt;
    return PlaceText(p->centre) + " " + std::to_string(p->width) + " " + OneLineText(p->file);
}
KeyRead ReadPicture(ScaleExtensions& x, int number, std::string_view value) {
    const auto head = SplitHead(value, 3);
    if (!head || head->rest.empty()) return KeyRead::Bad;
    const auto cx = ParseWholeNumber(head->words[0]);
    const auto cy = ParseWholeNumber(head->words[1]);
    const auto width = ParseWholeNumber(head->words[2]);
    if (!cx || !cy || !width || *width <= 0) return KeyRead::Bad;
    x.pictures[number] = {{*cx, *cy}, *width, std::string(head->rest)};
    return KeyRead::Set;
}

// "<radius> <width>".
std::optional<std::string> WriteMirror(const ScaleExtensions& x, int) {
    if (!x.mirror) return std::nullopt;
    return std::to_string(x.mirror->radius) + " " + std::to_string(x.mirror->width);
}
KeyRead ReadMirror(ScaleExtensions& x, int, std::string_view value) {
    const auto head = SplitHead(value, 2);
    if (!head || !head->rest.empty()) return KeyRead::Bad;
    const auto radius = ParseWholeNumber(head->words[0]);
    const auto width = ParseWholeNumber(head->words[1]);
    if (!radius || !width || *radius <= 0 || *width <= 0) return KeyRead::Bad;
    x.mirror = MirrorSlot{*radius, *width};
    return KeyRead::Set;
}

// "<x> <y> <width> <angle> <dim> [<locked>] <file>": 1 for a locked template; 0 only for a free
// one whose file's name would read as the mark, so that every other line stays as it was.
std::optional<std::string> WriteTemplate(const ScaleExtensions& x, int) {
    if (!x.templateRecord) return std::nullopt;
    const TemplateRecord& t = *x.templateRecord;
    const std::string file = OneLineText(t.file);
    const bool looksMarked = file.starts_with("0 ") || file.starts_with("1 ");
    const std::string mark = t.lock == TemplateLock::Locked ? "1 " : looksMarked ? "0 " : "";
    return PlaceText(t.corner) + " " + std::to_string(t.width) + " " + ExactNumber(t.angle) + " " +
           std::to_string(t.dim) + " " + mark + file;
}
KeyRead ReadTemplate(ScaleExtensions& x, int, std::string_view value) {
    const auto head = SplitHead(value, 5);
    if (!head || head->rest.empty()) return KeyRead::Bad;
    const auto cx = ParseWholeNumber(head->words[0]);
    const auto cy = ParseWholeNumber(head->words[1]);
    const auto width = ParseWholeNumber(head->words[2]);
    const auto angle = ParseExactNumber(head->words[3]);
    const auto dim = ParseWholeNumber(head->words[4]);
    if (!cx || !cy || !width || *width <= 0 || !angle || !dim || *dim < 0 || *dim > 100)
        return KeyRead::Bad;
    std::string_view file = head->rest;
    TemplateLock lock = TemplateLock::Free;
    if (file.size() > 2 && (file.starts_with("0 ") || file.starts_with("1 "))) {
        lock = file.front() == '1' ? TemplateLock::Locked : TemplateLock::Free;
        file.remove_prefix(2);
    }
    x.templateRecord = TemplateRecord{{*cx, *cy}, *width, *angle, *dim, std::string(file), lock};
    return KeyRead::Set;
}

using enum TextRole;
using enum KeyPart;

constexpr auto kPlateKeys = std::to_array<PlateKey>({
    {"font.numerals", 0, Own, WriteFont<Numerals>, ReadFont<Numerals>},
    {"font.name", 0, Own, WriteFont<Name>, ReadFont<Name>},
    {"font.unit", 0, Own, WriteFont<Unit>, ReadFont<Unit>},
    {"font.origin", 0, Own, WriteFont<Origin>, ReadFont<Origin>},
    {"font.standard", 0, Own, WriteFont<Standard>, ReadFont<Standard>},
    {"font.scales", 0, Own, WriteFont<FurtherScales>, ReadFont<FurtherScales>},
    {"colour.name", 0, Own, WriteLabelColour<LabelRole::Name>, ReadLabelColour<LabelRole::Name>},
    {"colour.unit", 0, Own, WriteLabelColour<LabelRole::Unit>, ReadLabelColour<LabelRole::Unit>},
    {"colour.origin", 0, Own, WriteLabelColour<LabelRole::Origin>,
     ReadLabelColour<LabelRole::Origin>},
    {"colour.standard", 0, Own, WriteLabelColour<LabelRole::Standard>,
     ReadLabelColour<LabelRole::Standard>},
    {"text#", kMaxFreeTexts, Own, WriteText, ReadText},
    {"text#.utf8", kMaxFreeTexts, OfItem, WriteTextFull, ReadTextFull},
    {"text#.font", kMaxFreeTexts, OfItem, WriteTextFont, ReadTextFont},
    {"text#.colour", kMaxFreeTexts, OfItem, WriteTextColour, ReadTextColour},
    {"image#", kMaxPictures, Own, WritePicture, ReadPicture},
    {"mirror", 0, Own, WriteMirror, ReadMirror},
    {"template", 0, Own, WriteTemplate, ReadTemplate},
});

void Line(std::string& out, std::string_view key, std::string_view value) {
    out += key;
    out += "\t= ";
    out += value;
    out += "\r\n";
}

}  // namespace

std::span<const PlateKey> PlateKeys() {
    return kPlateKeys;
}

const PlateKey* FindPlateKey(std::string_view key, int& number) {
    for (const PlateKey& row : kPlateKeys) {
        if (row.count == 0) {
            if (key != row.key) continue;
            number = 0;
            return &row;
        }
        const std::size_t hash = row.key.find('#');
        const std::string_view prefix = row.key.substr(0, hash);
        const std::string_view suffix = row.key.substr(hash + 1);
        if (key.size() <= prefix.size() + suffix.size() || !key.starts_with(prefix) ||
            !key.ends_with(suffix))
            continue;
        const std::string_view digits =
            key.substr(prefix.size(), key.size() - prefix.size() - suffix.size());
        // "text07" is not "text7": a number is written one way only.
        if (digits.size() > 2 || digits[0] == '0') continue;
        const auto n = ParseWholeNumber(digits);
        if (!n || *n < 1 || *n > row.count) continue;
        number = *n;
        return &row;
    }
    return nullptr;
}

std::string PlateKeyName(const PlateKey& row, int number) {
    std::string name(row.key);
    if (const std::size_t hash = name.find('#'); hash != std::string::npos)
        name.replace(hash, 1, std::to_string(number));
    return name;
}

std::string WritePlateKeyLines(const ScaleExtensions& x) {
    std::string out;
    for (std::size_t k = 0; k < kPlateKeys.size(); ++k) {
        const PlateKey& row = kPlateKeys[k];
        if (row.part == OfItem) continue;  // written with its item
        for (int n = row.count == 0 ? 0 : 1; n <= row.count; ++n) {
            if (const auto value = row.write(x, n)) Line(out, PlateKeyName(row, n), *value);
            for (std::size_t part = k + 1;
                 part < kPlateKeys.size() && kPlateKeys[part].part == OfItem; ++part)
                if (const auto value = kPlateKeys[part].write(x, n))
                    Line(out, PlateKeyName(kPlateKeys[part], n), *value);
        }
    }
    return out;
}

std::string TypefaceText(const Typeface& face) {
    std::string text = OneLineText(face.family);
    if (face.weight == FontWeight::Bold) text += ", bold";
    if (face.weight == FontWeight::Light) text += ", light";
    if (face.slant == FontSlant::Italic) text += ", italic";
    if (face.percent != 100) text += ", " + std::to_string(face.percent) + "%";
    return text;
}

std::optional<Typeface> ParseTypeface(std::string_view text) {
    Typeface face;
    bool weight = false, slant = false, percent = false;
    std::size_t at = 0;
    for (bool first = true; at <= text.size(); first = false) {
        const std::size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view part = Trimmed(text.substr(at, comma - at));
        at = comma + 1;
        if (part.empty()) return std::nullopt;
        if (first) {
            face.family = std::string(part);
        } else if (!weight && (AsciiEquals(part, "bold") || AsciiEquals(part, "light"))) {
            weight = true;
            face.weight = AsciiEquals(part, "bold") ? FontWeight::Bold : FontWeight::Light;
        } else if (!slant && AsciiEquals(part, "italic")) {
            slant = true;
            face.slant = FontSlant::Italic;
        } else if (!percent && part.back() == '%') {
            percent = true;
            const auto value = ParseWholeNumber(part.substr(0, part.size() - 1));
            if (!value || *value < kLeastTypefacePercent || *value > kMostTypefacePercent)
                return std::nullopt;
            face.percent = *value;
        } else {
            return std::nullopt;
        }
    }
    return face;
}

}  // namespace quirn
