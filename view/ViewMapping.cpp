// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewMapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "render/DrawingTransform.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

using I = std::int64_t;

bool Between(I low, I value, I high) {
    return low < value && value < high;
}

}  // namespace

Point CanvasPixelToDrawing(const CanvasGeometry& g, I px, I py) {
    return DrawingTransform::OfCanvas(g).toDrawing(px, py);
}

Point DrawingToCanvasPixel(const CanvasGeometry& g, Point drawing) {
    return DrawingTransform::OfCanvas(g).toDevicePixel(drawing);
}

Point ViewToDrawing(const CanvasGeometry& g, Point client, Point scroll, double devicePixelRatio) {
    const auto device = [devicePixelRatio](I logical) {
        return static_cast<I>(std::llround(static_cast<double>(logical) * devicePixelRatio));
    };
    return CanvasPixelToDrawing(g, device(I{client.x} + scroll.x), device(I{client.y} + scroll.y));
}

QPointF DrawingToView(const CanvasGeometry& g, Point drawing, Point scroll,
                      double devicePixelRatio) {
    const Point px = DrawingToCanvasPixel(g, drawing);
    return {px.x / devicePixelRatio - scroll.x, px.y / devicePixelRatio - scroll.y};
}

std::vector<AxisMark> MarksAlong(const CanvasGeometry& g, bool horizontal, int length, I step,
                                 Point scroll, double devicePixelRatio) {
    std::vector<AxisMark> marks;
    if (length <= 0 || step <= 0) return marks;
    // The units at both ends, as the mouse would read them there; y grows upward.
    const Point first = ViewToDrawing(g, {0, 0}, scroll, devicePixelRatio);
    const Point last = ViewToDrawing(g, {length, length}, scroll, devicePixelRatio);
    const I a = horizontal ? first.x : first.y;
    const I b = horizontal ? last.x : last.y;
    const auto floorDiv = [](I n, I d) { return n / d - (n % d != 0 && n < 0 ? 1 : 0); };
    const I low = floorDiv(std::min(a, b), step);
    const I high = floorDiv(std::max(a, b), step) + 1;
    // Marks closer than a pixel apart would only fill the edge.
    if (high - low > I{length} + 2) return marks;
    for (I k = low; k <= high; ++k) {
        const I units = k * step;
        if (units < std::numeric_limits<int>::min() || units > std::numeric_limits<int>::max())
            continue;
        const int u = static_cast<int>(units);
        const QPointF at =
            DrawingToView(g, horizontal ? Point{u, 0} : Point{0, u}, scroll, devicePixelRatio);
        const double along = horizontal ? at.x() : at.y();
        if (along >= 0 && along < length) marks.push_back({units, along});
    }
    if (!horizontal) std::reverse(marks.begin(), marks.end());
    return marks;
}

Box DrawnArea(const Scene& scene, const ScaleLayout& laid, MovableElement e) {
    using E = MovableElement;
    if (e == E::TemplateBody || e == E::TemplateEdge) {
        const TemplateUnderlay& t = scene.templ;
        const Extent drawn = laid.templateSize;
        return {t.anchor.x, ClampToInt(I{t.anchor.y} + drawn.height),
                ClampToInt(I{t.anchor.x} + drawn.width), t.anchor.y};
    }
    const Extent s = laid.sizes[static_cast<std::size_t>(Index(e))];
    const Box cell = ElementBox(e, laid.layout.anchors[static_cast<std::size_t>(Index(e))], s,
                                laid.originLabelWrap);
    const I left = cell.left, right = cell.right, top = cell.top, bottom = cell.bottom;
    const I h = s.height;
    // Glyphs overhang their cells sideways by a tenth of an em at most; an eighth of the cell's
    // height covers that.
    const bool text = e != E::DataSymbol && e != E::RombSymbol && e != E::OthersSymbol;
    const I margin = text ? std::abs(h) / 8 : 0;
    return {ClampToInt(left - margin), ClampToInt(top + margin), ClampToInt(right + margin),
            ClampToInt(bottom - margin)};
}

std::optional<MovableElement> HitTest(const Scene& scene, const ScaleLayout& laid, Point cursor) {
    using E = MovableElement;
    const I x = cursor.x;
    const I y = cursor.y;
    const auto inside = [&](E e) {
        const Point a = laid.layout.anchors[static_cast<std::size_t>(Index(e))];
        const Extent s = laid.sizes[static_cast<std::size_t>(Index(e))];
        const I ax = a.x, ay = a.y, w = s.width, h = s.height;
        // A hidden label (an empty text) or a missing image has nothing to grab.
        if (w == 0 || h == 0) return false;
        switch (e) {
            case E::DataSymbol:
            case E::RombSymbol:
                return Between(ax, x, ax + w) && Between(ay, y, ay + h);
            case E::NameLabel:
                return Between(ax, x, ax + w) && Between(ay - h, y, ay);
            case E::UnitLabel:
            case E::OriginLabel:
                return Between(ax - w / 2, x, ax + w / 2) && Between(ay - h, y, ay);
            case E::OthersSymbol:
                return Between(ax - w, x, ax) && Between(ay, y, ay + h);
            case E::StandardLabel:
                return Between(ax - w, x, ax) && Between(ay - h, y, ay);
            default:
                return false;
        }
    };
    constexpr std::array kOrder{E::DataSymbol,  E::RombSymbol,   E::NameLabel,    E::UnitLabel,
                                E::OriginLabel, E::OthersSymbol, E::StandardLabel};
    for (E e : kOrder)
        if (inside(e)) return e;

    const TemplateUnderlay& t = scene.templ;
    if (!t.loaded) return std::nullopt;
    const I tx = t.anchor.x, ty = t.anchor.y;
    const I tw = laid.templateSize.width, th = laid.templateSize.height;
    if (!Between(ty, y, ty + th)) return std::nullopt;
    if (Between(tx, x, tx + 9 * tw / 10)) return E::TemplateBody;
    if (Between(tx + 95 * tw / 100, x, tx + 105 * tw / 100)) return E::TemplateEdge;
    return std::nullopt;
}

}  // namespace quirn
