// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/BandedCanvas.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "render/PainterSurface.h"
#include "render/ScaleDrawing.h"
#include "render/SerialFills.h"

namespace quirn {
namespace {

// Painting memory per band, and the same again at most for the band's finished rows.
constexpr std::int64_t kBandBytes = std::int64_t{16} << 20;
constexpr int kRasterLimit = 32767;

}  // namespace

BandedCanvas::BandedCanvas(const Scene& scene, const ReferenceDevice& device, BandPixels pixels,
                           PlateColours palette)
    : scene_(scene),
      laid_(LayOutScale(scene, PaintMode::Print)),
      geometry_(ComputeCanvasGeometry(scene, device, PaintMode::Print)),
      pixels_(pixels) {
    // Grey is filled forty times faster than one bit and packed at the end. A palette's colours
    // are painted in as few bytes as keep them apart (grey too, mostly), others in the file's
    // own 8-bit RGB, so that the rows need no conversion.
    if (pixels_ == BandPixels::Palette) index_.emplace(std::move(palette));
    QImage::Format format = QImage::Format_RGB888;
    if (pixels_ == BandPixels::OneBit) format = QImage::Format_Grayscale8;
    if (index_) format = index_->paintedFormat();
    canvas_ = std::make_unique<SparseCanvas>(geometry_, format);
}

BandedCanvas::~BandedCanvas() = default;

qsizetype BandedCanvas::rowBytes() const {
    const auto width = qsizetype(geometry_.pixelWidth);
    switch (pixels_) {
        case BandPixels::OneBit:
            return (width + 7) / 8;
        case BandPixels::Palette:
            return width;
        case BandPixels::Rgb:
            return width * 3;
    }
    return width * 3;
}

int BandedCanvas::defaultBandRows() const {
    const std::int64_t painted = std::int64_t{std::min(geometry_.pixelWidth, kRasterLimit)} *
                                 (pixels_ == BandPixels::OneBit ? 1 : 4);
    const std::int64_t byPainting = kBandBytes / std::max<std::int64_t>(painted, 1);
    const std::int64_t byRows = kBandBytes / std::max<qsizetype>(rowBytes(), 1);
    return int(std::clamp<std::int64_t>(std::min(byPainting, byRows), 1, kRasterLimit));
}

bool BandedCanvas::reserve() {
    return canvas_->reserve();
}

void BandedCanvas::render(int top, int rows, uchar* out) {
    const bool oneBit = pixels_ == BandPixels::OneBit;
    // One-bit rows are packed into whole bytes, the bits past the last pixel 0; every byte of
    // a colour row is taken from the painting.
    if (oneBit) std::memset(out, 0, std::size_t(rows) * std::size_t(rowBytes()));
    const auto draw = [this, oneBit](QPainter& painter, const DrawingTransform& transform,
                                     const QRect& area) {
        PaintWithoutParallelFills([&] {
            PainterSurface surface(painter, transform, true);
            surface.restrictTo(area);
            surface.setHatchedZones(oneBit);
            PaintScale(scene_, laid_, geometry_, surface, PaintMode::Print);
        });
    };
    const auto take = [&](const uchar* painted, int x, int y, int width) {
        uchar* row = out + qsizetype(y - top) * rowBytes();
        if (oneBit) {
            // One bit per pixel as the whole canvas is made; windows start on whole bytes.
            PackGreyRow(painted, width, row + x / 8);
            return;
        }
        if (index_) {
            index_->map(painted, width, row + x);
            return;
        }
        std::memcpy(row + qsizetype(x) * 3, painted, std::size_t(width) * 3);
    };
    const QRect band(0, top, geometry_.pixelWidth, rows);
    canvas_->paint(band, draw, take);
    canvas_->release(band);
}

}  // namespace quirn
