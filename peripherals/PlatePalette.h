// SPDX-License-Identifier: GPL-3.0-or-later
// The colours a plate's print canvas can hold, and the mapping of its painted pixels to them:
// what lets a plate with coloured zones be written as a palette picture a band at a time.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/Scene.h"

namespace quirn {

// Black, white, the zones' colours and the colours of the symbols' own bitmaps, each once, as
// 0xRRGGBB; empty when there are more than a palette holds. The print canvas paints without
// smoothing, so that no other colour can come out of it.
std::optional<std::vector<std::uint32_t>> PlatePalette(const Scene& scene);

// Painted rows mapped to their palette indices; a colour outside the palette takes the nearest.
class PaletteIndex {
  public:
    explicit PaletteIndex(std::vector<std::uint32_t> colours);

    // Whether the colours stay apart in 16 bits (5-6-5), so that rows may be painted in half
    // the memory and mapped by a table.
    bool fitsRgb16() const { return !rgb16_.empty(); }
    // width pixels of 16 bits to width indices; only when fitsRgb16().
    void map(const quint16* pixels, int width, uchar* indices) const;
    // width pixels (QRgb) to width indices, the colour of the last run remembered: a plate's
    // rows are long runs of one colour.
    void map(const QRgb* pixels, int width, uchar* indices);

  private:
    uchar nearest(std::uint32_t rgb) const;

    std::vector<std::uint32_t> colours_;
    std::vector<uchar> rgb16_;  // index by 5-6-5 colour
    std::uint32_t lastColour_ = 0;
    uchar lastIndex_ = 0;
};

}  // namespace quirn
