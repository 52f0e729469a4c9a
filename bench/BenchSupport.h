// SPDX-License-Identifier: GPL-3.0-or-later
// Memory figures of the benchmark process, from /proc.
#pragma once

#include <fstream>
#include <string>

#include "model/ScaleParameters.h"

namespace quirn::bench {

// The default plate scaled to a switchboard meter's 300 mm across, plateHeight high.
inline ScaleParameters LargePlate(std::int32_t plateHeight) {
    ScaleParameters p = kDefaultParameters;
    const double k = 30000.0 / p.plateWidth;
    for (std::int32_t* f :
         {&p.plateWidth, &p.cornerBevel, &p.outerRadius, &p.innerRadius, &p.mountingHoleSpacing,
          &p.tickRadius, &p.bigTickLength, &p.smallTickLength, &p.bigTickWidth, &p.smallTickWidth,
          &p.arcWidth, &p.mountingAboveAxis, &p.mountingAboveBottom})
        *f = static_cast<std::int32_t>(*f * k);
    p.plateHeight = plateHeight;
    return p;
}

// A field of /proc/self/status in KiB: "VmRSS" now, "VmHWM" the peak.
inline long StatusKiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
    }
    return 0;
}
inline long ResidentKiB() {
    return StatusKiB("VmRSS");
}
inline long PeakKiB() {
    return StatusKiB("VmHWM");
}
// Starts the peak afresh from what is resident now.
inline void ResetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void RegisterViewBenchmarks(const std::string& scratch);
void RegisterHostileInputBenchmarks(const std::string& scratch);
void RegisterColourExportBenchmarks(const std::string& scratch);

}  // namespace quirn::bench
