// SPDX-License-Identifier: GPL-3.0-or-later
// A scanned plate as the finder takes it: grey pixels, 8 bits each, and the resolution the file
// states. The pixels stay the caller's; nothing is copied until the finder needs to.
#pragma once

#include <cstddef>
#include <cstdint>

namespace quirn {

struct ScanImage {
    const std::uint8_t* pixels = nullptr;  // row by row, top row first
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;  // bytes from one row to the next
    double dpi = 0.0;
};

// The resolutions a scan of a plate is expected at; others are refused as not a plate's scan.
inline constexpr double kLowestScanDpi = 150.0;
inline constexpr double kHighestScanDpi = 600.0;

}  // namespace quirn
