// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the scene out and painting it.
#include "render/ScaleDrawing.h"

#include <algorithm>

#include "render/FontMeasure.h"
#include "render/FreeItems.h"
#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/PlateOutline.h"
#include "render/Saturate.h"
#include "render/Scales.h"

namespace quirn {
namespace {

// The scanned picture under the drawing, kept to its aspect ratio at the width the user set.
Extent TemplateSize(const TemplateUnderlay& templ) {
    const QImage& image = templ.image;
    if (image.isNull() || image.width() <= 0) return {};
    const double k = static_cast<double>(templ.width) / image.width();
    return {TruncToInt(image.width() * k), TruncToInt(k * image.height())};
}

void DrawTemplateUnderlay(const TemplateUnderlay& templ, Extent size, DrawingSurface& surface) {
    if (templ.image.isNull() || templ.image.width() <= 0) return;
    const std::int64_t x = templ.anchor.x;
    const std::int64_t y = templ.anchor.y;
    surface.drawImage(templ.image, {templ.anchor.x, ClampToInt(y + size.height),
                                    ClampToInt(x + size.width), templ.anchor.y});
}

// An element the user placed, still where its place puts it, is brought onto the plate: a place
// kept from a larger plate must not leave it hanging off the edge. An element being dragged has
// left its place and is not held here.
void BringPlacesOntoPlate(const ScaleParameters& p, ScaleLayout& laid) {
    using I = std::int64_t;
    const I half = laid.layout.halfPlateWidth;
    const I bottom = -I{laid.axisHeight};
    const I top = p.shape == 0 ? I{p.plateHeight} + bottom : I{p.outerRadius};
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const std::optional<Place>& place = p.ext.places[std::size_t(i)];
        if (!place || half <= 0 || top <= bottom) continue;
        const I px = std::clamp(I{place->x}, -half, half);
        const I py = std::clamp(I{place->y}, bottom, top);
        if (laid.layout.anchors[std::size_t(i)] != At(px, py)) continue;
        BringOntoPlate(p, laid, static_cast<MovableElement>(i));
    }
}

}  // namespace

void PackGreyRow(const unsigned char* grey, int width, unsigned char* bits) {
    for (int x = 0; x < width; x += 8) {
        unsigned char byte = 0;
        const int end = std::min(width - x, 8);
        for (int k = 0; k < end; ++k)
            byte = static_cast<unsigned char>(byte | ((grey[x + k] >= 128) << (7 - k)));
        bits[x >> 3] = byte;
    }
}

ScaleLayout LayOutScale(const Scene& scene, TextMeasure& measure) {
    ScaleLayout laid;
    laid.layout = scene.layout;
    laid.axisHeight =
        ClampToInt(std::int64_t{scene.params.mountingAboveBottom} - scene.params.mountingAboveAxis);
    laid.templateSize = scene.templ.loaded ? TemplateSize(scene.templ) : Extent{};
    LayOutLabels(scene, measure, laid);
    BringPlacesOntoPlate(scene.params, laid);
    return laid;
}

ScaleLayout LayOutScale(const Scene& scene, PaintMode mode) {
    FontMeasure measure(mode == PaintMode::Print);
    return LayOutScale(scene, measure);
}

void PaintScale(const Scene& scene, const ScaleLayout& laid, const CanvasGeometry& canvas,
                DrawingSurface& surface, PaintMode mode) {
    const ScaleParameters& p = scene.params;
    if (mode == PaintMode::Screen && scene.templ.loaded)
        DrawTemplateUnderlay(scene.templ, laid.templateSize, surface);

    surface.setBlackBrush(false);
    surface.setPen(10);
    DrawPlateMarks(surface, p, laid.layout.bottomMargin, canvas.canvasWidth);

    DrawSymbols(scene, laid, surface);
    DrawTexts(scene, laid, surface);
    DrawPictures(scene, surface);
    DrawFreeTexts(scene, surface);

    DrawScales(surface, p);

    surface.setBlackBrush(false);
    surface.setPen(10);
    DrawCutLines(surface, p, laid.layout.halfPlateWidth);
}

}  // namespace quirn
