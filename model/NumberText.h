// SPDX-License-Identifier: GPL-3.0-or-later
// Number text that never follows the user's locale: "." is the decimal point everywhere.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quirn {

// "%.<decimals>f", then trailing "0"s removed, then a trailing "." removed: 15.00 -> "15",
// 42.50 -> "42.5". Non-finite values print as "0", and so does what would print as "-0".
std::string TrimmedNumber(double value, int decimals);

// The C library's atof in the C locale: leading white space, sign, digits with ".", optional
// exponent; stops at the first character that cannot continue the number. No hexadecimal, no
// "inf"/"nan" words; a result that is not finite (1e999) is 0.0.
double ParseDecimal(std::string_view text);

// strtol base 10: leading white space, sign, digits; stops at anything else; no digits give 0;
// clamped to the 32-bit range.
std::int32_t ParseInteger(std::string_view text);

// Panel and template field input: "," taken as "."; a length in millimetres becomes drawing
// units by an exact decimal shift and truncation ("0.29" -> 29, "12.345" -> 1234), clamped to
// the 32-bit range.
double ParseFieldDecimal(std::string_view text);
std::int32_t ParseFieldLength(std::string_view text);
std::int32_t ParseFieldCount(std::string_view text);

}  // namespace quirn
