// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the copies of a plate on the sheets of a printer or a PDF file: each copy clipped to
// its canvas, mirrored when asked, with crop marks about every plate when there are several,
// and the whole sheet stretched by the printer's scale correction.
#pragma once

#include "peripherals/Printing.h"
#include "peripherals/SheetOptions.h"
#include "render/PainterSurface.h"
#include "render/Scene.h"

class QPainter;
class QPaintDevice;

namespace quirn {

struct SheetPainting {
    int dpi = 600;  // of the device painted on
    PageMargins margins;
    ZonePainting zones = ZonePainting::Coloured;
    TextDrawing text = TextDrawing::Glyphs;
    PageOptions options;
};

// How many sheets the copies take on paper, the device's full page.
int SheetsOf(const Scene& scene, const QPaintDevice& paper, const SheetPainting& painting);

// Paints sheet (0 the first) onto painter's device, whose full page is the paper. One copy,
// unmirrored and unstretched, is the canvas at the left and top margins with nothing else.
void PaintSheet(const Scene& scene, QPainter& painter, const SheetPainting& painting, int sheet);

}  // namespace quirn
