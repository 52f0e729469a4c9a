// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the scale at true size on one page, the printer's unprintable borders and the page
// setup check of the margins.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/Outcome.h"
#include "peripherals/SheetOptions.h"
#include "render/Scene.h"

class QPainter;
class QPrinter;

namespace quirn {

// Distances of the printed area from the paper's edges, in drawing units (0.01 mm).
struct PageMargins {
    int left = 1000;
    int top = 1000;
    int right = 1000;
    int bottom = 1000;
    bool operator==(const PageMargins&) const = default;
};

// A printer page in device pixels: the printable area (HORZRES x VERTRES) inside the paper
// (PHYSICALWIDTH x PHYSICALHEIGHT) at an offset, and the resolution.
struct PrinterMetrics {
    int horzRes = 0;
    int vertRes = 0;
    int physicalWidth = 0;
    int physicalHeight = 0;
    int physicalOffsetX = 0;
    int physicalOffsetY = 0;
    int logPixelsX = 0;
    int logPixelsY = 0;
    bool operator==(const PrinterMetrics&) const = default;
};

// The metrics of the printer's current paper and resolution.
PrinterMetrics MetricsOf(const QPrinter& printer);

// The unprintable borders in drawing units, truncated toward zero.
PageMargins MinimumMargins(const PrinterMetrics& metrics);

// In the order the page setup checks them.
enum class MarginSide { Left, Right, Top, Bottom };

// The first margin, in the order left, right, top, bottom, that is below its minimum.
std::optional<MarginSide> FirstMarginBelowMinimum(const PageMargins& margins,
                                                  const PageMargins& minimum);

// The page setup loop. show puts margins into the dialog and returns what it holds when it
// closes (OK and Cancel alike); minimum gives the current printer's borders; warn shows the
// message of one margin. One margin too small is raised to its minimum per showing, and the
// dialog is shown again, until none is below its minimum.
PageMargins RunPageSetup(PageMargins held,
                         const std::function<PageMargins(const PageMargins&)>& show,
                         const std::function<PageMargins()>& minimum,
                         const std::function<void(MarginSide)>& warn);

// The printer the program prints on: the system's default printer until another is chosen.
// It prints the full page, so its coordinates start at the paper's corner.
class ApplicationPrinter {
  public:
    ApplicationPrinter();
    ~ApplicationPrinter();
    ApplicationPrinter(const ApplicationPrinter&) = delete;
    ApplicationPrinter& operator=(const ApplicationPrinter&) = delete;

    // Null while no printer is installed; made when first asked for.
    QPrinter* printer();
    // Its resolution in dots per inch; 600 without a printer.
    int dpi();

  private:
    std::unique_ptr<QPrinter> printer_;
};

// The page the program lays out on while no printer is installed, for the preview and the page
// setup: A4 at 600 dpi, the full page; printed, it writes a PDF file.
std::unique_ptr<QPrinter> MakePaperPrinter();

// Paints the scale as printed onto painter's device at dpi, the canvas's top-left corner at
// the left and top margins from the device's origin. The drawing is clipped to the canvas.
// Zones are filled in colour, or hatched in black for a device that prints grey only.
// options lays copies on the sheet, mirrors them and corrects the printer's scale; this paints
// the first sheet, with the device's full page as the paper.
void PaintScalePage(const Scene& scene, QPainter& painter, int dpi, const PageMargins& margins,
                    ZonePainting zones = ZonePainting::Coloured, const PageOptions& options = {});

// Prints the scale on printer, which must print the full page: one page, or as many as the
// copies of options take. Only the pages of a page range are printed. Zones come out in colour
// when the printer is set to colour, and hatched when it is set to grey. The value is the
// number of pages printed.
Result<int> PrintScale(const Scene& scene, QPrinter& printer, const PageMargins& margins,
                       const QString& documentName, const PageOptions& options = {});

// Sets printer to colour for a plate with zones or inks when the printer can print colour; leaves
// it as it is otherwise, so that a black-and-white plate is printed as it always was.
void PreferColourForZones(QPrinter& printer, const ScaleParameters& params);

}  // namespace quirn
