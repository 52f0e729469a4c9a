// SPDX-License-Identifier: GPL-3.0-or-later
// The keys of one scale, one row each, in the order a further scale writes them: one table for
// the reader, the writer, the resolution of the scales and the scales window's pages. Scale 1 holds
// them under bare keys
// ("Rdel", "start"), range, unit and the graduation counts and lengths among the 24 standard
// lines; scales 2 to 4 after their number and a dot ("2.Rdel").
#pragma once

#include <array>
#include <bitset>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/ScaleSetup.h"
#include "model/TextMark.h"

namespace quirn {

// A text with its full form under a companion key, which follows the text's own line when
// Windows-1251 cannot hold the text (model/TextKeys.h).
struct ScaleText {
    std::string ScaleSetup::*text;
    std::optional<std::string> ScaleSetup::*full;
    std::string_view companion;
};

// The member a key sets; how its value is written follows from the member's type.
using ScaleMember = std::variant<std::int32_t ScaleSetup::*, double ScaleSetup::*,
                                 ScaleLaw ScaleSetup::*, std::vector<TablePoint> ScaleSetup::*,
                                 std::optional<std::vector<double>> ScaleSetup::*,
                                 std::optional<std::vector<Mark>> ScaleSetup::*,
                                 std::optional<std::uint32_t> ScaleSetup::*, ScaleText>;

// What a whole number holds, which the reader and the scales window check alike; a key of
// another type says what it holds by its member's type.
enum class Quantity : std::uint8_t {
    Other,   // not a whole number
    Count,   // a number of divisions
    Flag,    // 0 no, anything else yes
    Length,  // 0.01 mm, either sign
    Depth,   // 0.01 mm, never below zero
};

// Where scale 1 keeps the key.
enum class FirstScaleLine : std::uint8_t {
    Standard,   // among the 24 standard lines and the plate's companions (model/ParameterFields.h)
    Extension,  // after them, and only when it differs from its default
};

// What a further scale that does not set the key has.
enum class WhenUnset : std::uint8_t {
    AsScaleOne,  // scale 1's value
    Empty,       // the default: a further scale's unit is its own label, scale 1's the plate's;
                 // its colour is black and its arc round, whatever scale 1's are
};

// How a value that cannot be read is taken.
enum class BadValue : std::uint8_t {
    Loose,  // read as far as it goes, as older files have always been read ("12abc" is 12)
    Kept,   // the line is kept as an unknown line, so that nothing of it is lost
};

// What a key describes. A scale's page in the scales window shows its keys group by group, each
// group in the table's order: scale 1's page the law, the values, the looks, the graduation (the
// keys that are not the parameter panel's), a further scale's page every key, the looks last.
enum class KeyGroup : std::uint8_t { Law, Values, Graduation, Looks };

struct ScaleKey {
    std::string_view key;
    ScaleMember member;
    Quantity quantity;
    FirstScaleLine firstScale;
    WhenUnset unset;
    BadValue bad;
    KeyGroup group;
    const char* caption;  // on the key's page, without its unit (QUIRN_TRANSLATE_NOOP)
    // What an empty field of the key says it means on either page, where that is not "as
    // scale 1" (QUIRN_TRANSLATE_NOOP).
    const char* hint = nullptr;
};

inline constexpr auto kScaleKeys = [] {
    using S = ScaleSetup;
    using Q = Quantity;
    using F = FirstScaleLine;
    using U = WhenUnset;
    using B = BadValue;
    using G = KeyGroup;
    return std::to_array<ScaleKey>({
        {"Rdel", &S::tickRadius, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Радиус делений")},
        {"out_R", &S::ticksInward, Q::Flag, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Внешний радиус, числа внутри")},
        {"range", &S::range, Q::Other, F::Standard, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Конец шкалы")},
        {"start", &S::start, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Начало")},
        {"law", &S::law, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Law,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Закон шкалы")},
        {"points", &S::points, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Точки таблицы")},
        {"Nfull", &S::divisions, Q::Count, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Общее число делений")},
        {"Nbig", &S::bigDivisions, Q::Count, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Число больших делений")},
        {"Nm", &S::numberedDivisions, Q::Count, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Число делений с числами")},
        {"Lbig", &S::bigTickLength, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Длина больших делений")},
        {"Lsm", &S::smallTickLength, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Длина малых делений")},
        {"Hbig", &S::bigTickWidth, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Ширина больших делений")},
        {"Hsm", &S::smallTickWidth, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Ширина малых делений")},
        {"Duga", &S::arcShown, Q::Flag, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Дуга под/над делениями")},
        {"Hduga", &S::arcWidth, Q::Length, F::Standard, U::AsScaleOne, B::Loose, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Толщина дуги")},
        {"ticks", &S::ticks, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Все отметки")},
        {"bigticks", &S::bigticks, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Большие отметки")},
        {"numbers", &S::numbers, Q::Other, F::Extension, U::AsScaleOne, B::Loose, G::Values,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Числа")},
        {"unit", ScaleText{&S::unit, &S::unitUtf8, "unit.utf8"}, Q::Other, F::Standard, U::Empty,
         B::Loose, G::Looks, QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Единица")},
        {"colour", &S::colour, Q::Other, F::Extension, U::Empty, B::Kept, G::Looks,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Цвет шкалы")},
        {"flatten", &S::flatten, Q::Depth, F::Extension, U::Empty, B::Kept, G::Graduation,
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Уплощение дуги"),
         QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "0: дуга круглая")},
        {"numerals.offset", &S::numeralOffset, Q::Length, F::Extension, U::AsScaleOne, B::Kept,
         G::Graduation, QUIRN_TRANSLATE_NOOP("quirn::ScaleKeys", "Отступ чисел")},
    });
}();

// The row of a member; a text's full form belongs to its text's row.
template <class T>
constexpr std::size_t ScaleKeyIndex(T ScaleSetup::*member) {
    const auto holds = [member](const auto& m) {
        using M = std::decay_t<decltype(m)>;
        if constexpr (std::is_same_v<M, T ScaleSetup::*>)
            return m == member;
        else if constexpr (std::is_same_v<M, ScaleText> && std::is_same_v<T, std::string>)
            return m.text == member;
        else if constexpr (std::is_same_v<M, ScaleText> &&
                           std::is_same_v<T, std::optional<std::string>>)
            return m.full == member;
        else
            return false;
    };
    for (std::size_t k = 0; k < kScaleKeys.size(); ++k)
        if (std::visit(holds, kScaleKeys[k].member)) return k;
    return kScaleKeys.size();
}

using ScaleKeySet = std::bitset<kScaleKeys.size()>;

// Scales 2 to 4: the keys a scale sets itself, with their values; what it does not set it takes
// as the key's row says (WhenUnset), and its file writes exactly the keys it sets.
struct FurtherScale {
    ScaleSetup values;  // the keys not set hold their defaults
    ScaleKeySet sets;   // by row of kScaleKeys

    template <class T>
    void set(T ScaleSetup::*member, std::type_identity_t<T> value) {
        own(member) = std::move(value);
    }
    // The member, marked as set, to be written in place.
    template <class T>
    T& own(T ScaleSetup::*member) {
        sets.set(ScaleKeyIndex(member));
        return values.*member;
    }
    // The key left to scale 1 again (or empty, as its row says).
    template <class T>
    void unset(T ScaleSetup::*member) {
        unset(ScaleKeyIndex(member));
    }
    void unset(std::size_t row);
    // The scale's own value; null when it leaves the key unset.
    template <class T>
    const T* find(T ScaleSetup::*member) const {
        return sets.test(ScaleKeyIndex(member)) ? &(values.*member) : nullptr;
    }
    bool operator==(const FurtherScale&) const = default;
};

// The text a key's value is written as, and the value read from its text; false, with s
// unchanged, when a row whose bad values are kept cannot read the text.
std::string ScaleKeyText(const ScaleKey& row, const ScaleSetup& s);
bool SetScaleKey(const ScaleKey& row, ScaleSetup& s, std::string_view text);
// The key's value taken from one scale into another.
void CopyScaleKey(const ScaleKey& row, const ScaleSetup& from, ScaleSetup& to);
// Whether the key holds its default.
bool HoldsDefault(const ScaleKey& row, const ScaleSetup& s);

}  // namespace quirn
