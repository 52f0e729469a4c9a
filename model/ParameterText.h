// The parameter file text: 24 lines of key, TAB, "= ", value, CR LF, then any extension lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/ScaleParameters.h"

namespace quirn {

// Only this many bytes of a parameter file are ever read: far more than any scale needs, and a
// bound on what a foreign or hostile file can cost.
inline constexpr std::size_t kParameterReadLimit = std::size_t{1} << 20;

// The bytes of a parameter file for the record. Texts are written at any length; their control
// bytes, which would break the lines, as spaces.
std::string WriteParameterText(const ScaleParameters& params);

// A complete record from the bytes of a file: at most the first 1 MiB counts, the text ends
// at the first NUL, and whatever cannot be found or converted is 0, 0.0 or empty.
ScaleParameters ReadScaleParameters(std::string_view fileBytes);

// The value of key in text: from the first "=" at or after the key up to the first control
// byte, spaces trimmed at both ends. The key counts first where it heads a line followed by a
// space, a TAB or "="; only without such a line, its first occurrence anywhere. Empty when the key
// is absent.
std::string FindParameterValue(std::string_view text, std::string_view key);

}  // namespace quirn
