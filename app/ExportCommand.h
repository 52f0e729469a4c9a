// SPDX-License-Identifier: GPL-3.0-or-later
// "Записать рисунок в файл": the scale as a one-bit BMP at the application printer's resolution,
// named after the scale's description, in the current folder.
#pragma once

namespace quirn {

class ApplicationPrinter;
class ScaleSession;
class UserPrompts;

// What the panels hold unapplied is settled first, as for saving; only a failure is told.
// Without a printer, the default printer's resolution.
void RunPictureExport(ScaleSession& session, ApplicationPrinter* printer, UserPrompts& prompts);

}  // namespace quirn
