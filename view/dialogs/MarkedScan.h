// SPDX-License-Identifier: GPL-3.0-or-later
// A scan with what was found on it marked, for the user to check: the pivot, every tick found
// (big ones red, small ones orange) and the ticks that will be numbered, each with its value.
#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

#include "scan/TickReview.h"

namespace quirn {

struct MarkedScanView {
    QImage image;        // the scan scaled to fit, marked
    double scale = 1.0;  // image pixels per scan pixel
};

MarkedScanView MarkedScan(const QImage& grey, const ScaleDetection& found,
                          const std::vector<ReviewedTick>& numbered, int width, int height);

// A tick's value as the scan's marks and lists show it: to a millionth, trimmed.
QString TickValueText(double value);

// The angle about the found pivot, the plate stood level (as ReviewedTick has it), of a point
// of the marked image.
double AngleOnMarkedScan(const MarkedScanView& marked, const ScaleDetection& found, QPointF at);

}  // namespace quirn
