// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/TextCodec.h"

#include <iconv.h>

#include <cerrno>
#include <cstddef>
#include <string_view>
#include <utility>

namespace quirn {
namespace {

// Converts with iconv; a byte sequence the target cannot hold becomes "?" and the conversion
// goes on after it.
std::string Convert(const char* to, const char* from, std::string_view input, bool fromUtf8) {
    std::string output;
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input);
    output.reserve(input.size() * 2);
    std::string in(input);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        output.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (rc != static_cast<std::size_t>(-1)) break;
        if (errno == E2BIG) continue;
        // EILSEQ or EINVAL: skip one character of the input.
        std::size_t skip = 1;
        if (fromUtf8) {
            // A whole character when the lead byte and its continuation bytes are sound, else
            // the one stray byte.
            const auto lead = static_cast<unsigned char>(*inPtr);
            std::size_t length = lead >= 0xF8   ? 1
                                 : lead >= 0xF0 ? 4
                                 : lead >= 0xE0 ? 3
                                 : lead >= 0xC0 ? 2
                                                : 1;
            for (std::size_t k = 1; k < length; ++k) {
                if (k >= inLeft || (static_cast<unsigned char>(inPtr[k]) & 0xC0) != 0x80) {
                    length = 1;
                    break;
                }
            }
            skip = length;
        }
        output.push_back('?');
        inPtr += skip;
        inLeft -= skip;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return output;
}

// Windows-1251 leaves 0x98 unassigned; here it holds "∞", which an ohmmeter scale needs and
// the code page lacks.
constexpr char kInfinityByte = '\x98';
constexpr std::string_view kInfinityUtf8 = "\xE2\x88\x9E";

std::string ConvertAround(const char* to, const char* from, std::string_view input, bool fromUtf8,
                          std::string_view mark, std::string_view replacement) {
    std::string output;
    for (;;) {
        const std::size_t at = input.find(mark);
        output += Convert(to, from, input.substr(0, at), fromUtf8);
        if (at == std::string_view::npos) return output;
        output += replacement;
        input.remove_prefix(at + mark.size());
    }
}

}  // namespace

std::string Cp1251ToUtf8(std::string_view bytes) {
    return ConvertAround("UTF-8", "CP1251", bytes, false, std::string_view(&kInfinityByte, 1),
                         kInfinityUtf8);
}

std::string Utf8ToCp1251(std::string_view utf8) {
    return ConvertAround("CP1251", "UTF-8", utf8, true, kInfinityUtf8,
                         std::string_view(&kInfinityByte, 1));
}

std::string Utf8ToEncoding(std::string_view utf8, const char* encoding) {
    return Convert(encoding, "UTF-8", utf8, true);
}

std::optional<std::string> Utf8ToCp1251Exactly(std::string_view utf8) {
    std::string bytes = Utf8ToCp1251(utf8);
    if (Cp1251ToUtf8(bytes) != utf8) return std::nullopt;
    return bytes;
}

bool IsUtf8Text(std::string_view bytes) {
    bool beyondAscii = false;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        if (lead < 0x80) {
            ++at;
            continue;
        }
        beyondAscii = true;
        // The shortest form only, no surrogates, nothing past U+10FFFF.
        std::size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0) low = 0xA0;
            if (lead == 0xED) high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0) low = 0x90;
            if (lead == 0xF4) high = 0x8F;
        } else {
            return false;
        }
        if (bytes.size() - at < length) return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[at + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
        }
        at += length;
    }
    return beyondAscii;
}

const std::string* FullTextInForce(std::string_view bytes, const std::optional<std::string>& full) {
    if (!full || Utf8ToCp1251(*full) != bytes || Cp1251ToUtf8(bytes) == *full) return nullptr;
    return &*full;
}

std::string DisplayText(std::string_view bytes, const std::optional<std::string>& full) {
    if (const std::string* inForce = FullTextInForce(bytes, full)) return *inForce;
    return Cp1251ToUtf8(bytes);
}

void StoreTypedText(std::string_view typed, std::string& bytes, std::optional<std::string>& full) {
    std::string approximation = Utf8ToCp1251(typed);
    if (!IsUtf8Text(typed) || Cp1251ToUtf8(approximation) == typed)
        full.reset();
    else
        full = std::string(typed);
    bytes = std::move(approximation);
}

}  // namespace quirn
