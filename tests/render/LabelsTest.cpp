// SPDX-License-Identifier: GPL-3.0-or-later
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "RenderFixtures.h"
#include "model/ExtensionText.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "render/Collisions.h"
#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/PainterSurface.h"
#include "render/Scales.h"
#include "render/SymbolImages.h"
#include "support/OneTextSurface.h"

namespace quirn {
namespace {

using test::LaidOut;
using test::Painted;
using test::TextsOf;
using ::testing::ElementsAre;

// As laid out by the last painting.
Point AnchorOf(const test::LaidOutScene& s, MovableElement e) {
    return s.laid.layout.anchors[static_cast<std::size_t>(Index(e))];
}
Extent DrawnSizeOf(const test::LaidOutScene& s, MovableElement e) {
    return s.laid.sizes[static_cast<std::size_t>(Index(e))];
}

std::vector<FontChoice> FontsFor(int tickRadius) {
    ScaleParameters p = kDefaultParameters;
    p.tickRadius = tickRadius;
    test::LaidOutScene state = LaidOut(p);
    std::vector<FontChoice> fonts;
    for (const DrawCall& c : Painted(state).callsOf(DrawOp::SetFont)) fonts.push_back(c.font);
    return fonts;
}

TEST(Labels, FontsFollowTheGraduationRadius) {
    // unit, name, origin label, standard label, then the four numerals
    EXPECT_THAT(FontsFor(4200),
                ElementsAre(FontChoice{1260, 315, 600, 0}, FontChoice{400, 0, 600, 0},
                            FontChoice{300, 100, 500, 0}, FontChoice{360, 120, 500, 0},
                            FontChoice{600, 0, 500, 0}, FontChoice{600, 0, 500, 141},
                            FontChoice{600, 0, 500, -141}, FontChoice{600, 0, 500, 0}));
    // Below tickRadius 2100 the size factor stays at 0.5, and the texts keep their minimum sizes.
    EXPECT_THAT(FontsFor(1000),
                ElementsAre(FontChoice{500, 125, 600, 0}, FontChoice{300, 0, 600, 0},
                            FontChoice{150, 50, 500, 0}, FontChoice{180, 60, 500, 0},
                            FontChoice{142, 0, 500, 0}, FontChoice{142, 0, 500, 141},
                            FontChoice{142, 0, 500, -141}, FontChoice{142, 0, 500, 0}));
    const std::vector<FontChoice> large = FontsFor(8400);
    ASSERT_EQ(large.size(), 8u);
    EXPECT_EQ(large[0], (FontChoice{2520, 630, 600, 0}));
    EXPECT_EQ(large[1].cellHeight, 800);
    EXPECT_EQ(large[4].cellHeight, 1200);

    ScaleParameters inside = kDefaultParameters;
    inside.ticksInward = 1;
    EXPECT_EQ(NumeralFont(inside).weight, 300);
}

TEST(Labels, NumeralTexts) {
    const auto texts = [](double range, int numberedDivisions) {
        ScaleParameters p = kDefaultParameters;
        p.range = range;
        p.numberedDivisions = numberedDivisions;
        std::vector<std::string> out;
        for (int i = 0; i <= numberedDivisions; ++i) out.push_back(NumeralText(p, i));
        return out;
    };
    EXPECT_THAT(texts(15, 3), ElementsAre("0", "5", "10", "15"));
    EXPECT_THAT(texts(2.5, 4), ElementsAre("0", "0.625", "1.25", "1.875", "2.5"));
    EXPECT_THAT(texts(1, 3), ElementsAre("0", "0.333", "0.667", "1"));
    EXPECT_THAT(texts(100, 10),
                ElementsAre("0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"));
}

TEST(Labels, NumeralPlacement) {
    test::LaidOutScene state = LaidOut();
    RecordingSurface s = Painted(state);
    std::vector<DrawCall> texts = s.callsOf(DrawOp::TextOut);
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_THAT(TextsOf(texts),
                ElementsAre("V", "M4200", "СДЕЛАНО В СССР", "ГОСТ  8711-60", "0", "5", "10", "15"));
    // The end numerals hang centred below the base of the big tick: base corners
    // (-2826, 3106) and (-2848, 3086); one character is 600 x 904 / 2288 = 237 wide.
    EXPECT_EQ(texts[4].points[0], (Point{-2837 - 118, 3076}));
    EXPECT_EQ(texts[7].points[0], (Point{2837 - 237, 3076}));  // two characters
    // A middle numeral stands on the tip of its big tick, its cell turned with it.
    EXPECT_EQ(texts[5].points[0], (Point{-1398, 5074}));

    state.params.ticksInward = 1;
    s = Painted(state);
    texts = s.callsOf(DrawOp::TextOut);
    ASSERT_EQ(texts.size(), 8u);
    // Inside: the middle of the cell's top edge is (-914, 3621), on the ray at radius 3735.
    EXPECT_EQ(texts[5].points[0], (Point{-914 - 114, 3621 - 29}));
}

TEST(Labels, Utf8TextRegressionTextsBeyondWindows1251AreDrawnWhole) {
    ScaleParameters p = kDefaultParameters;
    const char* const unit = "k\u03A9";                  // kΩ
    const char* const origin = "\u2248 1 \u00B5\u03A9";  // ≈ 1 µΩ
    StoreTypedText(unit, p.unit, p.unitUtf8);
    StoreTypedText(origin, p.ext.origin, p.ext.originUtf8);
    test::LaidOutScene state = LaidOut(ReadScaleParameters(WriteParameterText(p)));
    const std::vector<std::string> drawn = TextsOf(Painted(state).callsOf(DrawOp::TextOut));
    EXPECT_THAT(drawn, testing::Contains(unit));
    EXPECT_THAT(drawn, testing::Contains(origin));
    p.unit = "mA";
    test::LaidOutScene plain = LaidOut(p);
    Painted(plain);
    EXPECT_EQ(state.laid.sizes[Index(MovableElement::UnitLabel)],
              plain.laid.sizes[Index(MovableElement::UnitLabel)])
        << "as wide as any two characters";
}

TEST(Labels, TextsHangFromTheirAnchors) {
    test::LaidOutScene state = LaidOut();
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
    test::LaidOutScene state = LaidOut();
    EXPECT_EQ(state.layout.halfPlateWidth, 3450);
    EXPECT_EQ(state.layout.bottomMargin, 1000);
    EXPECT_EQ(state.layout.originLabelAnchor, OriginLabelAnchor::Bottom);
    EXPECT_THAT(state.layout.anchors,
                ElementsAre(Point{-3114, 504}, Point{-3114, 1680}, Point{3240, 1680},
                            Point{-3240, 1386}, Point{0, 3570}, Point{0, 1034}, Point{3240, 840}));
    ScaleParameters p = kDefaultParameters;
    p.ticksInward = 1;
    p.plateWidth = 6901;  // the same half width
    state = LaidOut(p);
    EXPECT_THAT(state.layout.anchors,
                ElementsAre(Point{-3114, 420}, Point{-3114, 1470}, Point{3240, 1470},
                            Point{-3240, 1386}, Point{0, 2856}, Point{0, 1034}, Point{3240, 840}));
}

TEST(Labels, OriginLabelIsLiftedOnceAfterAReset) {
    test::LaidOutScene state = LaidOut();
    Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
    EXPECT_EQ(state.laid.layout.originLabelAnchor, OriginLabelAnchor::Top);
    // Laying out leaves the scene as it was: painting again lifts from the same default.
    EXPECT_EQ(state.layout.originLabelAnchor, OriginLabelAnchor::Bottom);
    const RecordingSurface s = Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
    EXPECT_EQ(s.callsOf(DrawOp::TextOut)[2].points[0], (Point{-700, 1334}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::OriginLabel), (Extent{1400, 300}));

    state.layout = DefaultLayout(state.params);
    Painted(state);
    EXPECT_EQ(AnchorOf(state, MovableElement::OriginLabel), (Point{0, 1334}));
}

TEST(Labels, OriginLabelWrapsNearTheRightEdge) {
    test::LaidOutScene state = LaidOut();
    state.layout.originLabelAnchor = OriginLabelAnchor::Top;  // as the user places it
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
    test::LaidOutScene state = LaidOut();
    state.symbols.data = QImage(600, 400, QImage::Format_Mono);
    state.symbols.others = QImage(500, 300, QImage::Format_Mono);
    // the diamond left null: nothing drawn, size zero
    state.laid.sizes[Index(MovableElement::DiamondSymbol)] = {9, 9};
    RecordingSurface s = Painted(state);
    std::vector<DrawCall> images = s.callsOf(DrawOp::DrawImage);
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].box, (Box{-3114, 504 + 400, -3114 + 600, 504}));
    EXPECT_EQ(images[1].box, (Box{3240 - 500, 1680 + 300, 3240, 1680}));  // lower-right anchor
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::DataSymbol), (Extent{600, 400}));
    EXPECT_EQ(DrawnSizeOf(state, MovableElement::DiamondSymbol), (Extent{0, 0}));

    for (const auto& [tickRadius, width] : {std::pair{1000, 300}, std::pair{8400, 1200}}) {
        state.params.tickRadius = tickRadius;
        Painted(state);
        EXPECT_EQ(DrawnSizeOf(state, MovableElement::DataSymbol).width, width) << tickRadius;
    }
}

// Where a drawn numeral's ink lies and which way it runs, in drawing units and degrees.
struct Ink {
    double x = 0.0, y = 0.0;  // centroid
    double axis = 0.0;        // direction of the longest extent, within [-90, 90)
    std::vector<QPointF> points;

    // The middle of the ink's extent along the direction (ux, uy), measured from the axis.
    double middleAlong(double ux, double uy) const {
        double low = 1e300, high = -1e300;
        for (const QPointF& q : points) {
            low = std::min(low, q.x() * ux + q.y() * uy);
            high = std::max(high, q.x() * ux + q.y() * uy);
        }
        return (low + high) / 2;
    }
};

// A canvas that shows only the one numeral asked for, drawn as the renderer places it.
// Draws the numerals of p on a real 300-dpi canvas, keeps one and measures its ink.
Ink InkOf(const ScaleParameters& p, const std::string& numeral) {
    constexpr double kScale = 300.0 / 2540.0;  // device pixels per drawing unit
    QImage image(1800, 1800, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    const QPointF axis(900.0, 900.0);
    {
        QPainter painter(&image);
        test::OneTextSurface surface(painter, {axis, 300, 2540}, numeral);
        DrawScale(surface, ResolveScales(p).front());
    }
    Ink ink;
    double n = 0, sx = 0, sy = 0, sxx = 0, syy = 0, sxy = 0;
    for (int row = 0; row < image.height(); ++row) {
        const uchar* line = image.constScanLine(row);
        for (int col = 0; col < image.width(); ++col) {
            if (line[col] >= 128) continue;
            const double x = (col + 0.5 - axis.x()) / kScale;
            const double y = (axis.y() - row - 0.5) / kScale;
            ink.points.emplace_back(x, y);
            n += 1;
            sx += x, sy += y, sxx += x * x, syy += y * y, sxy += x * y;
        }
    }
    if (n == 0) return ink;
    ink.x = sx / n;
    ink.y = sy / n;
    const double cxx = sxx / n - ink.x * ink.x;
    const double cyy = syy / n - ink.y * ink.y;
    const double cxy = sxy / n - ink.x * ink.y;
    ink.axis = 0.5 * std::atan2(2 * cxy, cxx - cyy) * 180.0 / kPi;
    return ink;
}

// Every middle numeral once ran the wrong way: "5" left of the vertical leaned right, turned
// about its corner 1.5 mm off its tick's ray, and at a half-angle of 120 degrees its top faced
// the pointer axis. Looked at as drawn: the numeral's ink runs along the clockwise tangent of
// its ray, is centred on the ray and lies on the plate's side of the ticks its place names.
TEST(LabelsRegression, NumeralsRunAlongTheScaleCentredOnTheirRaysTopsOutward) {
    struct Case {
        double halfAngle;
        int numberedDivisions;
        int ticksInward;
    };
    for (const Case c : {Case{42.5, 3, 0}, Case{42.5, 3, 1}, Case{120, 4, 0}, Case{120, 4, 1}}) {
        ScaleParameters p = kDefaultParameters;
        p.halfAngle = c.halfAngle;
        p.numberedDivisions = c.numberedDivisions;
        p.range = 5000.0 * c.numberedDivisions;  // several digits, so the ink shows its direction
        p.ticksInward = c.ticksInward;
        for (int i = 1; i <= c.numberedDivisions; ++i) {
            const std::string numeral = NumeralText(p, i);
            const Ink ink = InkOf(p, numeral);
            const std::string where = "alfa " + std::to_string(c.halfAngle) + " out_R " +
                                      std::to_string(c.ticksInward) + " numeral " + numeral;
            ASSERT_GT(ink.points.size(), 100u) << where;
            if (i == c.numberedDivisions) {  // the end numeral stands upright
                EXPECT_NEAR(ink.axis, 0.0, 2.0) << where;
                continue;
            }
            const double theta =
                (c.halfAngle + 90.0 - 2.0 * c.halfAngle * i / c.numberedDivisions) * kPi / 180.0;
            const double cosT = std::cos(theta), sinT = std::sin(theta);
            // The baseline along (s, -c): a turn of theta - 90 degrees, left of the vertical
            // leaning left.
            double off = ink.axis - (theta * 180.0 / kPi - 90.0);
            off -= 180.0 * std::round(off / 180.0);
            EXPECT_NEAR(off, 0.0, 2.0) << where;
            // Centred on the ray, within 0.3 mm.
            EXPECT_NEAR(ink.middleAlong(sinT, -cosT), 0.0, 30.0) << where;
            // Outside it stands beyond the big ticks' tips, inside it hangs within them: the
            // tops face away from the pointer axis either way.
            const double radius = ink.x * cosT + ink.y * sinT;
            if (c.ticksInward == 0) {
                EXPECT_GT(radius, p.tickRadius + p.bigTickLength + 10) << where;
                EXPECT_LT(radius, p.tickRadius + p.bigTickLength + 10 + 600) << where;
            } else {
                EXPECT_LT(radius, p.tickRadius - p.bigTickLength - 15) << where;
                EXPECT_GT(radius, p.tickRadius - p.bigTickLength - 15 - 600) << where;
            }
        }
    }
}

// A calibrated table ends a hair short of the arc (30000:0.9991): its end numeral was turned as a
// middle one and ran across the bevel. The end numerals are those of the scale's end values,
// numbered by equal steps or listed, and stand upright wherever the table puts them.
TEST(LabelsRegression, EndNumeralOfACalibratedTableStandsUprightShortOfTheArcsEnd) {
    for (const bool listed : {false, true}) {
        ScaleParameters p = kDefaultParameters;
        p.law = ScaleLaw::Table;
        p.start = 10000;
        p.range = 30000;
        p.numberedDivisions = 2;
        p.points = {{10000, 0.0008}, {20000, 0.5}, {30000, 0.9991}};
        if (listed) p.numbers = std::vector<Mark>{{10000, ""}, {20000, ""}, {30000, ""}};
        for (const char* numeral : {"10000", "30000"}) {
            const Ink ink = InkOf(p, numeral);
            ASSERT_GT(ink.points.size(), 100u) << numeral << " listed " << listed;
            EXPECT_NEAR(ink.axis, 0.0, 2.0) << numeral << " listed " << listed;
        }
    }
}

test::LaidOutScene LaidOutSample(const std::string& path,
                                 const std::function<void(ScaleParameters&)>& change = {}) {
    const Result<std::string> file = ReadFileHead(path, kParameterReadLimit);
    EXPECT_EQ(file.outcome.fault, Fault::None) << path;
    test::LaidOutScene state;
    state.params = ReadScaleParameters(file.value);
    state.symbols = LoadSymbolImages();
    if (change) change(state.params);
    state.layout = DefaultLayout(state.params);
    state.laid = LayOutScale(state, PaintMode::Screen);
    return state;
}

// A colliding element by its file key, a scale's text by itself.
std::string NameOf(const Collision& hit) {
    return hit.item.kind == PlateItemKind::Element
               ? std::string(kPlaceKeys[Index(hit.item.element)])
               : hit.item.text;
}

// A user who opens any shipped sample sees no red frame: nothing on it collides.
TEST(FindCollisions, NothingCollidesOnAnyShippedSample) {
    int samples = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUIRN_TEST_SAMPLES)) {
        if (entry.path().extension() != ".qrn") continue;
        ++samples;
        std::vector<std::string> names;
        const test::LaidOutScene state = LaidOutSample(entry.path().string());
        for (const Collision& hit : FindCollisions(state, state.laid)) names.push_back(NameOf(hit));
        EXPECT_THAT(names, ::testing::IsEmpty()) << entry.path().filename();
    }
    EXPECT_GE(samples, 9) << "the nine samples shipped today";
}

// What collided on the shipped samples as they were: M24's "100" past the plate's right edge,
// E8021's standard label over a mounting hole's mark, the ohmmeter's "500" and "200" run
// together, C42300's data symbol under its name, the multimeter's "V" in the pointer's cut-out
// and, with its AC scale apart from the DC scale's arc, both scales' "10"s, "V~" on "кОм" and on
// the class symbol.
TEST(FindCollisions, NamesWhatRunsIntoAnotherOrOffThePlate) {
    struct Case {
        const char* sample;
        std::function<void(ScaleParameters&)> asShipped;  // undoes the mend
        std::vector<std::string> colliding;
        bool crossesEdge;
    };
    const std::vector<Case> cases{
        {"M24-100uA-radial.qrn", [](ScaleParameters& p) { p.tickRadius = 5000; }, {"100"}, true},
        {"E8021-250V-inside.qrn",
         [](ScaleParameters& p) { p.ext.places[Index(MovableElement::StandardLabel)].reset(); },
         {"place.standard"},
         false},
        {"Ohmmeter-50.qrn",
         [](ScaleParameters& p) { p.numbers = ParseMarkList("0 10 20 30 50 100 200 500"); },
         {"200", "500"},
         false},
        {"C42300-2.5A-small.qrn",
         [](ScaleParameters& p) { p.ext.places[Index(MovableElement::DataSymbol)].reset(); },
         {"place.data", "place.name"},
         false},
        {"Multimeter-3-scales.qrn",
         [](ScaleParameters& p) {
             p.ext.places[Index(MovableElement::UnitLabel)] = {0, 2300};
         },
         {"place.unit"},
         true},
        {"Multimeter-3-scales.qrn",
         [](ScaleParameters& p) {
             p.ext.further.at(0).set(&ScaleSetup::tickRadius, 5500);
             p.ext.further.at(0).unset(&ScaleSetup::numbers);
         },
         {"place.others", "10", "10", "V~", "кОм"},
         false},
    };
    for (const Case& c : cases) {
        const test::LaidOutScene state =
            LaidOutSample(std::string(QUIRN_TEST_SAMPLES "/") + c.sample, c.asShipped);
        std::vector<std::string> names;
        for (const Collision& hit : FindCollisions(state, state.laid)) {
            names.push_back(NameOf(hit));
            EXPECT_EQ(hit.crossesEdge, c.crossesEdge) << c.sample << " " << NameOf(hit);
            EXPECT_EQ(hit.overlapsAnother, !c.crossesEdge) << c.sample << " " << NameOf(hit);
        }
        EXPECT_EQ(names, c.colliding) << c.sample;
    }
}

}  // namespace
}  // namespace quirn
