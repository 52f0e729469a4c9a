// SPDX-License-Identifier: GPL-3.0-or-later
// quirn --export: renders a scale as printed and writes it, without a window.
#pragma once

#include "app/CommandLine.h"

namespace quirn {

int RunExport(const CommandLineRequest& request, int& argc, char** argv);

}  // namespace quirn
