// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PrinterCalibration.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace quirn {
namespace {

constexpr int kDefaultDpi = 600;

// Where things stand on the page, in millimetres from the paper's top-left corner: clear of
// any printer's unprintable border and within A4 and Letter alike.
constexpr double kLeft = 25.0;
constexpr double kCaptionTop = 20.0;
constexpr double kHorizontalRulerY = 55.0;  // its base line
constexpr double kVerticalRulerTop = 80.0;

// Tick lengths and the width of every stroke, in millimetres.
constexpr double kShortTick = 2.0;
constexpr double kMiddleTick = 3.5;
constexpr double kLongTick = 5.0;
constexpr double kStroke = 0.15;

class PageUnits {
  public:
    explicit PageUnits(int dpi) : perMm_(dpi / 25.4) {}
    double operator()(double mm) const { return mm * perMm_; }
    // A stroke at least one device pixel wide, so that no tick is lost at a low resolution.
    double stroke() const { return std::max((*this)(kStroke), 1.0); }

  private:
    double perMm_;
};

double TickLength(int mm) {
    if (mm % 10 == 0) return kLongTick;
    return mm % 5 == 0 ? kMiddleTick : kShortTick;
}

QFont TextFont(const PageUnits& at, double heightMm) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setPixelSize(std::max(1, static_cast<int>(at(heightMm))));
    return font;
}

// Along x from (kLeft, y): the base line, ticks below it, numbers under the long ones. Each
// tick is centred on its millimetre, so that 0 and 100 are measured centre to centre.
void PaintHorizontalRuler(QPainter& painter, const PageUnits& at, double y) {
    const double w = at.stroke();
    painter.fillRect(QRectF(at(kLeft) - w / 2, at(y) - w / 2, at(kCalibrationRulerMm) + w, w),
                     Qt::black);
    const QFontMetricsF metrics(painter.font());
    for (int mm = 0; mm <= kCalibrationRulerMm; ++mm) {
        const double x = at(kLeft + mm);
        painter.fillRect(QRectF(x - w / 2, at(y), w, at(TickLength(mm))), Qt::black);
        if (mm % 10 != 0) continue;
        const QString number = QString::number(mm);
        painter.drawText(QPointF(x - metrics.horizontalAdvance(number) / 2,
                                 at(y + kLongTick + 1.0) + metrics.ascent()),
                         number);
    }
}

// Down y from (x, kVerticalRulerTop): the base line, ticks to its right, numbers beside the
// long ones.
void PaintVerticalRuler(QPainter& painter, const PageUnits& at, double x) {
    const double w = at.stroke();
    painter.fillRect(
        QRectF(at(x) - w / 2, at(kVerticalRulerTop) - w / 2, w, at(kCalibrationRulerMm) + w),
        Qt::black);
    const QFontMetricsF metrics(painter.font());
    for (int mm = 0; mm <= kCalibrationRulerMm; ++mm) {
        const double y = at(kVerticalRulerTop + mm);
        painter.fillRect(QRectF(at(x), y - w / 2, at(TickLength(mm)), w), Qt::black);
        if (mm % 10 != 0) continue;
        painter.drawText(QPointF(at(x + kLongTick + 1.0), y + (metrics.ascent() / 2 - 1)),
                         QString::number(mm));
    }
}

}  // namespace

void PaintCalibrationPage(QPainter& painter, int dpi, const CalibrationPageTexts& texts) {
    const PageUnits at(dpi);
    painter.save();
    painter.setPen(Qt::black);
    painter.setFont(TextFont(at, 4.0));
    const double lineMm = 6.0;
    painter.drawText(QPointF(at(kLeft), at(kCaptionTop)), texts.caption);
    painter.setFont(TextFont(at, 3.0));
    // The instructions wrap within the page's width less the margins.
    const QRectF block(at(kLeft), at(kCaptionTop + lineMm - 3.0), at(160.0), at(20.0));
    painter.drawText(block, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, texts.instructions);

    painter.setFont(TextFont(at, 2.5));
    painter.drawText(QPointF(at(kLeft), at(kHorizontalRulerY - 2.0)), texts.horizontal);
    PaintHorizontalRuler(painter, at, kHorizontalRulerY);
    painter.save();
    // The vertical ruler's name reads upward beside it, clear of its numbers.
    painter.translate(at(kLeft - 2.0), at(kVerticalRulerTop + kCalibrationRulerMm));
    painter.rotate(-90);
    painter.drawText(QPointF(0, 0), texts.vertical);
    painter.restore();
    PaintVerticalRuler(painter, at, kLeft);
    painter.restore();
}

Outcome PrintCalibrationPage(QPrinter& printer, const CalibrationPageTexts& texts) {
    printer.setFullPage(true);
    printer.setDocName(texts.caption);
    QPainter painter;
    if (!painter.begin(&printer)) return Outcome::Failed(Fault::PrintCannotStart);
    PaintCalibrationPage(painter, printer.resolution() > 0 ? printer.resolution() : kDefaultDpi,
                         texts);
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        return Outcome::Failed(Fault::PrintNotSent, {printer.printerName().toStdString()});
    return {};
}

PrinterScale ScaleForPrinter(const PrinterScales& scales, const std::string& printerName) {
    const auto found = scales.find(printerName);
    return found == scales.end() ? PrinterScale{} : found->second;
}

double CorrectionFor(double measuredMm) {
    return kCalibrationRulerMm / measuredMm;
}

}  // namespace quirn
