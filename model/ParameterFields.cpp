// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ParameterFields.h"

#include "model/NumberText.h"

namespace quirn {
namespace {

using P = ScaleParameters;
using K = FieldKind;
using F = PanelForm;
namespace id = panel_id;

const std::array<ParameterField, kStandardFieldCount> kFields{{
    {"name", &P::name, K::Text, F::Text, id::Name, 0},
    {"unit", &P::unit, K::Text, F::Text, id::Unit, 0},
    {"range", &P::range, K::Decimal, F::Decimal3, id::Range, 0},
    {"alfa", &P::halfAngle, K::Decimal, F::Decimal2, id::Alfa, 0},
    {"shape", &P::shape, K::Integer, F::CheckedWhenZero, id::SquareShape, id::RadialShape},
    {"Lshk", &P::plateWidth, K::Integer, F::Length, id::plateWidth, 0},
    {"Hshk", &P::plateHeight, K::Integer, F::Length, id::plateHeight, 0},
    {"skos", &P::cornerBevel, K::Integer, F::Length, id::Skos, 0},
    {"Rout", &P::outerRadius, K::Integer, F::Length, id::outerRadius, 0},
    {"Rin", &P::innerRadius, K::Integer, F::Length, id::innerRadius, 0},
    {"Lkrep", &P::mountingHoleSpacing, K::Integer, F::Length, id::mountingHoleSpacing, 0},
    {"Rdel", &P::tickRadius, K::Integer, F::Length, id::tickRadius, 0},
    {"out_R", &P::ticksInward, K::Integer, F::CheckedWhenZero, id::InnerRadius, id::OuterRadius},
    {"Nfull", &P::divisions, K::Integer, F::Count, id::divisions, 0},
    {"Nbig", &P::bigDivisions, K::Integer, F::Count, id::bigDivisions, 0},
    {"Nm", &P::numberedDivisions, K::Integer, F::Count, id::numberedDivisions, 0},
    {"Lbig", &P::bigTickLength, K::Integer, F::Length, id::bigTickLength, 0},
    {"Lsm", &P::smallTickLength, K::Integer, F::Length, id::smallTickLength, 0},
    {"Hbig", &P::bigTickWidth, K::Integer, F::Length, id::bigTickWidth, 0},
    {"Hsm", &P::smallTickWidth, K::Integer, F::Length, id::smallTickWidth, 0},
    {"Duga", &P::arcShown, K::Integer, F::CheckedWhenSet, id::Arc, 0},
    {"Hduga", &P::arcWidth, K::Integer, F::Length, id::arcWidth, 0},
    {"Los_os", &P::mountingAboveAxis, K::Integer, F::Length, id::LosOs, 0},
    {"Los_niz", &P::mountingAboveBottom, K::Integer, F::Length, id::LosNiz, 0},
}};

// A text value ends at its first control byte when read, and a NUL ends the whole text: a NUL
// pasted into a name would cost every value after it on the next open, a CR LF would leave a
// stray line. Control bytes are written as spaces, so the text reads back whole.
std::string TextValue(const std::string& text) {
    std::string value = text;
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return value;
}

template <class... Ts>
struct Overload : Ts... {
    using Ts::operator()...;
};
template <class... Ts>
Overload(Ts...) -> Overload<Ts...>;

}  // namespace

const std::array<ParameterField, kStandardFieldCount>& StandardFields() {
    return kFields;
}

std::string FieldFileText(const ParameterField& field, const ScaleParameters& p) {
    return std::visit(Overload{[&](std::string P::*m) { return TextValue(p.*m); },
                               [&](double P::*m) { return TrimmedNumber(p.*m, 2); },
                               [&](std::int32_t P::*m) { return std::to_string(p.*m); }},
                      field.member);
}

void SetFieldFromFile(const ParameterField& field, ScaleParameters& p, std::string_view text) {
    std::visit(Overload{[&](std::string P::*m) { p.*m = std::string(text); },
                        [&](double P::*m) { p.*m = ParseDecimal(text); },
                        [&](std::int32_t P::*m) { p.*m = ParseInteger(text); }},
               field.member);
}

}  // namespace quirn
