// SPDX-License-Identifier: GPL-3.0-or-later
// Places of the movable elements: defaults proportional to the graduation radius, and where the
// user put them, kept on the plate.
#include <algorithm>

#include "model/PlateFrame.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {

Box ElementBox(MovableElement e, Point anchor, Extent size, const std::optional<Box>& originWrap) {
    using E = MovableElement;
    using I = std::int64_t;
    if (e == E::OriginLabel && originWrap) return *originWrap;
    const I ax = anchor.x, ay = anchor.y, w = size.width, h = size.height;
    I left = ax, right = ax + w, top = ay, bottom = ay - h;
    switch (e) {
        case E::DataSymbol:
        case E::DiamondSymbol:
            top = ay + h;
            bottom = ay;
            break;
        case E::OthersSymbol:
            left = ax - w;
            right = ax;
            top = ay + h;
            bottom = ay;
            break;
        case E::UnitLabel:
        case E::OriginLabel:
            left = ax - w / 2;
            right = left + w;
            break;
        case E::StandardLabel:
            left = ax - w;
            right = ax;
            break;
        default:
            break;
    }
    return {ClampToInt(left), ClampToInt(top), ClampToInt(right), ClampToInt(bottom)};
}

void BringOntoPlate(const ScaleParameters& p, ScaleLayout& laid, MovableElement e) {
    using I = std::int64_t;
    const I half = laid.layout.halfPlateWidth;
    const I bottom = -I{laid.axisHeight};
    const I top = p.shape == 0 ? I{p.plateHeight} + bottom : I{p.outerRadius};
    const int i = Index(e);
    if (i < 0 || i >= kDrawnElementCount || half <= 0 || top <= bottom) return;
    const auto shift = [](I low, I high, I min, I max) -> I {
        if (high - low > max - min || low < min) return min - low;  // too wide: its start shows
        return high > max ? max - high : 0;
    };
    Point& anchor = laid.layout.anchors[std::size_t(i)];
    const bool wrapped = e == MovableElement::OriginLabel && laid.originLabelWrap;
    const Box cell = ElementBox(e, anchor, laid.sizes[std::size_t(i)],
                                wrapped ? laid.originLabelWrap : std::nullopt);
    const I dx = shift(cell.left, cell.right, -half, half);
    const I dy = -shift(-I{cell.top}, -I{cell.bottom}, -top, -bottom);
    if (dx == 0 && dy == 0) return;
    anchor = At(I{anchor.x} + dx, I{anchor.y} + dy);
    if (wrapped) {
        Box& w = *laid.originLabelWrap;
        w = {ClampToInt(I{w.left} + dx), ClampToInt(I{w.top} + dy), ClampToInt(I{w.right} + dx),
             ClampToInt(I{w.bottom} + dy)};
    }
}

Layout DefaultLayout(const ScaleParameters& p) {
    using I = std::int64_t;
    const I tickRadius = p.tickRadius;
    const PlateFrame frame = FrameOf(p);
    const I half = frame.halfWidth;
    const bool inside = p.ticksInward != 0;
    // Percentages of tickRadius, each product divided with truncation toward zero.
    const auto pct = [tickRadius](I percent) { return percent * tickRadius / 100; };

    Layout layout;
    layout.halfPlateWidth = ClampToInt(half);
    layout.bottomMargin = 1000;
    const auto set = [&layout](MovableElement e, I x, I y) {
        layout.anchors[static_cast<std::size_t>(Index(e))] = At(x, y);
    };
    set(MovableElement::DataSymbol, pct(8) - half, inside ? pct(10) : pct(12));
    set(MovableElement::DiamondSymbol, pct(8) - half, inside ? pct(35) : pct(40));
    set(MovableElement::OthersSymbol, half - pct(5), inside ? pct(35) : pct(40));
    set(MovableElement::UnitLabel, 0, inside ? pct(68) : pct(85));
    set(MovableElement::NameLabel, pct(5) - half, pct(33));
    set(MovableElement::OriginLabel, 0, pct(2) + p.innerRadius);
    set(MovableElement::StandardLabel, half - pct(5), pct(20));
    layout.originLabelAnchor = OriginLabelAnchor::Bottom;

    // The user's places. A place that the plate no longer reaches (it was made smaller) is
    // brought to the nearest point on it, so that no element is lost off its edge.
    const I bottom = frame.bottom;
    const I top = frame.top;
    for (int e = 0; e < kDrawnElementCount; ++e) {
        const std::optional<Place>& place = p.ext.places[std::size_t(e)];
        if (!place) continue;
        const I x = std::clamp(I{place->x}, std::min(-half, half), std::max(-half, half));
        const I y = std::clamp(I{place->y}, std::min(bottom, top), std::max(bottom, top));
        layout.anchors[std::size_t(e)] = At(x, y);
        if (e == Index(MovableElement::OriginLabel))
            layout.originLabelAnchor = OriginLabelAnchor::Top;
    }
    return layout;
}

}  // namespace quirn
