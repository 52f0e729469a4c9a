// SPDX-License-Identifier: GPL-3.0-or-later
// A PNG written a row at a time. The one-bit kind is byte for byte what Qt's own writer makes of
// a one-bit image with black and white colours: the same header, palette, resolution chunk and
// compression. The colour kinds are 8-bit palette indices and 8-bit RGB.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>

class QIODevice;

namespace quirn {

enum class PngPixels { OneBit, Palette, Rgb };

class PngStream {
  public:
    explicit PngStream(QIODevice& out);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // Writes the header; no resolution chunk when dotsPerMetre is 0. A palette picture's
    // colours are 0xRRGGBB, at most 256.
    bool begin(int width, int height, std::int32_t dotsPerMetre,
               PngPixels pixels = PngPixels::OneBit, std::span<const std::uint32_t> palette = {});
    // One row: one bit, (width + 7) / 8 bytes, the first pixel in the high bit, bit 1 white;
    // palette, width indices; RGB, width times red, green and blue bytes.
    bool writeRow(const uchar* row);
    bool finish();

  private:
    struct Codec;
    Codec* codec_;
};

}  // namespace quirn
