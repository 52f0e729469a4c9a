// SPDX-License-Identifier: GPL-3.0-or-later
// The plate's outline where it shows against the scanner's bed, read in the plate's own frame:
// turned level about the pivot, so that each side is a band of outline points at one height or
// one distance from the axis.
#pragma once

#include <opencv2/core.hpp>
#include <optional>

#include "scan/ScaleDetection.h"

namespace quirn {

// plate: the filled plate mask; turn in degrees counterclockwise; the result in millimetres.
// Nothing when the plate reaches the scan's edges on any side.
std::optional<FoundPlate> FindPlateEdge(const cv::Mat& plate, cv::Point2d pivot, double turn,
                                        double mmPerPixel);

}  // namespace quirn
