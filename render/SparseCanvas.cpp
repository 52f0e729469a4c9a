// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SparseCanvas.h"

#include <sys/mman.h>
#include <unistd.h>

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quirn {
namespace {

// The raster engine's coordinates are 16.16 fixed point.
constexpr int kRasterLimit = 32767;
constexpr int kWindowColumns = 32760;
// The raster engine finds a row of its device as row x bytes per line in int: a device of more
// bytes than an int counts wraps round and is written far outside itself (a colour canvas of
// 31000 x 23500 pixels is 2.9 GB, while its one-byte grey twin stays within reach).
constexpr qsizetype kRasterBytes = std::numeric_limits<int>::max();

}  // namespace

SparseCanvas::SparseCanvas(const CanvasGeometry& geometry, QImage::Format format)
    : geometry_(geometry), format_(format) {
    bytesPerPixel_ = QImage::toPixelFormat(format).bitsPerPixel() / 8;
    windowWidth_ = geometry_.pixelWidth <= kRasterLimit ? geometry_.pixelWidth : kWindowColumns;
    windowStride_ = (qsizetype(windowWidth_) * bytesPerPixel_ + 3) / 4 * 4;
    const qsizetype addressable = kRasterBytes / std::max<qsizetype>(windowStride_, 1);
    windowHeight_ = int(std::min<qsizetype>({geometry_.pixelHeight, kRasterLimit, addressable}));
}

SparseCanvas::~SparseCanvas() {
    if (memory_ != nullptr) munmap(memory_, mapped_);
}

bool SparseCanvas::reserve() {
    if (memory_ != nullptr) return true;
    if (windowWidth_ <= 0 || windowHeight_ <= 0) return false;
    mapped_ = std::size_t(windowStride_) * std::size_t(windowHeight_);
    void* at = mmap(nullptr, mapped_, PROT_READ | PROT_WRITE,
                    MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (at == MAP_FAILED) return false;
    memory_ = static_cast<uchar*>(at);
    return true;
}

void SparseCanvas::paint(const QRect& rect, const Draw& draw, const TakeRow& take) {
    // A rectangle whose far edge lies beyond the int range has none.
    if (!rect.isValid()) return;
    const QRect wanted = rect.intersected(QRect(0, 0, geometry_.pixelWidth, geometry_.pixelHeight));
    if (wanted.isEmpty()) return;
    if (!reserve()) {
        if (take) paintAlone(wanted, draw, take);
        return;
    }
    const int firstTop = wanted.top() / windowHeight_ * windowHeight_;
    const int firstLeft = wanted.left() / windowWidth_ * windowWidth_;
    for (std::int64_t top = firstTop; top <= wanted.bottom(); top += windowHeight_) {
        for (std::int64_t left = firstLeft; left <= wanted.right(); left += windowWidth_) {
            const QRect window(
                int(left), int(top),
                int(std::min<std::int64_t>(windowWidth_, geometry_.pixelWidth - left)),
                int(std::min<std::int64_t>(windowHeight_, geometry_.pixelHeight - top)));
            paintWindow(window, wanted.intersected(window), draw, take);
        }
    }
}

void SparseCanvas::paintWindow(const QRect& window, const QRect& part, const Draw& draw,
                               const TakeRow& take) {
    const QRect local = part.translated(-window.topLeft());
    uchar* firstRow = memory_ + qsizetype(local.top()) * windowStride_;
    const qsizetype offset = qsizetype(local.left()) * bytesPerPixel_;
    const auto bytes = std::size_t(local.width()) * std::size_t(bytesPerPixel_);
    // White in every format.
    for (int y = 0; y < local.height(); ++y)
        std::memset(firstRow + y * windowStride_ + offset, 0xFF, bytes);
    {
        QImage device(memory_, window.width(), window.height(), windowStride_, format_);
        QPainter painter(&device);
        painter.setClipRect(local);
        draw(painter, DrawingTransform::OfCanvas(geometry_).seenFrom(window.topLeft()), local);
    }
    if (!take) return;
    for (int y = 0; y < local.height(); ++y)
        take(firstRow + y * windowStride_ + offset, part.left(), part.top() + y, part.width());
}

QImage SparseCanvas::pixels(const QRect& rect) const {
    if (memory_ == nullptr || rect.isEmpty()) return {};
    if (!QRect(0, 0, geometry_.pixelWidth, geometry_.pixelHeight).contains(rect)) return {};
    const QRect window(rect.left() / windowWidth_ * windowWidth_,
                       rect.top() / windowHeight_ * windowHeight_, windowWidth_, windowHeight_);
    if (!window.contains(rect)) return {};
    const QPoint local = rect.topLeft() - window.topLeft();
    const uchar* first =
        memory_ + qsizetype(local.y()) * windowStride_ + qsizetype(local.x()) * bytesPerPixel_;
    return QImage(first, rect.width(), rect.height(), windowStride_, format_);
}

void SparseCanvas::release(const QRect& rect) {
    if (memory_ == nullptr || !rect.isValid()) return;
    const QRect wanted = rect.intersected(QRect(0, 0, geometry_.pixelWidth, geometry_.pixelHeight));
    if (wanted.isEmpty()) return;
    // Every window holds the same rows of the canvas modulo its height, in the same memory.
    const int first = wanted.top() % windowHeight_;
    const int rows = std::min(wanted.height(), windowHeight_);
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto hand = [&](int top, int count) {
        const auto from =
            reinterpret_cast<std::uintptr_t>(memory_ + qsizetype(top) * windowStride_) / page *
            page;
        const auto to =
            reinterpret_cast<std::uintptr_t>(memory_ + qsizetype(top + count) * windowStride_);
        madvise(reinterpret_cast<void*>(from), to - from, MADV_DONTNEED);
    };
    if (first + rows <= windowHeight_) {
        hand(first, rows);
    } else {
        hand(first, windowHeight_ - first);
        hand(0, first + rows - windowHeight_);
    }
}

void SparseCanvas::paintAlone(const QRect& part, const Draw& draw, const TakeRow& take) {
    QImage device(part.size(), format_);
    if (device.isNull()) return;
    device.fill(Qt::white);
    {
        QPainter painter(&device);
        draw(painter, DrawingTransform::OfCanvas(geometry_).seenFrom(part.topLeft()),
             QRect(QPoint(0, 0), part.size()));
    }
    for (int y = 0; y < part.height(); ++y)
        take(device.constScanLine(y), part.left(), part.top() + y, part.width());
}

}  // namespace quirn
