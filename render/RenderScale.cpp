// SPDX-License-Identifier: GPL-3.0-or-later
// The renderer's entry: a fresh canvas for the device and mode, then the whole scale on it.
#include "render/RenderScale.h"

#include <QCoreApplication>
#include <QPainter>
#include <algorithm>

#include "render/FontMeasure.h"
#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/PainterSurface.h"
#include "render/PlateOutline.h"
#include "render/Saturate.h"
#include "render/Scales.h"
#include "render/SerialFills.h"

namespace quirn {
namespace {

// QPainter's raster engine works in 16.16 fixed point, and a canvas beyond a quarter of a
// gigapixel is a parameter mistake rather than a drawing.
constexpr int kMaxCanvasSide = 32767;
// 256 MiB of canvas memory: 64 megapixels of colour on screen, 256 megapixels of grey for print
// and export (a plate of 34 x 34 cm at 1200 dpi).
constexpr std::int64_t kMaxCanvasBytes = std::int64_t{1} << 28;

std::int64_t MaxCanvasPixels(bool forScreen) {
    return kMaxCanvasBytes / (forScreen ? 4 : 1);
}

// Numbers as std::to_string writes them: never in the user's locale.
QString Number(std::int64_t value) {
    return QString::fromStdString(std::to_string(value));
}

std::string TooLargeMessage(const CanvasGeometry& g, bool forScreen) {
    const QString text =
        forScreen ? QCoreApplication::translate(
                        "quirn::RenderScale",
                        "Шкала не нарисована: холст %1 x %2 точек больше предела (%3 точек по "
                        "стороне, %4 точек всего). Проверьте размеры шкалы или уменьшите масштаб.")
                  : QCoreApplication::translate(
                        "quirn::RenderScale",
                        "Шкала не нарисована: холст %1 x %2 точек больше предела (%3 точек по "
                        "стороне, %4 точек всего). Проверьте размеры шкалы.");
    return text
        .arg(Number(g.pixelWidth), Number(g.pixelHeight), Number(kMaxCanvasSide),
             Number(MaxCanvasPixels(forScreen)))
        .toStdString();
}

// The scanned picture under the drawing, kept to its aspect ratio at the width the user set.
Extent TemplateSize(const TemplateUnderlay& templ) {
    const QImage& image = templ.image;
    if (image.isNull() || image.width() <= 0) return {};
    const double k = static_cast<double>(templ.width) / image.width();
    return {TruncToInt(image.width() * k), TruncToInt(k * image.height())};
}

void DrawTemplateUnderlay(const TemplateUnderlay& templ, DrawingSurface& surface) {
    if (templ.image.isNull() || templ.image.width() <= 0) return;
    const std::int64_t x = templ.anchor.x;
    const std::int64_t y = templ.anchor.y;
    surface.drawImage(templ.image, {templ.anchor.x, ClampToInt(y + templ.drawn.height),
                                    ClampToInt(x + templ.drawn.width), templ.anchor.y});
}

// One bit per pixel, colour 0 black and colour 1 white, the first pixel in the high bit.
QImage ToBlackAndWhite(const QImage& grey) {
    QImage mono(grey.size(), QImage::Format_Mono);
    if (mono.isNull()) return mono;
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < grey.height(); ++y)
        PackGreyRow(grey.constScanLine(y), grey.width(), mono.scanLine(y));
    return mono;
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

ScaleLayout LayOutScale(const RenderState& state, TextMeasure& measure) {
    ScaleLayout laid;
    laid.layout = state.layout;
    laid.axisHeight =
        ClampToInt(std::int64_t{state.params.mountingAboveBottom} - state.params.mountingAboveAxis);
    laid.templateSize = state.templ.loaded ? TemplateSize(state.templ) : Extent{};
    LayOutLabels(state, measure, laid);
    BringPlacesOntoPlate(state.params, laid);
    return laid;
}

void AdoptLayout(RenderState& state, const ScaleLayout& laid) {
    state.layout = laid.layout;
    state.axisHeight = laid.axisHeight;
    state.drawnSizes = laid.sizes;
    state.originLabelWrap = laid.originLabelWrap;
    state.templ.drawn = laid.templateSize;
}

void LayOutScale(RenderState& state, bool monochrome) {
    FontMeasure measure(monochrome);
    AdoptLayout(state, LayOutScale(state, measure));
}

void PaintScale(const RenderState& state, DrawingSurface& surface, bool forScreen) {
    const ScaleParameters& p = state.params;
    if (forScreen && state.templ.loaded) DrawTemplateUnderlay(state.templ, surface);

    surface.setBlackBrush(false);
    surface.setPen(10);
    const int canvasWidth = forScreen ? state.canvas.geometry.canvasWidth
                                      : ClampToInt(std::int64_t{p.plateWidth} + 200);
    DrawPlateMarks(surface, p, state.layout.bottomMargin, canvasWidth);

    DrawSymbols(state, surface);
    DrawTexts(state, surface);

    DrawScales(surface, p);

    surface.setBlackBrush(false);
    surface.setPen(10);
    DrawCutLines(surface, p, state.layout.halfPlateWidth);
}

RenderResult RenderScale(RenderState& state, const ReferenceDevice& device, bool forScreen) {
    // Nothing of the previous canvas survives, not even when this one is refused.
    state.canvas = Canvas{};
    LayOutScale(state, !forScreen);

    const CanvasGeometry g = ComputeCanvasGeometry(state, device, forScreen);
    if (g.pixelWidth > kMaxCanvasSide || g.pixelHeight > kMaxCanvasSide ||
        std::int64_t{g.pixelWidth} * g.pixelHeight > MaxCanvasPixels(forScreen)) {
        return {RenderStatus::CanvasTooLarge, TooLargeMessage(g, forScreen)};
    }

    // The print canvas is painted in 8-bit grey, which the raster engine fills forty times
    // faster than a 1-bit image, and made 1-bit at the end; nothing is smoothed, so every pixel
    // is already black or white.
    QImage image(g.pixelWidth, g.pixelHeight,
                 forScreen ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    if (image.isNull()) {
        return {RenderStatus::CanvasTooLarge,
                QCoreApplication::translate(
                    "quirn::RenderScale",
                    "Шкала не нарисована: не хватает памяти для холста %1 x %2 точек.")
                    .arg(Number(g.pixelWidth), Number(g.pixelHeight))
                    .toStdString()};
    }
    image.fill(Qt::white);
    // The canvas must carry its geometry while the scale is painted (the bottom line spans it).
    state.canvas.geometry = g;
    {
        QPainter painter(&image);
        PaintWithoutParallelFills([&] {
            PainterSurface surface(painter, DrawingTransform::OfCanvas(g), !forScreen);
            // The print canvas ends as one bit per pixel, where a colour would be black or white.
            surface.setHatchedZones(!forScreen);
            PaintScale(state, surface, forScreen);
        });
    }
    if (!forScreen) {
        image = ToBlackAndWhite(image);
        // Dots per metre: pixels per tenths of a millimetre, times 10000.
        const auto perMetre = TruncToInt(static_cast<double>(device.pixelsAcross) * 10000.0 /
                                             static_cast<double>(device.tenthsOfMmAcross) +
                                         0.5);
        if (perMetre > 0) {
            image.setDotsPerMeterX(perMetre);
            image.setDotsPerMeterY(perMetre);
        }
    }
    state.canvas.image = std::move(image);
    return {};
}

}  // namespace quirn
