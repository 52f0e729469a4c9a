// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ParameterFields.h"

#include "model/NumberText.h"
#include "model/Overload.h"

namespace quirn {
namespace {

using P = ScaleParameters;
using K = FieldKind;

const ParameterField kFields[] = {
    {"name", &P::name, K::Text},
    {"unit", &P::unit, K::Text},
    {"range", &P::range, K::Decimal},
    {"alfa", &P::halfAngle, K::Decimal},
    {"shape", &P::shape, K::Integer},
    {"Lshk", &P::plateWidth, K::Integer},
    {"Hshk", &P::plateHeight, K::Integer},
    {"skos", &P::cornerBevel, K::Integer},
    {"Rout", &P::outerRadius, K::Integer},
    {"Rin", &P::innerRadius, K::Integer},
    {"Lkrep", &P::mountingHoleSpacing, K::Integer},
    {"Rdel", &P::tickRadius, K::Integer},
    {"out_R", &P::ticksInward, K::Integer},
    {"Nfull", &P::divisions, K::Integer},
    {"Nbig", &P::bigDivisions, K::Integer},
    {"Nm", &P::numberedDivisions, K::Integer},
    {"Lbig", &P::bigTickLength, K::Integer},
    {"Lsm", &P::smallTickLength, K::Integer},
    {"Hbig", &P::bigTickWidth, K::Integer},
    {"Hsm", &P::smallTickWidth, K::Integer},
    {"Duga", &P::arcShown, K::Integer},
    {"Hduga", &P::arcWidth, K::Integer},
    {"Los_os", &P::mountingAboveAxis, K::Integer},
    {"Los_niz", &P::mountingAboveBottom, K::Integer},
};

// A text value ends at its first control byte when read, and a NUL ends the whole text: a NUL
// pasted into a name would cost every value after it on the next open, a CR LF would leave a
// stray line. Control bytes are written as spaces, so the text reads back whole.
std::string TextValue(const std::string& text) {
    std::string value = text;
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return value;
}

}  // namespace

std::span<const ParameterField> StandardFields() {
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
