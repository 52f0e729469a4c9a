// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a plate on a 400-dpi scan of 160 x 120 mm, drawn as the scan tests draw theirs; the
// goal is under a second.
#include <benchmark/benchmark.h>

#include "scan/DetectScale.h"
#include "scan/DrawnScan.h"

namespace quirn::bench {
namespace {

void DetectOnLargeScan(benchmark::State& bench) {
    test::DrawnPlate plate;
    plate.dpi = 400;
    plate.turn = 4.0;
    plate.arc = true;
    // The plate with its 6 mm of bed round it fills 160 x 120 mm.
    plate.width = 148.0;
    plate.height = 108.0;
    plate.pivotHeight = 20.0;
    plate.radius = 70.0;
    plate.bigLength = 8.0;
    plate.smallLength = 5.0;
    plate.divisions = 100;
    plate.bigDivisions = 10;
    const test::DrawnScan scan = test::DrawScan(plate);
    for (auto _ : bench) {
        const Result<ScaleDetection> found = DetectScale(scan.Image());
        if (!found.ok()) bench.SkipWithError("no scale found");
        benchmark::DoNotOptimize(found.value.pivot);
    }
    bench.counters["pixels"] = double(scan.width) * scan.height;
}
BENCHMARK(DetectOnLargeScan)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quirn::bench
