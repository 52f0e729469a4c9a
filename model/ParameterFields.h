// SPDX-License-Identifier: GPL-3.0-or-later
// The standard fields in file order, one row each: the table that the reader and the writer
// go through, so that a field is described once. The panel shows them through a table of its own
// (view/panel/PanelRows.h).
#pragma once

#include <cstdint>
#include <span>
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

using FieldMember = std::variant<std::string ScaleParameters::*, double ScaleParameters::*,
                                 std::int32_t ScaleParameters::*>;

struct ParameterField {
    std::string_view key;
    FieldMember member;
    FieldKind kind;
};

// In file order.
std::span<const ParameterField> StandardFields();

// The field's value as the file writes it, and the value read from a file's text for it.
std::string FieldFileText(const ParameterField& field, const ScaleParameters& p);
void SetFieldFromFile(const ParameterField& field, ScaleParameters& p, std::string_view text);

}  // namespace quirn
