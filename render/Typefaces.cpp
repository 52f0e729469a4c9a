// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Typefaces.h"

#include <QFont>
#include <QFontInfo>
#include <QString>
#include <algorithm>

#include "model/TextCodec.h"
#include "render/Saturate.h"

namespace quirn {
namespace {

constexpr int kBoldWeight = 700;
constexpr int kLightWeight = 300;
// Beyond this a percent only overflows sizes; the file's reader refuses such values anyway.
constexpr std::int64_t kLargestPercent = 100000;

int Scaled(int size, std::int32_t percent) {
    const std::int64_t p = std::clamp<std::int64_t>(percent, 1, kLargestPercent);
    return ClampToInt((std::int64_t{size} * p + (size >= 0 ? 50 : -50)) / 100);
}

void AddOnce(std::vector<std::uint32_t>& inks, const std::optional<std::uint32_t>& ink) {
    if (!ink) return;
    const std::uint32_t c = *ink & 0xFFFFFFu;
    if (c != kBlackInk && std::find(inks.begin(), inks.end(), c) == inks.end()) inks.push_back(c);
}

}  // namespace

std::optional<Typeface> TypefaceOf(const ScaleParameters& p, TextRole role) {
    const auto found = p.ext.typefaces.find(role);
    if (found == p.ext.typefaces.end()) return std::nullopt;
    return found->second;
}

FontChoice InTypeface(FontChoice font, const std::optional<Typeface>& face) {
    if (!face) return font;
    font.family = face->family;
    font.slant = face->slant;
    if (face->percent != 100) {
        font.cellHeight = Scaled(font.cellHeight, face->percent);
        font.averageWidth = Scaled(font.averageWidth, face->percent);
    }
    if (face->weight != FontWeight::AsDefault) {
        font.weight = face->weight == FontWeight::Bold ? kBoldWeight : kLightWeight;
        font.averageWidth = 0;
    }
    return font;
}

std::optional<std::uint32_t> ScaleInk(const ScaleParameters& p, int number) {
    if (number == 1) return p.colour;
    const std::size_t k = std::size_t(number - 2);
    if (number < 2 || k >= p.ext.further.size()) return std::nullopt;
    return p.ext.further[k].values.colour;
}

std::optional<std::uint32_t> LabelInk(const ScaleParameters& p, LabelRole role) {
    const std::optional<std::uint32_t>& own = p.ext.labelColours[std::size_t(role)];
    if (!own && role == LabelRole::Unit) return p.colour;
    return own;
}

std::vector<std::uint32_t> PlateInks(const ScaleParameters& p) {
    std::vector<std::uint32_t> inks;
    for (int number = 1; number <= kMaxScales; ++number) AddOnce(inks, ScaleInk(p, number));
    for (const std::optional<std::uint32_t>& ink : p.ext.labelColours) AddOnce(inks, ink);
    for (const auto& [number, text] : p.ext.texts) AddOnce(inks, text.colour);
    return inks;
}

std::vector<FamilySubstitute> MissingFamilies(const ScaleParameters& p) {
    std::vector<std::string> asked;
    const auto ask = [&asked](const std::string& family) {
        if (!family.empty() && std::find(asked.begin(), asked.end(), family) == asked.end())
            asked.push_back(family);
    };
    for (const auto& [role, face] : p.ext.typefaces) ask(face.family);
    for (const auto& [number, text] : p.ext.texts)
        if (text.font) ask(text.font->family);
    std::vector<FamilySubstitute> missing;
    for (const std::string& family : asked) {
        const QString wanted = QString::fromStdString(Cp1251ToUtf8(family));
        // What fontconfig matched for the family, as the faces are made.
        const QString used = QFontInfo(QFont(wanted)).family();
        if (used.compare(wanted, Qt::CaseInsensitive) != 0)
            missing.push_back({family, used.toStdString()});
    }
    return missing;
}

}  // namespace quirn
