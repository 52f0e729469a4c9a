// SPDX-License-Identifier: GPL-3.0-or-later
// The part of the screen canvas that the view's window shows, painted once and kept until
// something it shows changes: a paint of an unchanged window only copies it, a drag paints again
// only the rectangles the moved elements left and entered, and a scroll only what comes into
// view.
#pragma once

#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <memory>
#include <optional>

#include "render/Scene.h"
#include "render/SparseCanvas.h"

namespace quirn {

// Names what a picture shows: the scene's revision in the session, and the view's own steps of a
// drag on top of it. Equal revisions show equal pixels.
struct ShownRevision {
    std::uint64_t scene = 0;
    std::uint64_t drag = 0;
    bool operator==(const ShownRevision&) const = default;
};

// What the window's picture is painted from: the scene as laid out, on the screen canvas of
// that geometry.
struct PictureSource {
    const Scene& scene;
    const ScaleLayout& laid;
    CanvasGeometry geometry;
    ShownRevision revision;
};

class WindowPicture {
  public:
    // Everything the picture's pixels depend on; the window aside.
    struct Key {
        ShownRevision revision;
        CanvasGeometry geometry;
        bool operator==(const Key&) const = default;
    };

    // The picture of the canvas pixels in window for the source; painted anew only where what it
    // shows changed. Pixels beyond the canvas are white.
    const QImage& picture(const PictureSource& source, const QRect& window);
    // Whether the picture kept shows exactly this source in this window.
    bool shows(const PictureSource& source, const QRect& window) const;
    // Paints again the canvas pixels in rect, as the source now has them, and takes the source as
    // the one shown. Only for a source that differs from the one shown within rect alone.
    void repaint(const PictureSource& source, const QRect& rect);
    // The pixels kept for revision from are also those of revision to: a drag handed to the
    // session shows what the drag showed. Nothing changes when the picture kept is another's.
    void rename(ShownRevision from, ShownRevision to);

    // How many times the whole window has been painted, and how many pixels have been painted
    // in all: what a paint, a scroll or a drag cost.
    int wholePaints() const { return wholePaints_; }
    qint64 paintedPixels() const { return paintedPixels_; }

  private:
    void paint(const PictureSource& source, const QRect& rect);
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
