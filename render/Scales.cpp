// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Scales.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "model/LawTable.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "render/Graduation.h"
#include "render/Labels.h"
#include "render/Saturate.h"
#include "render/Typefaces.h"

namespace quirn {
namespace {

using I = std::int64_t;

// A fraction this close to an end of the arc is that end: list values computed in floating
// point land a hair off.
constexpr double kEndTolerance = 1e-9;

// "∞" as drawn.
constexpr const char* kInfinity = "\xE2\x88\x9E";

// Which family of a scale's ticks.
enum class TickFamily : std::uint8_t { Small, Big };

std::optional<double> OnArc(const ScaleMap& map, double value) {
    const auto f = map(value);
    if (!f || *f < -kEndTolerance || *f > 1.0 + kEndTolerance) return std::nullopt;
    return std::clamp(*f, 0.0, 1.0);
}

double AngleOf(const ScaleParameters& g, double fraction) {
    return ArcAngle(g.halfAngle, ArcPlace::Fraction(fraction));
}

// One family of ticks: the list's values, else `count` equal steps as the law places them. A
// scale with an end at infinity has a big tick there.
void DrawFamily(DrawingSurface& surface, const ScaleParameters& g, const ScaleMap& map,
                const std::optional<std::vector<double>>& list, std::int32_t count,
                std::int32_t length, std::int32_t width, TickFamily family) {
    const LawRow& law = LawOf(g.law);
    if (!list && law.steps == EqualSteps::DivideArc)
        return DrawTickFamily(surface, g, count, length, width);
    std::vector<double> angles;
    if (const auto infinity = InfinityEnd(law.reach); infinity && family == TickFamily::Big)
        angles.push_back(AngleOf(g, *infinity));
    const auto add = [&](double value) {
        if (const auto f = OnArc(map, value)) angles.push_back(AngleOf(g, *f));
    };
    if (list) {
        const ValueSpan span = ScaleValues(g);
        for (double v : *list)
            if (span.contains(v)) add(v);
    } else if (law.steps == EqualSteps::ByValue) {
        ForEachPosition(count, kMaxDrawnTicks, [&](I i) { add(StepValue(g, count, i)); });
    }
    DrawTicksAt(surface, g, angles, length, width);
}

// A further scale's unit, upright, one line under the numeral at the scale's right end: beside
// its end, and on the plate wherever the end is.
void DrawScaleUnit(DrawingSurface& surface, const ResolvedScale& s, const ScaleLook& look) {
    if (s.endUnit().empty()) return;
    const ScaleParameters& g = s.graduation;
    const double theta = AngleOf(g, 1.0);
    const I baseRadius = BaseRadius(g, theta);
    const double base = double(baseRadius);
    const double tip = g.ticksInward != 0 ? double(baseRadius - g.bigTickLength)
                                          : double(baseRadius + g.bigTickLength);
    FontChoice font = InTypeface(NumeralFont(g), look.face);
    font.escapement = 0;
    surface.setFont(font);
    const std::string unit = DisplayText(s.endUnit(), g.unitUtf8);
    const Extent e = surface.measureText(unit);
    // The end numeral hangs 10 units and the numerals' offset below the lower corner of the end
    // tick on the circle it is placed by, centred on it.
    const double by = g.ticksInward != 0 ? tip : base;
    const I mid = TruncToInt(by * std::cos(theta));
    const I top = I{TruncToInt(by * std::sin(theta))} - 10 - I{g.numeralOffset} -
                  std::max(I{font.cellHeight}, I{0}) - 50;
    surface.textOut(At(mid - e.width / 2, top), unit);
}

// Where a zone lies along its scale: the fractions of its ends, brought onto the arc.
struct ZoneSpan {
    double from = 0.0;
    double to = 0.0;
    bool touches(const ZoneSpan& other) const {
        return std::max(from, to) >= std::min(other.from, other.to) &&
               std::max(other.from, other.to) >= std::min(from, to);
    }
};

std::optional<ZoneSpan> SpanOf(const ResolvedScale& s, const Zone& zone) {
    const ScaleMap map(s.graduation);
    const auto clamped = [&](double value) -> std::optional<double> {
        const auto f = map(value);
        if (!f) return std::nullopt;
        return std::clamp(*f, 0.0, 1.0);
    };
    const auto f1 = clamped(zone.from);
    const auto f2 = clamped(zone.to);
    if (!f1 || !f2 || *f1 == *f2) return std::nullopt;
    return ZoneSpan{*f1, *f2};
}

// The band between the zone's ends, on the side of the base curve its scale's ticks are.
std::vector<Point> ZoneBand(const ScaleParameters& g, const ZoneSpan& span) {
    const double a1 = AngleOf(g, span.from);
    const double a2 = AngleOf(g, span.to);
    const I width = g.smallTickLength > 0 ? g.smallTickLength : std::max(I{g.bigTickLength}, I{0});
    const auto edge = [&](double a) {
        const double base = BaseRadius(g, a);
        return g.ticksInward != 0 ? base - double(width) : base + double(width);
    };
    // Half a degree per chord keeps the band within a hundredth of a millimetre of the arc
    // on plates up to a metre.
    const double degrees = std::abs(a2 - a1) * 180.0 / kPi;
    // Compared as a double: a wound or absurd half-angle gives more degrees than an int holds.
    const double chords = std::ceil(degrees / 0.5);
    const int steps = chords >= 1.0 ? (chords < 720.0 ? int(chords) : 720) : 1;
    std::vector<Point> band;
    band.reserve(std::size_t(2 * steps + 2));
    for (int k = 0; k <= steps; ++k) {
        const double a = a1 + (a2 - a1) * k / steps;
        const double r = edge(a);
        band.push_back(At(TruncToInt(r * std::cos(a)), TruncToInt(r * std::sin(a))));
    }
    for (int k = steps; k >= 0; --k) {
        const double a = a1 + (a2 - a1) * k / steps;
        const double r = BaseRadius(g, a);
        band.push_back(At(TruncToInt(r * std::cos(a)), TruncToInt(r * std::sin(a))));
    }
    return band;
}

// Lines that cross the band's middle tick rather than run along it: ticks run from the pointer
// axis, so a band up and to the right of it is hatched falling, one up and to the left rising.
ZoneHatch AcrossTheTicks(std::span<const Point> band) {
    double x = 0.0;
    double y = 0.0;
    for (const Point& p : band) {
        x += p.x;
        y += p.y;
    }
    return x * y > 0.0 ? ZoneHatch::Falling : ZoneHatch::Rising;
}

struct PlacedZone {
    const Zone* zone = nullptr;
    int scale = 0;
    ZoneSpan span;
    std::vector<Point> band;
    ZoneHatch hatch = ZoneHatch::Rising;
};

// The zones under the ticks. Where colours cannot show, zones that touch on a scale (the battery
// tester's red up to 11.5 V and yellow from it) must not look alike: each takes the hatching
// across its ticks unless a zone it touches has it already, then the other direction, then both.
void DrawZones(DrawingSurface& surface, const ScaleParameters& p,
               const std::vector<ResolvedScale>& scales) {
    std::vector<PlacedZone> placed;
    for (const Zone& zone : p.ext.zones) {
        if (zone.scale < 1 || zone.scale > int(scales.size())) continue;
        const ResolvedScale& s = scales[std::size_t(zone.scale - 1)];
        if (const auto span = SpanOf(s, zone))
            placed.push_back({&zone, zone.scale, *span, ZoneBand(s.graduation, *span)});
    }
    // Along each scale from its left end, so that a run of touching zones alternates.
    std::vector<PlacedZone*> order;
    for (PlacedZone& z : placed) order.push_back(&z);
    std::stable_sort(order.begin(), order.end(), [](const PlacedZone* a, const PlacedZone* b) {
        return std::min(a->span.from, a->span.to) < std::min(b->span.from, b->span.to);
    });
    for (std::size_t i = 0; i < order.size(); ++i) {
        PlacedZone& zone = *order[i];
        const auto takenByNeighbour = [&](ZoneHatch hatch) {
            for (std::size_t k = 0; k < i; ++k)
                if (order[k]->scale == zone.scale && order[k]->hatch == hatch &&
                    order[k]->span.touches(zone.span))
                    return true;
            return false;
        };
        const ZoneHatch across = AcrossTheTicks(zone.band);
        const ZoneHatch other =
            across == ZoneHatch::Rising ? ZoneHatch::Falling : ZoneHatch::Rising;
        zone.hatch = !takenByNeighbour(across)  ? across
                     : !takenByNeighbour(other) ? other
                                                : ZoneHatch::Crossed;
    }
    for (const PlacedZone& z : placed) surface.zone(z.band, z.zone->rgb, z.hatch);
}

}  // namespace

void DrawScales(DrawingSurface& surface, const ScaleParameters& p) {
    // A half-angle that is not a number puts no tick or numeral anywhere: none is drawn, rather
    // than thousands at the truncated place of nowhere.
    if (!std::isfinite(p.halfAngle)) return;
    const std::vector<ResolvedScale> scales = ResolveScales(p);
    DrawZones(surface, p, scales);
    for (const ResolvedScale& s : scales) DrawScale(surface, s, LookOf(p, s.number));
}

ScaleLook LookOf(const ScaleParameters& p, int number) {
    return {ScaleInk(p, number),
            TypefaceOf(p, number == 1 ? TextRole::Numerals : TextRole::FurtherScales)};
}

namespace {
// The scale's numerals alone: its numbers list, else its numbered equal steps.
void DrawScaleNumerals(DrawingSurface& surface, const ResolvedScale& s, const ScaleLook& look);
}  // namespace

void DrawScale(DrawingSurface& surface, const ResolvedScale& s, const ScaleLook& look) {
    const ScaleParameters& g = s.graduation;
    if (!std::isfinite(g.halfAngle)) return;
    const InkScope ink(surface, look.ink);
    surface.setPen(1);
    surface.setBlackBrush(true);
    const ScaleMap map(g);
    DrawFamily(surface, g, map, g.ticks, g.divisions, g.smallTickLength, g.smallTickWidth,
               TickFamily::Small);
    DrawFamily(surface, g, map, g.bigticks, g.bigDivisions, g.bigTickLength, g.bigTickWidth,
               TickFamily::Big);
    DrawScaleNumerals(surface, s, look);
    if (g.arcShown != 0) DrawGraduationArc(surface, g);
    DrawScaleUnit(surface, s, look);
}

namespace {

void DrawScaleNumerals(DrawingSurface& surface, const ResolvedScale& s, const ScaleLook& look) {
    const ScaleParameters& g = s.graduation;
    const LawRow& law = LawOf(g.law);
    const FontChoice font = InTypeface(NumeralFont(g), look.face);
    // A flattened scale's numerals keep today's distance from the curve: each is placed as on
    // the circle about the axis through the point where its ray meets the curve.
    std::optional<ScaleParameters> onCurve;
    if (g.flatten != 0) onCurve.emplace(g);
    const auto draw = [&](ArcPlace place, bool end, std::string_view text) {
        const double theta = ArcAngle(g.halfAngle, place);
        if (onCurve) onCurve->tickRadius = BaseRadius(g, theta);
        DrawNumeral(surface, onCurve ? *onCurve : g, font, theta, end,
                    end ? 0 : NumeralTurn(g.halfAngle, place), text);
    };
    // A numeral is an end numeral by its value being an end of the scale's values, not by where
    // the law puts it: a calibrated table may end a hair short of the arc's end.
    const ValueSpan span = ScaleValues(g);
    const auto drawAt = [&](double f, double value, std::string_view text) {
        draw(ArcPlace::Fraction(f), value == span.low || value == span.high, text);
    };
    const ScaleMap map(g);
    if (g.numbers) {
        // The infinity sign stands at the scale's open end.
        if (const auto infinity = InfinityEnd(law.reach))
            draw(ArcPlace::Fraction(*infinity), true, kInfinity);
        const std::vector<Mark>& marks = *g.numbers;
        const auto n = static_cast<I>(marks.size());
        const I stride =
            n <= kMaxDrawnNumerals ? 1 : (n + kMaxDrawnNumerals - 1) / kMaxDrawnNumerals;
        for (I i = 0; i < n; i += stride) {
            const Mark& m = marks[std::size_t(i)];
            if (!span.contains(m.value)) continue;
            if (const auto f = OnArc(map, m.value))
                drawAt(*f, m.value,
                       m.text.empty() ? TrimmedNumber(m.value, 3) : Cp1251ToUtf8(m.text));
        }
        return;
    }
    if (law.steps == EqualSteps::None) return;
    const std::int32_t count = g.numberedDivisions;
    ForEachPosition(count, kMaxDrawnNumerals, [&](I i) {
        if (law.steps == EqualSteps::DivideArc)
            draw(ArcPlace::Division(i, count), i == 0 || i == count, NumeralText(g, i));
        else if (const auto f = OnArc(map, StepValue(g, count, i)))
            draw(ArcPlace::Fraction(*f), i == 0 || i == count, NumeralText(g, i));
    });
}

}  // namespace

}  // namespace quirn
