// SPDX-License-Identifier: GPL-3.0-or-later
// The words for what the lower layers report: an outcome's message, the page setup's margin
// warnings and the template dialog's filters, in the language in force.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

#include "model/Outcome.h"
#include "peripherals/Printing.h"

namespace quirn {

// The message an outcome stands for, its arguments in place; empty for success. The bytes of
// OutcomeMessage are UTF-8 but for the arguments, which go in as they are (a path need not be).
std::string OutcomeMessage(const Outcome& outcome);
QString OutcomeText(const Outcome& outcome);

// "Левое поле задано меньше минимально возможного." and its three siblings.
QString MarginWarningText(MarginSide side);

// The template dialog's filters: every format Qt reads first, which the dialog opens on, then
// "Файлы изображений *.bmp".
QStringList TemplateFileFilters();

}  // namespace quirn
