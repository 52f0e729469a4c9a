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
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "peripherals/BandedCanvas.h"
#include "peripherals/PngStream.h"
#include "render/PainterSurface.h"
#include "render/RenderScale.h"
#include "render/Saturate.h"

namespace quirn {
namespace {

constexpr int kHeaderSize = 62;
constexpr int kDefaultDpi = 600;
// One device pixel per drawing unit: vector output keeps every coordinate exact.
constexpr int kVectorDpi = 2540;

void PutU16(char* at, std::uint16_t v) {
    qToLittleEndian(v, at);
}
void PutU32(char* at, std::uint32_t v) {
    qToLittleEndian(v, at);
}

// Pixels per metre: the canvas is canvasWidth hundredths of a millimetre wide. The product
// needs 64 bits once the picture is wider than 21474 pixels.
std::int32_t PixelsPerMetre(int pixelWidth, int canvasWidth) {
    if (canvasWidth <= 0 || pixelWidth <= 0) return 0;
    const std::int64_t v = std::int64_t{pixelWidth} * 100000 / canvasWidth;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(v, std::numeric_limits<std::int32_t>::max()));
}

std::int64_t BmpRowLength(int width) {
    return (std::int64_t{width} + 31) / 32 * 4;
}

// Whether the picture fits the format's signed 32-bit sides and 32-bit file size.
bool FitsBmp(int width, int height) {
    constexpr int kSaturated = std::numeric_limits<int>::max();
    return width > 0 && height > 0 && width < kSaturated && height < kSaturated &&
           kHeaderSize + BmpRowLength(width) * height <= std::numeric_limits<std::uint32_t>::max();
}

// The file header, the information header and the black-and-white palette.
QByteArray BmpHeader(int width, int height, std::int32_t perMetre) {
    const std::int64_t imageSize = BmpRowLength(width) * height;
    QByteArray header(kHeaderSize, '\0');
    char* h = header.data();
    h[0] = 'B';
    h[1] = 'M';
    PutU32(h + 2, std::uint32_t(kHeaderSize + imageSize));
    PutU32(h + 10, kHeaderSize);
    PutU32(h + 14, 40);
    PutU32(h + 18, std::uint32_t(width));
    PutU32(h + 22, std::uint32_t(height));
    PutU16(h + 26, 1);
    PutU16(h + 28, 1);
    PutU32(h + 34, std::uint32_t(imageSize));
    PutU32(h + 38, std::uint32_t(perMetre));
    PutU32(h + 42, std::uint32_t(perMetre));
    const unsigned char palette[8] = {0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0};
    std::copy(palette, palette + 8, reinterpret_cast<unsigned char*>(h + 54));
    return header;
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

// Bands from the bottom up, each band's rows reversed: the file stores the lowest row first.
bool StreamBmp(QIODevice& file, BandedCanvas& canvas, int bandRows) {
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
    }
    return true;
}

bool StreamPng(QIODevice& file, BandedCanvas& canvas, int bandRows, const ReferenceDevice& device) {
    const CanvasGeometry& g = canvas.geometry();
    // The resolution from the canvas's true width; where that gives none, the device's own, as
    // the canvas carried it.
    std::int32_t perMetre = PixelsPerMetre(g.pixelWidth, g.canvasWidth);
    if (perMetre <= 0) {
        perMetre = TruncToInt(
            double(device.pixelsAcross) * 10000.0 / double(device.tenthsOfMmAcross) + 0.5);
    }
    PngStream png(file);
    const PngPixels pixels =
        canvas.pixels() == BandPixels::Rgb ? PngPixels::Rgb : PngPixels::OneBit;
    if (!png.begin(g.pixelWidth, g.pixelHeight, std::max(perMetre, 0), pixels)) return false;
    std::vector<uchar> band(std::size_t(bandRows) * std::size_t(canvas.rowBytes()));
    for (int top = 0, count = 0; top < g.pixelHeight; top += count) {
        count = std::min(bandRows, g.pixelHeight - top);
        canvas.render(top, count, band.data());
        for (int y = 0; y < count; ++y) {
            if (!png.writeRow(band.data() + qsizetype(y) * canvas.rowBytes())) return false;
        }
    }
    return png.finish();
}

// Paints the scale at one device pixel per drawing unit onto a page that is the canvas.
bool PaintVector(const RenderState& state, QPaintDevice& device, const CanvasGeometry& g) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.fillRect(QRect(0, 0, g.canvasWidth, g.canvasHeight), Qt::white);
    {
        PainterSurface surface(painter, DrawingTransform::OfCanvas(g), true);
        PaintScale(state, surface, false);
    }
    return painter.end();
}

QByteArray EncodeSvg(const RenderState& state, const CanvasGeometry& g, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kVectorDpi);  // width and height come out in millimetres
    svg.setSize(QSize(g.canvasWidth, g.canvasHeight));
    svg.setViewBox(QRect(0, 0, g.canvasWidth, g.canvasHeight));
    svg.setTitle(title);
    if (!PaintVector(state, svg, g)) return {};
    return bytes;
}

QByteArray EncodePdf(const RenderState& state, const CanvasGeometry& g, const QString& title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(kVectorDpi);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Quirn"));
        // The page box is kept in whole points: round up so no edge of the canvas is cut.
        const auto points = [](int units) { return int(std::ceil(units * 72.0 / kVectorDpi)); };
        const QPageSize page(QSize(points(g.canvasWidth), points(g.canvasHeight)), QString(),
                             QPageSize::ExactMatch);
        if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF()))) return {};
        if (!PaintVector(state, pdf, g)) return {};
    }
    return bytes;
}

// The picture painted and written a band of rows at a time into a file that replaces the target
// only once it is whole. A PNG of a plate with zones is in colour; everything else is one bit.
Outcome ExportRaster(RenderState& state, const QString& path, bool bmp,
                     const ReferenceDevice& device, int bandRows) {
    const bool colour = !bmp && !state.params.ext.zones.empty();
    BandedCanvas canvas(state, device, colour ? BandPixels::Rgb : BandPixels::OneBit);
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
    const bool written =
        bmp ? StreamBmp(file, canvas, rows) : StreamPng(file, canvas, rows, device);
    if (!written || !file.commit()) {
        const QString error = file.errorString();
        file.cancelWriting();
        return CannotWrite(path, error);
    }
    return {};
}

}  // namespace

QByteArray EncodeMonochromeBmp(const Canvas& canvas) {
    if (canvas.image.isNull()) return {};
    const QImage mono = BlackWhiteBits(canvas.image);
    const int width = mono.width();
    const int height = mono.height();
    if (!FitsBmp(width, height)) return {};
    const std::int64_t rowLength = BmpRowLength(width);

    QByteArray file = BmpHeader(width, height, PixelsPerMetre(width, canvas.geometry.canvasWidth));
    file += QByteArray(qsizetype(rowLength * height), '\0');
    char* h = file.data();
    // Rows bottom-up; the bits past the last pixel of a row stay 0.
    const qsizetype usedBytes = (width + 7) / 8;
    const auto lastMask = static_cast<uchar>(width % 8 == 0 ? 0xFF : 0xFF << (8 - width % 8));
    for (int y = 0; y < height; ++y) {
        uchar* out = reinterpret_cast<uchar*>(h + kHeaderSize + rowLength * (height - 1 - y));
        std::copy_n(mono.constScanLine(y), usedBytes, out);
        out[usedBytes - 1] &= lastMask;
    }
    return file;
}

Outcome ExportPicture(RenderState& state, const QString& outPath, int dpi, int bandRows) {
    const QString suffix = QFileInfo(outPath).suffix().toLower();
    const QString title = QFileInfo(outPath).completeBaseName();
    const bool bmp = suffix == QLatin1String("bmp");
    const bool raster = bmp || suffix == QLatin1String("png");
    const bool vector = suffix == QLatin1String("svg") || suffix == QLatin1String("pdf");
    if (!raster && !vector) {
        return Outcome::Failed(Fault::ExportUnknownFormat, {outPath.toStdString()});
    }
    if (raster) {
        return ExportRaster(state, outPath, bmp,
                            ReferenceDevice::ForDpi(dpi > 0 ? dpi : kDefaultDpi), bandRows);
    }

    QByteArray bytes;
    LayOutScale(state, true);
    const CanvasGeometry g =
        ComputeCanvasGeometry(state, ReferenceDevice::ForDpi(kVectorDpi), false);
    if (g.canvasWidth > 0 && g.canvasHeight > 0) {
        bytes = suffix == QLatin1String("svg") ? EncodeSvg(state, g, title)
                                               : EncodePdf(state, g, title);
    }
    if (bytes.isEmpty()) {
        return Outcome::Failed(Fault::ExportUnbuildable, {outPath.toStdString()});
    }
    return WriteWhole(outPath, bytes);
}

}  // namespace quirn
