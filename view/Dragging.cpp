// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Dragging.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "render/RenderScale.h"
#include "view/ViewMapping.h"

namespace quirn {
namespace {

int Clamp(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

}  // namespace

bool DragState::any() const {
    return std::find(flags.begin(), flags.end(), true) != flags.end();
}

std::optional<MovableElement> BeginDrag(DragState& drag, const RenderState& state, Point cursor) {
    const std::optional<MovableElement> hit = HitTest(state, cursor);
    if (!hit) return hit;
    drag.flags[static_cast<std::size_t>(Index(*hit))] = true;
    if (*hit == MovableElement::TemplateEdge) {
        drag.dx = Clamp(std::int64_t{state.templ.width} - cursor.x);
        return hit;
    }
    const Point anchor = *hit == MovableElement::TemplateBody
                             ? state.templ.anchor
                             : state.layout.anchors[static_cast<std::size_t>(Index(*hit))];
    drag.dx = Clamp(std::int64_t{cursor.x} - anchor.x);
    drag.dy = Clamp(std::int64_t{anchor.y} - cursor.y);
    return hit;
}

DragMove ContinueDrag(const DragState& drag, RenderState& state, Point cursor) {
    using E = MovableElement;
    DragMove result;
    const Point target{Clamp(std::int64_t{cursor.x} - drag.dx),
                       Clamp(std::int64_t{cursor.y} + drag.dy)};
    for (E e : {E::DataSymbol, E::RombSymbol, E::NameLabel, E::UnitLabel, E::OriginLabel,
                E::OthersSymbol, E::StandardLabel}) {
        if (!drag.dragging(e)) continue;
        Point& anchor = state.layout.anchors[static_cast<std::size_t>(Index(e))];
        // The unit stays centred over the axis and moves only up and down.
        anchor = e == E::UnitLabel ? Point{anchor.x, target.y} : target;
        result.moved = true;
    }
    if (drag.dragging(E::TemplateBody)) {
        state.templ.anchor = target;
        result.moved = result.templateMoved = true;
    }
    if (drag.dragging(E::TemplateEdge)) {
        // No bound: dragged left of the anchor, the width becomes zero or negative.
        state.templ.width = Clamp(std::int64_t{drag.dx} + cursor.x);
        result.moved = result.templateWidened = result.sizingCursor = true;
    }
    return result;
}

void KeepDraggedOnPlate(const DragState& drag, RenderState& state) {
    ScaleLayout laid{.layout = state.layout,
                     .sizes = state.drawnSizes,
                     .originLabelWrap = state.originLabelWrap,
                     .templateSize = state.templ.drawn,
                     .axisHeight = state.axisHeight};
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (drag.dragging(e)) BringOntoPlate(state.params, laid, e);
    }
    AdoptLayout(state, laid);
}

}  // namespace quirn
