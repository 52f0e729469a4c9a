// SPDX-License-Identifier: GPL-3.0-or-later
// What hostile inputs cost: the named extreme records and the far-coordinate records fuzzing
// found, rendered as the tests render them, and a BMP header announcing 60000 x 60000 pixels
// refused by the template loader. The tests check what comes of each; these time it. While the
// tests timed them: every named extreme under 0.2 s and the far records under 1.4 s in the
// sanitizer build (a far record once took a minute), the giant header a few ms.
#include <benchmark/benchmark.h>

#include <QString>
#include <algorithm>
#include <fstream>
#include <string>

#include "bench/BenchSupport.h"
#include "peripherals/TemplateUnderlay.h"
#include "render/ScaleDrawing.h"
#include "tests/support/BmpBytes.h"
#include "tests/support/ExtremeRecords.h"
#include "tests/support/RenderScale.h"

namespace quirn::bench {
namespace {

Scene LaidOut(const ScaleParameters& params) {
    Scene scene;
    scene.params = params;
    scene.layout = DefaultLayout(params);
    return scene;
}

// On a 96-dpi screen 100 mm across, as the extremes test renders them.
void RenderNamedExtreme(benchmark::State& bench, const ScaleParameters& params) {
    const Scene state = LaidOut(params);
    for (auto _ : bench) {
        const RenderResult result =
            RenderScale(state, ReferenceDevice{96, 254, 1000}, PaintMode::Screen);
        benchmark::DoNotOptimize(result.status);
    }
}

// Printed at 600 dpi and shown at zoom 6, as the regression test renders them.
void RenderFarRecord(benchmark::State& bench, const ScaleParameters& params) {
    const Scene printedState = LaidOut(params);
    Scene shownState = LaidOut(params);
    shownState.zoomPercent = 600;
    for (auto _ : bench) {
        const RenderResult printed =
            RenderScale(printedState, ReferenceDevice::ForDpi(600), PaintMode::Print);
        const RenderResult shown = RenderScale(shownState, {1920, 5090, 1008}, PaintMode::Screen);
        benchmark::DoNotOptimize(printed.status);
        benchmark::DoNotOptimize(shown.status);
    }
}

void RefuseGiantTemplate(benchmark::State& bench, const std::string& file) {
    std::ofstream(file, std::ios::binary) << test::BmpBytes(60000, 60000, 4096);
    const QString path = QString::fromStdString(file);
    for (auto _ : bench) {
        const Result<QImage> result = LoadTemplateImage(path);
        if (result.ok()) bench.SkipWithError("the giant header was decoded");
        benchmark::DoNotOptimize(result.value.constBits());
    }
}

// "Rdel under 7" as "Rdel_under_7": a name that a --benchmark_filter can spell.
std::string Spelled(std::string what) {
    std::replace(what.begin(), what.end(), ' ', '_');
    return what;
}

}  // namespace

// The processor time is the whole process's, as the raster engine paints on threads of its own.
void RegisterHostileInputBenchmarks(const std::string& scratch) {
    int n = 0;
    for (const test::NamedRecord& record : test::NamedExtremes()) {
        const std::string name =
            "Hostile/extreme/" + std::to_string(n++) + "_" + Spelled(record.what);
        benchmark::RegisterBenchmark(name.c_str(), RenderNamedExtreme, record.params)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    }
    for (const test::NamedRecord& record : test::FarCoordinateRecords()) {
        const std::string name = "Hostile/far/" + Spelled(record.what);
        benchmark::RegisterBenchmark(name.c_str(), RenderFarRecord, record.params)
            ->MeasureProcessCPUTime()
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Hostile/template/giant_header", RefuseGiantTemplate,
                                 scratch + "/giant.bmp")
        ->MeasureProcessCPUTime()
        ->Unit(benchmark::kMillisecond);
}

}  // namespace quirn::bench
