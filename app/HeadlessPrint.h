// SPDX-License-Identifier: GPL-3.0-or-later
// quirn --print FILE: prints a scale on the default printer without a dialog.
#pragma once

#include "app/CommandLine.h"

namespace quirn {

int RunPrint(const CommandLineRequest& request, int& argc, char** argv);

}  // namespace quirn
