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
    {"Rdel", &FurtherScale::Rdel, &ScaleParameters::Rdel},
    {"out_R", &FurtherScale::out_R, &ScaleParameters::out_R},
    {"Nfull", &FurtherScale::Nfull, &ScaleParameters::Nfull},
    {"Nbig", &FurtherScale::Nbig, &ScaleParameters::Nbig},
    {"Nm", &FurtherScale::Nm, &ScaleParameters::Nm},
    {"Lbig", &FurtherScale::Lbig, &ScaleParameters::Lbig},
    {"Lsm", &FurtherScale::Lsm, &ScaleParameters::Lsm},
    {"Hbig", &FurtherScale::Hbig, &ScaleParameters::Hbig},
    {"Hsm", &FurtherScale::Hsm, &ScaleParameters::Hsm},
    {"Duga", &FurtherScale::Duga, &ScaleParameters::Duga},
    {"Hduga", &FurtherScale::Hduga, &ScaleParameters::Hduga},
}};
inline constexpr std::size_t kScaleKeysBeforeRange = 2;

}  // namespace quirn
