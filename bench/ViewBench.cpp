// SPDX-License-Identifier: GPL-3.0-or-later
// What the view and the export cost on a switchboard meter's plate of 300 x 300 mm: a paint of
// the window at zoom 10 and a drag step against filling the window's pixels once, and the
// 1200-dpi export written in bands against the whole canvas rendered and encoded at once.
#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <fstream>
#include <string>

#include "bench/BenchSupport.h"
#include "peripherals/PictureExport.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "tests/support/RenderScale.h"
#include "view/canvas/ViewMapping.h"
#include "view/canvas/WindowPicture.h"

namespace quirn::bench {
namespace {

// A 1008 x 700 px window on a screen of 1920 px across 509.0 mm.
constexpr ReferenceDevice kScreen{1920, 5090, 1008};
constexpr QSize kWindow(1008, 700);

// The large plate with the program's symbols, its elements where a reset puts them.
Scene LargePlateState() {
    Scene scene;
    scene.params = LargePlate(30000);
    scene.symbols = LoadSymbolImages();
    scene.layout = DefaultLayout(scene.params);
    return scene;
}

// The large plate laid out on screen at zoom 10 as the view shows it.
struct Shown {
    Scene scene;
    ScaleLayout laid;
    CanvasGeometry geometry;
    ShownRevision revision;
    PictureSource source() const { return {scene, laid, geometry, revision}; }
};

// The large plate at zoom 10, and the window over the element's middle.
Shown AtZoomTen(MovableElement centred, QRect& window) {
    Shown state{LargePlateState(), {}, {}, {}};
    state.scene.zoomPercent = 1000;
    state.laid = LayOutScale(state.scene, PaintMode::Screen);
    state.geometry = ComputeCanvasGeometry(state.scene, kScreen, PaintMode::Screen);
    const Box area = DrawnArea(state.scene, state.laid, centred);
    const Point middle = DrawingToCanvasPixel(
        state.geometry, {(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    window =
        QRect(QPoint(middle.x - kWindow.width() / 2, middle.y - kWindow.height() / 2), kWindow);
    return state;
}

// Filling the window's pixels once: the least any paint of it costs.
void WindowFill(benchmark::State& bench) {
    QImage screen(kWindow, QImage::Format_RGB32);
    for (auto _ : bench) {
        QPainter painter(&screen);
        painter.fillRect(screen.rect(), Qt::white);
    }
}

// An expose of the view: the kept picture copied onto the window.
void ViewPaint(benchmark::State& bench) {
    QRect window;
    const Shown state = AtZoomTen(MovableElement::NameLabel, window);
    WindowPicture picture;
    QImage screen(kWindow, QImage::Format_RGB32);
    for (auto _ : bench) {
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), picture.picture(state.source(), window));
    }
}

// Scrolling down 100 pixels at a time: what comes into view is painted, then copied to the
// screen.
void ViewScroll(benchmark::State& bench) {
    QRect window;
    const Shown state = AtZoomTen(MovableElement::NameLabel, window);
    WindowPicture picture;
    QImage screen(kWindow, QImage::Format_RGB32);
    int shift = 0;
    for (auto _ : bench) {
        shift = (shift + 100) % 6000;
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0),
                          picture.picture(state.source(), window.translated(0, shift)));
    }
}

// A zoom step: the whole window painted anew at another zoom, and copied to the screen.
void ViewZoom(benchmark::State& bench) {
    QRect window;
    Shown state = AtZoomTen(MovableElement::NameLabel, window);
    const CanvasGeometry ten = state.geometry;
    state.scene.zoomPercent = 900;
    const CanvasGeometry nine = ComputeCanvasGeometry(state.scene, kScreen, PaintMode::Screen);
    WindowPicture picture;
    QImage screen(kWindow, QImage::Format_RGB32);
    for (auto _ : bench) {
        state.geometry = state.geometry == ten ? nine : ten;
        QPainter painter(&screen);
        painter.drawImage(QPoint(0, 0), picture.picture(state.source(), window));
    }
}

// One step of a drag: the element moved by 1 mm, and painted again where it was and is.
void DragStep(benchmark::State& bench, MovableElement e) {
    QRect window;
    Shown state = AtZoomTen(e, window);
    WindowPicture picture;
    QImage screen(kWindow, QImage::Format_RGB32);
    picture.picture(state.source(), window);
    const DrawingTransform transform = DrawingTransform::OfCanvas(state.geometry);
    int step = 100;
    for (auto _ : bench) {
        const QRect before =
            transform.toDevice(DrawnArea(state.scene, state.laid, e)).toAlignedRect();
        state.laid.layout.anchors[static_cast<std::size_t>(Index(e))].x += step;
        ++state.revision.drag;
        step = -step;
        const QRect after =
            transform.toDevice(DrawnArea(state.scene, state.laid, e)).toAlignedRect();
        const QRect changed = (before | after).adjusted(-3, -3, 3, 3);
        picture.repaint(state.source(), changed);
        // Only the changed part reaches the screen, as the view asks for it.
        const QRect shown = changed.intersected(window).translated(-window.topLeft());
        QPainter painter(&screen);
        painter.drawImage(shown.topLeft(), picture.picture(state.source(), window), shown);
    }
}

// The 1200-dpi BMP as it is written now: in bands, streamed to the file.
void ExportBanded(benchmark::State& bench, const std::string& path) {
    ResetPeakMemory();
    const long start = ResidentKiB();
    for (auto _ : bench) {
        const Scene state = LargePlateState();
        if (!ExportPicture(state, QString::fromStdString(path), 1200).ok())
            bench.SkipWithError("export failed");
    }
    bench.counters["peak_MiB"] = double(PeakKiB() - start) / 1024.0;
}

// As it was written before: the whole canvas in one band, then written.
void ExportWhole(benchmark::State& bench, const std::string& path) {
    ResetPeakMemory();
    const long start = ResidentKiB();
    for (auto _ : bench) {
        const Scene state = LargePlateState();
        const int rows =
            ComputeCanvasGeometry(state, ReferenceDevice::ForDpi(1200), PaintMode::Print)
                .pixelHeight;
        if (!ExportPicture(state, QString::fromStdString(path), 1200, rows).ok())
            bench.SkipWithError("export failed");
    }
    bench.counters["peak_MiB"] = double(PeakKiB() - start) / 1024.0;
}

}  // namespace

void RegisterViewBenchmarks(const std::string& scratch) {
    using E = MovableElement;
    benchmark::RegisterBenchmark("View/zoom10/fill", WindowFill)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("View/zoom10/paint", ViewPaint)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("View/zoom10/scroll", ViewScroll)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("View/zoom10/zoom", ViewZoom)->Unit(benchmark::kMillisecond);
    for (auto [name, e] : {std::pair{"name", E::NameLabel}, std::pair{"unit", E::UnitLabel},
                           std::pair{"data", E::DataSymbol}})
        benchmark::RegisterBenchmark((std::string("View/zoom10/drag_") + name).c_str(), DragStep, e)
            ->Unit(benchmark::kMillisecond);
    // One run each, the banded first: the peak is reset between them, but a process gives back
    // little of what it once held.
    benchmark::RegisterBenchmark("Export300mm/1200dpi/banded", ExportBanded, scratch + "/b.bmp")
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
    benchmark::RegisterBenchmark("Export300mm/1200dpi/whole", ExportWhole, scratch + "/w.bmp")
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace quirn::bench
