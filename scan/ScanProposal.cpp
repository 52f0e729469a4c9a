// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/ScanProposal.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace quirn {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;

std::int32_t Units(double mm) {
    return std::int32_t(std::lround(mm * 100.0));
}

// The big ticks' values, evenly from the first to the last, and where on the arc (0 at the left
// end, 1 at the right) each was found, the plate stood level.
struct BigTick {
    double value = 0.0;
    double fraction = 0.0;
};

std::vector<BigTick> BigTicks(const ScaleDetection& found, ScanEnds ends) {
    std::vector<double> angles;
    for (const FoundTick& t : found.ticks)
        if (t.size == TickSize::Big) angles.push_back(t.angle - found.turn);
    std::vector<BigTick> big;
    const double steps = std::max<double>(double(angles.size()) - 1.0, 1.0);
    for (std::size_t k = 0; k < angles.size(); ++k) {
        const double value = ends.first + (ends.last - ends.first) * double(k) / steps;
        big.push_back({value, (found.halfAngle + 90.0 - angles[k]) / (2.0 * found.halfAngle)});
    }
    return big;
}

// The worst distance along the arc between where the big ticks were found and where a law
// would put them.
template <class Law>
double Miss(const std::vector<BigTick>& big, const ScaleDetection& found, Law law) {
    double worst = 0.0;
    for (const BigTick& b : big) {
        const double turn = std::abs(law(b.value) - b.fraction) * 2.0 * found.halfAngle * kRadians;
        worst = std::max(worst, turn * found.tickRadius);
    }
    return worst;
}

}  // namespace

// A pixel's centre lies half a pixel in.
TemplateRecord ScanTemplate(const ScaleDetection& found, const std::string& file) {
    TemplateRecord t;
    t.file = file;
    t.width = std::int32_t(std::lround(found.imageWidth * 2540.0 / found.dpi));
    t.angle = -found.turn;
    const double k = double(t.width) / found.imageWidth;  // as the picture is drawn
    const double x = (found.pivot.x + 0.5) * k;
    const double y = (found.imageHeight - found.pivot.y - 0.5) * k;
    const double c = std::cos(t.angle * kRadians), s = std::sin(t.angle * kRadians);
    t.corner = {std::int32_t(std::lround(-(c * x - s * y))),
                std::int32_t(std::lround(-(s * x + c * y)))};
    return t;
}

ScanProposal ProposeScale(const ScaleDetection& found, ScanEnds ends, const ScaleParameters& base,
                          const std::string& templateFile) {
    ScanProposal out;
    ScaleParameters& p = out.params;
    p = base;
    const std::vector<BigTick> big = BigTicks(found, ends);
    ProposalReport& r = out.report;
    r.ticks = int(found.ticks.size());
    r.bigTicks = int(big.size());

    p.start = ends.first;
    p.range = ends.last;
    p.halfAngle = found.halfAngle;
    p.divisions = r.ticks - 1;
    p.bigDivisions = std::max(r.bigTicks - 1, 1);
    p.numberedDivisions = p.bigDivisions;
    p.ticks.reset(), p.bigticks.reset(), p.numbers.reset();
    p.flatten = 0;
    p.tickRadius = Units(found.tickRadius);
    p.ticksInward = found.direction == TickDirection::Inward ? 1 : 0;
    p.bigTickLength = Units(found.bigTickLength);
    p.smallTickLength = Units(found.smallTickLength);
    p.bigTickWidth = Units(found.bigTickWidth);
    p.smallTickWidth = Units(found.smallTickWidth);
    p.arcShown = found.arc ? 1 : 0;
    if (found.arc) p.arcWidth = Units(found.arc->width);

    // A law is taken when every big tick lies within four times the ticks' scatter of its
    // place, and within 0.03 mm whatever the scatter: finer than anyone reads a dial.
    const double span = ends.last - ends.first;
    r.tolerance = std::max(4.0 * found.tickScatter, 0.03);
    r.linearMiss = Miss(big, found, [&](double v) { return (v - ends.first) / span; });
    r.squareMiss = Miss(big, found, [&](double v) { return (v / ends.last) * (v / ends.last); });
    if (r.linearMiss <= r.tolerance) {
        r.law = ScaleLaw::Linear;
    } else if (r.squareMiss <= r.tolerance) {
        r.law = ScaleLaw::Square;
    } else {
        r.law = ScaleLaw::Table;
        for (const BigTick& b : big) p.points.push_back({b.value, b.fraction});
        std::sort(p.points.begin(), p.points.end(),
                  [](const TablePoint& a, const TablePoint& b) { return a.value < b.value; });
    }
    p.law = r.law;
    if (r.law != ScaleLaw::Table) p.points.clear();

    if (found.plate) {
        const FoundPlate& f = *found.plate;
        p.shape = 0;
        p.plateWidth = Units(f.width());
        p.plateHeight = Units(f.height());
        p.cornerBevel = Units(f.bevel);
        // The pivot's height is the mounting holes' height above the bottom less theirs above
        // the axis, which the scan does not show: theirs is kept.
        p.mountingAboveBottom = Units(f.pivotHeight()) + p.mountingAboveAxis;
    }
    p.ext.templateRecord = ScanTemplate(found, templateFile);
    return out;
}

}  // namespace quirn
