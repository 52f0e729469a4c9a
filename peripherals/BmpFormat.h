// SPDX-License-Identifier: GPL-3.0-or-later
// The one-bit BMP file layout: a 62-byte header (file header, information header, black-and-white
// palette), rows bottom-up, each padded to whole 32-bit words.
#pragma once

#include <QByteArray>
#include <cstdint>

namespace quirn {

inline constexpr int kBmpHeaderSize = 62;

// Pixels per metre: the canvas is canvasWidth hundredths of a millimetre wide. The product
// needs 64 bits once the picture is wider than 21474 pixels.
std::int32_t PixelsPerMetre(int pixelWidth, int canvasWidth);

// Bytes of one row of width pixels.
std::int64_t BmpRowLength(int width);

// Whether the picture fits the format's signed 32-bit sides and 32-bit file size.
bool FitsBmp(int width, int height);

// The file header, the information header and the black-and-white palette.
QByteArray BmpHeader(int width, int height, std::int32_t perMetre);

}  // namespace quirn
