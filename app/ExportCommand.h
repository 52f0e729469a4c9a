// SPDX-License-Identifier: GPL-3.0-or-later
// "Экспорт...": the export dialog, the question before a file is replaced, and the picture.
#pragma once

#include <QString>
#include <optional>

#include "view/dialogs/ExportChoice.h"

class QWidget;

namespace quirn {

class ApplicationPrinter;
class ScaleSession;
class UserPrompts;

// What the next export proposes: the format, folder and options last used. An empty folder is
// the current one.
struct ExportMemory {
    ExportFormat format = ExportFormat::Bmp;
    QString folder;
    ExportOptions options;
};

// The menu proposes the format last used; the panel's "Записать рисунок в файл" the bitmap.
enum class ExportStart { LastFormat, Bitmap };

// What the panels hold unapplied is settled first, as for saving. The name proposed is the
// document file's, else its description's; the resolution the printer's (the default
// printer's without one) until the user picks another. The picture is written off the window's
// thread, its progress shown over parent. A failure is told; the value is the file written,
// none when nothing was.
std::optional<QString> RunPictureExport(ScaleSession& session, ApplicationPrinter* printer,
                                        UserPrompts& prompts, ExportMemory& memory,
                                        ExportStart start, QWidget* parent);

}  // namespace quirn
