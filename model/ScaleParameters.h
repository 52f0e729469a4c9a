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
    double alfa = 0.0;
    std::int32_t shape = 0;  // 0 square plate, anything else radial
    std::int32_t Lshk = 0;
    std::int32_t Hshk = 0;
    std::int32_t skos = 0;
    std::int32_t Rout = 0;
    std::int32_t Rin = 0;
    std::int32_t Lkrep = 0;
    std::int32_t Rdel = 0;
    std::int32_t out_R = 0;  // 0: ticks outward from Rdel, numbers outside
    std::int32_t Nfull = 0;
    std::int32_t Nbig = 0;
    std::int32_t Nm = 0;
    std::int32_t Lbig = 0;
    std::int32_t Lsm = 0;
    std::int32_t Hbig = 0;
    std::int32_t Hsm = 0;
    std::int32_t Duga = 0;
    std::int32_t Hduga = 0;
    std::int32_t Los_os = 0;
    std::int32_t Los_niz = 0;
    ScaleExtensions ext;  // none of it in use by default

    bool operator==(const ScaleParameters&) const = default;
};

// The only values the program supplies on its own: a 0-15 V square plate of 69 x 60 mm.
inline const ScaleParameters kDefaultParameters{
    "M4200", "V", 15.0, 42.5, 0,   6900, 6000, 1250, 5700, 950, 2500, 4200, 0,
    30,      15,  3,    450,  300, 30,   20,   0,    30,   0,   300,  {}};

}  // namespace quirn
