// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PlatePalette.h"

#include <QImage>
#include <algorithm>
#include <cstring>
#include <limits>

namespace quirn {
namespace {

constexpr std::size_t kPaletteSize = 256;

// Adds the image's colours to colours; false once there are more than a palette holds.
bool AddColours(const QImage& image, std::vector<std::uint32_t>& colours) {
    if (image.isNull()) return true;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::uint32_t last = 0xFFFFFFFFu;  // no pixel is this: the high byte is masked off
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const std::uint32_t c = row[x] & 0xFFFFFFu;
            if (c == last) continue;
            last = c;
            if (std::find(colours.begin(), colours.end(), c) != colours.end()) continue;
            colours.push_back(c);
            if (colours.size() > kPaletteSize) return false;
        }
    }
    return true;
}

// The 5-6-5 colour the raster engine paints for rgb, and the colour it stands for.
quint16 ToRgb16(std::uint32_t rgb) {
    return quint16(((rgb >> 8) & 0xF800u) | ((rgb >> 5) & 0x07E0u) | ((rgb >> 3) & 0x001Fu));
}
std::uint32_t FromRgb16(quint16 c) {
    const std::uint32_t r = (c >> 11) & 0x1Fu, g = (c >> 5) & 0x3Fu, b = c & 0x1Fu;
    return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

}  // namespace

std::optional<std::vector<std::uint32_t>> PlatePalette(const Scene& scene) {
    std::vector<std::uint32_t> colours{0x000000u, 0xFFFFFFu};
    for (const Zone& zone : scene.params.ext.zones) {
        const std::uint32_t c = zone.rgb & 0xFFFFFFu;
        if (std::find(colours.begin(), colours.end(), c) == colours.end()) colours.push_back(c);
    }
    for (const SymbolPicture* symbol :
         {&scene.symbols.data, &scene.symbols.romb, &scene.symbols.others}) {
        if (symbol->vector.isNull() && !AddColours(symbol->image, colours)) return std::nullopt;
    }
    if (colours.size() > kPaletteSize) return std::nullopt;
    return colours;
}

PaletteIndex::PaletteIndex(std::vector<std::uint32_t> colours)
    : colours_(std::move(colours)), lastColour_(colours_.empty() ? 0u : colours_.front()) {
    std::vector<quint16> painted;
    for (const std::uint32_t c : colours_) painted.push_back(ToRgb16(c));
    std::sort(painted.begin(), painted.end());
    if (colours_.empty() || std::adjacent_find(painted.begin(), painted.end()) != painted.end())
        return;
    rgb16_.resize(0x10000);
    for (std::uint32_t c = 0; c < 0x10000u; ++c) rgb16_[c] = nearest(FromRgb16(quint16(c)));
    for (std::size_t i = 0; i < colours_.size(); ++i) rgb16_[ToRgb16(colours_[i])] = uchar(i);
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

void PaletteIndex::map(const quint16* pixels, int width, uchar* indices) const {
    const uchar* table = rgb16_.data();
    // Four pixels at a time while they repeat the last one: rows are mostly runs of white.
    int x = 0;
    while (x < width) {
        const quint16 c = pixels[x];
        const uchar index = table[c];
        const std::uint64_t four = 0x0001000100010001ull * c;
        indices[x++] = index;
        std::uint64_t next = 0;
        while (x + 4 <= width && (std::memcpy(&next, pixels + x, 8), next == four)) {
            std::memset(indices + x, index, 4);
            x += 4;
        }
        while (x < width && pixels[x] == c) indices[x++] = index;
    }
}

void PaletteIndex::map(const QRgb* pixels, int width, uchar* indices) {
    for (int x = 0; x < width; ++x) {
        const std::uint32_t c = pixels[x] & 0xFFFFFFu;
        if (c != lastColour_) {
            lastColour_ = c;
            lastIndex_ = nearest(c);
        }
        indices[x] = lastIndex_;
    }
}

}  // namespace quirn
