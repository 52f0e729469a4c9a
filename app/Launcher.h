// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up: reads the command line and runs the headless job or the desktop program.
#pragma once

namespace quirn {

int RunQuirn(int argc, char** argv);

}  // namespace quirn
