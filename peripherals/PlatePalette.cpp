// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PlatePalette.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstring>
#include <limits>

#include "render/Typefaces.h"

namespace quirn {
namespace {

constexpr std::size_t kPaletteSize = 256;

// Adds the image's colours to colours; false once there are more than a palette holds.
bool AddColours(const QImage& image, PlateColours& plate) {
    std::vector<std::uint32_t>& colours = plate.colours;
    if (image.isNull()) return true;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::uint32_t last = 0xFFFFFFFFu;  // no pixel is this: the high byte is masked off
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const std::uint32_t c = row[x] & 0xFFFFFFu;
            if (c == last) continue;
            last = c;
            if (std::find(plate.inBitmaps.begin(), plate.inBitmaps.end(), c) ==
                plate.inBitmaps.end())
                plate.inBitmaps.push_back(c);
            if (std::find(colours.begin(), colours.end(), c) != colours.end()) continue;
            colours.push_back(c);
            if (colours.size() > kPaletteSize) return false;
        }
    }
    return true;
}

// What a 16-bit (5-6-5) value stands for.
std::uint32_t FromRgb16(quint16 c) {
    const std::uint32_t r = (c >> 11) & 0x1Fu, g = (c >> 5) & 0x3Fu, b = c & 0x1Fu;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

// The value the raster engine paints for each colour in format, where it fills it (zones) and,
// for the bitmaps' colours, where it draws it from a bitmap too; none when the two ways differ
// or two colours come out the same.
std::optional<std::vector<quint16>> PaintedValues(const PlateColours& plate,
                                                  QImage::Format format) {
    const std::vector<std::uint32_t>& colours = plate.colours;
    // Each colour a triangle in a cell of its own, filled as a zone is, and a pixel of a bitmap.
    constexpr int kCell = 8;
    const int n = int(colours.size());
    QImage source(n, 1, QImage::Format_RGB32);
    QImage filled(n * kCell, kCell, format);
    QImage drawn(n, 1, format);
    {
        QPainter fill(&filled);
        fill.setPen(Qt::NoPen);
        for (int i = 0; i < n; ++i) {
            const QRgb c = 0xFF000000u | colours[std::size_t(i)];
            source.setPixel(i, 0, c);
            fill.setBrush(QColor::fromRgb(c));
            const QPointF corner(i * kCell, 0.0);
            fill.drawPolygon(
                QPolygonF({corner, corner + QPointF(kCell, 0.0), corner + QPointF(0.0, kCell)}));
        }
        QPainter draw(&drawn);
        draw.drawImage(0, 0, source);
    }
    // The pixel of a colour: its triangle's first inside, or its bitmap pixel.
    const auto value = [format](const QImage& image, int i) {
        const int x = image.height() == 1 ? i : i * kCell + 1;
        const uchar* row = image.constScanLine(image.height() == 1 ? 0 : 1);
        return format == QImage::Format_Grayscale8 ? quint16(row[x])
                                                   : reinterpret_cast<const quint16*>(row)[x];
    };
    std::vector<quint16> values;
    for (int i = 0; i < n; ++i) {
        const std::uint32_t c = colours[std::size_t(i)];
        const bool inBitmap =
            std::find(plate.inBitmaps.begin(), plate.inBitmaps.end(), c) != plate.inBitmaps.end();
        if (inBitmap && value(filled, i) != value(drawn, i)) return std::nullopt;
        values.push_back(value(filled, i));
    }
    std::vector<quint16> sorted = values;
    std::sort(sorted.begin(), sorted.end());
    if (std::adjacent_find(sorted.begin(), sorted.end()) != sorted.end()) return std::nullopt;
    return values;
}

}  // namespace

std::optional<PlateColours> PlatePalette(const Scene& scene) {
    PlateColours plate{{0x000000u, 0xFFFFFFu}, {}};
    std::vector<std::uint32_t>& colours = plate.colours;
    for (const Zone& zone : scene.params.ext.zones) {
        const std::uint32_t c = zone.rgb & 0xFFFFFFu;
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
    // The print canvas paints ticks and texts without smoothing: in their inks alone.
    for (const std::uint32_t c : PlateInks(scene.params))
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    for (const SymbolPicture* symbol :
         {&scene.symbols.data, &scene.symbols.diamond, &scene.symbols.others}) {
        if (symbol->vector.isNull() && !AddColours(symbol->image, plate)) return std::nullopt;
    }
    if (colours.size() > kPaletteSize) return std::nullopt;
    return plate;
}

PaletteIndex::PaletteIndex(PlateColours colours)
    : colours_(std::move(colours.colours)), lastColour_(colours_.empty() ? 0u : colours_.front()) {
    if (colours_.empty()) return;
    colours.colours = colours_;
    for (const QImage::Format format : {QImage::Format_Grayscale8, QImage::Format_RGB16}) {
        const std::optional<std::vector<quint16>> painted = PaintedValues(colours, format);
        if (!painted) continue;
        format_ = format;
        const bool grey = format == QImage::Format_Grayscale8;
        // A value no palette colour paints (none should) takes the colour nearest to it.
        table_.resize(grey ? 0x100 : 0x10000);
        for (std::uint32_t v = 0; v < table_.size(); ++v)
            table_[v] = nearest(grey ? v * 0x010101u : FromRgb16(quint16(v)));
        for (std::size_t i = 0; i < colours_.size(); ++i) table_[(*painted)[i]] = uchar(i);
        return;
    }
}

uchar PaletteIndex::nearest(std::uint32_t rgb) const {
    std::size_t best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < colours_.size(); ++i) {
        const std::uint32_t c = colours_[i];
        const int dr = int(qRed(c)) - qRed(rgb);
        const int dg = int(qGreen(c)) - qGreen(rgb);
        const int db = int(qBlue(c)) - qBlue(rgb);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
            if (distance == 0) break;
        }
    }
    return uchar(best);
}

// While the pixels repeat the last one, eight bytes of them are compared at a time: rows are
// mostly runs of white.
template <typename Pixel>
void PaletteIndex::mapByTable(const Pixel* pixels, int width, uchar* indices) const {
    constexpr int kStep = 8 / sizeof(Pixel);
    const uchar* table = table_.data();
    int x = 0;
    while (x < width) {
        const Pixel c = pixels[x];
        const uchar index = table[c];
        // 0x0101...01 or 0x0001...0001 times the pixel: the pixel in every place.
        const std::uint64_t repeated = ~std::uint64_t{0} / std::numeric_limits<Pixel>::max() * c;
        indices[x++] = index;
        std::uint64_t next = 0;
        while (x + kStep <= width && (std::memcpy(&next, pixels + x, 8), next == repeated)) {
            std::memset(indices + x, index, kStep);
            x += kStep;
        }
        while (x < width && pixels[x] == c) indices[x++] = index;
    }
}

void PaletteIndex::mapRgb32(const QRgb* pixels, int width, uchar* indices) {
    for (int x = 0; x < width; ++x) {
        const std::uint32_t c = pixels[x] & 0xFFFFFFu;
        if (c != lastColour_) {
            lastColour_ = c;
            lastIndex_ = nearest(c);
        }
        indices[x] = lastIndex_;
    }
}

void PaletteIndex::map(const uchar* painted, int width, uchar* indices) {
    switch (format_) {
        case QImage::Format_Grayscale8:
            mapByTable(painted, width, indices);
            return;
        case QImage::Format_RGB16:
            mapByTable(reinterpret_cast<const quint16*>(painted), width, indices);
            return;
        default:
            mapRgb32(reinterpret_cast<const QRgb*>(painted), width, indices);
            return;
    }
}

}  // namespace quirn
