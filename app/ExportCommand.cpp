// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportCommand.h"

#include "peripherals/Printing.h"
#include "view/ScaleSession.h"
#include "view/UserPrompts.h"

namespace quirn {

void RunPictureExport(ScaleSession& session, ApplicationPrinter* printer, UserPrompts& prompts) {
    if (!session.applyGroup().ResolveUnappliedEdits(prompts)) return;
    const int dpi = printer != nullptr ? printer->dpi() : ApplicationPrinter().dpi();
    const ExportResult result = session.ExportPicture(dpi);
    if (!result.ok()) prompts.Warn(QString::fromStdString(result.message));
}

}  // namespace quirn
