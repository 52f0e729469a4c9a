#include "view/WindowPicture.h"

#include <QPainter>
#include <cstring>

#include "render/PainterSurface.h"
#include "render/RenderScale.h"

namespace quirn {

WindowPicture::Key WindowPicture::KeyOf(const RenderState& state, const QRect& window) {
    Key key;
    key.params = state.params;
    key.layout = state.layout;
    key.sizes = state.drawnSizes;
    key.originLabelWrap = state.originLabelWrap;
    key.templateLoaded = state.templ.loaded;
    if (state.templ.loaded) {
        key.templateImage = state.templ.image.cacheKey();
        key.templateAnchor = state.templ.anchor;
        key.templateSize = state.templ.drawn;
    }
    key.symbols = {state.symbols.data.cacheKey(), state.symbols.romb.cacheKey(),
                   state.symbols.others.cacheKey()};
    key.geometry = state.canvas.geometry;
    key.window = window;
    return key;
}

bool WindowPicture::shows(const RenderState& state, const QRect& window) const {
    return key_ && *key_ == KeyOf(state, window);
}

const QImage& WindowPicture::picture(const RenderState& state, const QRect& window) {
    if (shows(state, window)) return shown_;
    if (!key_ || key_->geometry != state.canvas.geometry) {
        canvas_ = std::make_unique<SparseCanvas>(state.canvas.geometry, QImage::Format_RGB32);
    } else if (key_->window != window) {
        canvas_->release(key_->window);  // the memory follows the window
    }
    key_ = KeyOf(state, window);
    // Where the window lies within the canvas, its pixels are shown where they are painted;
    // otherwise they are copied into a picture of their own, white beyond the canvas.
    canvas_->reserve();
    inPlace_ = !canvas_->pixels(window).isNull();
    if (!inPlace_) {
        if (copy_.size() != window.size()) copy_ = QImage(window.size(), QImage::Format_RGB32);
        copy_.fill(Qt::white);
    }
    paint(state, window);
    shown_ = inPlace_ ? canvas_->pixels(window) : copy_;
    ++wholePaints_;
    return shown_;
}

void WindowPicture::repaint(const RenderState& state, const QRect& rect) {
    if (!key_) return;
    const QRect window = key_->window;
    key_ = KeyOf(state, window);
    const QRect part = rect.intersected(window);
    if (part.isEmpty()) return;
    if (!inPlace_) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(copy_.scanLine(y - window.top()));
            std::fill(row + (part.left() - window.left()), row + (part.right() + 1 - window.left()),
                      qRgb(255, 255, 255));
        }
    }
    paint(state, part);
}

void WindowPicture::paint(const RenderState& state, const QRect& rect) {
    const auto draw = [&state](QPainter& painter, const DrawingTransform& transform) {
        PainterSurface surface(painter, transform, false);
        PaintScale(state, surface, true);
    };
    SparseCanvas::TakeRow take;
    if (!inPlace_) {
        const QPoint at = key_->window.topLeft();
        take = [this, at](const uchar* pixels, int x, int y, int width) {
            std::memcpy(copy_.scanLine(y - at.y()) + qsizetype(x - at.x()) * 4, pixels,
                        std::size_t(width) * 4);
        };
    }
    canvas_->paint(rect, draw, take);
    paintedPixels_ += qint64(rect.width()) * rect.height();
}

}  // namespace quirn
