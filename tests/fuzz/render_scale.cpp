// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: the renderer fed any parameter record. Every field comes from the input, as do
// the mode, the zoom (1..10), one of a few calibration ratios, the view's width and, when the
// input asks for it, dragged anchors and a template underlay. On the screen, a window of the
// canvas is also painted alone, as the view paints it, and must show the whole canvas's pixels.
// What remains of the input is then read as extension lines and the record drawn with them.
// For print, the record is also exported the way picture files are painted, a band of rows at a
// time, at 960 dpi times the zoom (up to the 9600 dpi the command line allows), in one bit and in
// colour: the first and last bands and those through the symbols and labels, alike in both but
// for the zones.
#include <fuzzer/FuzzedDataProvider.h>

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

#include "FuzzCheck.h"
#include "model/ExtensionText.h"
#include "peripherals/BandedCanvas.h"
#include "render/PainterSurface.h"
#include "render/ScaleDrawing.h"
#include "render/SparseCanvas.h"
#include "render/SymbolImages.h"
#include "support/RenderScale.h"

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
    p.halfAngle = AnyDouble(in);
    for (std::int32_t* field :
         {&p.shape,         &p.plateWidth,      &p.plateHeight,         &p.cornerBevel,
          &p.outerRadius,   &p.innerRadius,     &p.mountingHoleSpacing, &p.tickRadius,
          &p.ticksInward,   &p.divisions,       &p.bigDivisions,        &p.numberedDivisions,
          &p.bigTickLength, &p.smallTickLength, &p.bigTickWidth,        &p.smallTickWidth,
          &p.arcShown,      &p.arcWidth,        &p.mountingAboveAxis,   &p.mountingAboveBottom})
        *field = AnyInt(in);
    return p;
}

// Rows of a picture wider than this are left out: the run would be spent allocating them.
constexpr qsizetype kWidestBandRow = qsizetype{1} << 22;
constexpr int kBandRows = 8;

// Bands of the picture export at dpi, at its top, its bottom and its movable elements' anchors,
// painted both ways the export paints them: one bit per pixel, as the bitmap, and colour, as the
// PNG of a plate with zones. Colour and one bit are the same picture but for the zones, whatever
// the size of the canvas; the one-bit rows keep the bits past the last pixel 0.
void ExportBands(const Scene& state, int dpi) {
    BandedCanvas oneBit(state, ReferenceDevice::ForDpi(dpi), BandPixels::OneBit);
    BandedCanvas colour(state, ReferenceDevice::ForDpi(dpi), BandPixels::Rgb);
    const CanvasGeometry& g = oneBit.geometry();
    // The export refuses a picture whose sides saturate the int range.
    constexpr int kSaturated = std::numeric_limits<int>::max();
    if (g.pixelWidth >= kSaturated || g.pixelHeight >= kSaturated) return;
    if (colour.rowBytes() > kWidestBandRow || !oneBit.reserve() || !colour.reserve()) return;
    const int rows = std::min(kBandRows, g.pixelHeight);
    std::vector<uchar> bits(std::size_t(rows) * std::size_t(oneBit.rowBytes()));
    std::vector<uchar> rgb(std::size_t(rows) * std::size_t(colour.rowBytes()));
    const auto zoneColour = [&](const uchar* pixel) {
        const std::uint32_t c = std::uint32_t(pixel[0]) << 16 | pixel[1] << 8 | pixel[2];
        return std::any_of(state.params.ext.zones.begin(), state.params.ext.zones.end(),
                           [c](const Zone& z) { return z.rgb == c; });
    };
    // Black, white or a zone in the colour band; black or white in the one-bit band.
    enum class Shade { Black, White, Zone };
    const auto colourAt = [&](int x, int y) {
        const uchar* pixel = rgb.data() + qsizetype(y) * colour.rowBytes() + qsizetype(x) * 3;
        if (zoneColour(pixel)) return Shade::Zone;
        QUIRN_FUZZ_CHECK(pixel[0] == pixel[1] && pixel[1] == pixel[2]);
        return pixel[0] < 128 ? Shade::Black : Shade::White;
    };
    const auto oneBitAt = [&](int x, int y) {
        const uchar byte = bits[std::size_t(qsizetype(y) * oneBit.rowBytes() + x / 8)];
        return (byte & (0x80 >> (x % 8))) != 0 ? Shade::White : Shade::Black;
    };
    // The two are painted through windows of their own sizes, and a line may fall a pixel apart
    // where their origins differ: a pixel of one is matched within a pixel in the other.
    const auto nearby = [&](int x, int y, Shade shade, auto at) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const int nx = x + dx;
                const int ny = y + dy;
                if (nx < 0 || nx >= g.pixelWidth || ny < 0 || ny >= rows) continue;
                const Shade other = at(nx, ny);
                if (other == shade || other == Shade::Zone) return true;
            }
        return false;
    };
    // The first and last rows, and the rows through the anchors of the symbols and labels.
    std::vector<int> tops{0, g.pixelHeight - rows};
    const DrawingTransform transform = DrawingTransform::OfCanvas(g);
    for (const Point& anchor : LayOutScale(state, PaintMode::Print).layout.anchors) {
        const std::int64_t row = transform.toDevicePixel(anchor).y;
        tops.push_back(int(std::clamp<std::int64_t>(row - rows / 2, 0, g.pixelHeight - rows)));
    }
    for (const int top : tops) {
        oneBit.render(top, rows, bits.data());
        colour.render(top, rows, rgb.data());
        const int spare = int(oneBit.rowBytes() * 8 - g.pixelWidth);
        for (int y = 0; y < rows; ++y) {
            const uchar last = bits[std::size_t((y + 1) * oneBit.rowBytes() - 1)];
            QUIRN_FUZZ_CHECK((last & ((1 << spare) - 1)) == 0);
            for (int x = 0; x < g.pixelWidth; ++x) {
                const Shade c = colourAt(x, y);
                if (c == Shade::Zone || c == oneBitAt(x, y)) continue;
                // A zone's hatching in one bit may lie where the colour band has the zone.
                QUIRN_FUZZ_CHECK(nearby(x, y, c, oneBitAt) &&
                                 nearby(x, y, oneBitAt(x, y), colourAt));
            }
        }
    }
}

// What is left of the input, read as the extension lines of a file (laws, lists, further scales,
// zones, label texts, places), on the same record, drawn once more for print. Taken last, so
// that every input means for the rest what it meant before.
test::LaidOutScene RenderExtensions(test::LaidOutScene state, FuzzedDataProvider& in) {
    if (in.remaining_bytes() == 0) return state;
    ReadExtensionLines(in.ConsumeRemainingBytesAsString(), state.params);
    state.canvas = Canvas{};
    state.layout = DefaultLayout(state.params);
    const RenderResult result = RenderScale(state, ReferenceDevice::ForDpi(72), PaintMode::Print);
    QUIRN_FUZZ_CHECK(result.ok() ? !state.canvas.image.isNull() : state.canvas.image.isNull());
    return state;
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
    QUIRN_FUZZ_CHECK(!symbols.data.isNull() && !symbols.diamond.isNull() &&
                     !symbols.others.isNull());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace quirn;
    using namespace quirn::fuzz;
    FuzzedDataProvider in(data, size);

    test::LaidOutScene state;
    state.params = AnyParameters(in);
    const bool forScreen = in.ConsumeBool();
    state.zoomPercent = 100 * in.ConsumeIntegralInRange(1, 10);
    state.displayCorrection = in.PickValueInArray({1.0, 1.078125, 0.5, 2.75, 0.0, -1.0});
    state.symbols = symbols;
    state.layout = DefaultLayout(state.params);
    if (in.ConsumeBool()) {
        for (Point& anchor : state.layout.anchors) anchor = {AnyInt(in), AnyInt(in)};
    }
    if (forScreen && in.ConsumeBool()) {
        QImage image(in.ConsumeIntegralInRange(1, 64), in.ConsumeIntegralInRange(1, 64),
                     QImage::Format_RGB32);
        image.fill(Qt::gray);
        state.templatePicture = {"scan.png", image};
        const int width = AnyInt(in);
        const Place corner{AnyInt(in), AnyInt(in)};
        state.params.ext.templateRecord =
            TemplateRecord{corner, width, double(in.ConsumeIntegralInRange(-360, 360)),
                           in.ConsumeIntegralInRange(0, 100), "scan.png"};
    }

    // A 96 dpi screen or a printer of a common resolution.
    ReferenceDevice device = ReferenceDevice::ForDpi(in.PickValueInArray({72, 150, 300, 600}));
    if (forScreen) device = {1920, 5080, in.ConsumeIntegralInRange(0, 4000)};

    const RenderResult result =
        RenderScale(state, device, forScreen ? PaintMode::Screen : PaintMode::Print);
    if (result.ok()) {
        const CanvasGeometry& g = state.canvas.geometry;
        QUIRN_FUZZ_CHECK(state.canvas.image.width() == g.pixelWidth &&
                         state.canvas.image.height() == g.pixelHeight);
    } else {
        QUIRN_FUZZ_CHECK(state.canvas.image.isNull() && !result.message.empty());
    }
    if (!forScreen) {
        // On paper the zoom means nothing; here it picks the export's resolution.
        ExportBands(RenderExtensions(state, in), 960 * (state.zoomPercent / 100));
        return 0;
    }

    // The window the view would show, anywhere on a canvas of any size.
    const CanvasGeometry g = ComputeCanvasGeometry(state, device, PaintMode::Screen);
    const QRect window(in.ConsumeIntegralInRange(0, g.pixelWidth - 1),
                       in.ConsumeIntegralInRange(0, g.pixelHeight - 1), 160, 120);
    const ScaleLayout laid = LayOutScale(state, PaintMode::Screen);
    QImage part(window.size(), QImage::Format_RGB32);
    part.fill(Qt::white);
    SparseCanvas sparse(g, QImage::Format_RGB32);
    const bool exact = sparse.reserve();
    sparse.paint(
        window,
        [&](QPainter& painter, const DrawingTransform& transform, const QRect& area) {
            PainterSurface surface(painter, transform, false);
            surface.restrictTo(area);
            PaintScale(state, laid, g, surface, PaintMode::Screen);
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
