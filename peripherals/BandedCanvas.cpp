#include "peripherals/BandedCanvas.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "render/PainterSurface.h"
#include "render/RenderScale.h"

namespace quirn {
namespace {

// Grey painting memory per band, and the same again at most for the band's one-bit rows.
constexpr std::int64_t kBandBytes = std::int64_t{16} << 20;
constexpr int kRasterLimit = 32767;

}  // namespace

BandedCanvas::BandedCanvas(RenderState& state, const ReferenceDevice& device) : state_(state) {
    // The same steps as a whole-canvas rendering takes before it paints.
    state_.canvas = Canvas{};
    LayOutScale(state_, true);
    geometry_ = ComputeCanvasGeometry(state_, device, false);
    state_.canvas.geometry = geometry_;
    canvas_ = std::make_unique<SparseCanvas>(geometry_, QImage::Format_Grayscale8);
}

BandedCanvas::~BandedCanvas() = default;

int BandedCanvas::defaultBandRows() const {
    const std::int64_t byGrey =
        kBandBytes / std::max<std::int64_t>(std::min(geometry_.pixelWidth, kRasterLimit), 1);
    const std::int64_t byBits = kBandBytes / std::max<qsizetype>(rowBytes(), 1);
    return int(std::clamp<std::int64_t>(std::min(byGrey, byBits), 1, kRasterLimit));
}

bool BandedCanvas::reserve() {
    return canvas_->reserve();
}

void BandedCanvas::render(int top, int rows, uchar* out) {
    std::memset(out, 0, std::size_t(rows) * std::size_t(rowBytes()));
    const auto draw = [this](QPainter& painter, const DrawingTransform& transform,
                             const QRect& area) {
        PainterSurface surface(painter, transform, true);
        surface.restrictTo(area);
        PaintScale(state_, surface, false);
    };
    // One bit per pixel as the whole canvas is made; windows start on whole bytes.
    const auto take = [&](const uchar* grey, int x, int y, int width) {
        PackGreyRow(grey, width, out + qsizetype(y - top) * rowBytes() + x / 8);
    };
    const QRect band(0, top, geometry_.pixelWidth, rows);
    canvas_->paint(band, draw, take);
    canvas_->release(band);
}

}  // namespace quirn
