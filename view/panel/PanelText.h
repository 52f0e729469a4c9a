// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the view writes into the panel: field values, the scale description and the two
// readouts. Numbers always use "." whatever the user's locale.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/ScaleParameters.h"

namespace quirn {

// A number as a field takes it, "," for ".", but nothing else besides: "12abc" is none.
std::optional<double> FieldNumber(std::string text);

// A length in drawing units as trimmed millimetres: 450 -> "4.5", 6900 -> "69".
std::string LengthText(std::int32_t units);

// A template field: millimetres with two decimals, untrimmed: 6900 -> "69.00".
std::string TemplateFieldText(std::int64_t units);

// How far a template spinner steps either way, in drawing units: ten metres.
inline constexpr int kSpinnerReach = 1'000'000;
// A spinner position: the value itself, within the spinner's reach.
int SpinnerPosition(std::int64_t units);

// "Масштаб 600%" for a zoom of 600 percent, UTF-8.
std::string ZoomReadoutText(int percent);

// "X = 12.3; Y = -5.0" for a position in drawing units.
std::string CursorReadoutText(std::int64_t x, std::int64_t y);

}  // namespace quirn
