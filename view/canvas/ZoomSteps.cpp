// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/ZoomSteps.h"

#include <algorithm>

namespace quirn {

const std::vector<int>& ZoomSteps() {
    static const std::vector<int> steps = [] {
        std::vector<int> all{25, 50};
        for (int times = 1; times <= 10; ++times) all.push_back(times * 100);
        return all;
    }();
    return steps;
}

int NextZoomStep(int percent, ZoomDirection direction) {
    const std::vector<int>& steps = ZoomSteps();
    if (direction == ZoomDirection::In) {
        const auto above = std::upper_bound(steps.begin(), steps.end(), percent);
        return above == steps.end() ? percent : *above;
    }
    const auto below = std::lower_bound(steps.begin(), steps.end(), percent);
    return below == steps.begin() ? percent : *(below - 1);
}

}  // namespace quirn
