// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportCommand.h"

#include "peripherals/Printing.h"
#include "view/OutcomeText.h"
#include "view/ScaleSession.h"
#include "view/UserPrompts.h"

namespace quirn {

void RunPictureExport(ScaleSession& session, ApplicationPrinter* printer, UserPrompts& prompts) {
    if (!session.applyGroup().ResolveUnappliedEdits(prompts)) return;
    const int dpi = printer != nullptr ? printer->dpi() : ApplicationPrinter().dpi();
    const Outcome exported = session.ExportPicture(dpi);
    if (!exported.ok()) prompts.Warn(OutcomeText(exported));
}

}  // namespace quirn
