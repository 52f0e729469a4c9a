// SPDX-License-Identifier: GPL-3.0-or-later
// Laying the scene out and painting it.
#include "render/ScaleDrawing.h"

#include <algorithm>

#include "model/PlateFrame.h"
#include "render/FontMeasure.h"
#include "render/FreeItems.h"
#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/PlateOutline.h"
#include "render/Saturate.h"
#include "render/Scales.h"

namespace quirn {
namespace {

// Where the record's template stands, kept to its picture's aspect ratio at the width the
// record sets; nothing while there is no picture to show.
std::optional<TemplatePlacement> PlaceTemplate(const Scene& scene) {
    const std::optional<TemplateRecord>& record = scene.params.ext.templateRecord;
    const QImage& image = scene.templatePicture.image;
    if (!record || image.isNull() || image.width() <= 0) return std::nullopt;
    const double k = static_cast<double>(record->width) / image.width();
    return TemplatePlacement{At(record->corner.x, record->corner.y),
                             {record->width, TruncToInt(k * image.height())},
                             record->angle,
                             record->dim};
}

// A small cross in a circle where each calibration click landed, the first (the pointer axis)
// larger: drawn over the template on the screen only.
void DrawCalibrationMarks(const Scene& scene, DrawingSurface& surface) {
    surface.setBlackBrush(false);
    surface.setInk(0xD00000);
    surface.setPen(15);
    bool axis = true;
    for (const Point& p : scene.calibrationMarks) {
        const int r = axis ? 150 : 80;
        const std::int64_t x = p.x, y = p.y;
        surface.line(At(x - 2 * r, y), At(x + 2 * r, y));
        surface.line(At(x, y - 2 * r), At(x, y + 2 * r));
        surface.arc({ClampToInt(x - r), ClampToInt(y + r), ClampToInt(x + r), ClampToInt(y - r)},
                    At(x + r, y), At(x + r, y));
        axis = false;
    }
    surface.setInk(kBlackInk);
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
    laid.axisHeight = ClampToInt(FrameOf(scene.params).axisHeight);
    laid.templatePlace = PlaceTemplate(scene);
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
    if (mode == PaintMode::Print || scene.drawingShown == DrawingShown::Whole) {
        surface.setBlackBrush(false);
        surface.setPen(10);
        DrawPlateMarks(surface, p, laid.layout.bottomMargin, canvas.canvasWidth);

        DrawSymbols(scene, laid, surface);
        DrawTexts(scene, laid, surface);
        DrawPictures(scene, surface);
        DrawFreeTexts(scene, surface);

        DrawScales(surface, p);
    }

    surface.setBlackBrush(false);
    surface.setPen(10);
    DrawCutLines(surface, p, laid.layout.halfPlateWidth);

    // Multiplied into the drawing, the template shows through every white cell and leaves the
    // ink as it is; print and export never show it.
    if (mode != PaintMode::Screen) return;
    if (const std::optional<TemplatePlacement>& t = laid.templatePlace)
        surface.drawUnderlay(scene.templatePicture.image, t->corner, t->size, t->angle, t->dim);
    if (!scene.calibrationMarks.empty()) DrawCalibrationMarks(scene, surface);
}

}  // namespace quirn
