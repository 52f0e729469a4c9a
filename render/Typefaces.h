// SPDX-License-Identifier: GPL-3.0-or-later
// The typefaces and inks a plate sets for its texts and scales, as the renderer asks for them.
// A plate that sets none gets today's face, size and black exactly.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/ScaleParameters.h"
#include "render/DrawingGeometry.h"

namespace quirn {

// The typeface the plate sets for a role; none: the role keeps its own.
std::optional<Typeface> TypefaceOf(const ScaleParameters& p, TextRole role);

// The font in the typeface: its family and slant, and the cell height scaled by its percent
// (the narrowing with it, so the letters keep their proportions). Bold or light set the weight
// and give the face its natural width; otherwise the role's weight and narrowing stay.
FontChoice InTypeface(FontChoice font, const std::optional<Typeface>& face);

// The ink of scale number (1 to 4) as the plate sets it; none: black. A further scale does not
// take scale 1's.
std::optional<std::uint32_t> ScaleInk(const ScaleParameters& p, int number);
// The ink of a label. Scale 1's unit is the unit label, which takes scale 1's ink unless it has
// one of its own.
std::optional<std::uint32_t> LabelInk(const ScaleParameters& p, LabelRole role);
// Every ink of the plate other than black, each once: what makes a picture of it coloured.
std::vector<std::uint32_t> PlateInks(const ScaleParameters& p);

// A family the plate asks for that the system lacks, and the one drawn in its place.
struct FamilySubstitute {
    std::string asked;
    std::string used;
    bool operator==(const FamilySubstitute&) const = default;
};
// Each family the plate asks for and the system lacks, once, in the order first asked.
std::vector<FamilySubstitute> MissingFamilies(const ScaleParameters& p);

}  // namespace quirn
