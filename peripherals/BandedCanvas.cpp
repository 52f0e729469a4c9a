// Every band is painted on a device as large as the whole canvas, clipped to the band's rows: the
// drawing surface cuts shapes to the device and the raster engine starts its scan conversion at
// the device's edges, so a device of the band's own size would move pixels at the seams. The
// device's memory is address space only; the band's rows are the only pages ever touched, and
// they are handed back once the band is out.
#include "peripherals/BandedCanvas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "render/PainterSurface.h"
#include "render/RenderScale.h"
#include "render/Saturate.h"

namespace quirn {
namespace {

// The raster engine's coordinates are 16.16 fixed point. Canvases wider or taller than this are
// painted through windows, each with the origin moved; the windows' columns start on whole bytes.
constexpr int kRasterLimit = 32767;
constexpr int kWindowColumns = 32760;
// Grey painting memory per band, and the same again at most for the band's one-bit rows.
constexpr std::int64_t kBandBytes = std::int64_t{16} << 20;

}  // namespace

BandedCanvas::BandedCanvas(RenderState& state, const ReferenceDevice& device) : state_(state) {
    // The same steps as a whole-canvas rendering takes before it paints.
    state_.canvas = Canvas{};
    state_.axisHeight = ClampToInt(std::int64_t{state_.params.Los_niz} - state_.params.Los_os);
    geometry_ = ComputeCanvasGeometry(state_, device, false);
    state_.canvas.geometry = geometry_;
    before_ = state_;
    windowWidth_ = geometry_.pixelWidth <= kRasterLimit ? geometry_.pixelWidth : kWindowColumns;
    windowHeight_ = std::min(geometry_.pixelHeight, kRasterLimit);
    windowStride_ = (qsizetype(windowWidth_) + 3) / 4 * 4;
}

BandedCanvas::~BandedCanvas() {
    if (memory_ != nullptr) munmap(memory_, mapped_);
}

int BandedCanvas::defaultBandRows() const {
    const std::int64_t byGrey = kBandBytes / std::max<std::int64_t>(windowStride_, 1);
    const std::int64_t byBits = kBandBytes / std::max<qsizetype>(rowBytes(), 1);
    return int(std::clamp<std::int64_t>(std::min(byGrey, byBits), 1, kRasterLimit));
}

bool BandedCanvas::reserve() {
    if (memory_ != nullptr) return true;
    if (windowWidth_ <= 0 || windowHeight_ <= 0) return false;
    mapped_ = std::size_t(windowStride_) * std::size_t(windowHeight_);
    void* at = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (at == MAP_FAILED) return false;
    memory_ = static_cast<uchar*>(at);
    return true;
}

void BandedCanvas::render(int top, int rows, uchar* out) {
    std::memset(out, 0, std::size_t(rows) * std::size_t(rowBytes()));
    const int end = top + rows;
    for (std::int64_t at = top / windowHeight_ * std::int64_t{windowHeight_}; at < end;
         at += windowHeight_) {
        const auto windowTop = int(at);
        const int height = std::min(windowHeight_, geometry_.pixelHeight - windowTop);
        const int bandTop = std::max(top, windowTop);
        const int bandRows = std::min(end, windowTop + height) - bandTop;
        uchar* bandOut = out + qsizetype(bandTop - top) * rowBytes();
        for (std::int64_t left = 0; left < geometry_.pixelWidth; left += windowWidth_) {
            const int width = std::min(windowWidth_, geometry_.pixelWidth - int(left));
            paintWindow(int(left), windowTop, width, height, bandTop, bandRows, bandOut);
        }
    }
}

void BandedCanvas::paintWindow(int left, int top, int width, int height, int bandTop, int bandRows,
                               uchar* out) {
    uchar* firstRow = memory_ + qsizetype(bandTop - top) * windowStride_;
    for (int y = 0; y < bandRows; ++y) std::memset(firstRow + y * windowStride_, 0xFF, width);

    QImage image(memory_, width, height, windowStride_, QImage::Format_Grayscale8);
    {
        // Every band paints from the state as it was before the first: what painting records
        // in it comes out the same as from one rendering of the whole canvas.
        RenderState copy;
        if (painted_) copy = before_;
        RenderState& target = painted_ ? copy : state_;
        painted_ = true;
        QPainter painter(&image);
        painter.setClipRect(QRect(0, bandTop - top, width, bandRows));
        PainterSurface surface(painter, QPointF(geometry_.originX - left, geometry_.originY - top),
                               geometry_.pixelsPerUnit(), true);
        PaintScale(target, surface, false);
    }

    // One bit per pixel as the whole canvas is made; windows start on whole bytes.
    for (int y = 0; y < bandRows; ++y)
        PackGreyRow(firstRow + y * windowStride_, width, out + y * rowBytes() + left / 8);

    // Hand the band's pages back: the next band touches its own.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(firstRow) / page * page;
    const auto to = reinterpret_cast<std::uintptr_t>(firstRow + bandRows * windowStride_);
    madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
}

}  // namespace quirn
