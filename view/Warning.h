// SPDX-License-Identifier: GPL-3.0-or-later
// How the view's parts tell the user that something failed: through the handler when one is set
// (tests, the command line), otherwise in a warning box over parent.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quirn {

using WarningHandler = std::function<void(const QString&)>;

void ShowWarning(const WarningHandler& handler, QWidget* parent, const QString& text);

}  // namespace quirn
