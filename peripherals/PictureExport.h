// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the scale, as it would be printed, into a picture file at true size.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

#include "model/Outcome.h"
#include "render/RenderState.h"

namespace quirn {

// The canvas as a one-bit bitmap file: 62-byte header, rows bottom-up, bit 1 white, both
// resolutions in pixels per metre from the canvas's true width. Empty when the picture is too
// large for the format's 32-bit sizes or the canvas is empty.
QByteArray EncodeMonochromeBmp(const Canvas& canvas);

// Renders the scale for print and writes it by the file's extension: ".bmp" and ".png" as a
// one-bit picture at dpi, ".svg" and ".pdf" as vectors whose page is the canvas in millimetres.
// Coloured zones are hatched in the bitmap; they make the PNG 8-bit RGB and are filled in colour
// there and in the vectors. The target is replaced only when the whole file could be written.
// The pictures are painted and written bandRows rows at a time (0: as many as keep memory to a
// few tens of megabytes), so only the BMP format's own limits refuse a size; the state is left
// as after a rendering for print, without the picture itself.
Outcome ExportPicture(RenderState& state, const QString& outPath, int dpi, int bandRows = 0);

}  // namespace quirn
