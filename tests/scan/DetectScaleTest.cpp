// SPDX-License-Identifier: GPL-3.0-or-later
// Plates drawn at several resolutions, turns, laws and noise, found and proposed as a document:
// what the proposal would draw must lie on the drawn plate.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <numbers>

#include "model/LawTable.h"
#include "model/ScaleLaw.h"
#include "scan/DetectScale.h"
#include "scan/DrawnScan.h"
#include "scan/ScanProposal.h"

namespace quirn {
namespace {

using test::DrawnLaw;
using test::DrawnPlate;

constexpr double kRadians = std::numbers::pi / 180.0;

struct Row {
    const char* name;
    double dpi;
    double turn;
    DrawnLaw law;
    double noise;
    bool arc;
    bool inward;
    int divisions;  // fewer where a law crowds the first ticks together
    int bigDivisions;
    ScaleLaw proposed;
};

DrawnPlate PlateOf(const Row& row) {
    DrawnPlate p;
    p.dpi = row.dpi;
    p.turn = row.turn;
    p.law = row.law;
    p.noise = row.noise;
    p.arc = row.arc;
    p.inward = row.inward;
    p.divisions = row.divisions;
    p.bigDivisions = row.bigDivisions;
    return p;
}

// Where the proposal would draw the value: its angle as the plate stands level.
double ProposedAngle(const ScaleParameters& p, double value) {
    LawCurve curve{p.start, p.range, p.points, std::vector<double>(p.points.size(), 0.0)};
    const double f = LawOf(p.law).fraction(curve, value).value_or(NAN);
    return 90.0 + p.halfAngle - 2.0 * p.halfAngle * f;
}

// Where the template line puts a pixel's centre, in millimetres about the pointer axis.
std::pair<double, double> OnTemplate(const TemplateRecord& t, const test::DrawnScan& scan, double x,
                                     double y) {
    const double k = double(t.width) / scan.width;
    const double lx = (x + 0.5) * k, ly = (scan.height - y - 0.5) * k;
    const double c = std::cos(t.angle * kRadians), s = std::sin(t.angle * kRadians);
    return {(t.corner.x + c * lx - s * ly) / 100.0, (t.corner.y + s * lx + c * ly) / 100.0};
}

TEST(DetectScale, FindsDrawnPlatesAndProposesThem) {
    const Row rows[] = {
        {"200 dpi, level, linear", 200, 0.0, DrawnLaw::Linear, 3.0, false, false, 40, 8,
         ScaleLaw::Linear},
        {"300 dpi, arc, square", 300, 3.0, DrawnLaw::Square, 5.0, true, false, 10, 5,
         ScaleLaw::Square},
        {"400 dpi, arc, inward, curved", 400, -5.0, DrawnLaw::Curved, 5.0, true, true, 20, 4,
         ScaleLaw::Table},
        {"600 dpi, inward, linear", 600, 2.0, DrawnLaw::Linear, 6.0, false, true, 40, 8,
         ScaleLaw::Linear},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DrawnPlate plate = PlateOf(row);
        const test::DrawnScan scan = test::DrawScan(plate);
        const Result<ScaleDetection> found = DetectScale(scan.Image());
        ASSERT_TRUE(found.ok()) << int(found.outcome.fault);
        const ScaleDetection& d = found.value;
        const double mm = d.MillimetresPerPixel();

        const double pivotMiss = std::hypot(d.pivot.x - scan.pivotX, d.pivot.y - scan.pivotY) * mm;
        EXPECT_LT(pivotMiss, 0.1);
        EXPECT_EQ(int(d.ticks.size()), plate.divisions + 1);
        EXPECT_EQ(d.BigTickCount(), plate.bigDivisions + 1);
        EXPECT_NEAR(d.halfAngle, plate.halfAngle, 0.1);
        EXPECT_NEAR(d.turn, plate.turn, 0.1);
        EXPECT_EQ(d.direction, plate.inward ? TickDirection::Inward : TickDirection::Outward);
        EXPECT_NEAR(d.tickRadius, plate.radius, 0.15);
        EXPECT_NEAR(d.bigTickLength, plate.bigLength, 0.2);
        EXPECT_NEAR(d.smallTickLength, plate.smallLength, 0.2);
        EXPECT_NEAR(d.bigTickWidth, plate.bigWidth, 0.08);
        EXPECT_NEAR(d.smallTickWidth, plate.smallWidth, 0.08);
        ASSERT_EQ(d.arc.has_value(), plate.arc);
        if (d.arc) {
            EXPECT_NEAR(d.arc->width, plate.arcWidth, 0.08);
        }
        ASSERT_TRUE(d.plate.has_value());
        EXPECT_NEAR(d.plate->width(), plate.width, 0.5);
        EXPECT_NEAR(d.plate->height(), plate.height, 0.5);
        EXPECT_NEAR(d.plate->pivotHeight(), plate.pivotHeight, 0.5);
        EXPECT_NEAR(d.plate->bevel, plate.bevel, 0.5);

        const ScanProposal proposal =
            ProposeScale(d, {0.0, plate.last}, kDefaultParameters, "scan.jpg");
        const ScaleParameters& p = proposal.params;
        EXPECT_EQ(p.law, row.proposed);
        EXPECT_EQ(p.divisions, plate.divisions);
        EXPECT_EQ(p.bigDivisions, plate.bigDivisions);
        EXPECT_EQ(p.ticksInward != 0, plate.inward);
        EXPECT_EQ(p.arcShown != 0, plate.arc);
        double worstTick = 0.0;
        for (int k = 0; k <= plate.bigDivisions; ++k) {
            const double value = plate.last * k / plate.bigDivisions;
            const double truth = plate.TickAngle(k * plate.divisions / plate.bigDivisions);
            const double miss = std::abs(ProposedAngle(p, value) - truth) * kRadians * plate.radius;
            worstTick = std::max(worstTick, miss);
        }
        EXPECT_LT(worstTick, 0.06);
        // The template puts the drawn pivot on the axis and stands the plate level.
        const TemplateRecord& t = *p.ext.templateRecord;
        const auto [ax, ay] = OnTemplate(t, scan, scan.pivotX, scan.pivotY);
        EXPECT_LT(std::hypot(ax, ay), 0.1);
        EXPECT_NEAR(t.angle, -plate.turn, 0.1);
        EXPECT_NEAR(p.plateWidth / 100.0, plate.width, 0.5);
        EXPECT_NEAR((p.mountingAboveBottom - p.mountingAboveAxis) / 100.0, plate.pivotHeight, 0.5);

        std::printf(
            "%-30s big tick %.3f mm, pivot %.3f mm, half-angle %.3f deg, turn %.3f deg, Rdel %.3f, "
            "Lbig %.3f, Lsm %.3f, Hbig %.3f, Hsm %.3f, arc %.3f, width %.3f, height %.3f, "
            "pivot height %.3f, bevel %.3f mm; law %d, linear miss %.3f, square miss %.3f, "
            "tolerance %.3f mm\n",
            row.name, worstTick, pivotMiss, d.halfAngle - plate.halfAngle, d.turn - plate.turn,
            d.tickRadius - plate.radius, d.bigTickLength - plate.bigLength,
            d.smallTickLength - plate.smallLength, d.bigTickWidth - plate.bigWidth,
            d.smallTickWidth - plate.smallWidth, d.arc ? d.arc->width - plate.arcWidth : 0.0,
            d.plate->width() - plate.width, d.plate->height() - plate.height,
            d.plate->pivotHeight() - plate.pivotHeight, d.plate->bevel - plate.bevel, int(p.law),
            proposal.report.linearMiss, proposal.report.squareMiss, proposal.report.tolerance);
    }
}

TEST(DetectScale, RefusesABlankScanNamingTheTicksItFound) {
    const test::DrawnScan blank = test::BlankScan(300, 4.0);
    const Result<ScaleDetection> found = DetectScale(blank.Image());
    EXPECT_EQ(found.outcome.fault, Fault::ScanTicksNotFound);
    ASSERT_EQ(found.outcome.args.size(), 2u);
    EXPECT_EQ(found.outcome.args[1], "3");
}

}  // namespace
}  // namespace quirn
