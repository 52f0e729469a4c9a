// Windows-1251 bytes, as the model and the files hold them, to and from UTF-8 for Qt.
#pragma once

#include <string>
#include <string_view>

namespace quirn {

// The unassigned byte 0x98 stands for "∞" both ways.
std::string Cp1251ToUtf8(std::string_view bytes);
// Characters that Windows-1251 cannot hold become "?".
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace quirn
