// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PlateOutline.h"

#include <array>
#include <cmath>

#include "render/Saturate.h"

namespace quirn {

std::int64_t RadialSideHeight(std::int64_t Rout, std::int64_t halfWidth) {
    // 64-bit products: radii beyond 46340 units would overflow 32 bits.
    const std::int64_t squared = Rout * Rout - halfWidth * halfWidth;
    if (squared <= 0) return 0;
    return static_cast<std::int64_t>(std::sqrt(static_cast<double>(squared)));
}

void DrawPlateMarks(DrawingSurface& surface, const ScaleParameters& p, int bottomMargin,
                    int canvasWidth) {
    using I = std::int64_t;
    const I aH = I{p.Los_niz} - p.Los_os;
    // Along the lowest row of the screen canvas; below the print canvas.
    const I bottomY = kBottomLineInset - aH - bottomMargin;
    surface.line(At(-I{canvasWidth}, bottomY), At(canvasWidth, bottomY));

    surface.line({-250, 0}, {250, 0});
    surface.line({0, -250}, {0, 250});
}

void DrawCutLines(DrawingSurface& surface, const ScaleParameters& p, int halfPlateWidth) {
    using I = std::int64_t;
    const I aH = I{p.Los_niz} - p.Los_os;
    const I hw = halfPlateWidth;
    const I Rin = p.Rin;

    const I cut = Rin - 10;
    surface.arc({ClampToInt(-cut), ClampToInt(cut), ClampToInt(cut), ClampToInt(-cut)}, At(cut, 0),
                At(-cut, 0));

    const I below = -10 - aH;
    if (p.shape == 0) {
        const I top = I{p.Hshk} - aH;
        const I skos = p.skos;
        const std::array<Point, 10> outline{At(10 - Rin, 0),         At(10 - Rin, below),
                                            At(-10 - hw, below),     At(-10 - hw, top - skos),
                                            At(skos - hw, top + 10), At(hw - skos, top + 10),
                                            At(hw + 10, top - skos), At(hw + 10, below),
                                            At(Rin - 10, below),     At(Rin - 10, 0)};
        surface.polyline(outline);
    } else {
        const I Rout = p.Rout;
        const I yc = RadialSideHeight(Rout, hw);
        const std::array<Point, 4> left{At(-Rin, 0), At(-Rin, below), At(-10 - hw, below),
                                        At(-10 - hw, yc)};
        const std::array<Point, 4> right{At(hw + 10, yc), At(hw + 10, below), At(Rin, below),
                                         At(Rin, 0)};
        surface.polyline(left);
        surface.polyline(right);
        surface.arc({ClampToInt(-Rout), ClampToInt(Rout), ClampToInt(Rout), ClampToInt(-Rout)},
                    At(hw, yc), At(-hw, yc));
    }

    const I K = p.Lkrep / 2;
    const I y = p.Los_os;
    for (const I x : {-K, K}) {
        surface.ellipse(
            {ClampToInt(x - 150), ClampToInt(y + 150), ClampToInt(x + 150), ClampToInt(y - 150)});
    }
    for (const I x : {-K, K}) {
        surface.line(At(x - 150, y), At(x + 150, y));
        surface.line(At(x, y - 150), At(x, y + 150));
    }
}

}  // namespace quirn
