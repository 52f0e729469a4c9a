// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/SheetPainting.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "peripherals/SheetLayout.h"
#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

// Hundredths of a millimetre per inch.
constexpr std::int64_t kUnitsPerInch = 2540;
// One device pixel per drawing unit: the canvas's geometry in exact drawing units.
constexpr int kUnitDpi = 2540;
// The plate lies this far inside its printed canvas.
constexpr int kPlateInset = 100;
// Crop marks are hairlines of 0.1 mm.
constexpr double kMarkWidth = 10.0;

// A factor that cannot stretch anything sensibly leaves the sheet as it is.
double Factor(double f) {
    return std::isfinite(f) && f > 0.0 ? f : 1.0;
}

bool Stretched(const PrinterScale& scale) {
    return Factor(scale.horizontal) != 1.0 || Factor(scale.vertical) != 1.0;
}

int Copies(const SheetPainting& painting) {
    return std::max(painting.options.sheet.copies, 1);
}

CanvasGeometry UnitCanvas(const Scene& scene) {
    return ComputeCanvasGeometry(scene, ReferenceDevice::ForDpi(kUnitDpi), PaintMode::Print);
}

// The places of the copies on paper. The printer's scale stretches the sheet, so the copies are
// laid out on the paper shrunk by it, to land inside it once stretched.
std::vector<CopyPlace> Places(const CanvasGeometry& units, const QPaintDevice* paper,
                              const SheetPainting& painting) {
    const PageMargins& m = painting.margins;
    if (Copies(painting) == 1 || paper == nullptr) return {{0, m.left, m.top}};
    const double perPixel = double(kUnitsPerInch) / std::max(painting.dpi, 1);
    const PrinterScale& scale = painting.options.scale;
    const auto span = [&](int pixels, double factor) {
        return int(std::floor(pixels * perPixel / Factor(factor)));
    };
    const SheetArea area{m.left, m.top, span(paper->width(), scale.horizontal) - m.left - m.right,
                         span(paper->height(), scale.vertical) - m.top - m.bottom};
    return LayOutSheet(units.canvasWidth, units.canvasHeight, area, Copies(painting));
}

void PaintCopy(const Scene& scene, const ScaleLayout& laid, const CanvasGeometry& units,
               QPainter& painter, const SheetPainting& painting, const CopyPlace& place) {
    const int dpi = painting.dpi;
    const double scale = double(dpi) / double(kUnitsPerInch);
    const QPointF topLeft(place.left * scale, place.top * scale);
    const QRectF canvas(topLeft, QSizeF(units.canvasWidth * scale, units.canvasHeight * scale));

    painter.save();
    if (painting.options.sheet.mirror == Mirroring::LeftToRight) {
        // About the canvas's middle, which stays where it is.
        painter.translate(canvas.left() + canvas.right(), 0.0);
        painter.scale(-1.0, 1.0);
    }
    // The canvas is all that reaches the paper: the screen's bottom line lies outside it.
    painter.setClipRect(canvas);
    painter.fillRect(canvas, Qt::white);
    {
        const DrawingTransform page{topLeft + QPointF(units.originX, units.originY) * scale, dpi,
                                    kUnitsPerInch};
        PainterSurface surface(painter, page, true);
        surface.setHatchedZones(painting.zones == ZonePainting::Hatched);
        surface.setTextDrawing(painting.text);
        PaintScale(scene, laid, units, surface, PaintMode::Print);
    }
    painter.restore();
}

void PaintCropMarks(const CanvasGeometry& units, QPainter& painter, int dpi,
                    const std::vector<CopyPlace>& places, int sheet) {
    const double scale = double(dpi) / double(kUnitsPerInch);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, kMarkWidth * scale, Qt::SolidLine, Qt::FlatCap));
    for (const CopyPlace& place : places) {
        if (place.sheet != sheet) continue;
        for (const MarkLine& mark :
             CropMarks(place.left, place.top, units.canvasWidth, units.canvasHeight, kPlateInset)) {
            painter.drawLine(QPointF(mark.x1, mark.y1) * scale, QPointF(mark.x2, mark.y2) * scale);
        }
    }
    painter.restore();
}

}  // namespace

int SheetsOf(const Scene& scene, const QPaintDevice& paper, const SheetPainting& painting) {
    return SheetCount(Places(UnitCanvas(scene), &paper, painting));
}

void PaintSheet(const Scene& scene, QPainter& painter, const SheetPainting& painting, int sheet) {
    const ScaleLayout laid = LayOutScale(scene, PaintMode::Print);
    const CanvasGeometry units = UnitCanvas(scene);
    const std::vector<CopyPlace> places = Places(units, painter.device(), painting);
    const PrinterScale& scale = painting.options.scale;
    const bool stretched = Stretched(scale);
    if (stretched) {
        painter.save();
        painter.scale(Factor(scale.horizontal), Factor(scale.vertical));
    }
    for (const CopyPlace& place : places) {
        if (place.sheet == sheet) PaintCopy(scene, laid, units, painter, painting, place);
    }
    if (places.size() > 1) PaintCropMarks(units, painter, painting.dpi, places, sheet);
    if (stretched) painter.restore();
}

}  // namespace quirn
