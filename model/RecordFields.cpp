// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/RecordFields.h"

#include <algorithm>
#include <functional>
#include <type_traits>
#include <variant>

#include "model/ExtensionText.h"
#include "model/ParameterFields.h"
#include "model/ScaleKeys.h"
#include "model/TextKeys.h"

namespace quirn {
namespace {

using P = ScaleParameters;

struct Field {
    std::string name;
    std::function<bool(const P&, const P&)> same;
    std::function<void(const P&, P&)> copy;
};

// A field that is one value reached through get, in a record const or not.
template <class Get>
Field ValueField(std::string name, Get get) {
    return {std::move(name), [get](const P& a, const P& b) { return get(a) == get(b); },
            [get](const P& from, P& to) { get(to) = get(from); }};
}

bool SameScaleKey(const ScaleKey& row, const ScaleSetup& a, const ScaleSetup& b) {
    return std::visit(
        [&](const auto& m) {
            using M = std::decay_t<decltype(m)>;
            if constexpr (std::is_same_v<M, ScaleText>)
                return a.*m.text == b.*m.text && a.*m.full == b.*m.full;
            else
                return a.*m == b.*m;
        },
        row.member);
}

bool IsScaleKey(std::string_view key) {
    return std::any_of(kScaleKeys.begin(), kScaleKeys.end(),
                       [key](const ScaleKey& row) { return row.key == key; });
}

// A further scale's key: whether the scale sets it and to what; a scale the record lacks sets
// nothing.
const FurtherScale* FurtherAt(const P& p, std::size_t index) {
    return index < p.ext.further.size() ? &p.ext.further[index] : nullptr;
}

Field FurtherScaleKey(int scale, std::size_t row) {
    const std::size_t index = std::size_t(scale - 2);
    const ScaleKey& key = kScaleKeys[row];
    const auto same = [index, row, &key](const P& a, const P& b) {
        const FurtherScale* x = FurtherAt(a, index);
        const FurtherScale* y = FurtherAt(b, index);
        const bool xSets = x != nullptr && x->sets.test(row);
        const bool ySets = y != nullptr && y->sets.test(row);
        return xSets == ySets && (!xSets || SameScaleKey(key, x->values, y->values));
    };
    const auto copy = [index, row, &key](const P& from, P& to) {
        const FurtherScale* source = FurtherAt(from, index);
        // The scale's count is a field of its own: a key never brings back a removed scale.
        if (source == nullptr || index >= to.ext.further.size()) return;
        FurtherScale& target = to.ext.further[index];
        if (source->sets.test(row)) {
            CopyScaleKey(key, source->values, target.values);
            target.sets.set(row);
        } else {
            target.unset(row);
        }
    };
    return {std::to_string(scale) + "." + std::string(key.key), same, copy};
}

template <class Map>
Field MapEntry(std::string name, Map ScaleExtensions::*map, typename Map::key_type at) {
    const auto same = [map, at](const P& a, const P& b) {
        const auto x = (a.ext.*map).find(at);
        const auto y = (b.ext.*map).find(at);
        const bool xHas = x != (a.ext.*map).end();
        const bool yHas = y != (b.ext.*map).end();
        return xHas == yHas && (!xHas || x->second == y->second);
    };
    const auto copy = [map, at](const P& from, P& to) {
        const auto found = (from.ext.*map).find(at);
        if (found == (from.ext.*map).end())
            (to.ext.*map).erase(at);
        else
            (to.ext.*map)[at] = found->second;
    };
    return {std::move(name), same, copy};
}

std::vector<Field> MakeFields() {
    std::vector<Field> fields;
    // The plate's own standard fields; scale 1's are its scale keys below.
    for (const ParameterField& standard : StandardFields()) {
        if (IsScaleKey(standard.key)) continue;
        std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), std::string P::*>) {
                    // The name goes with its full form.
                    fields.push_back({std::string(standard.key),
                                      [member](const P& a, const P& b) {
                                          return a.*member == b.*member &&
                                                 a.ext.nameUtf8 == b.ext.nameUtf8;
                                      },
                                      [member](const P& from, P& to) {
                                          to.*member = from.*member;
                                          to.ext.nameUtf8 = from.ext.nameUtf8;
                                      }});
                } else {
                    fields.push_back(ValueField(
                        std::string(standard.key), [member](auto& p) -> auto& {
                            return p.*member;
                        }));
                }
            },
            standard.member);
    }
    for (const ScaleKey& key : kScaleKeys) {
        fields.push_back({std::string(key.key),
                          [&key](const P& a, const P& b) { return SameScaleKey(key, a, b); },
                          [&key](const P& from, P& to) { CopyScaleKey(key, from, to); }});
    }
    // The further scales: how many, then each one's keys.
    fields.push_back(
        {"scales",
         [](const P& a, const P& b) { return a.ext.further.size() == b.ext.further.size(); },
         [](const P& from, P& to) {
             to.ext.further.resize(from.ext.further.size());
             // A scale added here comes with every key it sets.
             for (std::size_t k = 0; k < to.ext.further.size(); ++k)
                 if (to.ext.further[k].sets.none()) to.ext.further[k] = from.ext.further[k];
         }});
    for (int scale = 2; scale <= kMaxScales; ++scale)
        for (std::size_t row = 0; row < kScaleKeys.size(); ++row)
            fields.push_back(FurtherScaleKey(scale, row));
    fields.push_back(ValueField(
        "zones", [](auto& p) -> auto& { return p.ext.zones; }));
    for (const PlateTextKey& row : kPlateTextKeys) {
        if (row.extension == nullptr) continue;
        fields.push_back({std::string(row.key),
                          [&row](const P& a, const P& b) {
                              return TextOf(a, row) == TextOf(b, row) &&
                                     FullTextOf(a, row) == FullTextOf(b, row);
                          },
                          [&row](const P& from, P& to) {
                              TextOf(to, row) = TextOf(from, row);
                              FullTextOf(to, row) = FullTextOf(from, row);
                          }});
    }
    for (std::size_t e = 0; e < kPlacedElementCount; ++e)
        fields.push_back(ValueField(
            std::string(kPlaceKeys[e]), [e](auto& p) -> auto& { return p.ext.places[e]; }));
    constexpr const char* kFaceKeys[kTextRoleCount] = {
        "font.numerals", "font.name", "font.unit", "font.origin", "font.standard", "font.scales"};
    for (int role = 0; role < kTextRoleCount; ++role)
        fields.push_back(MapEntry(kFaceKeys[role], &ScaleExtensions::typefaces, TextRole(role)));
    constexpr const char* kColourKeys[kLabelRoleCount] = {"colour.name", "colour.unit",
                                                          "colour.origin", "colour.standard"};
    for (std::size_t role = 0; role < kLabelRoleCount; ++role)
        fields.push_back(ValueField(
            kColourKeys[role], [role](auto& p) -> auto& { return p.ext.labelColours[role]; }));
    for (int n = 1; n <= kMaxFreeTexts; ++n)
        fields.push_back(MapEntry("text" + std::to_string(n), &ScaleExtensions::texts, n));
    for (int n = 1; n <= kMaxPictures; ++n)
        fields.push_back(MapEntry("image" + std::to_string(n), &ScaleExtensions::pictures, n));
    fields.push_back(ValueField(
        "mirror", [](auto& p) -> auto& { return p.ext.mirror; }));
    fields.push_back(ValueField(
        "template", [](auto& p) -> auto& { return p.ext.templateRecord; }));
    fields.push_back(ValueField(
        "unknown lines", [](auto& p) -> auto& { return p.ext.unknownLines; }));
    return fields;
}

const std::vector<Field>& Fields() {
    static const std::vector<Field> fields = MakeFields();
    return fields;
}

bool Named(const Field& field, const FieldNames& names) {
    return std::find(names.begin(), names.end(), field.name) != names.end();
}

}  // namespace

FieldNames DifferingFields(const ScaleParameters& a, const ScaleParameters& b) {
    FieldNames names;
    for (const Field& field : Fields())
        if (!field.same(a, b)) names.push_back(field.name);
    return names;
}

FieldNames DifferingFields(const ScaleParameters& a, const ScaleParameters& b,
                           const FieldNames& names) {
    FieldNames differing;
    for (const Field& field : Fields())
        if (Named(field, names) && !field.same(a, b)) differing.push_back(field.name);
    return differing;
}

void CopyFields(const ScaleParameters& from, ScaleParameters& to, const FieldNames& names) {
    for (const Field& field : Fields())
        if (Named(field, names)) field.copy(from, to);
}

}  // namespace quirn
