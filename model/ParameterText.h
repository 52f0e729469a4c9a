// The parameter file text: 24 lines of key, TAB, "= ", value, CR LF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/ScaleParameters.h"

namespace quirn {

// Only this many bytes of a parameter file are ever read.
inline constexpr std::size_t kParameterReadLimit = 1000;

// The bytes of a parameter file for the record. Texts are written at any length; their control
// bytes, which would break the lines, as spaces.
std::string WriteParameterText(const ScaleParameters& params);

// A complete record from the bytes of a file: at most the first 1000 bytes count, the text ends
// at the first NUL, and whatever cannot be found or converted is 0, 0.0 or empty.
ScaleParameters ReadScaleParameters(std::string_view fileBytes);

// The value of the first occurrence of key in text: from the first "=" at or after it up to the
// first control byte, spaces trimmed at both ends. Empty when the key is absent.
std::string FindParameterValue(std::string_view text, std::string_view key);

}  // namespace quirn
