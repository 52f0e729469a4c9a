// SPDX-License-Identifier: GPL-3.0-or-later
// Colours and typefaces as a user sees them: in the exported pictures, and in the face a numeral
// is drawn in.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <numbers>
#include <string>

#include "peripherals/PictureExport.h"
#include "render/DrawingTransform.h"
#include "render/Labels.h"
#include "render/PainterSurface.h"
#include "render/RecordingSurface.h"
#include "render/ScaleDrawing.h"
#include "render/Scales.h"
#include "render/Typefaces.h"

namespace quirn {
namespace {

constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kPaleYellow = 0xFFFF80;

QByteArray Exported(const Scene& scene, const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    if (!ExportPicture(scene, path, 300).ok()) return {};
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

Scene PlainScene() {
    Scene scene;
    scene.params = kDefaultParameters;
    scene.layout = DefaultLayout(scene.params);
    return scene;
}

// Scale 1 red and the name pale yellow: both in colour in the PNG, and in the 1-bit BMP every
// pixel that is not white in the PNG is black, the pale yellow too. A plate inked in black
// alone gives the bytes of one with no ink at all.
TEST(InkTest, ColoursShowInThePngAndAreBlackInTheBitmap) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Scene plain = PlainScene();
    Scene inked = plain;
    inked.params.colour = kRed;
    inked.params.ext.labelColours[std::size_t(LabelRole::Name)] = kPaleYellow;

    const QByteArray pngBytes = Exported(inked, dir, "inked.png");
    ASSERT_GT(pngBytes.size(), 33);
    EXPECT_EQ(int(pngBytes[24]), 8);  // bit depth
    EXPECT_EQ(int(pngBytes[25]), 3);  // colour type: palette
    const QImage png = QImage::fromData(pngBytes);
    const QImage bmp = QImage::fromData(Exported(inked, dir, "inked.bmp"));
    ASSERT_FALSE(png.isNull());
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
    EXPECT_GT(reds, 5000);    // ticks, numerals and the unit label
    EXPECT_GT(yellows, 200);  // the name
    EXPECT_EQ(others, 0);
    EXPECT_EQ(differences, 0);

    // The left end's big tick, half way along it: red in the PNG, black in the bitmap.
    const ScaleParameters& p = inked.params;
    const CanvasGeometry g =
        ComputeCanvasGeometry(inked, ReferenceDevice::ForDpi(300), PaintMode::Print);
    const double turn = (90.0 + p.halfAngle) * std::numbers::pi / 180.0;
    const double r = p.tickRadius + p.bigTickLength / 2.0;
    const QPointF at = DrawingTransform::OfCanvas(g).toDevice(
        Point{int(std::lround(r * std::cos(turn))), int(std::lround(r * std::sin(turn)))});
    EXPECT_EQ(png.pixel(at.toPoint()) & 0xFFFFFF, kRed);
    EXPECT_LT(qGray(bmp.pixel(at.toPoint())), 128);

    Scene black = plain;
    black.params.colour = 0x000000;
    black.params.ext.labelColours[std::size_t(LabelRole::Standard)] = 0x000000;
    for (const QString& name : {QStringLiteral("a.png"), QStringLiteral("a.bmp")})
        EXPECT_EQ(Exported(black, dir, "black-" + name), Exported(plain, dir, "plain-" + name))
            << name.toStdString();
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

// Shows only the texts that are "8".
class EightOnly : public PainterSurface {
  public:
    using PainterSurface::PainterSurface;
    void textOut(Point topLeft, std::string_view text) override {
        if (text == "8") PainterSurface::textOut(topLeft, text);
    }
};

// The ink's extent of "8" as the face at this cell height inks it, in device pixels.
QSizeF GlyphExtent(const QString& family, double cellPixels) {
    QFont font(family);
    font.setPixelSize(2048);
    const QFontMetricsF metrics(font);
    const QRectF glyph = metrics.tightBoundingRect(QStringLiteral("8"));
    const double k = cellPixels / (metrics.ascent() + metrics.descent());
    return glyph.size() * k;
}

// Scale 1's left end numeral "8", upright, drawn in "DejaVu Serif, 150%": its ink is as wide and
// as tall as the face's own "8" at one and a half times the numerals' cell.
TEST(TypefaceTest, NumeralIsDrawnInTheChosenFaceAndSize) {
    const QString family = QStringLiteral("DejaVu Serif");
    if (QFontInfo(QFont(family)).family() != family) GTEST_SKIP() << "no DejaVu Serif";
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
        EightOnly surface(painter, {QPointF(3000.0, 5000.0), kDpi, 2540}, true);
        DrawScaleNumerals(surface, ResolveScales(p).front(), LookOf(p, 1));
    }
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            if (row[x] < 128) ink |= QRect(x, y, 1, 1);
    }
    ASSERT_FALSE(ink.isEmpty());
    const double cell = 1.5 * NumeralFont(p).cellHeight * kDpi / 2540.0;
    const QSizeF want = GlyphExtent(family, cell);
    EXPECT_NEAR(ink.width(), want.width(), 2.0);
    EXPECT_NEAR(ink.height(), want.height(), 2.0);
    // Today's face would be told apart.
    const QSizeF today = GlyphExtent(QStringLiteral("Arial"), cell);
    EXPECT_GT(std::hypot(today.width() - want.width(), today.height() - want.height()), 8.0);
}

// A family the system lacks is named with the one drawn instead; one it has is not.
TEST(TypefaceTest, MissingFamiliesNameWhatIsUsedInstead) {
    ScaleParameters p = kDefaultParameters;
    p.ext.typefaces[TextRole::Name] = {"No Such Face Anywhere", FontWeight::Bold, FontSlant::Italic,
                                       100};
    p.ext.typefaces[TextRole::Unit] = {"No Such Face Anywhere", FontWeight::AsDefault,
                                       FontSlant::Upright, 80};
    p.ext.typefaces[TextRole::Numerals] = {"DejaVu Sans", FontWeight::AsDefault, FontSlant::Upright,
                                           100};
    const std::vector<FamilySubstitute> missing = MissingFamilies(p);
    ASSERT_EQ(missing.size(), 1u);
    EXPECT_EQ(missing[0].asked, "No Such Face Anywhere");
    EXPECT_EQ(missing[0].used, QFontInfo(QFont("No Such Face Anywhere")).family().toStdString());
    EXPECT_FALSE(missing[0].used.empty());
}

}  // namespace
}  // namespace quirn
