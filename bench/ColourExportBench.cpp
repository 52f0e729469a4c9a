// SPDX-License-Identifier: GPL-3.0-or-later
// What a plate in colour costs as a PNG against the same plate as a one-bit BMP, both written in
// bands to a file: the 300 x 260 mm zoned plate at 1200 dpi, and two sample plates at 1200 and
// 4800 dpi, one with a drawing (the PNG is RGB) and one whose zones fit a palette.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <chrono>
#include <ctime>
#include <string>

#include "bench/BenchSupport.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "peripherals/PictureExport.h"
#include "peripherals/PlacedPictures.h"
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

// A plate of the tests' samples with the pictures it places, read from beside it.
Scene SamplePlate(const std::string& name) {
    Scene scene;
    const Result<std::string> file =
        ReadFileHead(std::string(QUIRN_TEST_SAMPLES "/") + name, kParameterReadLimit);
    scene.params = ReadScaleParameters(file.value);
    scene.symbols = LoadSymbolImages();
    scene.layout = DefaultLayout(scene.params);
    scene.documentFolder = QUIRN_TEST_SAMPLES;
    RefreshPictures(scene);
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
    long peakKiB = 0;  // the most resident memory over any one export
    qint64 bytes = 0;  // the file's size
};

void Export(const Scene& scene, const std::string& path, int dpi, benchmark::State& bench,
            Seconds& sum) {
    ResetPeakMemory();
    const long before = ResidentKiB();
    const auto start = std::chrono::steady_clock::now();
    const double cpu = ProcessSeconds();
    if (!ExportPicture(scene, QString::fromStdString(path), dpi).ok())
        bench.SkipWithError("export failed");
    sum.cpu += ProcessSeconds() - cpu;
    sum.wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    sum.peakKiB = std::max(sum.peakKiB, PeakKiB() - before);
    sum.bytes = QFileInfo(QString::fromStdString(path)).size();
}

// Both files each iteration, side by side, and the PNG's time over the BMP's: by the clock,
// and by the processor time of all threads, which other work on a shared machine disturbs less
// but which counts the compressing threads' time in full.
void ExportBoth(benchmark::State& bench, const Scene& scene, int dpi, const std::string& scratch) {
    Seconds bmp, png;
    for (auto _ : bench) {
        Export(scene, scratch + "/plate.bmp", dpi, bench, bmp);
        Export(scene, scratch + "/plate.png", dpi, bench, png);
    }
    const auto runs = double(bench.iterations());
    bench.counters["bmp_s"] = bmp.wall / runs;
    bench.counters["png_s"] = png.wall / runs;
    bench.counters["png_over_bmp"] = bmp.wall > 0.0 ? png.wall / bmp.wall : 0.0;
    bench.counters["png_over_bmp_cpu"] = bmp.cpu > 0.0 ? png.cpu / bmp.cpu : 0.0;
    bench.counters["bmp_peak_MiB"] = double(bmp.peakKiB) / 1024.0;
    bench.counters["png_peak_MiB"] = double(png.peakKiB) / 1024.0;
    bench.counters["bmp_MiB"] = double(bmp.bytes) / 1048576.0;
    bench.counters["png_MiB"] = double(png.bytes) / 1048576.0;
}

}  // namespace

void RegisterColourExportBenchmarks(const std::string& scratch) {
    benchmark::RegisterBenchmark(
        "ZonedExport300x260mm/1200dpi/bmp_and_png",
        [scratch](benchmark::State& bench) { ExportBoth(bench, ZonedPlate(), 1200, scratch); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    struct Case {
        const char* label;
        const char* file;
    };
    for (const Case c : {Case{"PictureExport", "Multimeter-two-colour.qrn"},
                         Case{"PaletteExport", "Battery-tester-12V.qrn"}}) {
        for (const int dpi : {1200, 4800}) {
            const std::string name =
                std::string(c.label) + "/" + std::to_string(dpi) + "dpi/bmp_and_png";
            const std::string file = c.file;
            benchmark::RegisterBenchmark(name.c_str(),
                                         [scratch, file, dpi](benchmark::State& bench) {
                                             ExportBoth(bench, SamplePlate(file), dpi, scratch);
                                         })
                ->Unit(benchmark::kMillisecond)
                ->Iterations(dpi > 1200 ? 1 : 3);
        }
    }
}

}  // namespace quirn::bench
