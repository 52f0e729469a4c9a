// SPDX-License-Identifier: GPL-3.0-or-later
// The pixel-to-drawing mapping, the hit areas, dragging and the panel's number texts, without
// widgets.
#include <gtest/gtest.h>

#include <string>

#include "model/Document.h"
#include "support/CommaLocale.h"
#include "view/canvas/Dragging.h"
#include "view/canvas/ViewMapping.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

using E = MovableElement;

CanvasGeometry Geometry(int originX, int originY, std::int64_t viewportExt,
                        std::int64_t windowExt) {
    CanvasGeometry g;
    g.originX = originX;
    g.originY = originY;
    g.viewportExt = viewportExt;
    g.windowExt = windowExt;
    return g;
}

TEST(ViewMapping, PixelsBecomeDrawingUnitsFromTheAxisWithYUp) {
    const CanvasGeometry oneToOne = Geometry(100, 50, 1, 1);
    EXPECT_EQ(CanvasPixelToDrawing(oneToOne, 100, 50), (Point{0, 0}));
    EXPECT_EQ(CanvasPixelToDrawing(oneToOne, 1334, 550), (Point{1234, -500}));
    EXPECT_EQ(CanvasPixelToDrawing(oneToOne, 0, 0), (Point{-100, 50}));

    // One pixel spans 10/3 units: results go to the nearest unit, the same on both sides.
    const CanvasGeometry coarse = Geometry(100, 50, 3, 10);
    EXPECT_EQ(CanvasPixelToDrawing(coarse, 101, 49), (Point{3, 3}));
    EXPECT_EQ(CanvasPixelToDrawing(coarse, 102, 52), (Point{7, -7}));
    EXPECT_EQ(CanvasPixelToDrawing(coarse, 98, 48), (Point{-7, 7}));
    // A pixel lies half a unit off: halves go away from zero.
    EXPECT_EQ(CanvasPixelToDrawing(Geometry(0, 0, 2, 1), 1, -1), (Point{1, 1}));
    EXPECT_EQ(CanvasPixelToDrawing(Geometry(0, 0, 2, 1), -1, 1), (Point{-1, -1}));
}

TEST(ViewMapping, TheNearestPixelMapsBackNearThePoint) {
    const CanvasGeometry g = Geometry(1399, 500, 800 * 10000, 2030 * 10000);  // 2.54 units/px
    for (const Point p : {Point{1234, -500}, Point{0, 0}, Point{-3550, 2000}}) {
        const Point px = DrawingToCanvasPixel(g, p);
        const Point back = CanvasPixelToDrawing(g, px.x, px.y);
        EXPECT_LE(std::abs(back.x - p.x), 2) << p.x;
        EXPECT_LE(std::abs(back.y - p.y), 2) << p.y;
    }
    EXPECT_EQ(DrawingToCanvasPixel(g, {0, 0}), (Point{1399, 500}));
}

TEST(ViewMapping, TheViewAddsTheScrollPositionAndTheDevicePixelRatio) {
    const CanvasGeometry g = Geometry(1000, 400, 1, 1);
    EXPECT_EQ(ViewToDrawing(g, {10, 20}, {990, 380}), (Point{0, 0}));
    EXPECT_EQ(ViewToDrawing(g, {10, 20}, {0, 0}), (Point{-990, 380}));
    // Logical pixels at twice the device resolution.
    EXPECT_EQ(ViewToDrawing(g, {10, 20}, {490, 180}, 2.0), (Point{0, 0}));
}

// A scene and its layout, as the view hit-tests and drags them.
struct Laid {
    Scene scene;
    ScaleLayout laid;
    Point anchor(E e) const { return laid.layout.anchors[static_cast<std::size_t>(Index(e))]; }
};

// Elements far apart, each 1000 wide and 400 high.
Laid Spread() {
    Laid s;
    const auto place = [&s](E e, Point anchor) {
        s.laid.layout.anchors[static_cast<std::size_t>(Index(e))] = anchor;
        s.laid.sizes[static_cast<std::size_t>(Index(e))] = {1000, 400};
    };
    place(E::DataSymbol, {-5000, 0});        // bottom-left
    place(E::DiamondSymbol, {-5000, 2000});  // bottom-left
    place(E::NameLabel, {-5000, 5000});      // top-left
    place(E::UnitLabel, {0, 5000});          // top centre
    place(E::OriginLabel, {0, 2000});        // top centre
    place(E::OthersSymbol, {5000, 0});       // bottom-right
    place(E::StandardLabel, {5000, 5000});   // top-right
    s.scene.layout = s.laid.layout;
    return s;
}

TEST(HitTest, EachElementIsHitInsideItsOpenRectangleOnly) {
    const Laid s = Spread();
    struct Case {
        E element;
        Point inside;
        Point onEdge;
        Point outside;
    };
    for (const Case& c : {
             Case{E::DataSymbol, {-4001, 1}, {-5000, 200}, {-4500, -1}},
             Case{E::DiamondSymbol, {-4999, 2399}, {-4500, 2400}, {-5001, 2200}},
             Case{E::NameLabel, {-4500, 4601}, {-4000, 4800}, {-4500, 5001}},
             Case{E::UnitLabel, {-499, 4999}, {500, 4800}, {0, 4599}},
             Case{E::OriginLabel, {499, 1601}, {0, 1600}, {-501, 1800}},
             Case{E::OthersSymbol, {4001, 399}, {4000, 200}, {5001, 200}},
             Case{E::StandardLabel, {4999, 4601}, {4500, 5000}, {3999, 4800}},
         }) {
        EXPECT_EQ(HitTest(s.scene, s.laid, c.inside), c.element) << Index(c.element);
        EXPECT_EQ(HitTest(s.scene, s.laid, c.onEdge), std::nullopt) << Index(c.element);
        EXPECT_EQ(HitTest(s.scene, s.laid, c.outside), std::nullopt) << Index(c.element);
    }
}

TEST(HitTest, OverlapsGoToTheFirstInTheTestOrder) {
    Laid s = Spread();
    auto& anchors = s.laid.layout.anchors;
    // Romb over Data: Data wins.
    anchors[Index(E::DiamondSymbol)] = {-4800, 100};
    EXPECT_EQ(HitTest(s.scene, s.laid, {-4700, 200}), E::DataSymbol);
    EXPECT_EQ(HitTest(s.scene, s.laid, {-3900, 200}), E::DiamondSymbol);
    // The name before the unit, the origin label before the others symbol, the others symbol
    // before the standard label.
    anchors[Index(E::UnitLabel)] = {-4500, 5000};
    EXPECT_EQ(HitTest(s.scene, s.laid, {-4600, 4800}), E::NameLabel);
    anchors[Index(E::OthersSymbol)] = {300, 1700};
    EXPECT_EQ(HitTest(s.scene, s.laid, {0, 1800}), E::OriginLabel);
    anchors[Index(E::StandardLabel)] = {300, 2200};
    EXPECT_EQ(HitTest(s.scene, s.laid, {200, 2000}), E::OthersSymbol);
}

TEST(HitTest, TheTemplateIsTestedLastAndOnlyWhenShown) {
    Laid s = Spread();
    const auto hit = [&s](Point at) { return HitTest(s.scene, s.laid, at); };
    EXPECT_EQ(hit({-2500, -1800}), std::nullopt);
    // Body up to -2100, nothing to -2050, edge to -1950.
    s.laid.templatePlace = TemplatePlacement{{-3000, -2000}, {1000, 500}, 0.0, 0};
    EXPECT_EQ(hit({-2500, -1800}), E::TemplateBody);
    EXPECT_EQ(hit({-2101, -1999}), E::TemplateBody);
    EXPECT_EQ(hit({-2100, -1800}), std::nullopt);
    EXPECT_EQ(hit({-2060, -1800}), std::nullopt);
    EXPECT_EQ(hit({-2050, -1800}), std::nullopt);
    EXPECT_EQ(hit({-2049, -1800}), E::TemplateEdge);
    EXPECT_EQ(hit({-1960, -1800}), E::TemplateEdge);  // beyond the right edge
    EXPECT_EQ(hit({-1950, -1800}), std::nullopt);
    EXPECT_EQ(hit({-2500, -2000}), std::nullopt);
    EXPECT_EQ(hit({-2500, -1500}), std::nullopt);
    // An element over the template is grabbed first.
    s.laid.layout.anchors[Index(E::DataSymbol)] = {-2800, -1900};
    EXPECT_EQ(hit({-2500, -1800}), E::DataSymbol);
}

TEST(Dragging, ElementsKeepTheirGrabOffsetAndTheUnitMovesOnlyUpAndDown) {
    Laid s = Spread();
    DragState drag;
    EXPECT_EQ(BeginDrag(drag, s.scene, s.laid, {0, 0}), std::nullopt);
    EXPECT_FALSE(drag.any());

    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {-4900, 100}), E::DataSymbol);
    EXPECT_EQ(drag.dx, 100);
    EXPECT_EQ(drag.dy, -100);
    const DragMove move = ContinueDrag(drag, {-1900, 3100});
    EXPECT_TRUE(move.moved);
    EXPECT_FALSE(move.sizingCursor);
    EXPECT_EQ(drag.anchors[Index(E::DataSymbol)], (Point{-2000, 3000}));
    // The scene shown has it there, and nothing else moved.
    Scene shown = s.scene;
    ApplyDrag(drag, shown);
    EXPECT_EQ(shown.layout.anchors[Index(E::DataSymbol)], (Point{-2000, 3000}));
    EXPECT_EQ(shown.layout.anchors[Index(E::DiamondSymbol)], s.anchor(E::DiamondSymbol));
    EndDrag(drag);
    EXPECT_FALSE(drag.any());
    EXPECT_EQ(drag.dx, 100);  // the offset stays
    EXPECT_FALSE(ContinueDrag(drag, {0, 0}).moved);

    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {100, 4900}), E::UnitLabel);
    ContinueDrag(drag, {2100, 3900});
    EXPECT_EQ(drag.anchors[Index(E::UnitLabel)], (Point{0, 4000}));
}

TEST(Dragging, APressWhileAFlagIsStillSetDragsBothWithTheNewerOffset) {
    Laid s = Spread();
    DragState drag;
    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {-4500, 200}), E::DataSymbol);
    // The release happened outside the view and was never seen.
    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {4500, 200}), E::OthersSymbol);
    EXPECT_TRUE(drag.dragging(E::DataSymbol));
    ContinueDrag(drag, {4600, 300});
    EXPECT_EQ(drag.anchors[Index(E::OthersSymbol)], (Point{5100, 100}));
    EXPECT_EQ(drag.anchors[Index(E::DataSymbol)], (Point{5100, 100}));
}

TEST(Dragging, TheTemplateMovesByItsBodyAndWidensByItsEdgeUnlessLocked) {
    Laid s;
    s.scene.params.ext.templateRecord = TemplateRecord{{-3550, -400}, 7100, 0.0, 0, "scan.bmp"};
    s.laid.templatePlace = TemplatePlacement{{-3550, -400}, {7100, 5325}, 0.0, 0};

    DragState drag;
    s.scene.params.ext.templateRecord->lock = TemplateLock::Locked;
    EXPECT_EQ(BeginDrag(drag, s.scene, s.laid, {-3000, 0}), std::nullopt);
    EXPECT_FALSE(drag.any());
    s.scene.params.ext.templateRecord->lock = TemplateLock::Free;
    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {-3000, 0}), E::TemplateBody);
    DragMove move = ContinueDrag(drag, {-2000, 500});
    EXPECT_TRUE(move.templateMoved);
    EXPECT_FALSE(move.templateWidened);
    EXPECT_EQ(drag.templateAnchor, (Point{-2550, 100}));
    ApplyDrag(drag, s.scene);
    EXPECT_EQ(s.scene.params.ext.templateRecord->corner, (Place{-2550, 100}));
    EndDrag(drag);
    s.laid.templatePlace->corner = {-2550, 100};

    // The edge of the moved template: 95 % to 105 % of the drawn width from X = -2550.
    ASSERT_EQ(BeginDrag(drag, s.scene, s.laid, {4800, 1000}), E::TemplateEdge);
    EXPECT_EQ(drag.dx, 7100 - 4800);
    move = ContinueDrag(drag, {5800, 0});
    EXPECT_TRUE(move.templateWidened);
    EXPECT_TRUE(move.sizingCursor);
    EXPECT_EQ(drag.templateWidth, 8100);
    ApplyDrag(drag, s.scene);
    EXPECT_EQ(s.scene.params.ext.templateRecord->width, 8100);
    EXPECT_EQ(s.scene.params.ext.templateRecord->corner, (Place{-2550, 100}));
}

TEST(PanelText, DescriptionJoinsNameSizeRangeAndUnit) {
    EXPECT_EQ(ComposeDescription(kDefaultParameters), "M4200, 69x60, 15V");
    ScaleParameters p = kDefaultParameters;
    p.name = "A1";
    p.unit = "mA";
    p.range = 1.5;
    p.plateHeight = 5525;
    EXPECT_EQ(ComposeDescription(p), "A1, 69x55.25, 1.5mA");
    p.range = 0.256;  // two decimals here
    EXPECT_EQ(ComposeDescription(p), "A1, 69x55.25, 0.26mA");
    // A radial plate is described by its real height, not by its disabled height field's.
    p.shape = 1;
    p.outerRadius = 5700;
    p.mountingAboveAxis = 250;
    p.mountingAboveBottom = 1000;
    EXPECT_EQ(ComposeDescription(p), "A1, 69x64.5, 0.26mA");
}

TEST(PanelText, NumbersUseAPointWhateverTheLocale) {
    const test::CommaLocale comma(LC_NUMERIC);
    if (comma.name().empty()) GTEST_SKIP() << test::CommaLocale::kMissing;
    EXPECT_EQ(LengthText(450), "4.5");
    EXPECT_EQ(LengthText(20), "0.2");
    EXPECT_EQ(LengthText(-50), "-0.5");
    EXPECT_EQ(LengthText(6900), "69");
    EXPECT_EQ(TemplateFieldText(6900), "69.00");
    EXPECT_EQ(TemplateFieldText(-3550), "-35.50");
    EXPECT_EQ(CursorReadoutText(0, 0), "X = 0.0; Y = 0.0");
    EXPECT_EQ(CursorReadoutText(1234, -500), "X = 12.3; Y = -5.0");
    EXPECT_EQ(ZoomReadoutText(600), "Масштаб 600%");
    EXPECT_EQ(ZoomReadoutText(1000), "Масштаб 1000%");
}

}  // namespace
}  // namespace quirn
