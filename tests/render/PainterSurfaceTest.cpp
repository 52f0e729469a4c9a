// SPDX-License-Identifier: GPL-3.0-or-later
// Pixels drawn through PainterSurface on the two canvas kinds: 1-bit and colour.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QTemporaryDir>
#include <algorithm>
#include <functional>
#include <string>

#include "render/PainterSurface.h"
#include "render/VectorPicture.h"

namespace quirn {
namespace {

constexpr std::pair k600Dpi{600, 2540};  // device pixels per drawing units
constexpr double k600DpiScale = 600.0 / 2540.0;

// "СДЕЛАНО В СССР" in Windows-1251.
const std::string kOriginLabel = "СДЕЛАНО В СССР";

QImage MakeImage(QImage::Format format, int width, int height, bool black = false) {
    QImage image(width, height, format);
    if (format == QImage::Format_Mono) {
        image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
        image.fill(black ? 0u : 1u);
    } else {
        image.fill(black ? Qt::black : Qt::white);
    }
    return image;
}

bool IsBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Bounding box of the pixels of one colour; empty when there are none.
QRect BoundsOf(const QImage& image, bool black) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (IsBlack(image, x, y) == black) r |= QRect(x, y, 1, 1);
    return r;
}

// Draws with the pointer axis at the image's centre, num device pixels per den units.
void Draw(QImage& image, std::pair<int, int> scale,
          const std::function<void(PainterSurface&)>& draw) {
    QPainter painter(&image);
    const DrawingTransform transform{QPointF(image.width() / 2, image.height() / 2), scale.first,
                                     scale.second};
    PainterSurface surface(painter, transform, image.format() == QImage::Format_Mono);
    draw(surface);
}

class PainterSurfaceTest : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(PainterSurfaceTest, PensKeepAtLeastOnePixelAndScaleWhenWide) {
    QImage image = MakeImage(GetParam(), 200, 200);
    Draw(image, k600Dpi, [](PainterSurface& s) {
        s.setPen(1);  // 0.24 px
        s.line({-300, 0}, {300, 0});
        s.setPen(40);  // 9.4 px
        s.line({0, 200}, {0, 400});
    });
    int thin = 0;
    for (int y = 0; y < 200; ++y) thin += IsBlack(image, 60, y);
    EXPECT_EQ(thin, 1);
    for (int x = 100 - 70; x <= 100 + 70; ++x) EXPECT_TRUE(IsBlack(image, x, 100)) << x;

    int wide = 0;
    for (int x = 0; x < 200; ++x) wide += IsBlack(image, x, 100 - 70);
    EXPECT_GE(wide, 9);
    EXPECT_LE(wide, 11);
}

TEST_P(PainterSurfaceTest, ArcsRunCounterclockwiseInYUpSpace) {
    const Box bounds{-300, 300, 300, -300};
    QImage over = MakeImage(GetParam(), 200, 200);
    Draw(over, k600Dpi, [&](PainterSurface& s) { s.arc(bounds, {300, 0}, {-300, 0}); });
    const QRect top = BoundsOf(over, true);
    ASSERT_FALSE(top.isEmpty());
    EXPECT_LE(top.bottom(), 101);
    EXPECT_LE(top.top(), 100 - 69);
    EXPECT_NEAR(top.width(), 2 * 71, 3);

    QImage under = MakeImage(GetParam(), 200, 200);
    Draw(under, k600Dpi, [&](PainterSurface& s) { s.arc(bounds, {-300, 0}, {300, 0}); });
    const QRect bottom = BoundsOf(under, true);
    ASSERT_FALSE(bottom.isEmpty());
    EXPECT_GE(bottom.top(), 99);
    EXPECT_GE(bottom.bottom(), 100 + 69);

    // Coinciding rays draw the whole circle; a quarter from +x to +y stays in that quadrant.
    QImage full = MakeImage(GetParam(), 200, 200);
    Draw(full, k600Dpi, [&](PainterSurface& s) { s.arc(bounds, {300, 0}, {600, 0}); });
    EXPECT_NEAR(BoundsOf(full, true).height(), 2 * 71, 3);
    QImage quarter = MakeImage(GetParam(), 200, 200);
    Draw(quarter, k600Dpi, [&](PainterSurface& s) { s.arc(bounds, {300, 0}, {0, 300}); });
    const QRect q = BoundsOf(quarter, true);
    EXPECT_GE(q.left(), 99);
    EXPECT_LE(q.bottom(), 101);
}

TEST_P(PainterSurfaceTest, ShapesFillWithTheCurrentBrush) {
    QImage image = MakeImage(GetParam(), 200, 200);
    Draw(image, k600Dpi, [](PainterSurface& s) {
        const Point triangle[] = {{-300, -200}, {300, -200}, {0, 300}};
        s.setBlackBrush(true);
        s.polygon(triangle);
        s.setBlackBrush(false);
        s.ellipse({-100, 100, 100, -100});  // white inside, black outline
    });
    EXPECT_TRUE(IsBlack(image, 100, 130));   // inside the triangle, below the circle
    EXPECT_FALSE(IsBlack(image, 100, 100));  // centre of the white circle
    EXPECT_FALSE(IsBlack(image, 100 + 21, 100));
    EXPECT_TRUE(IsBlack(image, 100 + 27, 100));
    EXPECT_FALSE(IsBlack(image, 100, 20));  // above the apex
    EXPECT_FALSE(IsBlack(image, 20, 150));  // outside the left edge
}

TEST_P(PainterSurfaceTest, TextCellIsOpaqueAndAsHighAsAsked) {
    QImage image = MakeImage(GetParam(), 600, 200, /*black=*/true);
    Extent size;
    Draw(image, k600Dpi, [&](PainterSurface& s) {
        s.setFont({300, 100, 500, 0});
        size = s.measureText(kOriginLabel);
        s.textOut({-1000, 200}, kOriginLabel);
    });
    EXPECT_EQ(size.height, 300);
    const QRect cell = BoundsOf(image, false);
    EXPECT_NEAR(cell.height(), 300 * k600DpiScale, 1.0);
    EXPECT_NEAR(cell.width(), size.width * k600DpiScale, 1.0);
    EXPECT_NEAR(cell.left(), 300 - 1000 * k600DpiScale, 1.0);
    EXPECT_NEAR(cell.top(), 100 - 200 * k600DpiScale, 1.0);
    int inked = 0;  // the glyphs are black inside the white cell
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x) inked += IsBlack(image, x, y);
    EXPECT_GT(inked, 50);
}

TEST_P(PainterSurfaceTest, EscapementTurnsTextCounterclockwiseAboutItsCorner) {
    QImage image = MakeImage(GetParam(), 200, 400);
    Draw(image, k600Dpi, [](PainterSurface& s) {
        s.setFont({200, 0, 500, 900});
        s.textOut({0, 0}, "8711-60");
    });
    const QRect ink = BoundsOf(image, true);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.height(), 3 * ink.width());
    EXPECT_GE(ink.left(), 100 - 1);    // the cell hangs to the right of the corner
    EXPECT_LE(ink.bottom(), 200 + 1);  // and the line runs upward from it
}

TEST_P(PainterSurfaceTest, ImagesAreDrawnUprightAndUnsmoothed) {
    QImage source(2, 2, QImage::Format_Mono);
    source.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    source.fill(1u);
    source.setPixel(0, 0, 0);  // top-left black
    QImage image = MakeImage(GetParam(), 200, 200);
    Draw(image, std::pair{1, 10}, [&](PainterSurface& s) {
        s.drawImage(source, {0, 400, 400, 0});
    });
    EXPECT_TRUE(IsBlack(image, 101, 61));
    EXPECT_TRUE(IsBlack(image, 118, 78));
    EXPECT_FALSE(IsBlack(image, 122, 82));
    EXPECT_FALSE(IsBlack(image, 101, 99));
    EXPECT_FALSE(IsBlack(image, 138, 61));
}

// A disc and a thick stroke, 100 x 50 units, scaled tenfold smaller into the upper right of the
// axis: black and white only, within the box.
TEST_P(PainterSurfaceTest, DrawingsFillTheirBoxWithHardEdges) {
    QTemporaryDir dir;
    QFile file(dir.filePath("shapes.svg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"(<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 100 50">
        <circle cx="25" cy="25" r="20"/>
        <path d="M60,10 L90,40" stroke="black" stroke-width="8" stroke-linecap="round"/></svg>)");
    file.close();
    const VectorPicture picture = VectorPicture::FromSvg(file.fileName());
    ASSERT_EQ(picture.size(), QSize(100, 50));
    QImage image = MakeImage(GetParam(), 200, 200);
    Draw(image, std::pair{1, 10}, [&](PainterSurface& s) {
        s.drawVector(picture, {0, 500, 1000, 0});
    });
    EXPECT_TRUE(QRect(100, 50, 100, 50).contains(BoundsOf(image, true)));
    EXPECT_TRUE(IsBlack(image, 125, 75));   // the disc's centre
    EXPECT_TRUE(IsBlack(image, 125, 56));   // near its top
    EXPECT_FALSE(IsBlack(image, 125, 53));  // above it
    EXPECT_TRUE(IsBlack(image, 175, 75));   // the stroke's middle
    EXPECT_FALSE(IsBlack(image, 160, 90));  // beside it
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            ASSERT_TRUE(rgb.pixel(x, y) == qRgb(0, 0, 0) || rgb.pixel(x, y) == qRgb(255, 255, 255))
                << x << "," << y;

    EXPECT_TRUE(VectorPicture::FromSvg(dir.filePath("absent.svg")).isNull());
}

INSTANTIATE_TEST_SUITE_P(Canvases, PainterSurfaceTest,
                         ::testing::Values(QImage::Format_Mono, QImage::Format_RGB32));

// Measures do not depend on the device, so screen and print lay texts out alike.
TEST(PainterSurfaceMeasure, SizesAreInDrawingUnitsWhateverTheResolution) {
    QImage small = MakeImage(QImage::Format_RGB32, 10, 10);
    QImage large = MakeImage(QImage::Format_RGB32, 10, 10);
    Extent natural, narrow, onScreen, turned;
    Draw(large, std::pair{1, 1}, [&](PainterSurface& s) {
        s.setFont({1260, 0, 600, 0});
        natural = s.measureText("0123456789");
        s.setFont({1260, 315, 600, 0});
        narrow = s.measureText("0123456789");
        s.setFont({1260, 0, 600, 141});
        turned = s.measureText("0123456789");
    });
    Draw(small, std::pair{378, 10000}, [&](PainterSurface& s) {
        s.setFont({1260, 0, 600, 0});
        onScreen = s.measureText("0123456789");
    });
    EXPECT_EQ(natural.height, 1260);
    EXPECT_EQ(onScreen, natural);
    EXPECT_EQ(turned, natural);
    // Arial's average width is 904/2048 of an em of 1260 x 2048 / 2288: 497 units.
    EXPECT_NEAR(double(narrow.width) / natural.width, 315.0 / 497.8, 0.01);
}

TEST(PainterSurfaceWrap, BreaksAtSpacesAndCentresLines) {
    QImage image = MakeImage(QImage::Format_RGB32, 500, 300);
    int cell = 0;
    int longestWord = 0;
    Box box;
    Draw(image, k600Dpi, [&](PainterSurface& s) {
        s.setFont({300, 100, 500, 0});
        cell = s.measureText(kOriginLabel).height;
        longestWord = s.measureText("СДЕЛАНО").width;

        const Box narrow = s.measureWrapped({-75, 500, 75, 200}, kOriginLabel);
        EXPECT_EQ(narrow, (Box{-75, 500, -75 + longestWord, 500 - 3 * cell}));

        // As wide as the longest word: "В СССР" fits on the second line.
        const Box twoLines = s.measureWrapped({0, 0, longestWord, -1}, kOriginLabel);
        EXPECT_EQ(twoLines.bottom, -2 * cell);

        const Box oneLine = s.measureWrapped({0, 0, 5000, 0}, kOriginLabel);
        EXPECT_EQ(oneLine.right, s.measureText(kOriginLabel).width);
        EXPECT_EQ(oneLine.bottom, -cell);

        box = {-700, 500, -700 + longestWord + 400, 0};
        s.drawWrapped(box, kOriginLabel);
    });
    // Drawn into a box wider than the longest word, both lines are centred in it.
    const double boxCentre = 250 + (box.left + box.right) / 2.0 * k600DpiScale;
    for (const int line : {0, 1}) {
        const int bandTop = int(150 - (500 - line * cell) * k600DpiScale) + 1;
        const QRect band(0, bandTop, 500, int(cell * k600DpiScale) - 2);
        const QRect ink = BoundsOf(image.copy(band), true);
        ASSERT_FALSE(ink.isEmpty()) << line;
        EXPECT_NEAR(ink.center().x() + 0.5, boxCentre, 2.0) << line;
    }
}

// Qt refuses pens of 32768 pixels and more with a warning and draws them one pixel wide.
TEST(PainterSurfaceRegression, PensWiderThanQtTakesAreClampedNotThinned) {
    static int penWarnings = 0;
    const QtMessageHandler previous =
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
            if (text.contains(QStringLiteral("QPen"))) ++penWarnings;
        });
    QImage image = MakeImage(QImage::Format_Mono, 5000, 4000);
    Draw(image, std::pair{1, 1}, [](PainterSurface& s) {
        s.setPen(2000000000);
        s.line({-12500, 0}, {-12400, 0});  // 10000 pixels off, its pen reaches over the device
    });
    qInstallMessageHandler(previous);
    EXPECT_EQ(penWarnings, 0);
    EXPECT_TRUE(IsBlack(image, 0, 0));
    EXPECT_TRUE(IsBlack(image, 4999, 3999));
}

}  // namespace
}  // namespace quirn
