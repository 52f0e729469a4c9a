// Fuzz target: the renderer fed any parameter record. Every field comes from the input, as do
// the mode, the zoom (1..10), one of a few calibration ratios, the view's width and, when the
// input asks for it, dragged anchors and a template underlay. On the screen, a window of the
// canvas is also painted alone, as the view paints it, and must show the whole canvas's pixels.
// What remains of the input is then read as extension lines and the record drawn with them.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "FuzzCheck.h"
#include "model/ExtensionText.h"
#include "render/PainterSurface.h"
#include "render/RenderScale.h"
#include "render/SparseCanvas.h"
#include "render/SymbolImages.h"

namespace quirn::fuzz {
namespace {

// Lives until the process ends: libFuzzer leaves by exit(), and Qt must not be torn down then.
QGuiApplication* application = nullptr;
SymbolImages symbols;

double AnyDouble(FuzzedDataProvider& in) {
    return std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>());
}

std::int32_t AnyInt(FuzzedDataProvider& in) {
    return in.ConsumeIntegral<std::int32_t>();
}

ScaleParameters AnyParameters(FuzzedDataProvider& in) {
    ScaleParameters p;
    p.name = in.ConsumeRandomLengthString(200);
    p.unit = in.ConsumeRandomLengthString(50);
    p.range = AnyDouble(in);
    p.alfa = AnyDouble(in);
    for (std::int32_t* field :
         {&p.shape, &p.Lshk,  &p.Hshk,  &p.skos,  &p.Rout,   &p.Rin,    &p.Lkrep,
          &p.Rdel,  &p.out_R, &p.Nfull, &p.Nbig,  &p.Nm,     &p.Lbig,   &p.Lsm,
          &p.Hbig,  &p.Hsm,   &p.Duga,  &p.Hduga, &p.Los_os, &p.Los_niz})
        *field = AnyInt(in);
    return p;
}

// What is left of the input, read as the extension lines of a file (laws, lists, further scales,
// zones, label texts, places), on the same record, drawn once more for print. Taken last, so
// that every input means for the rest what it meant before.
void RenderExtensions(RenderState state, FuzzedDataProvider& in) {
    if (in.remaining_bytes() == 0) return;
    state.params.ext = ReadExtensionLines(in.ConsumeRemainingBytesAsString());
    state.canvas = Canvas{};
    ResetLayout(state);
    const RenderResult result = RenderScale(state, ReferenceDevice::ForDpi(72), false);
    QUIRN_FUZZ_CHECK(result.ok() ? !state.canvas.image.isNull() : state.canvas.image.isNull());
}

}  // namespace
}  // namespace quirn::fuzz

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    using namespace quirn::fuzz;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    application = new QGuiApplication(*argc, *argv);
    // Qt loads its font database, and fontconfig its configuration, on the first text measured;
    // doing it here keeps that one-time work, and what fontconfig keeps of it, out of the runs.
    (void)QFontMetricsF(QFont(QStringLiteral("Arial"))).height();
    symbols = quirn::LoadSymbolImages();
    QUIRN_FUZZ_CHECK(!symbols.data.isNull() && !symbols.romb.isNull() && !symbols.others.isNull());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quirn;
    using namespace quirn::fuzz;
    FuzzedDataProvider in(data, size);

    RenderState state;
    state.params = AnyParameters(in);
    const bool forScreen = in.ConsumeBool();
    state.zoom = in.ConsumeIntegralInRange(1, 10);
    state.Ksrn = in.PickValueInArray({1.0, 1.078125, 0.5, 2.75, 0.0, -1.0});
    state.symbols = symbols;
    ResetLayout(state);
    if (in.ConsumeBool()) {
        for (Point& anchor : state.layout.anchors) anchor = {AnyInt(in), AnyInt(in)};
    }
    if (forScreen && in.ConsumeBool()) {
        state.templ.loaded = true;
        state.templ.image = QImage(in.ConsumeIntegralInRange(1, 64),
                                   in.ConsumeIntegralInRange(1, 64), QImage::Format_RGB32);
        state.templ.image.fill(Qt::gray);
        state.templ.width = AnyInt(in);
        state.templ.anchor = {AnyInt(in), AnyInt(in)};
    }

    // A 96 dpi screen or a printer of a common resolution.
    ReferenceDevice device = ReferenceDevice::ForDpi(in.PickValueInArray({72, 150, 300, 600}));
    if (forScreen) device = {1920, 5080, in.ConsumeIntegralInRange(0, 4000)};

    const RenderResult result = RenderScale(state, device, forScreen);
    if (result.ok()) {
        const CanvasGeometry& g = state.canvas.geometry;
        QUIRN_FUZZ_CHECK(state.canvas.image.width() == g.pixelWidth &&
                         state.canvas.image.height() == g.pixelHeight);
    } else {
        QUIRN_FUZZ_CHECK(state.canvas.image.isNull() && !result.message.empty());
    }
    if (!forScreen) {
        RenderExtensions(state, in);
        return 0;
    }

    // The window the view would show, anywhere on a canvas of any size.
    const CanvasGeometry g = ComputeCanvasGeometry(state, device, true);
    const QRect window(in.ConsumeIntegralInRange(0, g.pixelWidth - 1),
                       in.ConsumeIntegralInRange(0, g.pixelHeight - 1), 160, 120);
    RenderState shown = state;
    shown.canvas = Canvas{};
    shown.canvas.geometry = g;
    QImage part(window.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    SparseCanvas sparse(g, QImage::Format_RGB32);
    const bool exact = sparse.reserve();
    sparse.paint(
        window,
        [&shown](QPainter& painter, const DrawingTransform& transform, const QRect& area) {
            PainterSurface surface(painter, transform, false);
            surface.restrictTo(area);
            PaintScale(shown, surface, true);
        },
        [&](const uchar* pixels, int x, int y, int width) {
            std::memcpy(part.scanLine(y - window.top()) + (x - window.left()) * 4, pixels,
                        std::size_t(width) * 4);
        });
    if (result.ok() && exact) {
        const QRect inside = window.intersected(state.canvas.image.rect());
        QUIRN_FUZZ_CHECK(part.copy(inside.translated(-window.topLeft())) ==
                         state.canvas.image.copy(inside));
    }
    RenderExtensions(state, in);
    return 0;
}
