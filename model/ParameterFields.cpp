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
    {"alfa", &P::alfa, K::Decimal, F::Decimal2, id::Alfa, 0},
    {"shape", &P::shape, K::Integer, F::CheckedWhenZero, id::SquareShape, id::RadialShape},
    {"Lshk", &P::Lshk, K::Integer, F::Length, id::Lshk, 0},
    {"Hshk", &P::Hshk, K::Integer, F::Length, id::Hshk, 0},
    {"skos", &P::skos, K::Integer, F::Length, id::Skos, 0},
    {"Rout", &P::Rout, K::Integer, F::Length, id::Rout, 0},
    {"Rin", &P::Rin, K::Integer, F::Length, id::Rin, 0},
    {"Lkrep", &P::Lkrep, K::Integer, F::Length, id::Lkrep, 0},
    {"Rdel", &P::Rdel, K::Integer, F::Length, id::Rdel, 0},
    {"out_R", &P::out_R, K::Integer, F::CheckedWhenZero, id::InnerRadius, id::OuterRadius},
    {"Nfull", &P::Nfull, K::Integer, F::Count, id::Nfull, 0},
    {"Nbig", &P::Nbig, K::Integer, F::Count, id::Nbig, 0},
    {"Nm", &P::Nm, K::Integer, F::Count, id::Nm, 0},
    {"Lbig", &P::Lbig, K::Integer, F::Length, id::Lbig, 0},
    {"Lsm", &P::Lsm, K::Integer, F::Length, id::Lsm, 0},
    {"Hbig", &P::Hbig, K::Integer, F::Length, id::Hbig, 0},
    {"Hsm", &P::Hsm, K::Integer, F::Length, id::Hsm, 0},
    {"Duga", &P::Duga, K::Integer, F::CheckedWhenSet, id::Arc, 0},
    {"Hduga", &P::Hduga, K::Integer, F::Length, id::Hduga, 0},
    {"Los_os", &P::Los_os, K::Integer, F::Length, id::LosOs, 0},
    {"Los_niz", &P::Los_niz, K::Integer, F::Length, id::LosNiz, 0},
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
