// SPDX-License-Identifier: GPL-3.0-or-later
// The print canvas painted a band of rows at a time, so that a picture file of any size is
// written in bounded memory.
#pragma once

#include <QtGlobal>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "peripherals/PlatePalette.h"
#include "render/Scene.h"
#include "render/SparseCanvas.h"

namespace quirn {

// The rows a band comes out in: one bit per pixel with the zones hatched, or with them in
// colour as a byte per pixel indexing a palette, or as 8-bit RGB.
enum class BandPixels { OneBit, Palette, Rgb };

class BandedCanvas {
  public:
    // Lays the scene out and takes the geometry of the print canvas for device. The scene must
    // outlive the canvas. Palette rows index palette.colours, which must hold every colour the
    // plate paints (PlatePalette).
    BandedCanvas(const Scene& scene, const ReferenceDevice& device,
                 BandPixels pixels = BandPixels::OneBit, PlateColours palette = {});
    ~BandedCanvas();
    BandedCanvas(const BandedCanvas&) = delete;
    BandedCanvas& operator=(const BandedCanvas&) = delete;

    const CanvasGeometry& geometry() const { return geometry_; }
    BandPixels pixels() const { return pixels_; }
    // Bytes of a row. One bit: the first pixel in the high bit, bit 1 white, bits past the last
    // pixel 0. Palette: a byte per pixel. RGB: red, green and blue bytes of each pixel in turn.
    qsizetype rowBytes() const;
    // Rows per band that keep the painting memory to a few tens of megabytes.
    int defaultBandRows() const;

    // Reserves the address space the painting needs; false when there is none to be had.
    bool reserve();
    // Paints rows [top, top + rows) of the canvas into out (rows x rowBytes()).
    void render(int top, int rows, uchar* out);

  private:
    const Scene& scene_;
    ScaleLayout laid_;
    CanvasGeometry geometry_;
    BandPixels pixels_;
    std::unique_ptr<SparseCanvas> canvas_;
    std::optional<PaletteIndex> index_;
};

}  // namespace quirn
