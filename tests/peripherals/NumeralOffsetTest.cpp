// SPDX-License-Identifier: GPL-3.0-or-later
// The numerals' offset as the exported picture shows it: one numeral, the only red on the plate,
// moves by the offset away from its tick, whatever way the scale's numerals face.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <functional>

#include "model/ParameterText.h"
#include "peripherals/PictureExport.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

constexpr QRgb kRed = 0xFF0000;
// 10 pixels to the millimetre: 100 drawing units make 10 pixels.
constexpr int kDpi = 254;

// The bounds of the red pixels of the plate's PNG.
QRect RedPixels(const ScaleParameters& p, const QString& file) {
    Scene scene;
    scene.params = p;
    scene.layout = DefaultLayout(p);
    if (!ExportPicture(scene, file, kDpi).ok()) return {};
    const QImage png(file);
    QRect red;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if ((png.pixel(x, y) & 0xFFFFFF) == kRed) red |= QRect(x, y, 1, 1);
    return red;
}

// Scale 1 red with one numeral, at the top of the arc, and no ticks of its own.
ScaleParameters OneRedNumeral() {
    ScaleParameters p = kDefaultParameters;
    p.unit.clear();
    p.colour = kRed;
    p.ticks = std::vector<double>{};
    p.bigticks = std::vector<double>{};
    p.numbers = std::vector<Mark>{{7.5, {}}};
    return p;
}

// Scale 1 black without numerals, scale 2 red with the numeral.
ScaleParameters RedOnScaleTwo() {
    ScaleParameters p = OneRedNumeral();
    p.colour.reset();
    p.numbers = std::vector<Mark>{};
    FurtherScale& s = p.ext.further.emplace_back();
    s.set(&ScaleSetup::tickRadius, 3000);
    s.set(&ScaleSetup::colour, kRed);
    s.set(&ScaleSetup::numbers, std::vector<Mark>{{7.5, {}}});
    return p;
}

TEST(NumeralOffset, TheNumeralMovesAwayFromItsTickByTheOffset) {
    struct Case {
        const char* what;
        std::function<ScaleParameters()> plate;
        const char* lines;  // added to the plate's file
        int dy;             // pixels down the picture
    };
    const Case cases[] = {
        {"numerals outside, 2 mm", OneRedNumeral, "numerals.offset\t= 200\r\n", -20},
        {"numerals outside, 1 mm nearer", OneRedNumeral, "numerals.offset\t= -100\r\n", 10},
        {"numerals inside",
         [] {
             ScaleParameters p = OneRedNumeral();
             p.ticksInward = 1;
             return p;
         },
         "numerals.offset\t= 200\r\n", 20},
        {"upright under the end tick",
         [] {
             ScaleParameters p = OneRedNumeral();
             p.numbers = std::vector<Mark>{{0.0, {}}};
             return p;
         },
         "numerals.offset\t= 200\r\n", 20},
        {"a further scale's own", RedOnScaleTwo, "2.numerals.offset\t= 300\r\n", -30},
        {"a further scale taking scale 1's", RedOnScaleTwo, "numerals.offset\t= 150\r\n", -15},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        const ScaleParameters plain = c.plate();
        const ScaleParameters offset = ReadScaleParameters(WriteParameterText(plain) + c.lines);
        const QRect before = RedPixels(plain, dir.filePath("plain.png"));
        const QRect after = RedPixels(offset, dir.filePath("offset.png"));
        ASSERT_FALSE(before.isEmpty()) << c.what;
        EXPECT_LT(before.width(), 200) << c.what << ": one numeral, nothing else red";
        EXPECT_NEAR(after.top() - before.top(), c.dy, 1) << c.what;
        EXPECT_NEAR(after.left(), before.left(), 1) << c.what;
        EXPECT_EQ(after.size(), before.size()) << c.what;
    }
}

}  // namespace
}  // namespace quirn
