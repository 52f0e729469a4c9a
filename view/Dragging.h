// SPDX-License-Identifier: GPL-3.0-or-later
// Dragging the movable elements with the left mouse button.
//
// A press inside an element's hit area sets that element's flag and keeps the offset between
// the cursor and the element's anchor; moves with the button held put the anchor back at that
// offset from the cursor. A press on another element while a flag is still set (the release
// happened outside the view) adds that element: both then move, with the newer offset.
#pragma once

#include <array>
#include <optional>

#include "render/RenderState.h"

namespace quirn {

struct DragState {
    std::array<bool, 9> flags{};  // indexed by MovableElement
    int dx = 0;
    int dy = 0;

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

// Grabs what the press at cursor (drawing units) hits; nothing changes when it hits nothing.
std::optional<MovableElement> BeginDrag(DragState& drag, const RenderState& state, Point cursor);

// Moves every element being dragged to follow the cursor.
DragMove ContinueDrag(const DragState& drag, RenderState& state, Point cursor);

// Every drawn element being dragged is kept on the plate as the layout keeps a placed one, so
// that the view shows it where it is printed. For the state as laid out after the move.
void KeepDraggedOnPlate(const DragState& drag, RenderState& state);

// The button went up: every flag is cleared, the offsets stay.
inline void EndDrag(DragState& drag) {
    drag.flags = {};
}

}  // namespace quirn
