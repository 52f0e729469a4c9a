// SPDX-License-Identifier: GPL-3.0-or-later
// Records at the extremes that once cost the renderer seconds or minutes, shared by the tests
// that check what comes of them and the benchmarks that time them (bench/HostileInputBench.cpp).
#pragma once

#include <limits>
#include <string>
#include <vector>

#include "model/ScaleParameters.h"

namespace quirn::test {

struct NamedRecord {
    const char* what;
    ScaleParameters params;
};

// The named extremes of the hostile-inputs table (docs/hostile-inputs.md).
inline std::vector<NamedRecord> NamedExtremes() {
    std::vector<NamedRecord> cases;
    const auto with = [&cases](const char* what, auto change) {
        ScaleParameters p = kDefaultParameters;
        change(p);
        cases.push_back({what, p});
    };
    for (const double halfAngle : {0.0, 90.0, 180.0, 270.0, -42.5, 1e6, 1e308})
        with("alfa", [halfAngle](ScaleParameters& p) { p.halfAngle = halfAngle; });
    for (const int rdel : {0, 1, 6})
        with("Rdel under 7", [rdel](ScaleParameters& p) { p.tickRadius = rdel; });
    for (const double range : {-15.0, 1e-300, 1e308, -1e308})
        with("range", [range](ScaleParameters& p) { p.range = range; });
    for (const int count :
         {0, -1, std::numeric_limits<int>::max(), std::numeric_limits<int>::min()})
        with("counts", [count](ScaleParameters& p) {
            p.divisions = p.bigDivisions = p.numberedDivisions = count;
        });
    with("empty texts", [](ScaleParameters& p) { p.name.clear(), p.unit.clear(); });
    with("long texts", [](ScaleParameters& p) {
        p.name.assign(100'000, '\xC0');
        p.unit.assign(760, 'V');
    });
    with("control bytes", [](ScaleParameters& p) { p.name = std::string("A\0\r\n\t\x1B\x7F", 7); });
    return cases;
}

// Fuzzing found parameters with ticks and numerals billions of units long or away that kept
// the raster engine busy for a minute per rendering.
inline std::vector<NamedRecord> FarCoordinateRecords() {
    NamedRecord ticks{"far ticks", kDefaultParameters};
    ticks.params.tickRadius = -394264576;
    ticks.params.ticksInward = -2139095040;
    ticks.params.divisions = 1669332992;
    ticks.params.bigTickLength = 1115684865;
    ticks.params.smallTickLength = -1400897536;
    ticks.params.bigTickWidth = -1635778560;
    ticks.params.smallTickWidth = -2088763391;

    NamedRecord numerals{"far numerals", kDefaultParameters};
    numerals.params.mountingHoleSpacing = 15724527;
    numerals.params.tickRadius = numerals.params.ticksInward = numerals.params.bigTickLength =
        numerals.params.smallTickLength = 1877995503;
    numerals.params.numberedDivisions = 503;
    numerals.params.bigTickWidth = -2147483520;
    numerals.params.smallTickWidth = -2085191680;
    numerals.params.mountingAboveAxis = -2147450880;
    numerals.params.mountingAboveBottom = -2145484800;

    // 268 million hair-thin ticks crossing the whole canvas.
    NamedRecord fan{"fan of ticks", kDefaultParameters};
    fan.params.divisions = 268444185;
    fan.params.smallTickLength = -704634660;
    fan.params.bigTickLength = -661220305;
    fan.params.numberedDivisions = 209;
    fan.params.smallTickWidth = 15;
    fan.params.tickRadius = 2800;
    return {ticks, numerals, fan};
}

}  // namespace quirn::test
