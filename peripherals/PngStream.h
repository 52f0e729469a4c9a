// SPDX-License-Identifier: GPL-3.0-or-later
// A PNG written a row at a time. The one-bit kind is byte for byte what Qt's own writer makes of
// a one-bit image with black and white colours: the same header, palette, resolution chunk and
// compression. The colour kind is 8-bit RGB.
#pragma once

#include <QtGlobal>
#include <cstdint>

class QIODevice;

namespace quirn {

enum class PngPixels { OneBit, Rgb };

class PngStream {
  public:
    explicit PngStream(QIODevice& out);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // Writes the header; no resolution chunk when dotsPerMetre is 0.
    bool begin(int width, int height, std::int32_t dotsPerMetre,
               PngPixels pixels = PngPixels::OneBit);
    // One row: one bit, (width + 7) / 8 bytes, the first pixel in the high bit, bit 1 white;
    // RGB, width times red, green and blue bytes.
    bool writeRow(const uchar* row);
    bool finish();

  private:
    struct Codec;
    Codec* codec_;
};

}  // namespace quirn
