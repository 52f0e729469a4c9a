// SPDX-License-Identifier: GPL-3.0-or-later
// Windows-1251 bytes, as the model and the files hold them, to and from UTF-8 for Qt.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quirn {

// The unassigned byte 0x98 stands for "∞" both ways.
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters that Windows-1251 cannot hold become "?".
std::string Utf8ToCp1251(std::string_view utf8);
// The same, or nothing when Windows-1251 cannot hold every character: for names that must stay
// exact, such as a file's or a typeface's.
std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8);

// UTF-8 in another encoding iconv knows, such as the locale's; characters it cannot hold become
// "?".
std::string Utf8ToEncoding(std::string_view utf8, const char* encoding);

// Whether the bytes are well-formed UTF-8 holding at least one character beyond ASCII: a
// Windows-1251 text with Cyrillic in it practically never is.
bool IsUtf8Text(std::string_view bytes);

// Where a text of the record meets Qt. The record keeps each text as Windows-1251 bytes and,
// only when the code page cannot hold the text, its full UTF-8 form beside them. The full form
// counts only while the bytes are still its approximation, so whatever changes the bytes alone
// leaves no stale full text in force.
//
// The full form in force for the bytes when they alone would lose something of it; else null.
const std::string* FullTextInForce(std::string_view bytes, const std::optional<std::string>& full);
// The text to show for the bytes and their full form, UTF-8.
std::string DisplayText(std::string_view bytes, const std::optional<std::string>& full);
// Keeps a typed (UTF-8) text: its approximation in bytes, and itself in full when the
// approximation loses something, else no full form.
void StoreTypedText(std::string_view typed, std::string& bytes, std::optional<std::string>& full);

}  // namespace quirn
