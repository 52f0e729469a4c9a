// SPDX-License-Identifier: GPL-3.0-or-later
// Cost of rendering the scale against the bare cost of a canvas of the same size, and of the view
// and the export against theirs; the ratios are printed at the end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <clocale>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "bench/BenchSupport.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "tests/support/RenderScale.h"

namespace {

using namespace quirn;
namespace bench = quirn::bench;

// A 1008 px wide view on a screen of 1920 px across 509.0 mm.
constexpr ReferenceDevice kScreen{1920, 5090, 1008};

Scene DefaultState() {
    Scene scene;
    scene.params = kDefaultParameters;
    scene.symbols = LoadSymbolImages();
    scene.layout = DefaultLayout(scene.params);
    return scene;
}

PaintMode ModeFor(bool forScreen) {
    return forScreen ? PaintMode::Screen : PaintMode::Print;
}

void Render(benchmark::State& bench, int zoom, ReferenceDevice device, bool forScreen) {
    Scene state = DefaultState();
    state.zoomPercent = 100 * zoom;
    CanvasGeometry g;
    for (auto _ : bench) {
        const RenderResult result = RenderScale(state, device, ModeFor(forScreen));
        if (!result.ok()) bench.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(result.canvas.image.constBits());
        g = result.canvas.geometry;
    }
    bench.counters["pixels"] = double(g.pixelWidth) * g.pixelHeight;
}

// Only what any rendering must do: allocate the canvas and paint it white.
void Fill(benchmark::State& bench, int zoom, ReferenceDevice device, bool forScreen) {
    Scene state = DefaultState();
    state.zoomPercent = 100 * zoom;
    const CanvasGeometry g = ComputeCanvasGeometry(state, device, ModeFor(forScreen));
    for (auto _ : bench) {
        QImage image(g.pixelWidth, g.pixelHeight,
                     forScreen ? QImage::Format_RGB32 : QImage::Format_Mono);
        if (forScreen) {
            image.fill(Qt::white);
        } else {
            image.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
            image.fill(1u);
        }
        benchmark::DoNotOptimize(image.constBits());
    }
    bench.counters["pixels"] = double(g.pixelWidth) * g.pixelHeight;
}

struct Case {
    std::string name;
    int zoom;
    ReferenceDevice device;
    bool forScreen;
};

const std::vector<Case>& Cases() {
    static const std::vector<Case> cases{
        {"Screen/zoom1", 1, kScreen, true},
        {"Screen/zoom10", 10, kScreen, true},
        {"Export/600dpi", 1, ReferenceDevice::ForDpi(600), false},
        {"Export/1200dpi", 1, ReferenceDevice::ForDpi(1200), false},
    };
    return cases;
}

// Keeps the console output and remembers each benchmark's time for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type != Run::RT_Iteration) continue;
            // Without the "/iterations:1" of the single runs.
            const std::string name =
                run.benchmark_name().substr(0, run.benchmark_name().find("/iterations:"));
            times[name] = run.real_accumulated_time / double(run.iterations);
            const auto peak = run.counters.find("peak_MiB");
            if (peak != run.counters.end()) peaks[name] = peak->second.value;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
    std::map<std::string, double> peaks;
};

// a / b of two benchmarks' times, when both ran.
void PrintRatio(const RatioReporter& r, const std::string& label, const std::string& a,
                const std::string& b) {
    const auto ta = r.times.find(a);
    const auto tb = r.times.find(b);
    if (ta == r.times.end() || tb == r.times.end() || tb->second <= 0) return;
    std::printf("  %-28s %6.2f\n", label.c_str(), ta->second / tb->second);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    for (const Case& c : Cases()) {
        benchmark::RegisterBenchmark((c.name + "/render").c_str(), Render, c.zoom, c.device,
                                     c.forScreen)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark((c.name + "/fill").c_str(), Fill, c.zoom, c.device,
                                     c.forScreen)
            ->Unit(benchmark::kMillisecond);
    }
    QTemporaryDir scratch;
    bench::RegisterViewBenchmarks(scratch.path().toStdString());
    bench::RegisterHostileInputBenchmarks(scratch.path().toStdString());
    bench::RegisterColourExportBenchmarks(scratch.path().toStdString());
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nrender / fill of the same canvas:\n");
    for (const Case& c : Cases())
        PrintRatio(reporter, c.name, c.name + "/render", c.name + "/fill");
    std::printf("\n300 mm plate, 1008 x 700 window at zoom 10, against filling the window:\n");
    for (const char* what : {"paint", "scroll", "zoom", "drag_name", "drag_unit", "drag_data"})
        PrintRatio(reporter, what, std::string("View/zoom10/") + what, "View/zoom10/fill");
    std::printf("\n300 mm plate at 1200 dpi, banded against whole:\n");
    PrintRatio(reporter, "time", "Export300mm/1200dpi/banded", "Export300mm/1200dpi/whole");
    for (const char* how : {"banded", "whole"}) {
        const auto peak = reporter.peaks.find(std::string("Export300mm/1200dpi/") + how);
        if (peak != reporter.peaks.end())
            std::printf("  peak %-23s %6.0f MiB\n", how, peak->second);
    }
    benchmark::Shutdown();
    return 0;
}
