// The renderer's entry: a fresh canvas for the device and mode, then the whole scale on it.
#include "render/RenderScale.h"

#include <QPainter>

#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/PainterSurface.h"
#include "render/PlateOutline.h"
#include "render/Saturate.h"

namespace quirn {
namespace {

// QPainter's raster engine works in 16.16 fixed point, and a canvas beyond a quarter of a
// gigapixel is a parameter mistake rather than a drawing.
constexpr int kMaxCanvasSide = 32767;
constexpr std::int64_t kMaxCanvasPixels = std::int64_t{1} << 28;

std::string TooLargeMessage(const CanvasGeometry& g) {
    return "Шкала не нарисована: холст " + std::to_string(g.pixelWidth) + " x " +
           std::to_string(g.pixelHeight) + " точек больше предела (" +
           std::to_string(kMaxCanvasSide) + " точек по стороне, " +
           std::to_string(kMaxCanvasPixels) + " точек всего). Проверьте размеры шкалы.";
}

// The scanned picture under the drawing, kept to its aspect ratio at the width the user set.
void DrawTemplateUnderlay(TemplateUnderlay& templ, DrawingSurface& surface) {
    const QImage& image = templ.image;
    if (image.isNull() || image.width() <= 0) {
        templ.drawn = {};
        return;
    }
    const double k = static_cast<double>(templ.width) / image.width();
    templ.drawn = {TruncToInt(image.width() * k), TruncToInt(k * image.height())};
    const std::int64_t x = templ.anchor.x;
    const std::int64_t y = templ.anchor.y;
    surface.drawImage(image, {templ.anchor.x, ClampToInt(y + templ.drawn.height),
                              ClampToInt(x + templ.drawn.width), templ.anchor.y});
}

}  // namespace

void PaintScale(RenderState& state, DrawingSurface& surface, bool forScreen) {
    const ScaleParameters& p = state.params;
    state.axisHeight = ClampToInt(std::int64_t{p.Los_niz} - p.Los_os);

    if (forScreen && state.templ.loaded) DrawTemplateUnderlay(state.templ, surface);

    surface.setBlackBrush(false);
    surface.setPen(10);
    const int canvasWidth =
        forScreen ? state.canvas.geometry.canvasWidth : ClampToInt(std::int64_t{p.Lshk} + 200);
    DrawPlateOutline(surface, p, state.layout.halfPlateWidth, state.layout.bottomMargin,
                     canvasWidth);

    DrawSymbols(state, surface);
    DrawTexts(state, surface);

    surface.setPen(1);
    surface.setBlackBrush(true);
    DrawTicks(surface, p);
    DrawNumerals(surface, p);
    if (p.Duga != 0) DrawGraduationArc(surface, p);
}

RenderResult RenderScale(RenderState& state, const ReferenceDevice& device, bool forScreen) {
    // Nothing of the previous canvas survives, not even when this one is refused.
    state.canvas = Canvas{};
    state.axisHeight = ClampToInt(std::int64_t{state.params.Los_niz} - state.params.Los_os);

    const CanvasGeometry g = ComputeCanvasGeometry(state, device, forScreen);
    if (g.pixelWidth > kMaxCanvasSide || g.pixelHeight > kMaxCanvasSide ||
        std::int64_t{g.pixelWidth} * g.pixelHeight > kMaxCanvasPixels) {
        return {RenderStatus::CanvasTooLarge, TooLargeMessage(g)};
    }

    QImage image(g.pixelWidth, g.pixelHeight,
                 forScreen ? QImage::Format_RGB32 : QImage::Format_Mono);
    if (image.isNull()) {
        return {RenderStatus::CanvasTooLarge, "Шкала не нарисована: не хватает памяти для холста " +
                                                  std::to_string(g.pixelWidth) + " x " +
                                                  std::to_string(g.pixelHeight) + " точек."};
    }
    if (forScreen) {
        image.fill(Qt::white);
    } else {
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(1u);  // colour 1, white
        // Dots per metre: pixels per tenths of a millimetre, times 10000.
        const auto perMetre = TruncToInt(static_cast<double>(device.pixelsAcross) * 10000.0 /
                                             static_cast<double>(device.tenthsOfMmAcross) +
                                         0.5);
        if (perMetre > 0) {
            image.setDotsPerMeterX(perMetre);
            image.setDotsPerMeterY(perMetre);
        }
    }
    // The canvas must carry its geometry while the scale is painted (the bottom line spans it).
    state.canvas.geometry = g;
    {
        QPainter painter(&image);
        PainterSurface surface(painter, QPointF(g.originX, g.originY), g.pixelsPerUnit(),
                               !forScreen);
        PaintScale(state, surface, forScreen);
    }
    state.canvas.image = std::move(image);
    return {};
}

}  // namespace quirn
