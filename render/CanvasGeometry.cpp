// SPDX-License-Identifier: GPL-3.0-or-later
// Size, resolution and origin of the canvas. The mapping starts from the device's nominal
// 0.1 mm metric (pixelsAcross pixels per tenthsOfMmAcross) and is then scaled: on screen by
// t / 10000 with t = trunc(zoomPercent x 10 / displayCorrection), for print and export by 1 / 10,
// so that one logical unit is one drawing unit (0.01 mm).
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/PlateFrame.h"
#include "render/PlateOutline.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

// An uncalibrated or nonsensical ratio draws at the nominal metric.
double UsableDisplayCorrection(double displayCorrection) {
    return std::isfinite(displayCorrection) && displayCorrection > 0.0 ? displayCorrection : 1.0;
}

// Rows from the axis's row through the one a line unitsBelow the axis is drawn on, with 1/32
// pixel to spare for the raster engine's 1/64-pixel grid; unitsBelow >= 0. Saturates.
std::int64_t RowsThroughLine(std::int64_t unitsBelow, std::int64_t num, std::int64_t den) {
    __extension__ using Wide = __int128;
    const Wide rows = (Wide(unitsBelow) * num * 32 + den) / (Wide(den) * 32) + 1;
    return rows > std::numeric_limits<std::int64_t>::max()
               ? std::numeric_limits<std::int64_t>::max()
               : static_cast<std::int64_t>(rows);
}

}  // namespace

CanvasGeometry ComputeCanvasGeometry(const Scene& scene, const ReferenceDevice& device,
                                     PaintMode mode) {
    const bool forScreen = mode == PaintMode::Screen;
    const ScaleParameters& p = scene.params;
    const PlateFrame frame = FrameOf(p);
    const std::int64_t topOfPlate = frame.top;
    const std::int64_t plateHeight = frame.top - frame.bottom;

    const std::int64_t pixelsAcross = std::max<std::int64_t>(device.pixelsAcross, 1);
    const std::int64_t tenthsAcross = std::max<std::int64_t>(device.tenthsOfMmAcross, 1);

    CanvasGeometry g;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t originX = 0;
    std::int64_t originY = 0;
    std::int64_t extraPixel = 0;
    if (forScreen) {
        const int percent = std::clamp(scene.zoomPercent, 25, 1000);
        // A huge displayCorrection would make t zero and the mapping degenerate.
        const int t = std::max(
            TruncToInt(percent * 10 / UsableDisplayCorrection(scene.displayCorrection)), 1);
        g.viewportExt = pixelsAcross * t;
        g.windowExt = tenthsAcross * 10000;
        // The margins keep their size on the screen whatever the zoom: 10 mm at 100 %.
        const std::int64_t above = 100000 / percent;
        const std::int64_t window =
            ScaleMagnitude(device.windowOuterWidthPx, g.windowExt, g.viewportExt);
        width = std::max(window, std::int64_t{p.plateWidth} + 200000 / percent);
        height = above + scene.layout.bottomMargin + plateHeight;
        originX = width / 2;
        originY = above + topOfPlate;
    } else {
        g.viewportExt = pixelsAcross;
        g.windowExt = tenthsAcross * 10;
        width = std::int64_t{p.plateWidth} + 200;
        height = plateHeight + 200;
        originX = std::int64_t{scene.layout.halfPlateWidth} + 100;
        originY = topOfPlate + 100;
        extraPixel = 1;  // the bitmap is one pixel wider and taller than the canvas
    }

    const auto toPixels = [&](std::int64_t units) {
        return ScaleMagnitude(units, g.viewportExt, g.windowExt);
    };
    g.canvasWidth = ClampToInt(width);
    g.canvasHeight = ClampToInt(height);
    // A bitmap needs at least one pixel; an empty one could not be painted on.
    g.pixelWidth = ClampToInt(std::max<std::int64_t>(toPixels(width) + extraPixel, 1));
    std::int64_t pixelHeight = toPixels(height) + extraPixel;
    const std::int64_t lineBelowAxis = height - originY - kBottomLineInset;
    if (forScreen && originY >= 0 && lineBelowAxis >= 0) {
        // The bottom line runs a fifth of a pixel above the lower edge at zoom 1; with the axis
        // and the height rounded apart it could fall past the last row, so the canvas reaches
        // at least to the row the line is drawn on.
        const std::int64_t axisRow = toPixels(originY);
        const std::int64_t rows = RowsThroughLine(lineBelowAxis, g.viewportExt, g.windowExt);
        if (rows <= std::numeric_limits<std::int64_t>::max() - axisRow)
            pixelHeight = std::max(pixelHeight, axisRow + rows);
    }
    g.pixelHeight = ClampToInt(std::max<std::int64_t>(pixelHeight, 1));
    g.originX = ClampToInt(toPixels(originX));
    g.originY = ClampToInt(toPixels(originY));
    return g;
}

}  // namespace quirn
