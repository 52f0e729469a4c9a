// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/InkSeparation.h"

#include <opencv2/imgproc.hpp>
#include <vector>

namespace quirn {
namespace {

// The grey below which the given share of the masked pixels lie.
double Percentile(const cv::Mat& grey, const cv::Mat& mask, double share) {
    cv::Mat hist;
    const int channels[] = {0};
    const int bins[] = {256};
    const float range[] = {0.0f, 256.0f};
    const float* ranges[] = {range};
    cv::calcHist(&grey, 1, channels, mask, hist, 1, bins, ranges);
    const double total = cv::sum(hist)[0];
    double seen = 0.0;
    for (int g = 0; g < 256; ++g) {
        seen += hist.at<float>(g);
        if (seen >= share * total && seen > 0.0) return g;
    }
    return 255.0;
}

// Otsu's split of the masked pixels alone: the threshold is run on them gathered in one row.
double OtsuWithin(const cv::Mat& grey, const cv::Mat& mask) {
    std::vector<std::uint8_t> values;
    values.reserve(std::size_t(cv::countNonZero(mask)));
    for (int y = 0; y < grey.rows; ++y) {
        const auto* g = grey.ptr<std::uint8_t>(y);
        const auto* m = mask.ptr<std::uint8_t>(y);
        for (int x = 0; x < grey.cols; ++x)
            if (m[x] != 0) values.push_back(g[x]);
    }
    if (values.empty()) return 0.0;
    cv::Mat row(1, int(values.size()), CV_8U, values.data()), unused;
    return cv::threshold(row, unused, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
}

// The largest bright region with its holes filled: ink drawn on the plate is part of it.
cv::Mat FilledLargestRegion(const cv::Mat& bright) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(bright, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_SIMPLE);
    cv::Mat filled = cv::Mat::zeros(bright.size(), CV_8U);
    double best = 0.0;
    int bestIndex = -1;
    for (int i = 0; i < int(contours.size()); ++i) {
        const double area = cv::contourArea(contours[std::size_t(i)]);
        if (area > best) best = area, bestIndex = i;
    }
    if (bestIndex >= 0) cv::drawContours(filled, contours, bestIndex, cv::Scalar(255), cv::FILLED);
    return filled;
}

}  // namespace

InkSeparation SeparateInk(const cv::Mat& grey) {
    InkSeparation s;
    // The brightest class is the paper; the bed, when it shows, and the ink are darker.
    cv::Mat bright;
    cv::threshold(grey, bright, 0, 255, cv::THRESH_BINARY | cv::THRESH_OTSU);
    s.plate = FilledLargestRegion(bright);
    const int plateArea = cv::countNonZero(s.plate);
    s.inkMask = cv::Mat::zeros(grey.size(), CV_8U);
    s.darkness = cv::Mat::zeros(grey.size(), CV_32F);
    if (plateArea == 0) return s;
    s.bedShows = double(plateArea) < 0.99 * double(grey.total());

    s.paper = Percentile(grey, bright & s.plate, 0.5);
    // On the plate, Otsu parts ink from paper; the ink's grey is taken from the cores of its
    // strokes, where blur has not lightened it, or from its darkest pixels when every stroke is
    // too thin to have a core.
    const double split = OtsuWithin(grey, s.plate);
    cv::Mat dark;
    cv::threshold(grey, dark, split, 255, cv::THRESH_BINARY_INV);
    dark &= s.plate;
    cv::Mat cores;
    cv::erode(dark, cores, cv::getStructuringElement(cv::MORPH_RECT, {3, 3}));
    s.ink =
        cv::countNonZero(cores) >= 50 ? Percentile(grey, cores, 0.5) : Percentile(grey, dark, 0.05);
    // Too little contrast for anything to be drawn: a blank scan.
    if (s.paper - s.ink < 40.0) return s;

    cv::threshold(grey, s.inkMask, (s.paper + s.ink) / 2.0, 255, cv::THRESH_BINARY_INV);
    s.inkMask &= s.plate;
    grey.convertTo(s.darkness, CV_32F, -1.0, s.paper);
    s.darkness.setTo(0.0f, ~s.plate);
    return s;
}

}  // namespace quirn
