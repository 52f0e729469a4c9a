// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/Printing.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "peripherals/SheetPainting.h"
#include "render/Typefaces.h"

namespace quirn {
namespace {

constexpr int kDefaultDpi = 600;
// Hundredths of a millimetre per inch.
constexpr std::int64_t kUnitsPerInch = 2540;

int Pixels(double points, int dpi) {
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

int ToUnits(std::int64_t pixels, int dpi) {
    return dpi > 0 ? static_cast<int>(pixels * kUnitsPerInch / dpi) : 0;
}

}  // namespace

PrinterMetrics MetricsOf(const QPrinter& printer) {
    const int dpi = printer.resolution() > 0 ? printer.resolution() : kDefaultDpi;
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Point);
    const QRectF paper = layout.fullRect(QPageLayout::Point);
    const QMarginsF border = layout.minimumMargins();
    PrinterMetrics m;
    m.physicalWidth = Pixels(paper.width(), dpi);
    m.physicalHeight = Pixels(paper.height(), dpi);
    m.physicalOffsetX = Pixels(border.left(), dpi);
    m.physicalOffsetY = Pixels(border.top(), dpi);
    m.horzRes = m.physicalWidth - m.physicalOffsetX - Pixels(border.right(), dpi);
    m.vertRes = m.physicalHeight - m.physicalOffsetY - Pixels(border.bottom(), dpi);
    m.logPixelsX = dpi;
    m.logPixelsY = dpi;
    return m;
}

PageMargins MinimumMargins(const PrinterMetrics& m) {
    using I = std::int64_t;
    return {ToUnits(m.physicalOffsetX, m.logPixelsX), ToUnits(m.physicalOffsetY, m.logPixelsY),
            ToUnits(I{m.physicalWidth} - m.physicalOffsetX - m.horzRes, m.logPixelsX),
            ToUnits(I{m.physicalHeight} - m.physicalOffsetY - m.vertRes, m.logPixelsY)};
}

std::optional<MarginSide> FirstMarginBelowMinimum(const PageMargins& margins,
                                                  const PageMargins& minimum) {
    if (margins.left < minimum.left) return MarginSide::Left;
    if (margins.right < minimum.right) return MarginSide::Right;
    if (margins.top < minimum.top) return MarginSide::Top;
    if (margins.bottom < minimum.bottom) return MarginSide::Bottom;
    return std::nullopt;
}

PageMargins RunPageSetup(PageMargins held,
                         const std::function<PageMargins(const PageMargins&)>& show,
                         const std::function<PageMargins()>& minimum,
                         const std::function<void(MarginSide)>& warn) {
    for (;;) {
        held = show(held);
        const PageMargins least = minimum();
        const std::optional<MarginSide> side = FirstMarginBelowMinimum(held, least);
        if (!side) return held;
        warn(*side);
        switch (*side) {
            case MarginSide::Left:
                held.left = least.left;
                break;
            case MarginSide::Right:
                held.right = least.right;
                break;
            case MarginSide::Top:
                held.top = least.top;
                break;
            case MarginSide::Bottom:
                held.bottom = least.bottom;
                break;
        }
    }
}

ApplicationPrinter::ApplicationPrinter() = default;
ApplicationPrinter::~ApplicationPrinter() = default;

QPrinter* ApplicationPrinter::printer() {
    if (printer_) return printer_.get();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // No default chosen in the system: any installed printer will do.
        const QList<QPrinterInfo> all = QPrinterInfo::availablePrinters();
        if (all.isEmpty()) return nullptr;
        info = all.first();
    }
    printer_ = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer_->setFullPage(true);
    return printer_.get();
}

std::unique_ptr<QPrinter> MakePaperPrinter() {
    auto paper = std::make_unique<QPrinter>(QPrinter::HighResolution);
    paper->setOutputFormat(QPrinter::PdfFormat);
    paper->setPageSize(QPageSize(QPageSize::A4));
    paper->setPageOrientation(QPageLayout::Portrait);
    paper->setResolution(kDefaultDpi);
    paper->setFullPage(true);
    return paper;
}

int ApplicationPrinter::dpi() {
    const QPrinter* p = printer();
    return p != nullptr && p->resolution() > 0 ? p->resolution() : kDefaultDpi;
}

void PaintScalePage(const Scene& scene, QPainter& painter, int dpi, const PageMargins& margins,
                    ZonePainting zones, const PageOptions& options) {
    SheetPainting painting;
    painting.dpi = dpi;
    painting.margins = margins;
    painting.zones = zones;
    painting.options = options;
    PaintSheet(scene, painter, painting, 0);
}

Result<int> PrintScale(const Scene& scene, QPrinter& printer, const PageMargins& margins,
                       const QString& documentName, const PageOptions& options) {
    printer.setFullPage(true);
    SheetPainting painting;
    painting.dpi = printer.resolution() > 0 ? printer.resolution() : kDefaultDpi;
    painting.margins = margins;
    // A printer set to grey would print a coloured zone as a dark band that hides the ticks.
    painting.zones =
        printer.colorMode() == QPrinter::GrayScale ? ZonePainting::Hatched : ZonePainting::Coloured;
    painting.options = options;
    const int sheets = SheetsOf(scene, printer, painting);
    int first = 1;
    int last = sheets;
    if (printer.printRange() == QPrinter::PageRange) {
        first = std::max(printer.fromPage(), 1);
        if (printer.toPage() > 0) last = std::min(printer.toPage(), sheets);
    }
    if (first > last) return {{}, 0};
    printer.setDocName(documentName);
    QPainter painter;
    if (!painter.begin(&printer)) {
        return {Outcome::Failed(Fault::PrintCannotStart), 0};
    }
    for (int sheet = first; sheet <= last; ++sheet) {
        if (sheet > first && !printer.newPage()) break;
        PaintSheet(scene, painter, painting, sheet - 1);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return {Outcome::Failed(Fault::PrintNotSent, {printer.printerName().toStdString()}), 0};
    }
    return {{}, last - first + 1};
}

void PreferColourForZones(QPrinter& printer, const ScaleParameters& params) {
    if (params.ext.zones.empty() && PlateInks(params).empty()) return;
    // A file printer (PDF) has no device and takes colour.
    const QPrinterInfo info(printer);
    if (info.isNull() || info.supportedColorModes().contains(QPrinter::Color))
        printer.setColorMode(QPrinter::Color);
}

}  // namespace quirn
