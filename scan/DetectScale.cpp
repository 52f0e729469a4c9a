// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/DetectScale.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

#include "scan/InkSeparation.h"
#include "scan/PlateEdge.h"
#include "scan/TickFinder.h"
#include "scan/TickProfile.h"

namespace quirn {
namespace {

constexpr int kFewestTicks = 3;
constexpr double kDegrees = 180.0 / std::numbers::pi;

double Median(std::vector<double> v) {
    if (v.empty()) return 0.0;
    const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

double Spread(const std::vector<double>& v) {
    const double m = Median(v);
    std::vector<double> off;
    for (double x : v) off.push_back(std::abs(x - m));
    return Median(off);
}

// A tick measured in pixels, y down, and its angle as the plate is seen.
struct Measured {
    TickMeasure m;
    double seen = 0.0;
};

// The Gaussian spread of the scan's blur: a quarter-to-three-quarter rise is 1.349 spreads; the
// profile's smoothing over 5 samples of a quarter pixel is taken off.
double BlurSpread(const std::vector<Measured>& ticks) {
    std::vector<double> rises;
    for (const Measured& t : ticks)
        if (t.m.edge) rises.push_back(*t.m.edge);
    if (rises.empty()) return 0.0;
    const double spread = Median(rises) / 1.349;
    return std::sqrt(std::max(spread * spread - 1.25 * 1.25 / 12.0, 0.01));
}

Outcome TooFewTicks(int found) {
    return Outcome::Failed(Fault::ScanTicksNotFound,
                           {std::to_string(found), std::to_string(kFewestTicks)});
}

// Big and small apart at the widest gap between the lengths, if that gap is a clear one; all
// big otherwise.
void SortBySize(std::vector<FoundTick>& ticks) {
    std::vector<double> lengths;
    for (const FoundTick& t : ticks) lengths.push_back(t.length);
    std::sort(lengths.begin(), lengths.end());
    double gap = 0.0, split = 0.0;
    for (std::size_t i = 1; i < lengths.size(); ++i)
        if (lengths[i] - lengths[i - 1] > gap)
            gap = lengths[i] - lengths[i - 1], split = (lengths[i] + lengths[i - 1]) / 2.0;
    const bool twoSizes = gap > 0.15 * lengths.back();
    for (FoundTick& t : ticks)
        t.size = !twoSizes || t.length > split ? TickSize::Big : TickSize::Small;
}

// The room to the nearer neighbour, halfway, at the given radius: a strip along a tick reaching
// farther would take in its neighbour's ink.
double Room(const std::vector<double>& sortedAngles, double angle, double radius) {
    double least = 1e9;
    for (double a : sortedAngles)
        if (a != angle) least = std::min(least, std::abs(a - angle));
    return 0.5 * least * radius;
}

// Each tick's angle less what its neighbours' predict: the third differences, in which a law no
// steeper than a cubic leaves nothing, and independent errors of spread e leave e sqrt(20).
double TickScatter(const std::vector<FoundTick>& ticks) {
    double sum = 0.0;
    int n = 0;
    for (std::size_t i = 3; i < ticks.size(); ++i, ++n)
        sum += std::pow(ticks[i].angle - 3.0 * ticks[i - 1].angle + 3.0 * ticks[i - 2].angle -
                            ticks[i - 3].angle,
                        2);
    return n == 0 ? 0.0 : std::sqrt(sum / n / 20.0);
}

}  // namespace

Result<ScaleDetection> DetectScale(const ScanImage& image) {
    Result<ScaleDetection> result;
    if (!(image.dpi >= kLowestScanDpi && image.dpi <= kHighestScanDpi)) {
        result.outcome = Outcome::Failed(
            Fault::ScanResolutionOutOfRange,
            {std::to_string(int(std::lround(image.dpi))), std::to_string(int(kLowestScanDpi)),
             std::to_string(int(kHighestScanDpi))});
        return result;
    }
    const cv::Mat grey(image.height, image.width, CV_8U, const_cast<std::uint8_t*>(image.pixels),
                       std::size_t(image.stride));
    const double pixelsPerMm = image.dpi / 25.4;
    const InkSeparation ink = SeparateInk(grey);
    const TickStrokes strokes = FindTickStrokes(ink, pixelsPerMm);
    if (!strokes.pivot || int(strokes.strokes.size()) < kFewestTicks) {
        result.outcome = TooFewTicks(int(strokes.strokes.size()));
        return result;
    }

    ScaleDetection& d = result.value;
    d.dpi = image.dpi;
    d.imageWidth = image.width;
    d.imageHeight = image.height;
    const double mm = d.MillimetresPerPixel();
    const cv::Point2d pivot = strokes.pivot->point;
    d.pivot = {pivot.x, pivot.y};
    d.pivotScatter = strokes.pivot->scatter * mm;

    std::vector<double> angles, radii;
    for (const TickStroke& s : strokes.strokes) {
        angles.push_back(std::atan2(s.centre.y - pivot.y, s.centre.x - pivot.x));
        radii.push_back(cv::norm(s.centre - pivot));
    }
    std::vector<double> sorted = angles;
    std::sort(sorted.begin(), sorted.end());
    TickSampling sampling{pivot, 0.0, strokes.ring};

    std::vector<Measured> measured;
    for (std::size_t i = 0; i < strokes.strokes.size(); ++i) {
        const TickStroke& s = strokes.strokes[i];
        sampling.room = Room(sorted, angles[i], radii[i]);
        if (std::optional<TickMeasure> m = MeasureTick(ink.darkness, s, sampling))
            measured.push_back({*m, -m->angle * kDegrees});
    }
    if (int(measured.size()) < kFewestTicks) {
        result.outcome = TooFewTicks(int(measured.size()));
        return result;
    }
    // Left to right: the angle seen falls. Angles are kept continuous across the left, where
    // atan2 jumps, by measuring them from the ticks' middle direction.
    double sx = 0.0, sy = 0.0;
    for (const Measured& t : measured)
        sx += std::cos(t.seen / kDegrees), sy += std::sin(t.seen / kDegrees);
    const double middle = std::atan2(sy, sx) * kDegrees;
    for (Measured& t : measured) t.seen = middle + std::remainder(t.seen - middle, 360.0);
    std::sort(measured.begin(), measured.end(),
              [](const Measured& a, const Measured& b) { return a.seen > b.seen; });

    // The ink's contrast, which blur hides in a thin stroke: the blur's spread from the ticks'
    // ends, then each tick's width from how far blur lowered its darkest; the widest ticks,
    // least lowered, say it best.
    const double blur = BlurSpread(measured);
    std::vector<double> contrasts;
    for (const Measured& t : measured)
        contrasts.push_back(t.m.amount / StrokeWidth(t.m.amount, t.m.peak, blur));
    std::sort(contrasts.begin(), contrasts.end());
    const double contrast = Median(std::vector<double>(
        contrasts.begin() + std::ptrdiff_t(contrasts.size() / 2), contrasts.end()));

    // The base arc, read between the ticks.
    if (strokes.ring) {
        // Halfway between neighbours, as wide as leaves the ticks' own ink out.
        std::vector<ArcSample> gaps;
        const double radius = (strokes.ring->inner + strokes.ring->outer) / 2.0;
        for (std::size_t i = 1; i < measured.size(); ++i) {
            const double gap = std::abs(measured[i - 1].m.angle - measured[i].m.angle) * radius;
            const double ticks = (measured[i - 1].m.amount + measured[i].m.amount) / 2.0 / contrast;
            const double room = (gap - ticks) / 2.0 - 2.5 * blur;
            if (room >= 0.5)
                gaps.push_back({(measured[i - 1].m.angle + measured[i].m.angle) / 2.0, room});
        }
        if (const auto arc = MeasureArc(ink.darkness, gaps, sampling))
            d.arc = FoundArc{arc->radius * mm, arc->amount / contrast * mm};
    }

    std::vector<double> inner, outer;
    for (const Measured& t : measured) {
        if (t.m.inner) inner.push_back(*t.m.inner);
        if (t.m.outer) outer.push_back(*t.m.outer);
    }
    // The base is the end the ticks share, under the arc when there is one.
    if (d.arc) {
        d.direction =
            d.arc->radius < Median(radii) * mm ? TickDirection::Outward : TickDirection::Inward;
        d.tickRadius = d.arc->radius;
    } else {
        if (inner.empty() || outer.empty()) {
            result.outcome = TooFewTicks(0);
            return result;
        }
        d.direction =
            Spread(inner) <= Spread(outer) ? TickDirection::Outward : TickDirection::Inward;
        d.tickRadius = Median(d.direction == TickDirection::Outward ? inner : outer) * mm;
    }
    for (const Measured& t : measured) {
        const std::optional<double> tip =
            d.direction == TickDirection::Outward ? t.m.outer : t.m.inner;
        if (!tip) continue;
        FoundTick f;
        f.angle = t.seen;
        f.length = std::abs(*tip * mm - d.tickRadius);
        f.width = t.m.amount / contrast * mm;
        d.ticks.push_back(f);
    }
    if (int(d.ticks.size()) < kFewestTicks) {
        result.outcome = TooFewTicks(int(d.ticks.size()));
        return result;
    }
    SortBySize(d.ticks);
    std::vector<double> bigLengths, smallLengths, bigWidths, smallWidths;
    for (const FoundTick& t : d.ticks) {
        (t.size == TickSize::Big ? bigLengths : smallLengths).push_back(t.length);
        (t.size == TickSize::Big ? bigWidths : smallWidths).push_back(t.width);
    }
    d.bigTickLength = Median(bigLengths);
    d.bigTickWidth = Median(bigWidths);
    d.smallTickLength = smallLengths.empty() ? d.bigTickLength : Median(smallLengths);
    d.smallTickWidth = smallWidths.empty() ? d.bigTickWidth : Median(smallWidths);

    d.tickScatter = TickScatter(d.ticks) / kDegrees * d.tickRadius;
    const double left = d.ticks.front().angle, right = d.ticks.back().angle;
    d.halfAngle = (left - right) / 2.0;
    d.turn = std::remainder((left + right) / 2.0 - 90.0, 360.0);
    if (ink.bedShows) d.plate = FindPlateEdge(ink.plate, pivot, d.turn, mm);
    return result;
}

}  // namespace quirn
