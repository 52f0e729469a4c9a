// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/RenderScale.h"

#include <QPainter>
#include <algorithm>

#include "peripherals/BmpFormat.h"
#include "render/PainterSurface.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"
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
        forScreen ? QString::fromUtf8(
                        "Шкала не нарисована: холст %1 x %2 точек больше предела (%3 точек по "
                        "стороне, %4 точек всего). Проверьте размеры шкалы или уменьшите масштаб.")
                  : QString::fromUtf8(
                        "Шкала не нарисована: холст %1 x %2 точек больше предела (%3 точек по "
                        "стороне, %4 точек всего). Проверьте размеры шкалы.");
    return text
        .arg(Number(g.pixelWidth), Number(g.pixelHeight), Number(kMaxCanvasSide),
             Number(MaxCanvasPixels(forScreen)))
        .toStdString();
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

// The picture with colour index 0 black and 1 white, whatever it was drawn in.
QImage BlackWhiteBits(const QImage& source) {
    if (source.format() == QImage::Format_Mono || source.format() == QImage::Format_MonoLSB) {
        QImage mono = source.convertToFormat(QImage::Format_Mono);
        const QList<QRgb> table = mono.colorTable();
        const bool white0 = table.size() > 0 && qGray(table[0]) >= 128;
        const bool white1 = table.size() < 2 || qGray(table[1]) >= 128;
        if (!white0 && white1) return mono;
        if (white0 && !white1) {
            mono.invertPixels();
        } else {
            mono.fill(white1 ? 1u : 0u);
        }
        mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        return mono;
    }
    const QImage gray = source.convertToFormat(QImage::Format_Grayscale8);
    QImage mono(gray.size(), QImage::Format_Mono);
    mono.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    mono.fill(0u);
    for (int y = 0; y < gray.height(); ++y) {
        const uchar* in = gray.constScanLine(y);
        uchar* out = mono.scanLine(y);
        for (int x = 0; x < gray.width(); ++x) {
            if (in[x] >= 128) out[x >> 3] = uchar(out[x >> 3] | (0x80 >> (x & 7)));
        }
    }
    return mono;
}

}  // namespace

RenderResult RenderScale(const Scene& scene, const ReferenceDevice& device, PaintMode mode) {
    const bool forScreen = mode == PaintMode::Screen;
    RenderResult result;
    result.laid = LayOutScale(scene, mode);

    const CanvasGeometry g = ComputeCanvasGeometry(scene, device, mode);
    if (g.pixelWidth > kMaxCanvasSide || g.pixelHeight > kMaxCanvasSide ||
        std::int64_t{g.pixelWidth} * g.pixelHeight > MaxCanvasPixels(forScreen)) {
        result.status = RenderStatus::CanvasTooLarge;
        result.message = TooLargeMessage(g, forScreen);
        return result;
    }

    // The print canvas is painted in 8-bit grey, which the raster engine fills forty times
    // faster than a 1-bit image, and made 1-bit at the end; nothing is smoothed, so every pixel
    // is already black or white.
    QImage image(g.pixelWidth, g.pixelHeight,
                 forScreen ? QImage::Format_RGB32 : QImage::Format_Grayscale8);
    if (image.isNull()) {
        result.status = RenderStatus::CanvasTooLarge;
        result.message =
            QString::fromUtf8("Шкала не нарисована: не хватает памяти для холста %1 x %2 точек.")
                .arg(Number(g.pixelWidth), Number(g.pixelHeight))
                .toStdString();
        return result;
    }
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        PaintWithoutParallelFills([&] {
            PainterSurface surface(painter, DrawingTransform::OfCanvas(g), !forScreen);
            // The print canvas ends as one bit per pixel, where a colour would be black or white.
            surface.setHatchedZones(!forScreen);
            PaintScale(scene, result.laid, g, surface, mode);
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
    result.canvas = {std::move(image), g};
    return result;
}

RenderResult test::RenderScale(LaidOutScene& scene, const ReferenceDevice& device, PaintMode mode) {
    RenderResult result = quirn::RenderScale(scene, device, mode);
    scene.laid = result.laid;
    scene.canvas = result.canvas;
    return result;
}

QImage BlackAndWhite(const QImage& source) {
    return BlackWhiteBits(source).convertToFormat(QImage::Format_Grayscale8);
}

}  // namespace quirn
