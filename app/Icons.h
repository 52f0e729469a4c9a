// SPDX-License-Identifier: GPL-3.0-or-later
// The toolbar's button pictures and the program's icon, drawn rather than shipped.
#pragma once

#include <QIcon>

#include "app/Commands.h"

namespace quirn {

// Toolbar buttons are 16 x 15 pixels.
inline constexpr int kButtonWidth = 16;
inline constexpr int kButtonHeight = 15;

QIcon ToolbarIcon(Command command);

// A dial plate with its graduation and pointer.
QIcon ProgramIcon();

}  // namespace quirn
