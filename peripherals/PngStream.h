// A one-bit PNG written a row at a time, byte for byte as Qt's own writer encodes a one-bit
// image with black and white colours: the same header, palette, resolution chunk and
// compression.
#pragma once

#include <QtGlobal>
#include <cstdint>

class QIODevice;

namespace quirn {

class PngStream {
  public:
    explicit PngStream(QIODevice& out);
    ~PngStream();
    PngStream(const PngStream&) = delete;
    PngStream& operator=(const PngStream&) = delete;

    // Writes the header; no resolution chunk when dotsPerMetre is 0.
    bool begin(int width, int height, std::int32_t dotsPerMetre);
    // One row of (width + 7) / 8 bytes, the first pixel in the high bit, bit 1 white.
    bool writeRow(const uchar* row);
    bool finish();

  private:
    struct Codec;
    Codec* codec_;
};

}  // namespace quirn
