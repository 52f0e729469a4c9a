// SPDX-License-Identifier: GPL-3.0-or-later
// The plain values the drawing interface speaks in. Every coordinate is a whole number of drawing
// units (0.01 mm) with the origin at the pointer axis, x right and y up.
#pragma once

#include <string>

#include "model/ScaleExtensions.h"

namespace quirn {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Extent {
    int width = 0;
    int height = 0;
    bool operator==(const Extent&) const = default;
};

// A point of drawing space in real numbers, for bounds that may reach beyond the int range.
struct RealPoint {
    double x = 0.0;
    double y = 0.0;
    bool operator==(const RealPoint&) const = default;
};

// A rectangle by its edges in y-up drawing space: top is the larger y for an upright box.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box&) const = default;
};

// A font as the renderer asks for it: cell height (internal leading included), average
// character width (0 = the face's natural width), weight, escapement in tenths of a degree
// counterclockwise in y-up space, and the family and slant (no family: "Arial", the plate's own
// face).
struct FontChoice {
    FontChoice() = default;
    FontChoice(int cell, int width, int fontWeight, int turn)
        : cellHeight(cell), averageWidth(width), weight(fontWeight), escapement(turn) {}

    int cellHeight = 0;
    int averageWidth = 0;
    int weight = 400;
    int escapement = 0;
    std::string family;
    FontSlant slant = FontSlant::Upright;
    bool operator==(const FontChoice&) const = default;
};

}  // namespace quirn
