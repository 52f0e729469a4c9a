// SPDX-License-Identifier: GPL-3.0-or-later
// The 24 standard fields in file order, one row each: the table that the reader, the writer and
// the panel go through, so that a field is described once.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

#include "model/ScaleParameters.h"

namespace quirn {

// How the value stands in the file.
enum class FieldKind : std::uint8_t {
    Text,     // the bytes themselves
    Decimal,  // two decimals, trailing zeros trimmed
    Integer,  // decimal integer
};

// How the panel shows and reads the value.
enum class PanelForm : std::uint8_t {
    Text,             // Windows-1251 text
    Decimal3,         // trimmed three-decimal number
    Decimal2,         // trimmed two-decimal number
    Length,           // millimetres, stored as drawing units
    Count,            // whole number
    CheckedWhenZero,  // a check box or radio pair: control checked for 0, panelOther for 1
    CheckedWhenSet,   // a check box: checked for any value but 0, read as 1
};

using FieldMember = std::variant<std::string ScaleParameters::*, double ScaleParameters::*,
                                 std::int32_t ScaleParameters::*>;

struct ParameterField {
    std::string_view key;
    FieldMember member;
    FieldKind kind;
    PanelForm form;
    int panelControl;  // the panel control's id; 0 for none
    int panelOther;    // the second radio of a pair; 0 for none
};

// The panel's control ids, as the command table knows them.
namespace panel_id {
inline constexpr int Unit = 1001, Range = 1002, Alfa = 1003, plateWidth = 1004, plateHeight = 1005,
                     tickRadius = 1006, bigTickLength = 1007, bigTickWidth = 1008,
                     smallTickLength = 1009, smallTickWidth = 1010, divisions = 1011,
                     SquareShape = 1012, RadialShape = 1013, outerRadius = 1014, Skos = 1015,
                     Name = 1016, mountingHoleSpacing = 1017, innerRadius = 1018,
                     bigDivisions = 1019, InnerRadius = 1020, OuterRadius = 1021, Arc = 1023,
                     numberedDivisions = 1024, arcWidth = 1025, LosOs = 1026, LosNiz = 1027;
}  // namespace panel_id

inline constexpr std::size_t kStandardFieldCount = 24;

const std::array<ParameterField, kStandardFieldCount>& StandardFields();

// The field's value as the file writes it, and the value read from a file's text for it.
std::string FieldFileText(const ParameterField& field, const ScaleParameters& p);
void SetFieldFromFile(const ParameterField& field, ScaleParameters& p, std::string_view text);

}  // namespace quirn
