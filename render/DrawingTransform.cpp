// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DrawingTransform.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/Scene.h"

namespace quirn {
namespace {

using I = std::int64_t;

// value x num / den to the nearest whole number, halves away from zero, saturated to int.
I ScaleRounded(I value, I num, I den) {
    __extension__ using Wide = __int128;
    if (den < 0) {
        num = -num;
        den = -den;
    }
    if (den == 0) return 0;
    const Wide product = Wide(value) * num;
    const Wide half = den / 2;
    const Wide result = product >= 0 ? (product + half) / den : (product - half) / den;
    if (result > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (result < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<I>(result);
}

I WholeOrigin(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<I>(std::llround(std::clamp(v, double(std::numeric_limits<int>::min()),
                                                  double(std::numeric_limits<int>::max()))));
}

}  // namespace

DrawingTransform DrawingTransform::OfCanvas(const CanvasGeometry& g) {
    // A degenerate geometry (before anything was laid out) maps one pixel to one unit.
    const bool usable = g.windowExt > 0 && g.viewportExt > 0;
    return {QPointF(g.originX, g.originY), usable ? g.viewportExt : 1, usable ? g.windowExt : 1};
}

QRectF DrawingTransform::toDevice(const Box& box) const {
    return QRectF(toDevice(Point{box.left, box.top}), toDevice(Point{box.right, box.bottom}))
        .normalized();
}

Point DrawingTransform::toDrawing(I px, I py) const {
    return {static_cast<int>(ScaleRounded(px - WholeOrigin(origin.x()), den, num)),
            static_cast<int>(ScaleRounded(WholeOrigin(origin.y()) - py, den, num))};
}

Point DrawingTransform::toDevicePixel(Point p) const {
    const auto clamp = [](I v) {
        return static_cast<int>(
            std::clamp<I>(v, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
    };
    return {clamp(WholeOrigin(origin.x()) + ScaleRounded(p.x, num, den)),
            clamp(WholeOrigin(origin.y()) - ScaleRounded(p.y, num, den))};
}

}  // namespace quirn
