// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the scales window that are not field captions: why it refuses a record, and the
// lists an ohmmeter or standing-wave-ratio scale starts with. UTF-8 unless said otherwise.
#pragma once

#include <string>

#include "model/ScaleLaw.h"

namespace quirn {

// What the user is told about the first problem CheckScales found in p:
// "Шкала 2: значения таблицы должны возрастать (5:0.6 4:1)", "Зона 2: нет шкалы 3".
std::string ScaleProblemText(const ScaleCheck& check, const ScaleParameters& p);

// Ticks and numbers in 1-2-5 steps around an ohmmeter's centre value, from a tenth of its decade
// to a hundred times it, thousands written "k" and millions "M": for 10,
// "0 1 2 5 10 20 50 100 200 500 1000" and "0 10 20 50 100 200 500 1000=1k". A centre that is not
// above zero is taken as 10. The texts are the list fields' (the numbers Windows-1251).
struct DefaultLists {
    std::string ticks;
    std::string numbers;
};
DefaultLists DefaultOhmLists(double centre);
// The ratios a standing-wave-ratio scale is read at, 1 to 10, for both lists; its right end
// carries "∞" of itself.
DefaultLists DefaultSwrLists();

}  // namespace quirn
