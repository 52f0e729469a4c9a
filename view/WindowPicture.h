// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the screen canvas that the view's window shows, painted once and kept until
// something it shows changes: a paint of an unchanged window only copies it, a drag paints again
// only the rectangles the moved elements left and entered, and a scroll only what comes into
// view.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <array>
#include <memory>
#include <optional>

#include "render/RenderState.h"
#include "render/SparseCanvas.h"

namespace quirn {

class WindowPicture {
  public:
    // Everything the picture's pixels depend on, as a value; the window aside.
    struct Key {
        ScaleParameters params;
        Layout layout;
        std::array<Extent, kDrawnElementCount> sizes{};
        std::optional<Box> originLabelWrap;
        bool templateLoaded = false;
        qint64 templateImage = 0;
        Point templateAnchor;
        Extent templateSize;
        std::array<qint64, 3> symbols{};
        CanvasGeometry geometry;
        bool operator==(const Key&) const = default;
    };
    static Key KeyOf(const RenderState& state);

    // The picture of the canvas pixels in window for the laid-out state, whose canvas geometry is
    // the one shown; painted anew only where what it shows changed. Pixels beyond the canvas are
    // white.
    const QImage& picture(const RenderState& state, const QRect& window);
    // Whether the picture kept shows exactly this state in this window.
    bool shows(const RenderState& state, const QRect& window) const;
    // Paints again the canvas pixels in rect, as the state now has them, and takes the state as
    // the one shown. Only for a state that differs from the one shown within rect alone.
    void repaint(const RenderState& state, const QRect& rect);

    // How many times the whole window has been painted, and how many pixels have been painted
    // in all: what a paint, a scroll or a drag cost.
    int wholePaints() const { return wholePaints_; }
    qint64 paintedPixels() const { return paintedPixels_; }

  private:
    void paint(const RenderState& state, const QRect& rect);
    // Hands back the memory of the rows of rect.
    void ReleaseRows(const QRect& rect);

    std::optional<Key> key_;
    QRect window_;
    std::unique_ptr<SparseCanvas> canvas_;
    bool inPlace_ = false;  // the pixels are shown where they are painted
    QRegion valid_;         // canvas pixels in place that show the current key
    QRect touched_;         // canvas pixels in place whose memory is held
    QImage copy_;           // the pixels copied, when they cannot be shown in place
    QImage shown_;
    int wholePaints_ = 0;
    qint64 paintedPixels_ = 0;
};

}  // namespace quirn
