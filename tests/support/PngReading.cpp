// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/PngReading.h"

#include <png.h>
#include <zlib.h>

#include <QtEndian>
#include <csetjmp>
#include <cstring>

namespace quirn::test {
namespace {

struct Reading {
    const QByteArray& file;
    qsizetype at = 0;
    std::string complaint;
};

void ReadBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* reading = static_cast<Reading*>(png_get_io_ptr(png));
    if (reading->at + qsizetype(length) > reading->file.size()) png_error(png, "read past the end");
    std::memcpy(data, reading->file.constData() + reading->at, length);
    reading->at += qsizetype(length);
}

[[noreturn]] void Stop(png_structp png, png_const_charp message) {
    static_cast<Reading*>(png_get_error_ptr(png))->complaint = message;
    png_longjmp(png, 1);
}

void Warn(png_structp png, png_const_charp message) {
    static_cast<Reading*>(png_get_error_ptr(png))->complaint = message;
}

}  // namespace

// Everything with a destructor lives before the return point that libpng's errors jump to.
DecodedPng ReadWithLibpng(const QByteArray& file) {
    DecodedPng decoded;
    Reading reading{file, 0, {}};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reading, Stop, Warn);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        decoded.rgb.clear();
        decoded.complaint = reading.complaint;
        return decoded;
    }
    png_set_read_fn(png, &reading, ReadBytes);
    // Benign errors (a wrong checksum of the image data among them) stop the reading too.
    png_set_benign_errors(png, 0);
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_read_info(png, info);
    decoded.width = int(png_get_image_width(png, info));
    decoded.height = int(png_get_image_height(png, info));
    decoded.colourType = png_get_color_type(png, info);
    if (decoded.colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    png_read_update_info(png, info);
    const auto rowBytes = std::size_t(decoded.width) * 3;
    decoded.rgb.resize(rowBytes * std::size_t(decoded.height));
    for (int y = 0; y < decoded.height; ++y)
        png_read_row(png, decoded.rgb.data() + std::size_t(y) * rowBytes, nullptr);
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    decoded.complaint = reading.complaint;
    return decoded;
}

std::string StreamFaults(const QByteArray& file, std::size_t filteredBytes) {
    if (!file.startsWith("\x89PNG\r\n\x1a\n")) return "no PNG signature";
    QByteArray data;
    bool dataEnded = false;
    qsizetype at = 8;
    while (at + 12 <= file.size()) {
        const auto length = qFromBigEndian<std::uint32_t>(file.constData() + at);
        if (at + 12 + qsizetype(length) > file.size()) return "a chunk runs past the end";
        const char* type = file.constData() + at + 4;
        const std::string name(type, 4);
        const uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type), 4 + length);
        if (crc != qFromBigEndian<std::uint32_t>(type + 4 + length)) return "the CRC of " + name;
        at += 12 + qsizetype(length);
        if (name == "IDAT") {
            if (dataEnded) return "image data chunks split by others";
            data.append(type + 4, qsizetype(length));
        } else {
            dataEnded = !data.isEmpty();
        }
        if (name == "IEND") break;
    }
    if (at != file.size()) return "bytes beyond the chunks or no IEND";
    std::vector<uchar> inflated(filteredBytes + 1);
    uLongf inflatedLength = uLongf(inflated.size());
    uLong packedLength = uLong(data.size());
    const int result = uncompress2(inflated.data(), &inflatedLength,
                                   reinterpret_cast<const Bytef*>(data.constData()), &packedLength);
    if (result != Z_OK) return std::string("the image data do not inflate: ") + zError(result);
    if (packedLength != uLong(data.size())) return "bytes after the end of the image data";
    if (inflatedLength != filteredBytes) return "image data of the wrong length";
    return {};
}

}  // namespace quirn::test
