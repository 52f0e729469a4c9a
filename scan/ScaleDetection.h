// SPDX-License-Identifier: GPL-3.0-or-later
// What the finder saw of a scale plate on a scan. Places on the scan are pixels with the origin at
// the top-left pixel's centre, y down; lengths are millimetres; angles are degrees
// counterclockwise as the plate is seen, 90 straight up.
#pragma once

#include <optional>
#include <vector>

namespace quirn {

struct ScanPoint {
    double x = 0.0;
    double y = 0.0;
};

enum class TickSize { Small, Big };
enum class TickDirection { Outward, Inward };  // from the base radius toward the tips

struct FoundTick {
    double angle = 0.0;   // about the pivot, on the scan as it lies
    double length = 0.0;  // from the base radius to the tip
    double width = 0.0;
    TickSize size = TickSize::Small;
};

// The line drawn along the ticks' bases: its middle's radius and its width.
struct FoundArc {
    double radius = 0.0;
    double width = 0.0;
};

// The plate's edge where it shows against the scanner's bed, in the plate's own frame: the
// pivot at the origin, y up, the plate standing level.
struct FoundPlate {
    double left = 0.0;  // the sides, from the pivot
    double right = 0.0;
    double bottom = 0.0;
    double top = 0.0;
    double bevel = 0.0;  // the top corners' 45-degree cuts, along each side; 0: square corners
    double width() const { return right - left; }
    double height() const { return top - bottom; }
    double pivotHeight() const { return -bottom; }
};

struct ScaleDetection {
    double dpi = 0.0;
    int imageWidth = 0;  // pixels
    int imageHeight = 0;
    ScanPoint pivot;               // where the ticks' centre lines meet
    double pivotScatter = 0.0;     // how far the ticks' centre lines pass from it, root mean square
    double tickScatter = 0.0;      // how far a tick\'s place along its arc is off, by their scatter
    std::vector<FoundTick> ticks;  // left to right
    TickDirection direction = TickDirection::Outward;
    double tickRadius = 0.0;
    double bigTickLength = 0.0;
    double smallTickLength = 0.0;  // the big ones' when every tick is big
    double bigTickWidth = 0.0;
    double smallTickWidth = 0.0;
    std::optional<FoundArc> arc;
    double halfAngle = 0.0;  // from the middle to either end tick
    double turn = 0.0;       // how far the plate lies turned counterclockwise on the scan
    std::optional<FoundPlate> plate;

    double MillimetresPerPixel() const { return 25.4 / dpi; }
    int BigTickCount() const;
};

inline int ScaleDetection::BigTickCount() const {
    int n = 0;
    for (const FoundTick& t : ticks) n += t.size == TickSize::Big ? 1 : 0;
    return n;
}

}  // namespace quirn
