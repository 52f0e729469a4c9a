// SPDX-License-Identifier: GPL-3.0-or-later
// The printer's scale check: a test page with a 100 mm ruler across and one down, which the user
// measures, and the corrections kept for each printer by its name.
#pragma once

#include <QString>
#include <map>
#include <string>

#include "model/Outcome.h"
#include "peripherals/SheetOptions.h"

class QPainter;
class QPrinter;

namespace quirn {

// The test page's texts, in the user's language: the caption naming the printer, what to
// measure, and the names of the two rulers.
struct CalibrationPageTexts {
    QString caption;
    QString instructions;
    QString horizontal;
    QString vertical;
};

// The length of each ruler, in millimetres.
inline constexpr int kCalibrationRulerMm = 100;

// Paints the test page onto painter's device at dpi, from the paper's top-left corner: the
// caption, then a horizontal and a vertical ruler of kCalibrationRulerMm with a tick every
// millimetre, longer every 5 and 10 mm, numbered every 10 mm. Nothing of it depends on a
// correction: the page shows what the printer does on its own.
void PaintCalibrationPage(QPainter& painter, int dpi, const CalibrationPageTexts& texts);

// Prints the test page on printer, which is set to print the full page.
Outcome PrintCalibrationPage(QPrinter& printer, const CalibrationPageTexts& texts);

// The corrections kept, by the printer's name.
using PrinterScales = std::map<std::string, PrinterScale>;

// The correction for the printer named; none (1 and 1) for a printer never calibrated.
PrinterScale ScaleForPrinter(const PrinterScales& scales, const std::string& printerName);

// What a ruler printed measuredMm long must be stretched by to come out kCalibrationRulerMm.
double CorrectionFor(double measuredMm);

}  // namespace quirn
