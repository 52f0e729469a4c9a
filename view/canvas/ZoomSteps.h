// SPDX-License-Identifier: GPL-3.0-or-later
// The zooms the view offers, in percent: a quarter and a half for a whole large plate, then
// whole multiples up to ten for the finest work.
#pragma once

#include <vector>

namespace quirn {

// Which way a zoom command goes.
enum class ZoomDirection { In, Out };

// 25, 50, 100, 200 ... 1000.
const std::vector<int>& ZoomSteps();

// The step next to percent in direction; percent itself at either end. A percent between the
// steps goes to the nearest step beyond it.
int NextZoomStep(int percent, ZoomDirection direction);

}  // namespace quirn
