// SPDX-License-Identifier: GPL-3.0-or-later
// Where the symbol images come from: the user's bitmap in the current directory first, then the
// drawings in the data folder; and that those drawings show what the shipped bitmaps show.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

#include "render/PainterSurface.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

class SymbolImagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(SymbolImagesTest, CurrentDirectoryComesBeforeTheDataFolder) {
    // Nothing here yet: the drawings installed beside the program are found, as large as the
    // bitmaps installed with them.
    const SymbolImages installed = LoadSymbolImages();
    for (const SymbolPicture* symbol : {&installed.data, &installed.diamond, &installed.others}) {
        ASSERT_FALSE(symbol->vector.isNull());
        EXPECT_TRUE(symbol->image.isNull());
    }
    EXPECT_EQ(installed.data.size(), QImage(FindDataFile("Data.bmp")).size());
    EXPECT_EQ(installed.others.size(), QImage(FindDataFile("Others.bmp")).size());
    EXPECT_TRUE(FindDataFile("Data.bmp").endsWith("/share/quirn/Data.bmp"));

    QImage own(3, 2, QImage::Format_RGB32);
    own.fill(Qt::black);
    ASSERT_TRUE(own.save("Data.bmp"));
    QFile broken("Romb.bmp");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    const SymbolImages local = LoadSymbolImages();
    EXPECT_EQ(local.data.size(), QSize(3, 2));
    EXPECT_TRUE(local.data.vector.isNull());  // the user's bitmap, not the drawing
    EXPECT_TRUE(local.diamond.isNull());      // unreadable: drawn as nothing
    EXPECT_FALSE(local.others.vector.isNull());
    EXPECT_EQ(local.others.size(), installed.others.size());
    EXPECT_EQ(FindDataFile("Data.bmp"), QDir(dir_.path()).absoluteFilePath("Data.bmp"));
    EXPECT_TRUE(FindDataFile("Absent.bmp").isEmpty());
}

// Drawn at one pixel per unit, each drawing covers the bitmap's black pixels: they differ only
// along the edges, where the bitmap's pixels step.
TEST(ShippedSymbols, DrawingsShowTheBitmapsShapes) {
    const SymbolImages drawings = LoadSymbolImages();
    const std::pair<const char*, const SymbolPicture*> symbols[] = {
        {"Data.bmp", &drawings.data},
        {"Romb.bmp", &drawings.diamond},
        {"Others.bmp", &drawings.others}};
    for (const auto& [name, symbol] : symbols) {
        const QImage bitmap = QImage(FindDataFile(name)).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(bitmap.isNull()) << name;
        QImage drawn(bitmap.size(), QImage::Format_RGB32);
        drawn.fill(Qt::white);
        {
            QPainter painter(&drawn);
            PainterSurface surface(painter, {QPointF(0.0, drawn.height()), 1, 1}, false);
            surface.drawVector(symbol->vector, {0, drawn.height(), drawn.width(), 0});
        }
        int black = 0, differing = 0, grey = 0;
        for (int y = 0; y < drawn.height(); ++y) {
            for (int x = 0; x < drawn.width(); ++x) {
                const QRgb d = drawn.pixel(x, y) & 0xFFFFFF;
                grey += d != 0 && d != 0xFFFFFF;
                black += (bitmap.pixel(x, y) & 0xFFFFFF) == 0;
                differing += (d == 0) != ((bitmap.pixel(x, y) & 0xFFFFFF) == 0);
            }
        }
        EXPECT_GT(black, 20000) << name;
        EXPECT_LT(differing, black / 25) << name;
        EXPECT_EQ(grey, 0) << name;  // hard edges: black and white only
    }
}

}  // namespace
}  // namespace quirn
