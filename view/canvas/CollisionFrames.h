// SPDX-License-Identifier: GPL-3.0-or-later
// Thin red frames the view lays over the drawing on the screen only, around every element that
// would not print cleanly: a label, numeral or symbol whose cell overlaps another's or a mounting
// hole's mark, or crosses an edge the plate is cut along (FindCollisions). Like the millimetre
// grid they are painted over the window's picture and never reach the renderer, so exports and
// prints never carry them.
#pragma once

#include <QPoint>
#include <array>
#include <optional>
#include <vector>

#include "render/Scene.h"
#include "view/canvas/WindowPicture.h"

class QPainter;

namespace quirn {

using ItemCell = std::array<RealPoint, 4>;

// The cells to frame for a scene as laid out, worked out again only when the revision it is
// shown at changed.
class CollisionFrames {
  public:
    const std::vector<ItemCell>& framed(const PictureSource& source);

  private:
    std::optional<ShownRevision> framedOf_;
    std::vector<ItemCell> framed_;
};

// Paints the frames on the view's client area, scrolled by scroll (logical pixels), a pixel
// outside each cell.
void PaintCollisionFrames(QPainter& painter, const CanvasGeometry& g, QPoint scroll,
                          double devicePixelRatio, const std::vector<ItemCell>& cells);

}  // namespace quirn
