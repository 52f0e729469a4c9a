// SPDX-License-Identifier: GPL-3.0-or-later
// What the fuzz targets share: a check that stops the run with a message, so libFuzzer keeps
// the input that broke it, and the keys of a parameter file.
#pragma once

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace quirn::fuzz {

#define QUIRN_FUZZ_CHECK(condition)                                                            \
    do {                                                                                       \
        if (!(condition)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                      \
        }                                                                                      \
    } while (false)

inline constexpr std::array<std::string_view, 24> kParameterKeys = {
    "name", "unit", "range", "alfa", "shape", "Lshk",  "Hshk",   "skos",
    "Rout", "Rin",  "Lkrep", "Rdel", "out_R", "Nfull", "Nbig",   "Nm",
    "Lbig", "Lsm",  "Hbig",  "Hsm",  "Duga",  "Hduga", "Los_os", "Los_niz"};

}  // namespace quirn::fuzz
