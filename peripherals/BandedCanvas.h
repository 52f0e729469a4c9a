// The print canvas painted a band of rows at a time, so that a picture file of any size is
// written in bounded memory.
#pragma once

#include <QtGlobal>
#include <memory>

#include "render/RenderState.h"
#include "render/SparseCanvas.h"

namespace quirn {

class BandedCanvas {
  public:
    // Lays the scale out and takes the geometry of the print canvas for device, leaving state
    // as a whole-canvas rendering does, without the picture.
    BandedCanvas(RenderState& state, const ReferenceDevice& device);
    ~BandedCanvas();
    BandedCanvas(const BandedCanvas&) = delete;
    BandedCanvas& operator=(const BandedCanvas&) = delete;

    const CanvasGeometry& geometry() const { return geometry_; }
    // Bytes of a one-bit row: the first pixel in the high bit, bit 1 white, bits past the last
    // pixel 0.
    qsizetype rowBytes() const { return (qsizetype(geometry_.pixelWidth) + 7) / 8; }
    // Rows per band that keep the painting memory to a few tens of megabytes.
    int defaultBandRows() const;

    // Reserves the address space the painting needs; false when there is none to be had.
    bool reserve();
    // Paints rows [top, top + rows) of the canvas, one-bit, into out (rows x rowBytes()).
    void render(int top, int rows, uchar* out);

  private:
    RenderState& state_;
    CanvasGeometry geometry_;
    std::unique_ptr<SparseCanvas> canvas_;
};

}  // namespace quirn
