// SPDX-License-Identifier: GPL-3.0-or-later
// Where copies of a plate go on the sheets of paper they are printed on, and where their crop
// marks run. Plain geometry in drawing units (0.01 mm), y down from the paper's top-left corner.
#pragma once

#include <vector>

namespace quirn {

// The part of a sheet that plates may take: the paper inside its margins.
struct SheetArea {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SheetArea&) const = default;
};

// The top-left corner of one copy's canvas on its sheet (0 the first).
struct CopyPlace {
    int sheet = 0;
    int left = 0;
    int top = 0;
    bool operator==(const CopyPlace&) const = default;
};

// Between neighbouring canvases, across and down.
constexpr int kSheetGap = 600;

// The places of copies canvases of width x height: as many to a row as fit across the area,
// rows down the area, further sheets when one is full. A canvas wider or taller than the area
// still takes a row or a sheet of its own. copies below 1 places none.
std::vector<CopyPlace> LayOutSheet(int width, int height, const SheetArea& area, int copies,
                                   int gap = kSheetGap);

// How many sheets the places take.
int SheetCount(const std::vector<CopyPlace>& places);

// A straight mark from one point to another.
struct MarkLine {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    bool operator==(const MarkLine&) const = default;
};

// Crop marks start this far from the plate's corner, which is the canvas's border, and run
// this long, outside the canvas, along the plate's edges.
constexpr int kMarkOffset = 100;
constexpr int kMarkLength = 250;

// The eight marks about the plate whose canvas lies at left, top: each of the plate's edges
// carried on past both its corners, never over the canvas. inset is how far the plate lies
// inside its canvas.
std::vector<MarkLine> CropMarks(int left, int top, int width, int height, int inset);

}  // namespace quirn
