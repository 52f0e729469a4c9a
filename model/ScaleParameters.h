// SPDX-License-Identifier: GPL-3.0-or-later
// The record of everything that defines one scale plate.
#pragma once

#include <cstdint>
#include <string>

#include "model/ScaleExtensions.h"
#include "model/ScaleSetup.h"

namespace quirn {

// Scale 1 (range, unit, the graduation's counts and lengths, its law and lists) and the plate
// around it: the record without its extensions, which a scale is drawn from. Lengths are drawing
// units (0.01 mm). name and unit hold Windows-1251 bytes as read or typed.
struct PlateSetup : ScaleSetup {
    std::string name;
    double halfAngle = 0.0;
    std::int32_t shape = 0;  // 0 square plate, anything else radial
    std::int32_t plateWidth = 0;
    std::int32_t plateHeight = 0;
    std::int32_t cornerBevel = 0;
    std::int32_t outerRadius = 0;
    std::int32_t innerRadius = 0;
    std::int32_t mountingHoleSpacing = 0;
    std::int32_t mountingAboveAxis = 0;
    std::int32_t mountingAboveBottom = 0;

    bool operator==(const PlateSetup&) const = default;
};

// The record of a plate: its setup and the extensions. The record holds whatever a file gave:
// any combination of values may exist. Typed values are checked where they are typed, and the
// renderer draws any record without failing.
struct ScaleParameters : PlateSetup {
    ScaleExtensions ext;  // none of it in use by default

    bool operator==(const ScaleParameters&) const = default;
};

// The only values the program supplies on its own: a 0-15 V square plate of 69 x 60 mm.
inline const ScaleParameters kDefaultParameters = [] {
    ScaleParameters p;
    p.name = "M4200";
    p.unit = "V";
    p.range = 15.0;
    p.halfAngle = 42.5;
    p.shape = 0;
    p.plateWidth = 6900;
    p.plateHeight = 6000;
    p.cornerBevel = 1250;
    p.outerRadius = 5700;
    p.innerRadius = 950;
    p.mountingHoleSpacing = 2500;
    p.tickRadius = 4200;
    p.ticksInward = 0;
    p.divisions = 30;
    p.bigDivisions = 15;
    p.numberedDivisions = 3;
    p.bigTickLength = 450;
    p.smallTickLength = 300;
    p.bigTickWidth = 30;
    p.smallTickWidth = 20;
    p.arcShown = 0;
    p.arcWidth = 30;
    p.mountingAboveAxis = 0;
    p.mountingAboveBottom = 300;
    return p;
}();

}  // namespace quirn
