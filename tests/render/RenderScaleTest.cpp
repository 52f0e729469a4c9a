// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QImage>
#include <optional>

#include "RenderFixtures.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"

namespace quirn {
namespace {

using test::LaidOut;
using test::Painted;

bool IsBlack(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// Centre, in device coordinates, of the first run of black pixels met walking from (x, y) by
// (dx, dy).
std::optional<double> FirstRunCentre(const QImage& image, int x, int y, int dx, int dy) {
    while (image.valid(x, y) && !IsBlack(image, x, y)) x += dx, y += dy;
    if (!image.valid(x, y)) return std::nullopt;
    const int start = dx != 0 ? x : y;
    while (image.valid(x, y) && IsBlack(image, x, y)) x += dx, y += dy;
    const int end = (dx != 0 ? x : y) - (dx + dy);
    return (start + end) / 2.0 + 0.5;
}

TEST(RenderScale, ExportPutsThePlateAtTrueSize) {
    test::LaidOutScene state = LaidOut();
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    const QImage& image = state.canvas.image;
    ASSERT_EQ(image.format(), QImage::Format_Mono);
    ASSERT_EQ(image.size(), QSize(1678, 1466));
    EXPECT_EQ(image.colorTable(), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
    EXPECT_EQ(image.dotsPerMeterX(), 23622);
    EXPECT_EQ(state.laid.axisHeight, 300);
    EXPECT_TRUE(IsBlack(image, 839, 1370));  // the axis cross

    const CanvasGeometry& g = state.canvas.geometry;
    const double k = g.pixelsPerUnit();
    const auto column = [&](int x) { return int(g.originX + x * k); };
    const auto row = [&](int y) { return int(g.originY - y * k); };
    // The outline runs 10 units outside the 69.00 x 60.00 mm plate: x = +-3460, y = -310
    // and 5710.
    const int middle = row(2000);
    const auto left = FirstRunCentre(image, 0, middle, 1, 0);
    const auto right = FirstRunCentre(image, image.width() - 1, middle, -1, 0);
    const auto top = FirstRunCentre(image, column(-2000), 0, 0, 1);
    const auto bottom = FirstRunCentre(image, column(-2000), image.height() - 1, 0, -1);
    ASSERT_TRUE(left && right && top && bottom);
    EXPECT_NEAR(*left, g.originX - 3460 * k, 1.0);
    EXPECT_NEAR(*right, g.originX + 3460 * k, 1.0);
    EXPECT_NEAR(*top, g.originY - 5710 * k, 1.0);
    EXPECT_NEAR(*bottom, g.originY + 310 * k, 1.0);
    EXPECT_NEAR(*right - *left, 6920 * 600 / 2540.0, 1.0);
    EXPECT_NEAR(*bottom - *top, 6020 * 600 / 2540.0, 1.0);
}

TEST(RenderScale, ScreenCanvasIsColourWithItsBottomLineOnTheLowestRow) {
    test::LaidOutScene state = LaidOut();
    const ReferenceDevice screen{1920, 5090, 1008};
    ASSERT_TRUE(RenderScale(state, screen, PaintMode::Screen).ok());
    const QImage& image = state.canvas.image;
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(image.size(),
              QSize(state.canvas.geometry.pixelWidth, state.canvas.geometry.pixelHeight));
    // The window is wider than the plate: 1008 px of 1920 per 509.0 mm is 267.23 mm.
    EXPECT_EQ(state.canvas.geometry.canvasWidth, 26723);
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    const int last = image.height() - 1;
    EXPECT_TRUE(IsBlack(image, 0, last) && IsBlack(image, image.width() - 1, last));
}

TEST(RenderScale, PlateBottomLineIsOnTheScreenCanvas) {
    // A screen of 1400 px per 370 mm (Xvfb's). At zoom 1 the line runs 0.19 px above the lower
    // edge; the radial plate's canvas, 236.49 px tall, was cut to 236 rows, and the square
    // one's axis was rounded 0.27 px lower: either way the line fell one row past the last.
    const Result<std::string> sample =
        ReadFileHead(QUIRN_TEST_SAMPLES "/C42300-2.5A-small.qrn", kParameterReadLimit);
    ASSERT_EQ(sample.outcome.fault, Fault::None);
    const ReferenceDevice screen{1400, 3700, 1000};
    for (int shape : {0, 1}) {
        for (int zoom = 1; zoom <= 10; ++zoom) {
            test::LaidOutScene state = LaidOut(ReadScaleParameters(sample.value));
            state.params.shape = shape;
            state.zoomPercent = 100 * zoom;
            ASSERT_TRUE(RenderScale(state, screen, PaintMode::Screen).ok());
            const QImage& image = state.canvas.image;
            // Only the bottom line reaches the sides: the plate stands in the middle.
            bool inked = false;
            for (int y = image.height() - 1; y >= 0 && !inked; --y)
                inked = IsBlack(image, 0, y) && IsBlack(image, image.width() - 1, y);
            EXPECT_TRUE(inked) << "shape " << shape << ", zoom " << zoom;
        }
    }
}

TEST(RenderScale, TemplateIsDrawnOnScreenOnly) {
    test::LaidOutScene state = LaidOut();
    QImage black(400, 300, QImage::Format_RGB32);
    black.fill(Qt::black);
    state.templatePicture = {"scan.png", black};
    state.params.ext.templateRecord = TemplateRecord{{-3550, -400}, 8200, 0.0, 0, "scan.png"};

    EXPECT_TRUE(Painted(state, PaintMode::Print).callsOf(DrawOp::DrawImage).empty());

    // In pixels: the black picture fills the blank corner of the screen canvas, not the
    // exported one.
    const auto blackAt = [&state](int x, int y) {
        const CanvasGeometry& g = state.canvas.geometry;
        return IsBlack(state.canvas.image, int(g.originX + x * g.pixelsPerUnit()),
                       int(g.originY - y * g.pixelsPerUnit()));
    };
    ASSERT_TRUE(RenderScale(state, {1, 1, 0}, PaintMode::Screen).ok());
    EXPECT_TRUE(blackAt(-3500, -350));
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(1200), PaintMode::Print).ok());
    EXPECT_FALSE(blackAt(-3500, -350));
}

// A black template multiplies the drawing: inside it the screen is the drawing darkened to the
// dimming's share of white, ink stays ink, and outside it nothing changes. Turned 90°, it stands
// up from its corner.
TEST(RenderScale, TheTemplateIsTurnedAboutItsCornerAndDimmed) {
    const struct {
        double angle;
        int dim;
        Point inside;
        Point outside;
    } cases[] = {
        {0.0, 0, {-1400, 1200}, {-3600, 3000}},
        {90.0, 0, {-3600, 3000}, {-1400, 1200}},
        {0.0, 50, {-1400, 1200}, {-3600, 3000}},
        {-30.0, 80, {-1570, 170}, {-1400, 1200}},
    };
    test::LaidOutScene plain = LaidOut();
    ASSERT_TRUE(RenderScale(plain, {1, 1, 0}, PaintMode::Screen).ok());
    const auto grey = [](const test::LaidOutScene& s, Point p) {
        const CanvasGeometry& g = s.canvas.geometry;
        return qGray(s.canvas.image.pixel(int(g.originX + p.x * g.pixelsPerUnit()),
                                          int(g.originY - p.y * g.pixelsPerUnit())));
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        SCOPED_TRACE(c.dim);
        test::LaidOutScene state = LaidOut();
        QImage black(1000, 100, QImage::Format_RGB32);
        black.fill(Qt::black);
        state.templatePicture = {"scan.png", black};
        // 40 x 4 mm, its lower-left corner at (-34, 10) mm.
        state.params.ext.templateRecord =
            TemplateRecord{{-3400, 1000}, 4000, c.angle, c.dim, "scan.png"};
        ASSERT_TRUE(RenderScale(state, {1, 1, 0}, PaintMode::Screen).ok());
        EXPECT_NEAR(grey(state, c.inside), grey(plain, c.inside) * c.dim / 100.0, 3.0);
        EXPECT_EQ(grey(state, c.outside), grey(plain, c.outside));
    }
}

TEST(RenderScale, RefusesAbsurdCanvasesBeforeAllocating) {
    test::LaidOutScene state = LaidOut();
    ASSERT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    ASSERT_FALSE(state.canvas.image.isNull());

    state.params.plateWidth = 2'000'000'000;  // 20 km
    state.layout = DefaultLayout(state.params);
    RenderResult result = RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print);
    EXPECT_EQ(result.status, RenderStatus::CanvasTooLarge);
    EXPECT_NE(result.message.find("32767"), std::string::npos) << result.message;
    EXPECT_TRUE(state.canvas.image.isNull());  // the previous canvas is gone, nothing half-made

    // Each side within bounds, but 900 megapixels in all.
    state.params.plateWidth = 126'800;
    state.params.plateHeight = 126'800;
    state.layout = DefaultLayout(state.params);
    result = RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print);
    EXPECT_EQ(result.status, RenderStatus::CanvasTooLarge);
    EXPECT_NE(result.message.find("268435456"), std::string::npos) << result.message;

    // On screen the colour canvas takes four bytes a pixel: a 30 cm plate fits at zoom 1 but
    // not at zoom 10, and the message says what to do.
    state.params = kDefaultParameters;
    state.params.plateWidth = 30'000;
    state.params.plateHeight = 30'000;
    state.layout = DefaultLayout(state.params);
    const ReferenceDevice screen{1920, 5090, 1008};
    state.zoomPercent = 100;
    EXPECT_TRUE(RenderScale(state, screen, PaintMode::Screen).ok());
    state.zoomPercent = 1000;
    result = RenderScale(state, screen, PaintMode::Screen);
    EXPECT_EQ(result.status, RenderStatus::CanvasTooLarge);
    EXPECT_NE(result.message.find("67108864"), std::string::npos) << result.message;
    EXPECT_NE(result.message.find("масштаб"), std::string::npos) << result.message;

    state.params = kDefaultParameters;
    state.zoomPercent = 100;
    state.layout = DefaultLayout(state.params);
    EXPECT_TRUE(RenderScale(state, ReferenceDevice::ForDpi(600), PaintMode::Print).ok());
    EXPECT_FALSE(state.canvas.image.isNull());
}

}  // namespace
}  // namespace quirn
