// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PictureExport.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

#include "peripherals/BandedCanvas.h"
#include "peripherals/BmpFormat.h"
#include "peripherals/PdfPageBox.h"
#include "peripherals/PlatePalette.h"
#include "peripherals/PngStream.h"
#include "peripherals/SheetPainting.h"
#include "render/PainterSurface.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"
#include "render/Typefaces.h"

namespace quirn {
namespace {

constexpr int kDefaultDpi = 600;
// One device pixel per drawing unit: vector output keeps every coordinate exact.
constexpr int kVectorDpi = 2540;

TextDrawing TextDrawingOf(const ExportOptions& options) {
    return options.text == TextOutput::AsOutlines ? TextDrawing::Outlines : TextDrawing::Glyphs;
}

Outcome CannotWrite(const QString& path, const QString& error) {
    return Outcome::Failed(Fault::ExportCannotWrite, {path.toStdString(), error.toStdString()});
}

Outcome CannotCreate(const QString& path, const QString& error) {
    return Outcome::Failed(Fault::ExportCannotCreate, {path.toStdString(), error.toStdString()});
}

Outcome WriteWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotCreate(path, file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        file.cancelWriting();
        return CannotWrite(path, file.errorString());
    }
    return {};
}

// Whether the export goes on after rows of total: told to whoever watches, who may stop it.
struct BandProgress {
    const ExportProgress& progress;
    bool stopped = false;
    bool Told(std::int64_t rows, std::int64_t total) {
        if (progress && !progress(rows, total)) stopped = true;
        return !stopped;
    }
};

// Bands from the bottom up, each band's rows reversed: the file stores the lowest row first.
bool StreamBmp(QIODevice& file, BandedCanvas& canvas, int bandRows, BandProgress& told) {
    const CanvasGeometry& g = canvas.geometry();
    const int height = g.pixelHeight;
    const qsizetype bits = canvas.rowBytes();
    const auto rowLength = qsizetype(BmpRowLength(g.pixelWidth));
    const QByteArray header =
        BmpHeader(g.pixelWidth, height, PixelsPerMetre(g.pixelWidth, g.canvasWidth));
    if (file.write(header) != header.size()) return false;
    std::vector<uchar> band(std::size_t(bandRows) * std::size_t(bits));
    QByteArray rows;
    for (int end = height; end > 0; end -= bandRows) {
        const int top = std::max(0, end - bandRows);
        const int count = end - top;
        canvas.render(top, count, band.data());
        rows.fill('\0', qsizetype(count) * rowLength);
        for (int y = 0; y < count; ++y) {
            std::copy_n(band.data() + qsizetype(count - 1 - y) * bits, bits,
                        rows.data() + qsizetype(y) * rowLength);
        }
        if (file.write(rows) != rows.size()) return false;
        if (!told.Told(height - top, height)) return false;
    }
    return true;
}

bool StreamPng(QIODevice& file, BandedCanvas& canvas, int bandRows, const ReferenceDevice& device,
               std::span<const std::uint32_t> palette, BandProgress& told) {
    const CanvasGeometry& g = canvas.geometry();
    // The resolution from the canvas's true width; where that gives none, the device's own, as
    // the canvas carried it.
    std::int32_t perMetre = PixelsPerMetre(g.pixelWidth, g.canvasWidth);
    if (perMetre <= 0) {
        perMetre = TruncToInt(
            double(device.pixelsAcross) * 10000.0 / double(device.tenthsOfMmAcross) + 0.5);
    }
    PngStream png(file);
    PngPixels pixels = PngPixels::OneBit;
    if (canvas.pixels() == BandPixels::Palette) pixels = PngPixels::Palette;
    if (canvas.pixels() == BandPixels::Rgb) pixels = PngPixels::Rgb;
    if (!png.begin(g.pixelWidth, g.pixelHeight, std::max(perMetre, 0), pixels, palette))
        return false;
    std::vector<uchar> band(std::size_t(bandRows) * std::size_t(canvas.rowBytes()));
    for (int top = 0, count = 0; top < g.pixelHeight; top += count) {
        count = std::min(bandRows, g.pixelHeight - top);
        canvas.render(top, count, band.data());
        for (int y = 0; y < count; ++y) {
            if (!png.writeRow(band.data() + qsizetype(y) * canvas.rowBytes())) return false;
        }
        if (!told.Told(top + count, g.pixelHeight)) return false;
    }
    return png.finish();
}

// Paints the scale at one device pixel per drawing unit onto a page that is the canvas.
bool PaintVector(const Scene& scene, QPaintDevice& device, const CanvasGeometry& g,
                 const ExportOptions& options) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.fillRect(QRect(0, 0, g.canvasWidth, g.canvasHeight), Qt::white);
    if (options.sheet.mirror == Mirroring::LeftToRight) {
        painter.translate(g.canvasWidth, 0);
        painter.scale(-1, 1);
    }
    {
        PainterSurface surface(painter, DrawingTransform::OfCanvas(g), true);
        surface.setTextDrawing(TextDrawingOf(options));
        PaintScale(scene, LayOutScale(scene, PaintMode::Print), g, surface, PaintMode::Print);
    }
    return painter.end();
}

// Millimetres to the hundredth, as exact as the drawing units: "71", "71.5", "71.23".
QByteArray Millimetres(int units) {
    QByteArray text = QByteArray::number(units / 100);
    const int hundredths = std::abs(units % 100);
    if (hundredths != 0) {
        text += '.' + QByteArray::number(hundredths).rightJustified(2, '0');
        if (text.endsWith('0')) text.chop(1);
    }
    return text;
}

QByteArray EncodeSvg(const Scene& scene, const CanvasGeometry& g, const QString& title,
                     const ExportOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kVectorDpi);  // width and height come out in millimetres
    svg.setSize(QSize(g.canvasWidth, g.canvasHeight));
    svg.setViewBox(QRect(0, 0, g.canvasWidth, g.canvasHeight));
    svg.setTitle(title);
    if (!PaintVector(scene, svg, g, options)) return {};
    // The generator writes six digits; a plate over a metre wide needs more.
    const QByteArray written = "<svg width=\"";
    const qsizetype at = bytes.indexOf(written);
    const qsizetype viewBox = bytes.indexOf("viewBox=\"", at);
    const qsizetype end = bytes.indexOf('"', viewBox + 9);
    if (at < 0 || viewBox < 0 || end < 0) return {};
    const QByteArray width = QByteArray::number(g.canvasWidth);
    const QByteArray height = QByteArray::number(g.canvasHeight);
    bytes.replace(at, end + 1 - at,
                  written + Millimetres(g.canvasWidth) + "mm\" height=\"" +
                      Millimetres(g.canvasHeight) + "mm\"\n viewBox=\"0 0 " + width + ' ' + height +
                      '"');
    return bytes;
}

// One device pixel per drawing unit, titled for the viewer.
void SetUpPdf(QPdfWriter& pdf, const QString& title) {
    pdf.setResolution(kVectorDpi);
    pdf.setTitle(title);
    pdf.setCreator(QStringLiteral("Quirn"));
}

// One page that is the canvas: Qt keeps the page to whole points, rounded up so that no edge
// is cut, and the page box is then set to the canvas.
QByteArray EncodeCanvasPdf(const Scene& scene, const CanvasGeometry& g, const QString& title,
                           const ExportOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        SetUpPdf(pdf, title);
        const auto points = [](int units) { return int(std::ceil(units * 72.0 / kVectorDpi)); };
        const QPageSize page(QSize(points(g.canvasWidth), points(g.canvasHeight)), QString(),
                             QPageSize::ExactMatch);
        if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return {};
        if (!PaintVector(scene, pdf, g, options)) return {};
    }
    if (!SetPageBox(bytes, CanvasBox(g.canvasWidth, g.canvasHeight))) return {};
    return bytes;
}

// The copies on A4 sheets within margins of 10 mm, as many sheets as they take.
QByteArray EncodeSheetPdf(const Scene& scene, const QString& title, const ExportOptions& options) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    SetUpPdf(pdf, title);
    if (!pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()))) {
        return {};
    }
    SheetPainting painting;
    painting.dpi = kVectorDpi;
    painting.margins = PageMargins{1000, 1000, 1000, 1000};
    painting.text = TextDrawingOf(options);
    painting.options.sheet = options.sheet;
    const int sheets = SheetsOf(scene, pdf, painting);
    QPainter painter;
    if (!painter.begin(&pdf)) return {};
    for (int sheet = 0; sheet < sheets; ++sheet) {
        if (sheet > 0 && !pdf.newPage()) return {};
        PaintSheet(scene, painter, painting, sheet);
    }
    if (!painter.end()) return {};
    return bytes;
}

// The picture painted and written a band of rows at a time into a file that replaces the target
// only once it is whole. A PNG of a plate with zones, inks other than black or pictures is in
// colour, indexing a palette when its colours fit one (a picture's colours are not known to
// fit); everything else is one bit.
Outcome ExportRaster(const Scene& scene, const QString& path, bool bmp,
                     const ReferenceDevice& device, int bandRows, const ExportProgress& progress) {
    const ScaleExtensions& ext = scene.params.ext;
    const bool colour =
        !bmp && (!ext.zones.empty() || !PlateInks(scene.params).empty() || !ext.pictures.empty());
    std::optional<PlateColours> palette;
    if (colour && ext.pictures.empty()) palette = PlatePalette(scene);
    BandPixels pixels = BandPixels::OneBit;
    if (colour) pixels = palette ? BandPixels::Palette : BandPixels::Rgb;
    BandedCanvas canvas(scene, device, pixels, palette.value_or(PlateColours{}));
    const CanvasGeometry& g = canvas.geometry();
    if (bmp && !FitsBmp(g.pixelWidth, g.pixelHeight)) {
        return Outcome::Failed(
            Fault::ExportTooLargeForBmp,
            {path.toStdString(), std::to_string(g.pixelWidth), std::to_string(g.pixelHeight)});
    }
    constexpr int kSaturated = std::numeric_limits<int>::max();
    if (g.pixelWidth >= kSaturated || g.pixelHeight >= kSaturated) {
        return Outcome::Failed(Fault::ExportUnbuildable, {path.toStdString()});
    }
    if (!canvas.reserve()) {
        return Outcome::Failed(
            Fault::ExportOutOfMemory,
            {path.toStdString(), std::to_string(g.pixelWidth), std::to_string(g.pixelHeight)});
    }

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return CannotCreate(path, file.errorString());
    const int rows = bandRows > 0 ? bandRows : canvas.defaultBandRows();
    BandProgress told{progress};
    const bool written =
        bmp ? StreamBmp(file, canvas, rows, told)
            : StreamPng(file, canvas, rows, device,
                        palette ? palette->colours : std::vector<std::uint32_t>{}, told);
    if (told.stopped) {
        file.cancelWriting();
        return Outcome::Failed(Fault::ExportCancelled, {path.toStdString()});
    }
    if (!written || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, error);
    }
    return {};
}

}  // namespace

Outcome ExportPicture(const Scene& scene, const QString& outPath, const ExportOptions& options,
                      const ExportProgress& progress) {
    const int dpi = options.dpi;
    const int bandRows = options.bandRows;
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    const QString title = QFileInfo(outPath).completeBaseName();
    const bool bmp = suffix == QLatin1String("bmp");
    const bool raster = bmp || suffix == QLatin1String("png");
    const bool vector = suffix == QLatin1String("svg") || suffix == QLatin1String("pdf");
    if (!raster && !vector) {
        return Outcome::Failed(Fault::ExportUnknownFormat, {outPath.toStdString()});
    }
    if (raster) {
        return ExportRaster(scene, outPath, bmp,
                            ReferenceDevice::ForDpi(dpi > 0 ? dpi : kDefaultDpi), bandRows,
                            progress);
    }
    // A vector picture is made in one go: told before and after.
    const auto stopped = [&](std::int64_t done) { return progress && !progress(done, 1); };
    if (stopped(0)) return Outcome::Failed(Fault::ExportCancelled, {outPath.toStdString()});

    QByteArray bytes;
    const CanvasGeometry g =
        ComputeCanvasGeometry(scene, ReferenceDevice::ForDpi(kVectorDpi), PaintMode::Print);
    if (g.canvasWidth > 0 && g.canvasHeight > 0) {
        if (suffix == QLatin1String("svg")) {
            bytes = EncodeSvg(scene, g, title, options);
        } else if (options.sheet.copies > 1) {
            bytes = EncodeSheetPdf(scene, title, options);
        } else {
            bytes = EncodeCanvasPdf(scene, g, title, options);
        }
    }
    if (bytes.isEmpty()) {
        return Outcome::Failed(Fault::ExportUnbuildable, {outPath.toStdString()});
    }
    if (stopped(1)) return Outcome::Failed(Fault::ExportCancelled, {outPath.toStdString()});
    return WriteWhole(outPath, bytes);
}

}  // namespace quirn
