// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/SheetLayout.h"

#include <algorithm>
#include <cstdint>

namespace quirn {
namespace {

// How many of size with gap between them fit into room: at least one.
int Fitting(int size, int room, int gap) {
    const std::int64_t step = std::int64_t{size} + std::max(gap, 0);
    if (step <= 0) return 1;
    return int(std::max<std::int64_t>((std::int64_t{room} + std::max(gap, 0)) / step, 1));
}

}  // namespace

std::vector<CopyPlace> LayOutSheet(int width, int height, const SheetArea& area, int copies,
                                   int gap) {
    std::vector<CopyPlace> places;
    if (copies < 1) return places;
    const int across = Fitting(width, area.width, gap);
    const int down = Fitting(height, area.height, gap);
    const std::int64_t stepX = std::int64_t{width} + gap;
    const std::int64_t stepY = std::int64_t{height} + gap;
    places.reserve(std::size_t(copies));
    for (int i = 0; i < copies; ++i) {
        const int row = i / across;
        const int column = i % across;
        places.push_back(
            {row / down, int(area.left + column * stepX), int(area.top + (row % down) * stepY)});
    }
    return places;
}

int SheetCount(const std::vector<CopyPlace>& places) {
    return places.empty() ? 0 : places.back().sheet + 1;
}

std::vector<MarkLine> CropMarks(int left, int top, int width, int height, int inset) {
    const int right = left + width;
    const int bottom = top + height;
    // The plate's edges.
    const int plateLeft = left + inset;
    const int plateTop = top + inset;
    const int plateRight = right - inset;
    const int plateBottom = bottom - inset;
    // From the canvas's border outward, but never nearer the plate's corner than the offset.
    const int near = std::max(kMarkOffset, inset);
    const int far = near + kMarkLength;
    const int gapLeft = plateLeft - near;
    const int gapRight = plateRight + near;
    const int gapTop = plateTop - near;
    const int gapBottom = plateBottom + near;
    return {
        // The top and bottom edges carried on to the left and right.
        {gapLeft, plateTop, plateLeft - far, plateTop},
        {gapRight, plateTop, plateRight + far, plateTop},
        {gapLeft, plateBottom, plateLeft - far, plateBottom},
        {gapRight, plateBottom, plateRight + far, plateBottom},
        // The left and right edges carried on up and down.
        {plateLeft, gapTop, plateLeft, plateTop - far},
        {plateRight, gapTop, plateRight, plateTop - far},
        {plateLeft, gapBottom, plateLeft, plateBottom + far},
        {plateRight, gapBottom, plateRight, plateBottom + far},
    };
}

}  // namespace quirn
