// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the scale, as it would be printed, into a picture file at true size.
#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <string>

#include "model/Outcome.h"
#include "peripherals/SheetOptions.h"
#include "render/Scene.h"

namespace quirn {

// Texts in SVG and PDF: as text in its font (embedded in the PDF), or as filled outlines that
// need no font, so that an engraver cuts exactly what the screen shows.
enum class TextOutput { AsText, AsOutlines };

// The resolutions a bitmap is exported at, from the command line and the dialog alike.
inline constexpr int kLowestExportDpi = 1;
inline constexpr int kHighestExportDpi = 9600;

struct ExportOptions {
    int dpi = 0;  // BMP and PNG; 0 means 600
    TextOutput text = TextOutput::AsText;
    // PDF: several copies go on A4 sheets with crop marks, one copy is a page that is the
    // canvas; PDF and SVG are mirrored when asked; BMP and PNG take neither.
    SheetOptions sheet;
    int bandRows = 0;  // 0: as many as keep memory to a few tens of megabytes
};

// How far an export has got, told on the exporting thread after each band: units done of the
// units in all. Answering false stops it, and the target is left as it was.
using ExportProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

// Renders the scale for print and writes it by the file's extension: ".bmp" and ".png" as a
// one-bit picture at dpi, ".svg" and ".pdf" as vectors whose page is the canvas in millimetres.
// Coloured zones are hatched in the bitmap and coloured inks black; they make the PNG 8-bit and
// are drawn in colour there and in the vectors. The target is replaced only when the whole file
// could be written. The pictures are painted and written bandRows rows at a time (0: as many as
// keep memory to a few tens of megabytes), so only the BMP format's own limits refuse a size.
Outcome ExportPicture(const Scene& scene, const QString& outPath, const ExportOptions& options,
                      const ExportProgress& progress = {});

inline Outcome ExportPicture(const Scene& scene, const QString& outPath, int dpi,
                             int bandRows = 0) {
    ExportOptions options;
    options.dpi = dpi;
    options.bandRows = bandRows;
    return ExportPicture(scene, outPath, options);
}

}  // namespace quirn
