// SPDX-License-Identifier: GPL-3.0-or-later
// Everything on the plate that is not a line or a tick: the symbol images, the four texts and
// the numerals of the graduation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"
#include "render/Graduation.h"
#include "render/Scene.h"
#include "render/TextMeasure.h"

namespace quirn {

// tickRadius / 4200, never below 0.5: scales the images and the name and standard fonts.
double SizeFactor(std::int32_t tickRadius);

FontChoice UnitFont(const ScaleParameters& p);
FontChoice NameFont(const ScaleParameters& p);
FontChoice OriginLabelFont(const ScaleParameters& p);
FontChoice StandardLabelFont(const ScaleParameters& p);
// Escapement 0; the middle numerals get theirs from NumeralTurn.
FontChoice NumeralFont(const ScaleParameters& p);
// The escapement of a numeral in the middle of the scale: tenths of a degree counterclockwise,
// the turn of its place's ray from the vertical. The end numerals stand upright.
int NumeralTurn(double halfAngle, ArcPlace place);

// The value of step i of `count` equal steps from the scale's start to its range; with a count
// of 0, the start.
double StepValue(const ScaleSetup& s, std::int32_t count, std::int64_t i);
// The numeral of numbered step i: its value with three decimals, trailing zeros trimmed.
std::string NumeralText(const ScaleSetup& s, std::int64_t i);

// The sizes of the three images and the four texts, the origin label lifted when its anchor is
// meant for its bottom and wrapped near the right edge.
void LayOutLabels(const Scene& scene, TextMeasure& measure, ScaleLayout& laid);
// The three images at their anchors, at the sizes laid out.
void DrawSymbols(const Scene& scene, const ScaleLayout& laid, DrawingSurface& surface);
// Unit, name, origin label and standard label as laid out.
void DrawTexts(const Scene& scene, const ScaleLayout& laid, DrawingSurface& surface);
// One numeral on the ray at theta (radians): upright at an end of the scale, else turned by the
// escapement (tenths of a degree) to run along the scale. Left out when it cannot show.
void DrawNumeral(DrawingSurface& surface, const ScaleParameters& p, FontChoice font, double theta,
                 bool end, int escapement, std::string_view text);

}  // namespace quirn
