// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/Dragging.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "model/PlateFrame.h"
#include "render/ScaleDrawing.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

int Clamp(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

Place* CentreOf(ScaleParameters& p, FreeItem item) {
    if (item.kind == FreeItem::Kind::Text) {
        const auto found = p.ext.texts.find(item.number);
        return found == p.ext.texts.end() ? nullptr : &found->second.centre;
    }
    const auto found = p.ext.pictures.find(item.number);
    return found == p.ext.pictures.end() ? nullptr : &found->second.centre;
}

}  // namespace

bool DragState::any() const {
    return std::find(flags.begin(), flags.end(), true) != flags.end() || !freeCentres.empty();
}

std::optional<FreeItem> BeginFreeDrag(DragState& drag, const Scene& shown, Point cursor) {
    const std::optional<FreeItem> hit = FreeItemAt(shown, cursor);
    if (!hit) return hit;
    const auto& ext = shown.params.ext;
    const Place centre = hit->kind == FreeItem::Kind::Text ? ext.texts.at(hit->number).centre
                                                           : ext.pictures.at(hit->number).centre;
    drag.freeCentres[*hit] = Point{centre.x, centre.y};
    drag.dx = Clamp(std::int64_t{cursor.x} - centre.x);
    drag.dy = Clamp(std::int64_t{centre.y} - cursor.y);
    return hit;
}

std::optional<MovableElement> BeginDrag(DragState& drag, const Scene& shown,
                                        const ScaleLayout& laid, Point cursor) {
    const std::optional<MovableElement> hit = HitTest(shown, laid, cursor);
    if (!hit) return hit;
    const bool onTemplate =
        *hit == MovableElement::TemplateBody || *hit == MovableElement::TemplateEdge;
    // A locked template lets clicks through to nothing: it stays where it is.
    if (onTemplate && shown.params.ext.templateRecord &&
        shown.params.ext.templateRecord->lock == TemplateLock::Locked)
        return std::nullopt;
    drag.flags[static_cast<std::size_t>(Index(*hit))] = true;
    const TemplatePlacement templ = laid.templatePlace.value_or(TemplatePlacement{});
    drag.templateAnchor = templ.corner;
    drag.templateWidth = templ.size.width;
    if (*hit == MovableElement::TemplateEdge) {
        drag.dx = Clamp(std::int64_t{templ.size.width} - cursor.x);
        return hit;
    }
    Point anchor = templ.corner;
    if (*hit != MovableElement::TemplateBody) {
        const auto i = static_cast<std::size_t>(Index(*hit));
        anchor = drag.anchors[i] = laid.layout.anchors[i];
    }
    drag.dx = Clamp(std::int64_t{cursor.x} - anchor.x);
    drag.dy = Clamp(std::int64_t{anchor.y} - cursor.y);
    return hit;
}

DragMove ContinueDrag(DragState& drag, Point cursor) {
    using E = MovableElement;
    DragMove result;
    const Point target{Clamp(std::int64_t{cursor.x} - drag.dx),
                       Clamp(std::int64_t{cursor.y} + drag.dy)};
    for (E e : {E::DataSymbol, E::DiamondSymbol, E::NameLabel, E::UnitLabel, E::OriginLabel,
                E::OthersSymbol, E::StandardLabel}) {
        if (!drag.dragging(e)) continue;
        Point& anchor = drag.anchors[static_cast<std::size_t>(Index(e))];
        // The unit stays centred over the axis and moves only up and down.
        anchor = e == E::UnitLabel ? Point{anchor.x, target.y} : target;
        result.moved = true;
    }
    if (drag.dragging(E::TemplateBody)) {
        drag.templateAnchor = target;
        result.moved = result.templateMoved = true;
    }
    if (drag.dragging(E::TemplateEdge)) {
        // No bound: dragged left of the anchor, the width becomes zero or negative.
        drag.templateWidth = Clamp(std::int64_t{drag.dx} + cursor.x);
        result.moved = result.templateWidened = result.sizingCursor = true;
    }
    for (auto& [item, centre] : drag.freeCentres) {
        centre = target;
        result.moved = true;
    }
    return result;
}

void ApplyDrag(const DragState& drag, Scene& scene) {
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (!drag.dragging(e)) continue;
        scene.layout.anchors[std::size_t(i)] = drag.anchors[std::size_t(i)];
        // The drag holds the label by the anchor it was shown at.
        if (e == MovableElement::OriginLabel)
            scene.layout.originLabelAnchor = OriginLabelAnchor::Top;
    }
    for (const auto& [item, centre] : drag.freeCentres)
        if (Place* place = CentreOf(scene.params, item)) *place = Place{centre.x, centre.y};
    std::optional<TemplateRecord>& templ = scene.params.ext.templateRecord;
    if (!templ) return;
    if (drag.dragging(MovableElement::TemplateBody))
        templ->corner = {drag.templateAnchor.x, drag.templateAnchor.y};
    if (drag.dragging(MovableElement::TemplateEdge)) templ->width = drag.templateWidth;
}

bool KeepDraggedOnPlate(DragState& drag, const ScaleParameters& p, const ScaleLayout& laid) {
    ScaleLayout kept = laid;
    bool brought = false;
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        if (!drag.dragging(e)) continue;
        BringOntoPlate(p, kept, e);
        Point& anchor = drag.anchors[std::size_t(i)];
        if (anchor == kept.layout.anchors[std::size_t(i)]) continue;
        anchor = kept.layout.anchors[std::size_t(i)];
        brought = true;
    }
    // A free item's centre stays on the plate, where it can still be seen and grabbed.
    using I = std::int64_t;
    const PlateFrame frame = FrameOf(p);
    const I half = laid.layout.halfPlateWidth;
    const I bottom = frame.bottom;
    const I top = frame.top;
    if (half <= 0 || top <= bottom) return brought;
    for (auto& [item, centre] : drag.freeCentres) {
        const Point onPlate = {Clamp(std::clamp(I{centre.x}, -half, half)),
                               Clamp(std::clamp(I{centre.y}, bottom, top))};
        if (onPlate == centre) continue;
        centre = onPlate;
        brought = true;
    }
    return brought;
}

}  // namespace quirn
