// SPDX-License-Identifier: GPL-3.0-or-later
// The three greys of a scanned plate told apart: the plate's paper, the ink drawn on it and the
// scanner's bed around it, and the images the finder works on made from them.
#pragma once

#include <opencv2/core.hpp>

namespace quirn {

struct InkSeparation {
    double paper = 0.0;  // grey levels
    double ink = 0.0;
    bool bedShows = false;  // the plate's edge lies inside the scan
    cv::Mat plate;          // 8-bit mask: the plate, the ink on it included
    cv::Mat inkMask;        // 8-bit mask: pixels darker than halfway from the paper to the ink
    cv::Mat darkness;       // 32-bit float: the paper's grey less the pixel's, 0 off the plate
    double Contrast() const { return paper - ink; }
};

// Nothing usable (a blank or uniform image) leaves the ink mask empty.
InkSeparation SeparateInk(const cv::Mat& grey);

}  // namespace quirn
