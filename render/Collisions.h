// SPDX-License-Identifier: GPL-3.0-or-later
// Which things on a laid-out plate run into each other or off the plate, for the view to mark
// them (a thin frame on the screen) while the user arranges the plate. Nothing here draws.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "render/Scene.h"

namespace quirn {

// A thing drawn on the plate that can collide: one of the movable elements (symbols and
// labels), or a text of a scale (a numeral, an ohm scale's "∞", a further scale's unit).
enum class PlateItemKind { Element, ScaleText };

struct PlateItem {
    PlateItemKind kind = PlateItemKind::Element;
    MovableElement element = MovableElement::DataSymbol;  // an element's
    int scale = 0;                                        // a scale text's scale, 1..4
    std::string text;                                     // a scale text's, UTF-8 as drawn
    // The item's cell in drawing units, corner by corner round it: the elements' upright boxes
    // as the layout works them out (ElementBox), a scale text's cell turned as it is drawn.
    std::array<RealPoint, 4> cell{};
};

// An item that collides, and how.
struct Collision {
    PlateItem item;
    bool overlapsAnother = false;  // its cell overlaps another item's or a mounting hole's mark
    bool crossesEdge = false;      // its cell reaches past the plate's edge or into the cut-out
};

// The items of the scene as laid out (LayOutScale) that overlap another item or a
// hole mark, or cross the plate's nominal edge (the outline or the pointer's cut-out), in
// drawing order: elements first, then the scales' texts. Cells that merely touch do not
// collide. The scales' texts are measured with the screen's faces, as the view draws them;
// hidden labels (empty texts) and symbols without an image have no cell and never collide.
std::vector<Collision> FindCollisions(const Scene& scene, const ScaleLayout& laid);

}  // namespace quirn
