// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and typefaces as a user sees them: in the exported pictures, and in a numeral's face.
#include <gtest/gtest.h>

#include <QFile>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>

#include "peripherals/PictureExport.h"
#include "render/Labels.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "render/ScaleDrawing.h"
#include "render/Scales.h"
#include "support/OneTextSurface.h"

namespace quirn {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kPaleYellow = 0xFFFF80;

QByteArray Exported(const Scene& scene, const QTemporaryDir& dir, const QString& name) {
    QFile f(dir.filePath(name));
    if (!ExportPicture(scene, f.fileName(), 300).ok() || !f.open(QIODevice::ReadOnly)) return {};
    return f.readAll();
}

// Scale 1 red and the name pale yellow: in colour in the palette PNG, and black in the 1-bit
// BMP wherever the PNG is not white. Black inks give the bytes of a plate with none.
TEST(InkTest, ColoursShowInThePngAndAreBlackInTheBitmap) {
    QTemporaryDir dir;
    Scene plain;
    plain.params = kDefaultParameters;
    plain.layout = DefaultLayout(plain.params);
    Scene inked = plain;
    inked.params.colour = kRed;
    inked.params.ext.labelColours[std::size_t(LabelRole::Name)] = kPaleYellow;
    const QByteArray pngBytes = Exported(inked, dir, "inked.png");
    ASSERT_GT(pngBytes.size(), 33);
    EXPECT_EQ(int(pngBytes[25]), 3);  // colour type: palette
    const QImage png = QImage::fromData(pngBytes);
    const QImage bmp = QImage::fromData(Exported(inked, dir, "inked.bmp"));
    ASSERT_EQ(png.size(), bmp.size());
    int reds = 0, yellows = 0, others = 0, differences = 0;
    for (int y = 0; y < png.height(); ++y) {
        for (int x = 0; x < png.width(); ++x) {
            const QRgb c = png.pixel(x, y) & 0xFFFFFF;
            reds += c == kRed;
            yellows += c == kPaleYellow;
            others += c != kRed && c != kPaleYellow && c != 0 && c != 0xFFFFFF;
            differences += (c != 0xFFFFFF) != (qGray(bmp.pixel(x, y)) < 128);
        }
    }
    EXPECT_GT(reds, 5000);  // ticks, numerals and the unit
    EXPECT_GT(yellows, 200);
    EXPECT_EQ(others, 0);
    EXPECT_EQ(differences, 0);
    // Half way along the left end's big tick.
    const ScaleParameters& p = inked.params;
    const double turn = (90.0 + p.halfAngle) * std::numbers::pi / 180.0;
    const double r = p.tickRadius + p.bigTickLength / 2.0;
    const QPoint at =
        DrawingTransform::OfCanvas(
            ComputeCanvasGeometry(inked, ReferenceDevice::ForDpi(300), PaintMode::Print))
            .toDevice(
                Point{int(std::lround(r * std::cos(turn))), int(std::lround(r * std::sin(turn)))})
            .toPoint();
    EXPECT_EQ(png.pixel(at) & 0xFFFFFF, kRed);
    EXPECT_LT(qGray(bmp.pixel(at)), 128);

    Scene black = plain;
    black.params.colour = 0x000000;
    black.params.ext.labelColours[std::size_t(LabelRole::Standard)] = 0x000000;
    for (const QString& name : {QStringLiteral("a.png"), QStringLiteral("a.bmp")})
        EXPECT_EQ(Exported(black, dir, "b" + name), Exported(plain, dir, name)) << name.data();
}

// A further scale without a colour of its own is black, not scale 1's colour.
TEST(InkTest, FurtherScalesTakeOnlyTheirOwnInk) {
    ScaleParameters p = kDefaultParameters;
    p.colour = kRed;
    p.ext.further.resize(2);
    p.ext.further[1].values.colour = 0x0000FF;
    RecordingSurface surface;
    DrawScales(surface, p);
    std::vector<int> inks;
    for (const DrawCall& call : surface.callsOf(DrawOp::SetInk)) inks.push_back(call.value);
    EXPECT_EQ(inks, (std::vector<int>{int(kRed), 0, 0x0000FF, 0}));
}

// The ink's extent of "8" in the face with this cell height, in device pixels.
QSizeF GlyphExtent(const QString& family, double cellPixels) {
    QFont font(family);
    font.setPixelSize(2048);
    const QFontMetricsF metrics(font);
    return metrics.tightBoundingRect(QStringLiteral("8")).size() * cellPixels /
           (metrics.ascent() + metrics.descent());
}

// Scale 1's upright end numeral "8" in "Liberation Serif, 150%" inks what that face's "8" inks at
// one and a half times the numerals' cell, which today's face would not.
TEST(TypefaceTest, NumeralIsDrawnInTheChosenFaceAndSize) {
    const QString family = QStringLiteral("Liberation Serif");
    ASSERT_EQ(QFontInfo(QFont(family)).family(), family) << "the set-up installs it";
    ScaleParameters p = kDefaultParameters;
    p.start = 8.0;
    p.range = 20.0;
    p.ext.typefaces[TextRole::Numerals] = {family.toStdString(), FontWeight::AsDefault,
                                           FontSlant::Upright, 150};
    constexpr int kDpi = 1200;
    QImage image(6000, 6000, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        test::OneTextSurface surface(painter, {QPointF(3000.0, 5000.0), kDpi, 2540}, "8",
                                     test::TextPixels::OneBit);
        DrawScale(surface, ResolveScales(p).front(), LookOf(p, 1));
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.constScanLine(y)[x] < 128) ink |= QRect(x, y, 1, 1);
    const double cell = 1.5 * NumeralFont(p).cellHeight * kDpi / 2540.0;
    const QSizeF want = GlyphExtent(family, cell);
    EXPECT_NEAR(ink.width(), want.width(), 2.0);
    EXPECT_NEAR(ink.height(), want.height(), 2.0);
    const QSizeF today = GlyphExtent(QStringLiteral("Arial"), cell);
    EXPECT_GT(std::hypot(today.width() - want.width(), today.height() - want.height()), 8.0);
}

}  // namespace
}  // namespace quirn
