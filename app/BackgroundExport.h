// SPDX-License-Identifier: GPL-3.0-or-later
// An export run off the window's thread: the window keeps repainting, and one that takes longer
// than half a second shows its progress with "Отмена". It paints a scene of its own, with its
// own drawings of the pictures, so that nothing it reads is touched by the window meanwhile.
#pragma once

#include <QString>

#include "peripherals/PictureExport.h"

class QWidget;

namespace quirn {

Outcome ExportOffThread(const Scene& scene, const QString& path, const ExportOptions& options,
                        QWidget* parent);

}  // namespace quirn
