// SPDX-License-Identifier: GPL-3.0-or-later
// What a plate with coloured zones costs as a PNG against the same plate as a one-bit BMP: the
// 300 x 260 mm plate at 1200 dpi, both written in bands to a file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

#include "bench/BenchSupport.h"
#include "peripherals/PictureExport.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"

namespace quirn::bench {
namespace {

// The switchboard plate at 300 x 260 mm with green, yellow and red zones along its scale.
Scene ZonedPlate() {
    Scene scene;
    scene.params = LargePlate(26000);
    scene.params.ext.zones = {{1, 0.0, 0.3 * scene.params.range, 0x00A000},
                              {1, 0.3 * scene.params.range, 0.8 * scene.params.range, 0xE0C000},
                              {1, 0.8 * scene.params.range, scene.params.range, 0xD00000}};
    scene.symbols = LoadSymbolImages();
    scene.layout = DefaultLayout(scene.params);
    return scene;
}

double ProcessSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

struct Seconds {
    double wall = 0.0;
    double cpu = 0.0;
};

void Export(const Scene& scene, const std::string& path, benchmark::State& bench, Seconds& sum) {
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessSeconds();
    if (!ExportPicture(scene, QString::fromStdString(path), 1200).ok())
        bench.SkipWithError("export failed");
    sum.cpu += ProcessSeconds() - cpu;
    sum.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Both files each iteration, side by side, and the PNG's time over the BMP's: by the clock,
// and by the processor time, which other work on a shared machine disturbs less.
void ZonedExport(benchmark::State& bench, const std::string& scratch) {
    const Scene scene = ZonedPlate();
    Seconds bmp, png;
    for (auto _ : bench) {
        Export(scene, scratch + "/zoned.bmp", bench, bmp);
        Export(scene, scratch + "/zoned.png", bench, png);
    }
    const auto runs = double(bench.iterations());
    bench.counters["bmp_s"] = bmp.wall / runs;
    bench.counters["png_s"] = png.wall / runs;
    bench.counters["png_over_bmp"] = bmp.wall > 0.0 ? png.wall / bmp.wall : 0.0;
    bench.counters["png_over_bmp_cpu"] = bmp.cpu > 0.0 ? png.cpu / bmp.cpu : 0.0;
}

}  // namespace

void RegisterColourExportBenchmarks(const std::string& scratch) {
    benchmark::RegisterBenchmark("ZonedExport300x260mm/1200dpi/bmp_and_png", ZonedExport, scratch)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
}

}  // namespace quirn::bench
