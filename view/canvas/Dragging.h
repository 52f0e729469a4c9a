// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging the movable elements with the left mouse button.
//
// A press inside an element's hit area sets that element's flag and keeps the offset between
// the cursor and the element's anchor; moves with the button held put the anchor back at that
// offset from the cursor. A press on another element while a flag is still set (the release
// happened outside the view) adds that element: both then move, with the newer offset.
//
// The drag keeps where it has the elements itself: the view shows the scene with them there, and
// only the release hands them to the session, as one command. Free texts and pictures are
// dragged by their centres alongside.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <vector>

#include "editing/PlateEdits.h"
#include "render/FreeItems.h"
#include "render/Scene.h"

namespace quirn {

struct DragState {
    std::array<bool, 9> flags{};  // indexed by MovableElement
    int dx = 0;
    int dy = 0;
    // Where the elements being dragged stand now: taken at the grab from what the view showed,
    // then moved by the cursor and kept on the plate.
    std::array<Point, kDrawnElementCount> anchors{};
    Point templateAnchor;
    int templateWidth = 0;
    // The free texts and pictures being dragged, and where the drag has their centres.
    std::map<FreeItem, Point> freeCentres;

    bool dragging(MovableElement e) const { return flags[static_cast<std::size_t>(Index(e))]; }
    bool any() const;
    bool operator==(const DragState&) const = default;
};

// What a move changed besides the anchors of the drawn elements.
struct DragMove {
    bool moved = false;            // some element followed the cursor
    bool templateMoved = false;    // the template's anchor changed
    bool templateWidened = false;  // the template's width changed
    bool sizingCursor = false;     // the template's edge is being dragged
};

// Grabs what the press at cursor (drawing units) hits in the scene shown, as laid out; nothing
// changes when it hits nothing.
std::optional<MovableElement> BeginDrag(DragState& drag, const Scene& shown,
                                        const ScaleLayout& laid, Point cursor);

// Grabs the free text or picture drawn on top at cursor in the scene shown, to be dragged by its
// centre; nothing changes when there is none. Tried before BeginDrag: they are drawn over the
// fixed elements and the template.
std::optional<FreeItem> BeginFreeDrag(DragState& drag, const Scene& shown, Point cursor);

// Moves every element being dragged to follow the cursor.
DragMove ContinueDrag(DragState& drag, Point cursor);

// Puts every element being dragged where the drag has it.
void ApplyDrag(const DragState& drag, Scene& scene);

// Every drawn element being dragged is kept on the plate as the layout keeps a placed one, so
// that the view shows it where it is printed; a free item keeps its centre on the plate. laid is
// the scene as shown after the move; true when an element had to be brought back.
bool KeepDraggedOnPlate(DragState& drag, const ScaleParameters& p, const ScaleLayout& laid);

// The button went up: every flag is cleared, the offsets stay.
inline void EndDrag(DragState& drag) {
    drag.flags = {};
    drag.freeCentres.clear();
}

}  // namespace quirn
