// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Labels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "render/Graduation.h"
#include "render/Saturate.h"
#include "render/Typefaces.h"

namespace quirn {

double SizeFactor(std::int32_t tickRadius) {
    return std::max(tickRadius / 4200.0, 0.5);
}

FontChoice UnitFont(const ScaleParameters& p) {
    const int height = std::max(ClampToInt(3 * std::int64_t{p.tickRadius} / 10), 500);
    return InTypeface({height, height / 4, 600, 0}, TypefaceOf(p, TextRole::Unit));
}

FontChoice NameFont(const ScaleParameters& p) {
    return InTypeface({std::max(TruncToInt(400 * SizeFactor(p.tickRadius)), 300), 0, 600, 0},
                      TypefaceOf(p, TextRole::Name));
}

FontChoice OriginLabelFont(const ScaleParameters& p) {
    const int height = std::max(TruncToInt(300 * SizeFactor(p.tickRadius)), 150);
    return InTypeface({height, height / 3, 500, 0}, TypefaceOf(p, TextRole::Origin));
}

FontChoice StandardLabelFont(const ScaleParameters& p) {
    const int height = std::max(TruncToInt(360 * SizeFactor(p.tickRadius)), 180);
    return InTypeface({height, height / 3, 500, 0}, TypefaceOf(p, TextRole::Standard));
}

FontChoice NumeralFont(const ScaleParameters& p) {
    return {ClampToInt(600 * std::int64_t{p.tickRadius} / 4200), 0, p.ticksInward != 0 ? 300 : 500,
            0};
}

int NumeralTurn(double halfAngle, ArcPlace place) {
    // The turn is the place's angle less 90 degrees, counterclockwise: the baseline runs
    // clockwise along the scale and the tops face outward, so numerals left of the vertical lean
    // left. Whole turns dropped: the same direction, and no absurd angle from an absurd halfAngle.
    return TruncToInt(
        std::fmod(10.0 * (halfAngle - 2.0 * halfAngle * place.index / place.count), 3600.0));
}

double StepValue(const ScaleSetup& s, std::int32_t count, std::int64_t i) {
    if (count == 0) return s.start;
    return s.start + static_cast<double>(i) * (s.range - s.start) / count;
}

std::string NumeralText(const ScaleSetup& s, std::int64_t i) {
    return TrimmedNumber(StepValue(s, s.numberedDivisions, i), 3);
}

namespace {

using I = std::int64_t;

Extent SizeOf(const std::array<Extent, kDrawnElementCount>& sizes, MovableElement e) {
    return sizes[static_cast<std::size_t>(Index(e))];
}

Extent& SizeOf(std::array<Extent, kDrawnElementCount>& sizes, MovableElement e) {
    return sizes[static_cast<std::size_t>(Index(e))];
}

Point AnchorOf(const Layout& layout, MovableElement e) {
    return layout.anchors[static_cast<std::size_t>(Index(e))];
}

Extent SymbolSize(const ScaleParameters& p, const SymbolPicture& symbol) {
    if (symbol.isNull()) return {};
    const double factor = SizeFactor(p.tickRadius);
    const QSize size = symbol.size();
    return {TruncToInt(size.width() * factor), TruncToInt(size.height() * factor)};
}

// lowerRight: the anchor is the image's lower-right corner rather than its lower-left.
void DrawSymbol(const ScaleLayout& laid, DrawingSurface& surface, MovableElement e,
                const SymbolPicture& symbol, bool lowerRight) {
    if (symbol.isNull()) return;
    const Extent size = SizeOf(laid.sizes, e);
    const Point a = AnchorOf(laid.layout, e);
    const I left = lowerRight ? I{a.x} - size.width : I{a.x};
    const Box dest{ClampToInt(left), ClampToInt(I{a.y} + size.height),
                   ClampToInt(left + size.width), a.y};
    if (symbol.vector.isNull()) {
        surface.drawImage(symbol.image, dest);
    } else {
        surface.drawVector(symbol.vector, dest);
    }
}

Extent MeasureWith(TextMeasure& measure, const FontChoice& font, std::string_view text) {
    measure.setFont(font);
    return measure.measureText(text);
}

void LayOutOriginLabel(const ScaleParameters& p, TextMeasure& measure, ScaleLayout& laid) {
    const std::string text = DisplayText(p.ext.origin, p.ext.originUtf8);
    Extent& size = SizeOf(laid.sizes, MovableElement::OriginLabel);
    laid.originLabelWrap.reset();
    if (text.empty()) {  // hidden: nothing to lift, wrap or grab
        size = {};
        return;
    }
    const Extent e = MeasureWith(measure, OriginLabelFont(p), text);
    Point& a = laid.layout.anchors[static_cast<std::size_t>(Index(MovableElement::OriginLabel))];
    // After a reset the default height is meant for the label's bottom, not its top.
    if (laid.layout.originLabelAnchor == OriginLabelAnchor::Bottom) {
        a.y = ClampToInt(I{a.y} + e.height);
        laid.layout.originLabelAnchor = OriginLabelAnchor::Top;
    }
    const I limit = I{laid.layout.halfPlateWidth} - p.tickRadius / 30;
    if (I{a.x} + e.width / 2 > limit) {
        const Box start{ClampToInt(I{a.x} - e.height / 4), a.y, ClampToInt(I{a.x} + e.height / 4),
                        ClampToInt(I{a.y} - e.height)};
        const Box measured = measure.measureWrapped(start, text);
        size = {ClampToInt(I{measured.right} - measured.left),
                ClampToInt(I{measured.top} - measured.bottom)};
        laid.originLabelWrap = measured;
    } else {
        size = e;
    }
}

}  // namespace

void LayOutLabels(const Scene& scene, TextMeasure& measure, ScaleLayout& laid) {
    const ScaleParameters& p = scene.params;
    using E = MovableElement;
    SizeOf(laid.sizes, E::DataSymbol) = SymbolSize(p, scene.symbols.data);
    SizeOf(laid.sizes, E::DiamondSymbol) = SymbolSize(p, scene.symbols.diamond);
    SizeOf(laid.sizes, E::OthersSymbol) = SymbolSize(p, scene.symbols.others);
    SizeOf(laid.sizes, E::UnitLabel) =
        MeasureWith(measure, UnitFont(p), DisplayText(p.unit, p.unitUtf8));
    SizeOf(laid.sizes, E::NameLabel) =
        MeasureWith(measure, NameFont(p), DisplayText(p.name, p.ext.nameUtf8));
    LayOutOriginLabel(p, measure, laid);
    SizeOf(laid.sizes, E::StandardLabel) =
        p.ext.standard.empty() ? Extent{}
                               : MeasureWith(measure, StandardLabelFont(p),
                                             DisplayText(p.ext.standard, p.ext.standardUtf8));
}

void DrawSymbols(const Scene& scene, const ScaleLayout& laid, DrawingSurface& surface) {
    DrawSymbol(laid, surface, MovableElement::DataSymbol, scene.symbols.data, false);
    DrawSymbol(laid, surface, MovableElement::DiamondSymbol, scene.symbols.diamond, false);
    DrawSymbol(laid, surface, MovableElement::OthersSymbol, scene.symbols.others, true);
}

void DrawTexts(const Scene& scene, const ScaleLayout& laid, DrawingSurface& surface) {
    const ScaleParameters& p = scene.params;
    using E = MovableElement;

    Point a = AnchorOf(laid.layout, E::UnitLabel);
    {
        const InkScope ink(surface, LabelInk(p, LabelRole::Unit));
        surface.setFont(UnitFont(p));
        surface.textOut(At(I{a.x} - SizeOf(laid.sizes, E::UnitLabel).width / 2, a.y),
                        DisplayText(p.unit, p.unitUtf8));
    }
    {
        const InkScope ink(surface, LabelInk(p, LabelRole::Name));
        surface.setFont(NameFont(p));
        surface.textOut(AnchorOf(laid.layout, E::NameLabel), DisplayText(p.name, p.ext.nameUtf8));
    }

    // An empty text hides its label: a plate made elsewhere carries neither.
    if (!p.ext.origin.empty()) {
        const InkScope ink(surface, LabelInk(p, LabelRole::Origin));
        surface.setFont(OriginLabelFont(p));
        a = AnchorOf(laid.layout, E::OriginLabel);
        if (laid.originLabelWrap) {
            surface.drawWrapped(*laid.originLabelWrap, DisplayText(p.ext.origin, p.ext.originUtf8));
        } else {
            surface.textOut(At(I{a.x} - SizeOf(laid.sizes, E::OriginLabel).width / 2, a.y),
                            DisplayText(p.ext.origin, p.ext.originUtf8));
        }
    }

    if (!p.ext.standard.empty()) {
        const InkScope ink(surface, LabelInk(p, LabelRole::Standard));
        surface.setFont(StandardLabelFont(p));
        a = AnchorOf(laid.layout, E::StandardLabel);
        surface.textOut(At(I{a.x} - SizeOf(laid.sizes, E::StandardLabel).width, a.y),
                        DisplayText(p.ext.standard, p.ext.standardUtf8));
    }
}

namespace {

// The numerals' offset (numeralOffset) moves each numeral away from its tick: along its ray, out
// from the tip it stands on or in from the tip it hangs from, and an upright end numeral down
// from the tick it hangs under.
Point NumeralTopLeft(const ScaleParameters& p, const TickRay& ray, bool end, Extent text) {
    const double c = ray.c();
    const double s = ray.s();
    const double tw = text.width;
    const double th = text.height;
    const I offset = p.numeralOffset;
    if (p.ticksInward != 0) {
        if (end) {
            const Point a = ray.Cw(I{p.tickRadius} - p.bigTickLength);
            const Point b = ray.Ccw(I{p.tickRadius} - p.bigTickLength);
            return At((I{a.x} + b.x) / 2 - text.width / 2, I{std::min(a.y, b.y)} - 10 - offset);
        }
        // Hanging toward the axis from just inside the big ticks' tips.
        const auto rn = static_cast<double>(I{p.tickRadius} - p.bigTickLength - 15 - offset);
        const I px = TruncToInt(rn * c);
        const I py = TruncToInt(rn * s);
        return At(px - TruncToInt(0.5 * tw * s), py - TruncToInt(-0.5 * tw * c));
    }
    if (end) {
        const Point a = ray.Cw(p.tickRadius);
        const Point b = ray.Ccw(p.tickRadius);
        return At((I{a.x} + b.x) / 2 - text.width / 2, I{std::min(a.y, b.y)} - 10 - offset);
    }
    // Standing on the tip of the big tick.
    const Point a = ray.Ccw(I{p.tickRadius} + p.bigTickLength + offset);
    const Point b = ray.Cw(I{p.tickRadius} + p.bigTickLength + offset);
    const I bx = (I{a.x} + b.x) / 2;
    const I by = I{std::max(a.y, b.y)} + 10;
    return At(bx + TruncToInt(th * c - 0.5 * tw * s), by + TruncToInt(th * s + 0.5 * tw * c));
}

// Where a numeral of this many characters can lie, before it is measured: its cell is at most
// one cell height per character long and hangs from, or stands on, the point it is placed by.
std::array<RealPoint, 4> NumeralReach(const ScaleParameters& p, const TickRay& ray, bool end,
                                      const FontChoice& font, std::size_t characters) {
    // With a half-angle of millions of degrees the turn and the ray no longer agree to the
    // tenth of a degree: no bound then, whatever it would cost.
    if (!(std::abs(p.halfAngle) < 1e6)) {
        constexpr double kAll = std::numeric_limits<double>::infinity();
        return {{{-kAll, kAll}, {kAll, kAll}, {kAll, -kAll}, {-kAll, -kAll}}};
    }
    // A cell height of 0 leaves the size to the platform; a negative one gives the em.
    const double th = 1.25 * std::max(std::abs(double(font.cellHeight)), 423.0);
    const double tw = th * static_cast<double>(characters);
    constexpr double kMargin = 50.0;
    const I offset = p.numeralOffset;
    if (end) {  // upright, centred under the big tick's inner end
        const Point a =
            ray.Cw(p.ticksInward != 0 ? I{p.tickRadius} - p.bigTickLength : I{p.tickRadius});
        const Point b =
            ray.Ccw(p.ticksInward != 0 ? I{p.tickRadius} - p.bigTickLength : I{p.tickRadius});
        const double mid = (double(a.x) + b.x) / 2.0;
        const double top = double(std::min(a.y, b.y)) - double(offset) + kMargin;
        const double left = mid - tw / 2.0 - kMargin;
        const double right = mid + tw / 2.0 + kMargin;
        const double bottom = top - th - 2 * kMargin;
        return {{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
    }
    // Along the scale: the cell runs along the tangent t = (s, -c), and outward along the ray
    // n = (c, s) from the point it stands on, or inward from the point it hangs from. The turn is
    // in whole tenths of a degree, so the far end of a long text may stray a little from t.
    const double c = ray.c();
    const double s = ray.s();
    double x0 = 0.0, y0 = 0.0, low = 0.0, high = 0.0;
    const double stray = tw * 0.002 + kMargin;
    if (p.ticksInward != 0) {
        const double rn = static_cast<double>(I{p.tickRadius} - p.bigTickLength - 15 - offset);
        x0 = rn * c;
        y0 = rn * s;
        low = -th - stray;
        high = stray;
    } else {
        const Point a = ray.Ccw(I{p.tickRadius} + p.bigTickLength + offset);
        const Point b = ray.Cw(I{p.tickRadius} + p.bigTickLength + offset);
        x0 = (double(a.x) + b.x) / 2.0;
        y0 = std::max(a.y, b.y) + 10.0;
        low = -stray;
        high = th + stray;
    }
    const double along = tw / 2.0 + kMargin;
    auto at = [&](double u, double v) { return RealPoint{x0 + u * s + v * c, y0 - u * c + v * s}; };
    return {at(-along, low), at(along, low), at(along, high), at(-along, high)};
}

}  // namespace

void DrawNumeral(DrawingSurface& surface, const ScaleParameters& p, FontChoice font, double theta,
                 bool end, int escapement, std::string_view text) {
    const TickRay ray(theta, p.bigTickWidth);
    if (!surface.mayShow(NumeralReach(p, ray, end, font, text.size()))) return;
    font.escapement = escapement;
    surface.setFont(font);
    const Extent e = surface.measureText(text);
    surface.textOut(NumeralTopLeft(p, ray, end, e), text);
}

}  // namespace quirn
