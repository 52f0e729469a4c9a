// SPDX-License-Identifier: GPL-3.0-or-later
// Why the scales window refuses a record, in the user's words. UTF-8.
#pragma once

#include <string>

#include "model/ScaleLaw.h"

namespace quirn {

// What the user is told about the first problem CheckScales found in p:
// "Шкала 2: значения таблицы должны возрастать (5:0.6 4:1)", "Зона 2: нет шкалы 3". A law's own
// problems are told in its row's words (model/LawTable.h), the rest in the window's.
std::string ScaleProblemText(const ScaleCheck& check, const ScaleParameters& p);

}  // namespace quirn
