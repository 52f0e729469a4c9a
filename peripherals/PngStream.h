// SPDX-License-Identifier: GPL-3.0-or-later
// A PNG written a row at a time. The one-bit kind is byte for byte what Qt's own writer makes of
// a one-bit image with black and white colours: the same header, palette, resolution chunk and
// compression. The colour kinds are 8-bit palette indices and 8-bit RGB, whose rows are
// compressed on worker threads (IdatWriter) while the next are painted.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <span>

#include "peripherals/IdatWriter.h"

class QIODevice;

namespace quirn {

enum class PngPixels { OneBit, Palette, Rgb };

class PngStream {
  public:
    // The colour kinds are compressed in batches of rows, by default a few megabytes each.
    explicit PngStream(QIODevice& out, const CompressionBatches& batches = {});
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
    bool writeHeader(int width, int height, std::int32_t dotsPerMetre, PngPixels pixels,
                     std::span<const std::uint32_t> palette);

    struct Codec;
    Codec* codec_;
};

}  // namespace quirn
