// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "RenderFixtures.h"

namespace quirn {
namespace {

using test::LaidOut;

// 10 pixels per 0.1 mm: at zoom 1 and displayCorrection 1 one drawing unit is exactly one pixel.
constexpr ReferenceDevice kUnitScreen{10, 1, 0};
const ReferenceDevice kOnePixelPerUnit = ReferenceDevice::ForDpi(2540);

TEST(CanvasGeometry, PrintCanvasHasOneMillimetreAroundThePlate) {
    test::LaidOutScene state = LaidOut();
    CanvasGeometry g = ComputeCanvasGeometry(state, kOnePixelPerUnit, PaintMode::Print);
    EXPECT_EQ(g.canvasWidth, 7100);
    EXPECT_EQ(g.canvasHeight, 6200);
    EXPECT_EQ(g.pixelWidth, 7101);  // one pixel wider and taller than the canvas
    EXPECT_EQ(g.pixelHeight, 6201);
    EXPECT_EQ(g.originX, 3550);
    EXPECT_EQ(g.originY, 5800);  // the axis 5800 below the top, 400 above the bottom
    EXPECT_EQ(g.canvasHeight - g.originY, 400);

    // 600 dpi: sizes are rounded to the nearest pixel (1677.17, 1464.57, 838.58, 1370.08).
    g = ComputeCanvasGeometry(state, ReferenceDevice::ForDpi(600), PaintMode::Print);
    EXPECT_EQ(g.pixelWidth, 1678);
    EXPECT_EQ(g.pixelHeight, 1466);
    EXPECT_EQ(g.originX, 839);
    EXPECT_EQ(g.originY, 1370);
    EXPECT_DOUBLE_EQ(g.pixelsPerUnit(), 600.0 / 2540.0);
}

TEST(CanvasGeometry, PlateHeightFollowsTheShape) {
    ScaleParameters p = kDefaultParameters;
    p.plateHeight = 99999;
    p.shape = 2;  // any non-zero value is radial
    test::LaidOutScene state = LaidOut(p);
    CanvasGeometry g = ComputeCanvasGeometry(state, kOnePixelPerUnit, PaintMode::Print);
    EXPECT_EQ(g.canvasHeight, 5700 + 300 + 200);
    EXPECT_EQ(g.originY, 5800);

    state.params.shape = 0;
    state.params.plateHeight = 6000;
    state.params.outerRadius = 99999;
    g = ComputeCanvasGeometry(state, kOnePixelPerUnit, PaintMode::Print);
    EXPECT_EQ(g.canvasHeight, 6200);
}

TEST(CanvasGeometry, ScreenScaleIsQuantisedToThousandths) {
    test::LaidOutScene state = LaidOut();
    const ReferenceDevice screen{1920, 5090, 1008};
    CanvasGeometry g = ComputeCanvasGeometry(state, screen, PaintMode::Screen);
    EXPECT_EQ(g.viewportExt, 1920 * 1000);
    EXPECT_EQ(g.windowExt, 5090 * 10000);

    state.displayCorrection = 1.1;
    EXPECT_EQ(ComputeCanvasGeometry(state, screen, PaintMode::Screen).viewportExt, 1920 * 909);
    state.zoomPercent = 1000;
    EXPECT_EQ(ComputeCanvasGeometry(state, screen, PaintMode::Screen).viewportExt, 1920 * 9090);

    // An unusable calibration draws at the nominal metric instead of dividing by it.
    state.zoomPercent = 100;
    for (double bad : {0.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                       std::numeric_limits<double>::infinity()}) {
        state.displayCorrection = bad;
        EXPECT_EQ(ComputeCanvasGeometry(state, screen, PaintMode::Screen).viewportExt, 1920 * 1000)
            << bad;
    }
    state.displayCorrection = 1e12;  // t would be 0
    EXPECT_GE(ComputeCanvasGeometry(state, screen, PaintMode::Screen).viewportExt, 1);
}

TEST(CanvasGeometry, ScreenMarginsShrinkWithZoom) {
    test::LaidOutScene state = LaidOut();
    state.zoomPercent = 300;
    const CanvasGeometry g = ComputeCanvasGeometry(state, kUnitScreen, PaintMode::Screen);
    EXPECT_EQ(g.canvasWidth, 6900 + 666);
    EXPECT_EQ(g.canvasHeight, 333 + 1000 + 6000);
    // Three pixels per unit at zoom 3.
    EXPECT_EQ(g.pixelWidth, 7566 * 3);
    EXPECT_EQ(g.pixelHeight, 7333 * 3);
    EXPECT_EQ(g.originX, 3783 * 3);
    EXPECT_EQ(g.originY, (333 + 5700) * 3);
}

TEST(CanvasGeometry, ScreenCanvasIsAtLeastAsWideAsTheWindow) {
    test::LaidOutScene state = LaidOut();
    ReferenceDevice screen = kUnitScreen;
    screen.windowOuterWidthPx = 5000;
    EXPECT_EQ(ComputeCanvasGeometry(state, screen, PaintMode::Screen).canvasWidth, 6900 + 2000);

    screen.windowOuterWidthPx = 20000;
    const CanvasGeometry g = ComputeCanvasGeometry(state, screen, PaintMode::Screen);
    EXPECT_EQ(g.canvasWidth, 20000);
    EXPECT_EQ(g.originX, 10000);  // the axis in the middle
}

TEST(CanvasGeometry, ExtremeParametersSaturateInsteadOfOverflowing) {
    ScaleParameters p = kDefaultParameters;
    p.plateWidth = std::numeric_limits<int>::max();
    p.plateHeight = std::numeric_limits<int>::max();
    p.mountingAboveAxis = std::numeric_limits<int>::min();
    test::LaidOutScene state = LaidOut(p);
    for (bool screen : {true, false}) {
        const CanvasGeometry g = ComputeCanvasGeometry(
            state, kOnePixelPerUnit, screen ? PaintMode::Screen : PaintMode::Print);
        EXPECT_EQ(g.canvasWidth, std::numeric_limits<int>::max());
        EXPECT_EQ(g.pixelWidth, std::numeric_limits<int>::max());
        EXPECT_GT(g.pixelHeight, 0);
    }

    // Sizes convert by magnitude: a plate of negative height still gets a bitmap.
    p = kDefaultParameters;
    p.plateHeight = -10000;
    state = LaidOut(p);
    const CanvasGeometry g = ComputeCanvasGeometry(state, kOnePixelPerUnit, PaintMode::Print);
    EXPECT_EQ(g.canvasHeight, -9800);
    EXPECT_EQ(g.pixelHeight, 9801);
}

}  // namespace
}  // namespace quirn
