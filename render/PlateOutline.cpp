// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PlateOutline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "model/PlateFrame.h"
#include "render/Saturate.h"

namespace quirn {

std::int64_t RadialSideHeight(std::int64_t outerRadius, std::int64_t halfWidth) {
    // 64-bit products: radii beyond 46340 units would overflow 32 bits.
    const std::int64_t squared = outerRadius * outerRadius - halfWidth * halfWidth;
    if (squared <= 0) return 0;
    return static_cast<std::int64_t>(std::sqrt(static_cast<double>(squared)));
}

void DrawPlateMarks(DrawingSurface& surface, const ScaleParameters& p, int bottomMargin,
                    int canvasWidth) {
    using I = std::int64_t;
    const I aH = FrameOf(p).axisHeight;
    // Along the lowest row of the screen canvas; below the print canvas.
    const I bottomY = kBottomLineInset - aH - bottomMargin;
    surface.line(At(-I{canvasWidth}, bottomY), At(canvasWidth, bottomY));

    surface.line({-250, 0}, {250, 0});
    surface.line({0, -250}, {0, 250});
}

void DrawCutLines(DrawingSurface& surface, const ScaleParameters& p, int halfPlateWidth) {
    using I = std::int64_t;
    const PlateFrame frame = FrameOf(p);
    const I aH = frame.axisHeight;
    const I hw = halfPlateWidth;
    const I innerRadius = frame.cutOutRadius;

    const I cut = innerRadius - 10;
    surface.arc({ClampToInt(-cut), ClampToInt(cut), ClampToInt(cut), ClampToInt(-cut)}, At(cut, 0),
                At(-cut, 0));

    const I below = -10 - aH;
    if (frame.shape == PlateShape::Square) {
        const I top = frame.top;
        const I cornerBevel = frame.bevel;
        const std::array<Point, 10> outline{At(10 - innerRadius, 0),
                                            At(10 - innerRadius, below),
                                            At(-10 - hw, below),
                                            At(-10 - hw, top - cornerBevel),
                                            At(cornerBevel - hw, top + 10),
                                            At(hw - cornerBevel, top + 10),
                                            At(hw + 10, top - cornerBevel),
                                            At(hw + 10, below),
                                            At(innerRadius - 10, below),
                                            At(innerRadius - 10, 0)};
        surface.polyline(outline);
    } else {
        const I outerRadius = frame.outerRadius;
        const I yc = RadialSideHeight(outerRadius, hw);
        const std::array<Point, 4> left{At(-innerRadius, 0), At(-innerRadius, below),
                                        At(-10 - hw, below), At(-10 - hw, yc)};
        const std::array<Point, 4> right{At(hw + 10, yc), At(hw + 10, below),
                                         At(innerRadius, below), At(innerRadius, 0)};
        surface.polyline(left);
        surface.polyline(right);
        surface.arc({ClampToInt(-outerRadius), ClampToInt(outerRadius), ClampToInt(outerRadius),
                     ClampToInt(-outerRadius)},
                    At(hw, yc), At(-hw, yc));
    }

    const I K = p.mountingHoleSpacing / 2;
    const I y = p.mountingAboveAxis;
    for (const I x : {-K, K}) {
        surface.ellipse(
            {ClampToInt(x - 150), ClampToInt(y + 150), ClampToInt(x + 150), ClampToInt(y - 150)});
    }
    for (const I x : {-K, K}) {
        surface.line(At(x - 150, y), At(x + 150, y));
        surface.line(At(x, y - 150), At(x, y + 150));
    }
    DrawMirrorSlot(surface, p);
}

void DrawMirrorSlot(DrawingSurface& surface, const ScaleParameters& p) {
    using I = std::int64_t;
    if (!p.ext.mirror || !std::isfinite(p.halfAngle)) return;
    // A negative width lays the band inside the radius; nothing lies below the axis itself.
    const I a = p.ext.mirror->radius;
    const I b = a + p.ext.mirror->width;
    const I inner = std::max(std::min(a, b), I{0});
    const I outer = std::max(a, b);
    if (outer <= inner) return;
    // The ends as scale 1's: 90 -/+ halfAngle degrees from the x axis.
    const double right = (90.0 - p.halfAngle) / 180.0 * std::numbers::pi;
    const double left = (90.0 + p.halfAngle) / 180.0 * std::numbers::pi;
    const auto on = [](I r, double theta) {
        const auto radius = static_cast<double>(r);
        return At(TruncToInt(radius * std::cos(theta)), TruncToInt(radius * std::sin(theta)));
    };
    for (const I r : {inner, outer}) {
        if (r == 0) continue;
        surface.arc({ClampToInt(-r), ClampToInt(r), ClampToInt(r), ClampToInt(-r)}, on(r, right),
                    on(r, left));
    }
    for (const double theta : {right, left}) surface.line(on(inner, theta), on(outer, theta));
}

}  // namespace quirn
