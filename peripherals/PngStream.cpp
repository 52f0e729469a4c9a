// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PngStream.h"

#include <png.h>

#include <QIODevice>
#include <csetjmp>
#include <memory>
#include <vector>

namespace quirn {
namespace {

void WriteToDevice(png_structp png, png_bytep data, png_size_t length) {
    auto* device = static_cast<QIODevice*>(png_get_io_ptr(png));
    if (device->write(reinterpret_cast<const char*>(data), qint64(length)) != qint64(length))
        png_error(png, "write failed");
}

void FlushNothing(png_structp) {}

// A failure comes back as false from the call that met it; libpng's own printing of errors and
// warnings would only clutter the terminal.
[[noreturn]] void Fail(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}
void IgnoreWarning(png_structp, png_const_charp) {}

}  // namespace

struct PngStream::Codec {
    Codec(QIODevice& device, const CompressionBatches& chosen) : out(device), batches(chosen) {}
    QIODevice& out;
    CompressionBatches batches;
    png_structp png = nullptr;
    png_infop info = nullptr;
    bool failed = false;
    // The colour kinds' rows, compressed on worker threads; libpng writes only their header.
    std::unique_ptr<IdatWriter> idat;
};

PngStream::PngStream(QIODevice& out, const CompressionBatches& batches)
    : codec_(new Codec(out, batches)) {
    codec_->png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (codec_->png == nullptr) {
        codec_->failed = true;
        return;
    }
    png_set_error_fn(codec_->png, nullptr, Fail, IgnoreWarning);
    png_set_benign_errors(codec_->png, 1);
    codec_->info = png_create_info_struct(codec_->png);
    if (codec_->info == nullptr) codec_->failed = true;
    png_set_write_fn(codec_->png, &out, WriteToDevice, FlushNothing);
}

PngStream::~PngStream() {
    if (codec_->png != nullptr) png_destroy_write_struct(&codec_->png, &codec_->info);
    delete codec_;
}

bool PngStream::begin(int width, int height, std::int32_t dotsPerMetre, PngPixels pixels,
                      std::span<const std::uint32_t> palette) {
    if (!writeHeader(width, height, dotsPerMetre, pixels, palette)) return false;
    if (pixels == PngPixels::OneBit) return true;
    // Indices gain nothing from prediction: a plate's rows are long runs of one index. In RGB the
    // row above turns all that repeats downwards (white above all) into runs of zeros; of the
    // filters it leaves the fewest and shortest gaps between runs on a plate.
    const RowFilter filter = pixels == PngPixels::Palette ? RowFilter::None : RowFilter::Up;
    const std::size_t bytes = pixels == PngPixels::Palette ? 1 : 3;
    codec_->idat = std::make_unique<IdatWriter>(codec_->out, std::size_t(width) * bytes, height,
                                                filter, codec_->batches);
    return true;
}

// Each call that enters libpng sets its own return point: a libpng error jumps back to it, and
// nothing with a destructor lives in these frames.
bool PngStream::writeHeader(int width, int height, std::int32_t dotsPerMetre, PngPixels pixels,
                            std::span<const std::uint32_t> palette) {
    if (codec_->failed) return false;
    if (pixels == PngPixels::Palette &&
        (palette.empty() || palette.size() > PNG_MAX_PALETTE_LENGTH))
        return !(codec_->failed = true);
    std::vector<png_color> colours;
    for (const std::uint32_t c : palette)
        colours.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
    png_structp png = codec_->png;
    png_infop info = codec_->info;
    if (setjmp(png_jmpbuf(png))) return !(codec_->failed = true);
    // libpng refuses pictures wider or taller than a million pixels unless told otherwise.
    png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    if (pixels == PngPixels::Palette) {
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_set_PLTE(png, info, colours.data(), int(colours.size()));
    } else if (pixels == PngPixels::Rgb) {
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 8, PNG_COLOR_TYPE_RGB,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    } else {
        // Qt writes a one-bit image as a two-colour palette, black first.
        png_set_IHDR(png, info, png_uint_32(width), png_uint_32(height), 1, PNG_COLOR_TYPE_PALETTE,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_color blackAndWhite[2] = {{0, 0, 0}, {255, 255, 255}};
        png_set_PLTE(png, info, blackAndWhite, 2);
    }
    if (dotsPerMetre > 0) {
        png_set_pHYs(png, info, png_uint_32(dotsPerMetre), png_uint_32(dotsPerMetre),
                     PNG_RESOLUTION_METER);
    }
    png_write_info(png, info);
    return true;
}

bool PngStream::writeRow(const uchar* row) {
    if (codec_->failed) return false;
    if (codec_->idat) {
        if (!codec_->idat->writeRow(row)) codec_->failed = true;
        return !codec_->failed;
    }
    png_structp png = codec_->png;
    if (setjmp(png_jmpbuf(png))) return !(codec_->failed = true);
    png_write_row(png, row);
    return true;
}

bool PngStream::finish() {
    if (codec_->failed) return false;
    if (codec_->idat) {
        if (!codec_->idat->finish() || !WritePngChunk(codec_->out, "IEND", {}))
            return !(codec_->failed = true);
        return true;
    }
    png_structp png = codec_->png;
    if (setjmp(png_jmpbuf(png))) return !(codec_->failed = true);
    png_write_end(png, codec_->info);
    return true;
}

}  // namespace quirn
