// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes of a BMP file, for template pictures that lie about themselves.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>

namespace quirn::test {

// A BMP file header and information header for a 24-bit picture of the given size, followed by
// pixelBytes of its rows (each row padded to four bytes).
inline std::string BmpBytes(std::int32_t width, std::int32_t height, std::size_t pixelBytes) {
    std::string bytes;
    const auto put = [&bytes](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i)
            bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    };
    const std::uint64_t row = (std::uint64_t(width) * 3 + 3) / 4 * 4;
    const std::uint64_t full = row * std::uint64_t(height);
    bytes += "BM";
    put(static_cast<std::uint32_t>(std::min<std::uint64_t>(54 + full, 0xFFFFFFFF)), 4);
    put(0, 4);
    put(54, 4);
    put(40, 4);
    put(static_cast<std::uint32_t>(width), 4);
    put(static_cast<std::uint32_t>(height), 4);
    put(1, 2);
    put(24, 2);
    put(0, 4);
    put(static_cast<std::uint32_t>(std::min<std::uint64_t>(full, 0xFFFFFFFF)), 4);
    put(2835, 4);
    put(2835, 4);
    put(0, 4);
    put(0, 4);
    bytes.append(pixelBytes, '\x80');
    return bytes;
}

}  // namespace quirn::test
