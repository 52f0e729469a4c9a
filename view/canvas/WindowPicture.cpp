// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/WindowPicture.h"

#include <QPainter>
#include <cstring>

#include "render/PainterSurface.h"
#include "render/ScaleDrawing.h"
#include "render/SerialFills.h"

namespace quirn {

namespace {

// Memory the picture may hold in place beyond its window, in windows' worth: scrolling back
// and forth over a few windows costs no painting.
constexpr qint64 kKeptWindows = 4;

// The memory the pixels of rect take in place: whole pages of every row.
qint64 HeldBytes(const QRect& rect) {
    return qint64(rect.height()) * (qint64(rect.width()) * 4 + 8192);
}

}  // namespace

bool WindowPicture::shows(const PictureSource& source, const QRect& window) const {
    return key_ && window == window_ && *key_ == Key{source.revision, source.geometry};
}

void WindowPicture::rename(ShownRevision from, ShownRevision to) {
    if (key_ && key_->revision == from) key_->revision = to;
}

const QImage& WindowPicture::picture(const PictureSource& source, const QRect& window) {
    // A window whose far edge lies beyond the int range shows nothing.
    if (!window.isValid()) {
        key_.reset();
        shown_ = QImage();
        return shown_;
    }
    Key key{source.revision, source.geometry};
    if (key_ && window == window_ && *key_ == key) return shown_;
    if (!key_ || key_->geometry != key.geometry) {
        canvas_ = std::make_unique<SparseCanvas>(key.geometry, QImage::Format_RGB32);
        valid_ = {};
        touched_ = {};
    } else if (!(*key_ == key)) {
        valid_ = {};
    }
    key_ = std::move(key);
    window_ = window;
    canvas_->reserve();
    // Where the window lies within a canvas that is one device, its pixels are shown where they
    // are painted, and stay valid there while the window moves; otherwise they are copied into a
    // picture of their own, white beyond the canvas.
    inPlace_ = canvas_->oneWindow() && !canvas_->pixels(window).isNull();
    if (!inPlace_) {
        shown_ = QImage();  // so that the copy is painted in place rather than copied first
        if (copy_.size() != window.size()) copy_ = QImage(window.size(), QImage::Format_RGB32);
        copy_.fill(Qt::white);
        paint(source, window);
        ReleaseRows(window);  // the copy holds the pixels
        shown_ = copy_;
        ++wholePaints_;
        return shown_;
    }
    const QRect span = touched_ | window;
    if (HeldBytes(span) > kKeptWindows * HeldBytes(window) && !touched_.isEmpty()) {
        canvas_->release(touched_);
        touched_ = {};
        valid_ = {};
    }
    const QRegion missing = QRegion(window) - valid_;
    if (missing == QRegion(window)) ++wholePaints_;
    for (const QRect& rect : missing) paint(source, rect);
    valid_ += window;
    touched_ |= window;
    shown_ = canvas_->pixels(window);
    return shown_;
}

void WindowPicture::repaint(const PictureSource& source, const QRect& rect) {
    if (!key_) return;
    key_ = Key{source.revision, source.geometry};
    // What lies beyond the window is painted when it comes into view.
    valid_ -= rect;
    const QRect part = rect.intersected(window_);
    if (part.isEmpty()) return;
    if (!inPlace_) {
        // The copy is shared with the picture shown: written while shared, it would be copied
        // first, and the picture shown would keep its old pixels until the next whole paint.
        shown_ = QImage();
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(copy_.scanLine(y - window_.top()));
            std::fill(row + (part.left() - window_.left()),
                      row + (part.right() + 1 - window_.left()), qRgb(255, 255, 255));
        }
    }
    paint(source, part);
    if (inPlace_) {
        valid_ += part;
    } else {
        ReleaseRows(part);
        shown_ = copy_;
    }
}

void WindowPicture::ReleaseRows(const QRect& rect) {
    canvas_->release(rect);
    // Whole rows go: nothing kept in place in them is valid any more.
    valid_ -= QRect(0, rect.top(), key_->geometry.pixelWidth, rect.height());
}

void WindowPicture::paint(const PictureSource& source, const QRect& rect) {
    const auto draw = [&source](QPainter& painter, const DrawingTransform& transform,
                                const QRect& area) {
        PaintWithoutParallelFills([&] {
            PainterSurface surface(painter, transform, false);
            surface.restrictTo(area);
            PaintScale(source.scene, source.laid, source.geometry, surface, PaintMode::Screen);
        });
    };
    SparseCanvas::TakeRow take;
    if (!inPlace_) {
        const QPoint at = window_.topLeft();
        take = [this, at](const uchar* pixels, int x, int y, int width) {
            std::memcpy(copy_.scanLine(y - at.y()) + qsizetype(x - at.x()) * 4, pixels,
                        std::size_t(width) * 4);
        };
    }
    canvas_->paint(rect, draw, take);
    paintedPixels_ += qint64(rect.width()) * rect.height();
}

}  // namespace quirn
