#include "view/ViewMapping.h"

#include <array>
#include <cmath>
#include <limits>

namespace quirn {
namespace {

using I = std::int64_t;

// value x num / den to the nearest whole number, halves away from zero; den > 0.
I ScaleRounded(I value, I num, I den) {
    __extension__ using Wide = __int128;
    const Wide product = Wide(value) * num;
    const Wide half = den / 2;
    const Wide result = product >= 0 ? (product + half) / den : (product - half) / den;
    if (result > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (result < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<I>(result);
}

// A degenerate geometry (before the first paint) maps one pixel to one unit.
I Num(const CanvasGeometry& g) {
    return g.windowExt > 0 && g.viewportExt > 0 ? g.windowExt : 1;
}
I Den(const CanvasGeometry& g) {
    return g.windowExt > 0 && g.viewportExt > 0 ? g.viewportExt : 1;
}

bool Between(I low, I value, I high) {
    return low < value && value < high;
}

}  // namespace

Point CanvasPixelToDrawing(const CanvasGeometry& g, I px, I py) {
    return {static_cast<int>(ScaleRounded(px - g.originX, Num(g), Den(g))),
            static_cast<int>(ScaleRounded(g.originY - py, Num(g), Den(g)))};
}

Point DrawingToCanvasPixel(const CanvasGeometry& g, Point drawing) {
    return {static_cast<int>(g.originX + ScaleRounded(drawing.x, Den(g), Num(g))),
            static_cast<int>(g.originY - ScaleRounded(drawing.y, Den(g), Num(g)))};
}

Point ViewToDrawing(const CanvasGeometry& g, Point client, Point scroll, double devicePixelRatio) {
    const auto device = [devicePixelRatio](I logical) {
        return static_cast<I>(std::llround(static_cast<double>(logical) * devicePixelRatio));
    };
    return CanvasPixelToDrawing(g, device(I{client.x} + scroll.x), device(I{client.y} + scroll.y));
}

std::optional<MovableElement> HitTest(const RenderState& state, Point cursor) {
    using E = MovableElement;
    const I x = cursor.x;
    const I y = cursor.y;
    const auto inside = [&](E e) {
        const Point a = state.layout.anchors[static_cast<std::size_t>(Index(e))];
        const Extent s = state.drawnSizes[static_cast<std::size_t>(Index(e))];
        const I ax = a.x, ay = a.y, w = s.width, h = s.height;
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

    const TemplateUnderlay& t = state.templ;
    if (!t.loaded) return std::nullopt;
    const I tx = t.anchor.x, ty = t.anchor.y, tw = t.drawn.width, th = t.drawn.height;
    if (!Between(ty, y, ty + th)) return std::nullopt;
    if (Between(tx, x, tx + 9 * tw / 10)) return E::TemplateBody;
    if (Between(tx + 95 * tw / 100, x, tx + 105 * tw / 100)) return E::TemplateEdge;
    return std::nullopt;
}

}  // namespace quirn
