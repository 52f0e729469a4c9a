// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/ViewMapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <utility>

#include "render/DrawingTransform.h"
#include "render/FontMeasure.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

using I = std::int64_t;

bool Between(I low, I value, I high) {
    return low < value && value < high;
}

// Strictly inside the turned box with these corners (in order around it).
bool InsideTurnedBox(const std::array<RealPoint, 4>& corners, Point cursor) {
    const RealPoint origin = corners[0];
    const RealPoint along{corners[1].x - origin.x, corners[1].y - origin.y};
    const RealPoint down{corners[3].x - origin.x, corners[3].y - origin.y};
    const RealPoint to{cursor.x - origin.x, cursor.y - origin.y};
    const double u = to.x * along.x + to.y * along.y;
    const double v = to.x * down.x + to.y * down.y;
    return 0 < u && u < along.x * along.x + along.y * along.y && 0 < v &&
           v < down.x * down.x + down.y * down.y;
}

std::optional<std::array<RealPoint, 4>> TextCorners(const Scene& scene, int number) {
    const auto found = scene.params.ext.texts.find(number);
    if (found == scene.params.ext.texts.end()) return std::nullopt;
    FontMeasure measure;
    return FreeTextCorners(scene.params, found->second, measure);
}

std::optional<Box> DrawnPictureBox(const Scene& scene, int number) {
    const auto found = scene.params.ext.pictures.find(number);
    if (found == scene.params.ext.pictures.end() || found->second.width <= 0) return std::nullopt;
    return PictureBox(found->second, PictureContentOf(scene, number, found->second));
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
    for (const auto& [u, v] :
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
    const bool text = e != E::DataSymbol && e != E::DiamondSymbol && e != E::OthersSymbol;
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
            case E::DiamondSymbol:
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
    constexpr std::array kOrder{E::DataSymbol,  E::DiamondSymbol, E::NameLabel,    E::UnitLabel,
                                E::OriginLabel, E::OthersSymbol,  E::StandardLabel};
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

std::optional<FreeItem> FreeItemAt(const Scene& scene, Point cursor) {
    using K = FreeItem::Kind;
    const auto& texts = scene.params.ext.texts;
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        const auto corners = TextCorners(scene, it->first);
        if (corners && InsideTurnedBox(*corners, cursor)) return FreeItem{K::Text, it->first};
    }
    const auto& pictures = scene.params.ext.pictures;
    for (auto it = pictures.rbegin(); it != pictures.rend(); ++it) {
        const std::optional<Box> box = DrawnPictureBox(scene, it->first);
        if (box && Between(box->left, cursor.x, box->right) &&
            Between(box->bottom, cursor.y, box->top))
            return FreeItem{K::Picture, it->first};
    }
    return std::nullopt;
}

Box FreeItemArea(const Scene& scene, FreeItem item) {
    if (item.kind == FreeItem::Kind::Picture) {
        const std::optional<Box> box = DrawnPictureBox(scene, item.number);
        if (!box) return {};
        // The crossed box's pen reaches half its width beyond the edges.
        constexpr I kPen = 5;
        return {ClampToInt(box->left - kPen), ClampToInt(box->top + kPen),
                ClampToInt(box->right + kPen), ClampToInt(box->bottom - kPen)};
    }
    const auto corners = TextCorners(scene, item.number);
    if (!corners) return {};
    double left = corners->front().x, right = left, bottom = corners->front().y, top = bottom;
    for (const RealPoint& c : *corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        bottom = std::min(bottom, c.y);
        top = std::max(top, c.y);
    }
    // Glyphs overhang their cell by a tenth of an em at most, whichever way it is turned; an
    // eighth of the cell's height covers that.
    const double height =
        std::hypot((*corners)[3].x - (*corners)[0].x, (*corners)[3].y - (*corners)[0].y);
    const double margin = height / 8 + 1;
    const auto edge = [](double v) {
        return ClampToInt(static_cast<I>(std::clamp(v, -9e18, 9e18)));
    };
    return {edge(std::floor(left - margin)), edge(std::ceil(top + margin)),
            edge(std::ceil(right + margin)), edge(std::floor(bottom - margin))};
}

}  // namespace quirn
