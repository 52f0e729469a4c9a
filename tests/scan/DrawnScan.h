// SPDX-License-Identifier: GPL-3.0-or-later
// Scans of a plate drawn by the tests themselves, never by the program's renderer, so that a
// fault in drawing cannot hide one in finding: the plate, ticks and arc as anti-aliased polygons
// at sub-pixel precision on a grey scanner bed, blurred, with noise, through JPEG at quality 70.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "scan/ScanImage.h"

namespace quirn::test {

enum class DrawnLaw { Linear, Square, Curved };

// Millimetres and degrees; the plate as it stands level, the pivot at the origin, y up.
struct DrawnPlate {
    double dpi = 300.0;
    double turn = 0.0;  // counterclockwise on the scan
    DrawnLaw law = DrawnLaw::Linear;
    double noise = 4.0;  // grey levels, standard deviation
    bool arc = false;
    bool inward = false;
    int divisions = 40;
    int bigDivisions = 8;
    double radius = 38.0;
    double halfAngle = 45.0;
    double bigLength = 5.0;
    double smallLength = 3.0;
    double bigWidth = 0.45;
    double smallWidth = 0.25;
    double arcWidth = 0.3;
    double width = 84.0;
    double height = 62.0;
    double bevel = 10.0;
    double pivotHeight = 14.0;
    double last = 100.0;  // the scale runs from 0
    // The fraction of the arc, 0 at the left end, where a value lies.
    double Fraction(double value) const;
    // The angle, as the plate stands level, of tick i.
    double TickAngle(int i) const;
};

struct DrawnScan {
    std::vector<std::uint8_t> pixels;
    int width = 0;
    int height = 0;
    double pivotX = 0.0;  // where the pivot truly lies, pixels
    double pivotY = 0.0;
    double dpi = 0.0;
    ScanImage Image() const { return {pixels.data(), width, height, width, dpi}; }
};

DrawnScan DrawScan(const DrawnPlate& plate);
// A scan with nothing on it: paper and noise through JPEG.
DrawnScan BlankScan(double dpi, double noise);
// The scan as a scanner writes it: a PNG that states its resolution. Returns path, empty when
// it could not be written.
QString SaveScan(const DrawnScan& scan, const QString& path);

}  // namespace quirn::test
