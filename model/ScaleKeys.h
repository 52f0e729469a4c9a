// SPDX-License-Identifier: GPL-3.0-or-later
// The graduation fields a further scale may set for itself, each with the field of scale 1 it
// takes otherwise: one table for the reader, the writer and the resolution of the scales.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "model/ScaleParameters.h"

namespace quirn {

struct ScaleIntegerKey {
    std::string_view key;  // after the scale's number and a dot
    std::optional<std::int32_t> FurtherScale::*own;
    std::int32_t ScaleParameters::*inherited;
};

// In file order; range, start, law and points are written between the first two and the rest.
inline constexpr std::array<ScaleIntegerKey, 11> kScaleIntegerKeys{{
    {"Rdel", &FurtherScale::tickRadius, &ScaleParameters::tickRadius},
    {"out_R", &FurtherScale::ticksInward, &ScaleParameters::ticksInward},
    {"Nfull", &FurtherScale::divisions, &ScaleParameters::divisions},
    {"Nbig", &FurtherScale::bigDivisions, &ScaleParameters::bigDivisions},
    {"Nm", &FurtherScale::numberedDivisions, &ScaleParameters::numberedDivisions},
    {"Lbig", &FurtherScale::bigTickLength, &ScaleParameters::bigTickLength},
    {"Lsm", &FurtherScale::smallTickLength, &ScaleParameters::smallTickLength},
    {"Hbig", &FurtherScale::bigTickWidth, &ScaleParameters::bigTickWidth},
    {"Hsm", &FurtherScale::smallTickWidth, &ScaleParameters::smallTickWidth},
    {"Duga", &FurtherScale::arcShown, &ScaleParameters::arcShown},
    {"Hduga", &FurtherScale::arcWidth, &ScaleParameters::arcWidth},
}};
inline constexpr std::size_t kScaleKeysBeforeRange = 2;

}  // namespace quirn
