// SPDX-License-Identifier: GPL-3.0-or-later
// The record of everything that defines one scale plate.
#pragma once

#include <cstdint>
#include <string>

#include "model/ScaleExtensions.h"

namespace quirn {

// Lengths are drawing units (0.01 mm). name and unit hold Windows-1251 bytes as read or typed.
// No field is range-checked anywhere: any combination of values may exist.
struct ScaleParameters {
    std::string name;
    std::string unit;
    double range = 0.0;
    double halfAngle = 0.0;
    std::int32_t shape = 0;  // 0 square plate, anything else radial
    std::int32_t plateWidth = 0;
    std::int32_t plateHeight = 0;
    std::int32_t cornerBevel = 0;
    std::int32_t outerRadius = 0;
    std::int32_t innerRadius = 0;
    std::int32_t mountingHoleSpacing = 0;
    std::int32_t tickRadius = 0;
    std::int32_t ticksInward = 0;  // 0: ticks outward from tickRadius, numbers outside
    std::int32_t divisions = 0;
    std::int32_t bigDivisions = 0;
    std::int32_t numberedDivisions = 0;
    std::int32_t bigTickLength = 0;
    std::int32_t smallTickLength = 0;
    std::int32_t bigTickWidth = 0;
    std::int32_t smallTickWidth = 0;
    std::int32_t arcShown = 0;
    std::int32_t arcWidth = 0;
    std::int32_t mountingAboveAxis = 0;
    std::int32_t mountingAboveBottom = 0;
    ScaleExtensions ext;  // none of it in use by default

    bool operator==(const ScaleParameters&) const = default;
};

// The only values the program supplies on its own: a 0-15 V square plate of 69 x 60 mm.
inline const ScaleParameters kDefaultParameters{
    "M4200", "V", 15.0, 42.5, 0,   6900, 6000, 1250, 5700, 950, 2500, 4200, 0,
    30,      15,  3,    450,  300, 30,   20,   0,    30,   0,   300,  {}};

}  // namespace quirn
