// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ViewMapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "render/DrawingTransform.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

using I = std::int64_t;

bool Between(I low, I value, I high) {
    return low < value && value < high;
}

// A point of the plate in the template's own upright frame: from its lower-left corner, along
// its bottom edge and up its left edge.
RealPoint InTemplateFrame(const TemplatePlacement& t, Point p) {
    const double a = t.angle * std::numbers::pi / 180.0;
    const double dx = double(p.x) - t.corner.x, dy = double(p.y) - t.corner.y;
    return {dx * std::cos(a) + dy * std::sin(a), -dx * std::sin(a) + dy * std::cos(a)};
}

// The plate's box around the turned template.
Box TemplateBounds(const TemplatePlacement& t) {
    const double a = t.angle * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    double left = 0, right = 0, bottom = 0, top = 0;
    for (const auto [u, v] :
         {std::pair{double(t.size.width), 0.0}, std::pair{0.0, double(t.size.height)},
          std::pair{double(t.size.width), double(t.size.height)}}) {
        const double x = u * c - v * s, y = u * s + v * c;
        left = std::min(left, x);
        right = std::max(right, x);
        bottom = std::min(bottom, y);
        top = std::max(top, y);
    }
    return {ClampToInt(I{t.corner.x} + I(std::floor(left))),
            ClampToInt(I{t.corner.y} + I(std::ceil(top))),
            ClampToInt(I{t.corner.x} + I(std::ceil(right))),
            ClampToInt(I{t.corner.y} + I(std::floor(bottom)))};
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
    (void)scene;  // the layout has everything it draws
    using E = MovableElement;
    if (e == E::TemplateBody || e == E::TemplateEdge)
        return laid.templatePlace ? TemplateBounds(*laid.templatePlace) : Box{};
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
    (void)scene;
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

    if (!laid.templatePlace) return std::nullopt;
    const TemplatePlacement& t = *laid.templatePlace;
    const RealPoint at = InTemplateFrame(t, cursor);
    const double tw = t.size.width, th = t.size.height;
    if (!(0.0 < at.y && at.y < th)) return std::nullopt;
    if (0.0 < at.x && at.x < 0.9 * tw) return E::TemplateBody;
    if (0.95 * tw < at.x && at.x < 1.05 * tw) return E::TemplateEdge;
    return std::nullopt;
}

}  // namespace quirn
