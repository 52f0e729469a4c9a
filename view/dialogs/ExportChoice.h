// SPDX-License-Identifier: GPL-3.0-or-later
// Where an exported picture goes and how it is written, as the export dialog gives it.
#pragma once

#include <QString>

#include "peripherals/PictureExport.h"

namespace quirn {

enum class ExportFormat { Bmp, Png, Svg, Pdf };

// What the user chose: the file is folder/baseName with the format's extension.
struct ExportChoice {
    ExportFormat format = ExportFormat::Bmp;
    QString folder;
    QString baseName;
    ExportOptions options;

    QString filePath() const;
};

// ".bmp", ".png", ".svg" or ".pdf".
QString ExtensionOf(ExportFormat format);

// Whether a base name names a file in the folder: not empty, no folder separator, not "." or "..".
bool IsPlainFileName(const QString& baseName);

}  // namespace quirn
