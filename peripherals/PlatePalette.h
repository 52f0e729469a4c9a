// SPDX-License-Identifier: GPL-3.0-or-later
// The colours a plate's print canvas can hold, and the mapping of its painted pixels to them:
// what lets a plate with coloured zones be written as a palette picture a band at a time.
#pragma once

#include <QImage>
#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/Scene.h"

namespace quirn {

// Black, white, the zones' colours, the inks of scales and labels and the colours of the symbols'
// own bitmaps, each once, as 0xRRGGBB. The print canvas paints without smoothing, so that no other
// colour can come out of it.
struct PlateColours {
    std::vector<std::uint32_t> colours;
    // Those of them the symbols' bitmaps hold, which the raster engine converts its own way.
    std::vector<std::uint32_t> inBitmaps;
};
// None when there are more than a palette holds.
std::optional<PlateColours> PlatePalette(const Scene& scene);

// Painted rows mapped to their palette indices; a colour outside the palette takes the nearest.
class PaletteIndex {
  public:
    explicit PaletteIndex(PlateColours colours);

    // The format of fewest bytes in which the raster engine paints the colours apart from one
    // another: grey, 16-bit or 32-bit RGB.
    QImage::Format paintedFormat() const { return format_; }
    // width pixels painted in paintedFormat() to width indices.
    void map(const uchar* painted, int width, uchar* indices);

  private:
    template <typename Pixel>
    void mapByTable(const Pixel* pixels, int width, uchar* indices) const;
    void mapRgb32(const QRgb* pixels, int width, uchar* indices);
    uchar nearest(std::uint32_t rgb) const;

    std::vector<std::uint32_t> colours_;
    QImage::Format format_ = QImage::Format_RGB32;
    std::vector<uchar> table_;  // index by painted grey or 16-bit value
    // The colour of the last run in 32 bits: a plate's rows are long runs of one colour.
    std::uint32_t lastColour_ = 0;
    uchar lastIndex_ = 0;
};

}  // namespace quirn
