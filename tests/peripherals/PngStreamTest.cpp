// SPDX-License-Identifier: GPL-3.0-or-later
// Colour PNGs as the parallel encoder writes them, read back by libpng, by Qt's reader and by
// zlib alone: every pixel where it was written, however the rows fall into batches.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <cstdint>
#include <cstring>
#include <vector>

#include "peripherals/PngStream.h"
#include "support/PngReading.h"

namespace quirn {
namespace {

constexpr std::uint32_t kColours[] = {0xFFFFFF, 0x000000, 0xD00000, 0x00A000, 0x3050C0};

// Bands of ten rows by turns: white with a slanting black line (runs), noise (what no run
// codes, so that zlib takes those batches) and shades. A palette picture indexes kColours.
uchar Sample(PngPixels pixels, int x, int y, int channel) {
    const std::uint32_t noise = (std::uint32_t(x) * 2654435761U ^ std::uint32_t(y) * 40503U) >> 7;
    const bool line = x == y % 37;
    if (pixels == PngPixels::Palette) {
        switch (y / 10 % 3) {
            case 0:
                return line ? 1 : 0;
            case 1:
                return uchar(noise % 5);
            default:
                return uchar(x / 9 % 5);
        }
    }
    switch (y / 10 % 3) {
        case 0:
            return line ? 0 : 255;
        case 1:
            return uchar(noise >> (8 * channel));
        default:
            return uchar(x * (channel + 1) + y);
    }
}

TEST(PngStreamTest, ColourPicturesReadBackAsWritten) {
    struct Case {
        const char* name;
        PngPixels pixels;
        int width;
        int height;
        CompressionBatches batches;
    };
    const Case cases[] = {
        {"RGB in batches of 7 rows on 3 workers", PngPixels::Rgb, 301, 97, {7, 3}},
        {"RGB a row a batch", PngPixels::Rgb, 13, 40, {1, 2}},
        {"RGB in one batch", PngPixels::Rgb, 640, 35, {}},
        {"RGB of one pixel", PngPixels::Rgb, 1, 1, {}},
        {"palette in batches of 4 rows", PngPixels::Palette, 257, 61, {4, 2}},
        {"palette rows longer than a repeat", PngPixels::Palette, 1000, 23, {3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int channels = c.pixels == PngPixels::Rgb ? 3 : 1;
        const auto rowBytes = std::size_t(c.width * channels);
        std::vector<uchar> rows(rowBytes * std::size_t(c.height));
        std::vector<uchar> expected(std::size_t(c.width) * 3 * std::size_t(c.height));
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                uchar* rgb = expected.data() + (std::size_t(y) * std::size_t(c.width) + x) * 3;
                for (int k = 0; k < channels; ++k)
                    rows[std::size_t(y) * rowBytes + std::size_t(x * channels + k)] =
                        Sample(c.pixels, x, y, k);
                for (int k = 0; k < 3; ++k) {
                    rgb[k] = c.pixels == PngPixels::Rgb
                                 ? Sample(c.pixels, x, y, k)
                                 : uchar(kColours[Sample(c.pixels, x, y, 0)] >> (16 - 8 * k));
                }
            }
        }
        QByteArray file;
        {
            QBuffer buffer(&file);
            ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
            PngStream png(buffer, c.batches);
            ASSERT_TRUE(png.begin(c.width, c.height, 47244, c.pixels, kColours));
            for (int y = 0; y < c.height; ++y)
                ASSERT_TRUE(png.writeRow(rows.data() + std::size_t(y) * rowBytes));
            ASSERT_TRUE(png.finish());
        }

        const test::DecodedPng decoded = test::ReadWithLibpng(file);
        EXPECT_EQ(decoded.complaint, "");
        EXPECT_EQ(decoded.colourType, c.pixels == PngPixels::Rgb ? 2 : 3);
        EXPECT_TRUE(decoded.rgb == expected);
        EXPECT_EQ(test::StreamFaults(file, (rowBytes + 1) * std::size_t(c.height)), "");
        const QImage qt = QImage::fromData(file, "PNG").convertToFormat(QImage::Format_RGB888);
        ASSERT_EQ(qt.size(), QSize(c.width, c.height));
        EXPECT_EQ(qt.dotsPerMeterX(), 47244);
        int differing = 0;
        for (int y = 0; y < c.height; ++y)
            differing += std::memcmp(qt.constScanLine(y),
                                     expected.data() + std::size_t(y) * std::size_t(c.width) * 3,
                                     std::size_t(c.width) * 3) != 0;
        EXPECT_EQ(differing, 0);
    }
}

// A file that cannot take the image data fails the picture rather than leaving it short.
TEST(PngStreamTest, AFailedWriteFailsThePicture) {
    for (const PngPixels pixels : {PngPixels::Rgb, PngPixels::Palette}) {
        QByteArray file;
        QBuffer buffer(&file);
        ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
        PngStream png(buffer, {2, 1});
        ASSERT_TRUE(png.begin(50, 20, 0, pixels, kColours));
        const std::vector<uchar> row(150, 7);
        for (int y = 0; y < 10; ++y) ASSERT_TRUE(png.writeRow(row.data()));
        buffer.close();
        bool written = true;
        for (int y = 10; y < 20; ++y) written = png.writeRow(row.data()) && written;
        EXPECT_FALSE(written && png.finish());
    }
}

}  // namespace
}  // namespace quirn
