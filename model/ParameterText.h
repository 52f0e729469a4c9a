// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter file text: 24 lines of key, TAB, "= ", value, CR LF, then any extension lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/FileAccess.h"
#include "model/ScaleParameters.h"

namespace quirn {

// Only this many bytes of a parameter file are ever read: far more than any scale needs, and a
// bound on what a foreign or hostile file can cost.
inline constexpr std::size_t kParameterReadLimit = std::size_t{1} << 20;

// How the texts of a parameter file are encoded. The program writes Windows-1251, each text the
// code page cannot hold followed by its companion key (model/TextKeys.h); it reads that, and a
// file that is UTF-8 throughout, as a text editor may have saved it.
enum class FileTextForm { Windows1251, Utf8 };

// The bytes of a parameter file for the record. Texts are written at any length; their control
// bytes, which would break the lines, as spaces. In UTF-8 every text is written whole and no
// companion key is needed.
std::string WriteParameterText(const ScaleParameters& params,
                               FileTextForm form = FileTextForm::Windows1251);

// A complete record from the bytes of a file: at most the first 1 MiB counts, the text ends
// at the first NUL, and whatever cannot be found or converted is 0, 0.0 or empty. A text that is
// well-formed UTF-8 with characters beyond ASCII is read as UTF-8, else as Windows-1251.
ScaleParameters ReadScaleParameters(std::string_view fileBytes);

// The head of a parameter file as ReadFileHead gives it; Fault::NotScaleFile for a file that
// holds something, yet no standard or extension key at the head of any line: a picture or a
// letter is not taken for an all-zero plate. An empty file is read, as an empty record.
Result<std::string> ReadParameterFile(const std::string& path);

// The value of key in text: from the first "=" at or after the key up to the first control
// byte, spaces trimmed at both ends. The key counts first where it heads a line followed by a
// space, a TAB or "="; only without such a line, its first occurrence anywhere. Empty when the key
// is absent.
std::string FindParameterValue(std::string_view text, std::string_view key);

}  // namespace quirn
