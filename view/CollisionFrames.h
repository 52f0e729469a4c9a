// Thin red frames the view lays over the drawing on the screen only, around every element that
// would not print cleanly: a label, numeral or symbol whose cell overlaps another element's, or
// crosses an edge the plate is cut along (its outline, the pointer cut-out, a mounting hole).
// Like the millimetre grid they are painted over the window's picture and never reach the
// renderer, so exports and prints never carry them.
#pragma once

#include <QPoint>
#include <QSize>
#include <array>
#include <optional>
#include <vector>

#include "render/RenderState.h"

class QPainter;

namespace quirn {

// The cell an element fills, in drawing units: its text's cell, turned with a turned numeral, or
// its picture's box. Corners in order around it.
struct ElementCell {
    std::array<RealPoint, 4> corners{};
    bool operator==(const ElementCell& other) const;
};

// The cells of the graduation's texts, which depend on the parameters alone: every numeral of
// every scale, and the further scales' units.
std::vector<ElementCell> ScaleTextCells(const ScaleParameters& p);
// The cells of the movable symbols and labels as laid out; hidden ones have none.
std::vector<ElementCell> PlacedCells(const RenderState& state);

// For each cell, whether it overlaps another of the cells by more than a hair, or crosses an edge
// of the plate of these parameters and half-width.
std::vector<bool> Collisions(const std::vector<ElementCell>& cells, const ScaleParameters& p,
                             int halfPlateWidth);

// The cells to frame for a laid-out state, worked out again only when what they depend on
// changed: the graduation's cells with the parameters, the rest with the layout, so that a drag
// costs only its own elements' checks.
class CollisionFrames {
  public:
    const std::vector<ElementCell>& framed(const RenderState& state);

  private:
    struct LayoutKey {
        ScaleParameters params;
        Layout layout;
        std::array<Extent, kDrawnElementCount> sizes{};
        std::optional<Box> originLabelWrap;
        bool operator==(const LayoutKey&) const = default;
    };

    std::optional<ScaleParameters> scalesOf_;
    int scalesHalf_ = 0;  // the plate's half-width they were checked against
    std::vector<ElementCell> scaleCells_;
    std::vector<bool> scaleCellsCollide_;  // among themselves or with the plate's edges
    std::optional<LayoutKey> framedOf_;
    std::vector<ElementCell> framed_;
};

// Paints the frames on the view's client area, scrolled by scroll (logical pixels), a pixel
// outside each cell.
void PaintCollisionFrames(QPainter& painter, const CanvasGeometry& g, QPoint scroll,
                          double devicePixelRatio, const std::vector<ElementCell>& cells);

}  // namespace quirn
