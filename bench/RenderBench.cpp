// Cost of rendering the scale against the bare cost of a canvas of the same size: every mouse
// move over the view repaints the whole scale, so the drawing must stay cheap next to the fill.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <clocale>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "render/RenderScale.h"
#include "render/SymbolImages.h"

namespace {

using namespace quirn;

// A 1008 px wide view on a screen of 1920 px across 509.0 mm.
constexpr ReferenceDevice kScreen{1920, 5090, 1008};

RenderState DefaultState() {
    RenderState state;
    state.params = kDefaultParameters;
    state.symbols = LoadSymbolImages();
    ResetLayout(state);
    return state;
}

void Render(benchmark::State& bench, int zoom, ReferenceDevice device, bool forScreen) {
    RenderState state = DefaultState();
    state.zoom = zoom;
    for (auto _ : bench) {
        const RenderResult result = RenderScale(state, device, forScreen);
        if (!result.ok()) bench.SkipWithError(result.message.c_str());
        benchmark::DoNotOptimize(state.canvas.image.constBits());
    }
    bench.counters["pixels"] =
        double(state.canvas.geometry.pixelWidth) * state.canvas.geometry.pixelHeight;
}

// Only what any rendering must do: allocate the canvas and paint it white.
void Fill(benchmark::State& bench, int zoom, ReferenceDevice device, bool forScreen) {
    RenderState state = DefaultState();
    state.zoom = zoom;
    const CanvasGeometry g = ComputeCanvasGeometry(state, device, forScreen);
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
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = run.real_accumulated_time / double(run.iterations);
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> times;
};

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
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    std::printf("\nrender / fill of the same canvas:\n");
    for (const Case& c : Cases()) {
        const auto render = reporter.times.find(c.name + "/render");
        const auto fill = reporter.times.find(c.name + "/fill");
        if (render == reporter.times.end() || fill == reporter.times.end() || fill->second <= 0)
            continue;
        std::printf("  %-16s %6.2f\n", c.name.c_str(), render->second / fill->second);
    }
    benchmark::Shutdown();
    return 0;
}
