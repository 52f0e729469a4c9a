// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/BmpFormat.h"

#include <QtEndian>
#include <algorithm>
#include <limits>

namespace quirn {
namespace {

void PutU16(char* at, std::uint16_t v) {
    qToLittleEndian(v, at);
}
void PutU32(char* at, std::uint32_t v) {
    qToLittleEndian(v, at);
}

}  // namespace

std::int32_t PixelsPerMetre(int pixelWidth, int canvasWidth) {
    if (canvasWidth <= 0 || pixelWidth <= 0) return 0;
    const std::int64_t v = std::int64_t{pixelWidth} * 100000 / canvasWidth;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(v, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t BmpRowLength(int width) {
    return (std::int64_t{width} + 31) / 32 * 4;
}

bool FitsBmp(int width, int height) {
    constexpr int kSaturated = std::numeric_limits<int>::max();
    return width > 0 && height > 0 && width < kSaturated && height < kSaturated &&
           kBmpHeaderSize + BmpRowLength(width) * height <=
               std::numeric_limits<std::uint32_t>::max();
}

QByteArray BmpHeader(int width, int height, std::int32_t perMetre) {
    const std::int64_t imageSize = BmpRowLength(width) * height;
    QByteArray header(kBmpHeaderSize, '\0');
    char* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    PutU32(h + 2, std::uint32_t(kBmpHeaderSize + imageSize));
    PutU32(h + 10, kBmpHeaderSize);
    PutU32(h + 14, 40);
    PutU32(h + 18, std::uint32_t(width));
    PutU32(h + 22, std::uint32_t(height));
    PutU16(h + 26, 1);
    PutU16(h + 28, 1);
    PutU32(h + 34, std::uint32_t(imageSize));
    PutU32(h + 38, std::uint32_t(perMetre));
    PutU32(h + 42, std::uint32_t(perMetre));
    const unsigned char palette[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    std::copy(palette, palette + 8, reinterpret_cast<unsigned char*>(h + 54));
    return header;
}

}  // namespace quirn
