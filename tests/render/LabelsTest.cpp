#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>

#include "RenderFixtures.h"
#include "render/Labels.h"

namespace quirn {
namespace {

using test::LaidOut;
using test::Painted;
using test::TextsOf;
using ::testing::ElementsAre;

Point AnchorOf(const RenderState& s, MovableElement e) {
    return s.layout.anchors[static_cast<std::size_t>(Index(e))];
}
Extent DrawnSizeOf(const RenderState& s, MovableElement e) {
    return s.drawnSizes[static_cast<std::size_t>(Index(e))];
}

std::vector<FontSpec> FontsFor(int Rdel) {
    ScaleParameters p = kDefaultParameters;
    p.Rdel = Rdel;
    RenderState state = LaidOut(p);
    std::vector<FontSpec> fonts;
    for (const DrawCall& c : Painted(state).callsOf(DrawOp::SetFont)) fonts.push_back(c.font);
    return fonts;
}

TEST(Labels, FontsFollowTheGraduationRadius) {
    // unit, name, origin label, standard label, then the four numerals
    EXPECT_THAT(FontsFor(4200), ElementsAre(FontSpec{1260, 315, 600, 0}, FontSpec{400, 0, 600, 0},
                                            FontSpec{300, 100, 500, 0}, FontSpec{360, 120, 500, 0},
                                            FontSpec{600, 0, 500, 0}, FontSpec{600, 0, 500, -141},
                                            FontSpec{600, 0, 500, 141}, FontSpec{600, 0, 500, 0}));
    // Below Rdel 2100 the size factor stays at 0.5, and the texts keep their minimum sizes.
    EXPECT_THAT(FontsFor(1000), ElementsAre(FontSpec{500, 125, 600, 0}, FontSpec{300, 0, 600, 0},
                                            FontSpec{150, 50, 500, 0}, FontSpec{180, 60, 500, 0},
                                            FontSpec{142, 0, 500, 0}, FontSpec{142, 0, 500, -141},
                                            FontSpec{142, 0, 500, 141}, FontSpec{142, 0, 500, 0}));
    const std::vector<FontSpec> large = FontsFor(8400);
    ASSERT_EQ(large.size(), 8u);
    EXPECT_EQ(large[0], (FontSpec{2520, 630, 600, 0}));
    EXPECT_EQ(large[1].cellHeight, 800);
    EXPECT_EQ(large[4].cellHeight, 1200);

    ScaleParameters inside = kDefaultParameters;
    inside.out_R = 1;
    EXPECT_EQ(NumeralFont(inside).weight, 300);
}

TEST(Labels, NumeralTexts) {
    const auto texts = [](double range, int Nm) {
        ScaleParameters p = kDefaultParameters;
        p.range = range;
        p.Nm = Nm;
        std::vector<std::string> out;
        for (int i = 0; i <= Nm; ++i) out.push_back(NumeralText(p, i));
        return out;
    };
    EXPECT_THAT(texts(15, 3), ElementsAre("0", "5", "10", "15"));
    EXPECT_THAT(texts(2.5, 4), ElementsAre("0", "0.625", "1.25", "1.875", "2.5"));
    EXPECT_THAT(texts(1, 3), ElementsAre("0", "0.333", "0.667", "1"));
    EXPECT_THAT(texts(100, 10),
                ElementsAre("0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"));
}

TEST(Labels, NumeralPlacement) {
    RenderState state = LaidOut();
    RecordingSurface s = Painted(state);
    std::vector<DrawCall> texts = s.callsOf(DrawOp::TextOut);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_THAT(TextsOf(texts), ElementsAre("V", "M4200", std::string(kOriginLabelText),
                                            std::string(kStandardLabelText), "0", "5", "10", "15"));
    // The end numerals hang centred below the base of the big tick: base corners
    // (-2826, 3106) and (-2848, 3086); one character is 600 x 904 / 2288 = 237 wide.
    EXPECT_EQ(texts[4].points[0], (Point{-2837 - 118, 3076}));
    EXPECT_EQ(texts[7].points[0], (Point{2837 - 237, 3076}));  // two characters
    // A middle numeral stands on the tip of its big tick, its cell turned with it.
    EXPECT_EQ(texts[5].points[0], (Point{-1398, 5074}));

    state.params.out_R = 1;
    s = Painted(state);
    texts = s.callsOf(DrawOp::TextOut);
    ASSERT_EQ(texts.size(), 8u);
    // Inside: the middle of the cell's top edge is (-914, 3621), on the ray at radius 3735.
    EXPECT_EQ(texts[5].points[0], (Point{-914 - 114, 3621 - 29}));
}

TEST(Labels, TextsHangFromTheirAnchors) {
    RenderState state = LaidOut();
    const RecordingSurface s = Painted(state);
    const std::vector<DrawCall> texts = s.callsOf(DrawOp::TextOut);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0].points[0], (Point{-157, 3570}));        // unit: centred, 315 wide
    EXPECT_EQ(texts[1].points[0], (Point{-3240, 1386}));       // name: top-left corner
    EXPECT_EQ(texts[3].points[0], (Point{3240 - 1560, 840}));  // standard: top-right corner
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::UnitLabel), (Extent{315, 1260}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::NameLabel), (Extent{5 * 158, 400}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::StandardLabel), (Extent{1560, 360}));
}

TEST(Labels, DefaultAnchors) {
    RenderState state = LaidOut();
    EXPECT_EQ(state.layout.halfPlateWidth, 3450);
    EXPECT_EQ(state.layout.bottomMargin, 1000);
    EXPECT_TRUE(state.layout.originLabelLiftPending);
    EXPECT_THAT(state.layout.anchors,
                ElementsAre(Point{-3114, 504}, Point{-3114, 1680}, Point{3240, 1680},
                            Point{-3240, 1386}, Point{0, 3570}, Point{0, 1034}, Point{3240, 840}));
    ScaleParameters p = kDefaultParameters;
    p.out_R = 1;
    p.Lshk = 6901;  // the same half width
    state = LaidOut(p);
    EXPECT_THAT(state.layout.anchors,
                ElementsAre(Point{-3114, 420}, Point{-3114, 1470}, Point{3240, 1470},
                            Point{-3240, 1386}, Point{0, 2856}, Point{0, 1034}, Point{3240, 840}));
}

TEST(Labels, OriginLabelIsLiftedOnceAfterAReset) {
    RenderState state = LaidOut();
    Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
    EXPECT_FALSE(state.layout.originLabelLiftPending);
    const RecordingSurface s = Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
    EXPECT_EQ(s.callsOf(DrawOp::TextOut)[2].points[0], (Point{-700, 1334}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::OriginLabel), (Extent{1400, 300}));

    ResetLayout(state);
    Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
}

TEST(Labels, OriginLabelWrapsNearTheRightEdge) {
    RenderState state = LaidOut();
    Painted(state);
    Point& anchor = state.layout.anchors[Index(MovableElement::OriginLabel)];
    // The limit is 3450 - 4200 / 30 = 3310 for the line's right end, 700 right of the anchor.
    anchor = {2610, 2000};
    RecordingSurface s = Painted(state);
    EXPECT_TRUE(s.callsOf(DrawOp::DrawWrapped).empty());

    anchor = {2611, 2000};
    s = Painted(state);
    const std::vector<DrawCall> wrapped = s.callsOf(DrawOp::DrawWrapped);
    ASSERT_EQ(wrapped.size(), 1u);
    // One word a line in a block whose left edge is a quarter of the height left of the anchor.
    EXPECT_EQ(wrapped[0].box, (Box{2611 - 75, 2000, 2611 - 75 + 700, 2000 - 900}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::OriginLabel), (Extent{700, 900}));
    EXPECT_EQ(s.callsOf(DrawOp::TextOut).size(), 7u);

    // Far to the left it stays one line; back in place it is one line again.
    anchor = {-100000, 2000};
    EXPECT_TRUE(Painted(state).callsOf(DrawOp::DrawWrapped).empty());
    anchor = {0, 2000};
    EXPECT_TRUE(Painted(state).callsOf(DrawOp::DrawWrapped).empty());
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::OriginLabel), (Extent{1400, 300}));
}

TEST(Labels, SymbolImagesScaleWithTheRadius) {
    RenderState state = LaidOut();
    state.symbols.data = QImage(600, 400, QImage::Format_Mono);
    state.symbols.others = QImage(500, 300, QImage::Format_Mono);
    // romb left null: nothing drawn, size zero
    state.drawnSizes[Index(MovableElement::RombSymbol)] = {9, 9};
    RecordingSurface s = Painted(state);
    std::vector<DrawCall> images = s.callsOf(DrawOp::DrawImage);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].box, (Box{-3114, 504 + 400, -3114 + 600, 504}));
    EXPECT_EQ(images[1].box, (Box{3240 - 500, 1680 + 300, 3240, 1680}));  // lower-right anchor
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::DataSymbol), (Extent{600, 400}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::RombSymbol), (Extent{0, 0}));

    for (const auto& [Rdel, width] : {std::pair{1000, 300}, std::pair{8400, 1200}}) {
        state.params.Rdel = Rdel;
        Painted(state);
        EXPECT_EQ(DrawnSizeOf(state, MovableElement::DataSymbol).width, width) << Rdel;
    }
}

}  // namespace
}  // namespace quirn
