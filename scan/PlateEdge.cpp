// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/PlateEdge.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgproc.hpp>
#include <vector>

namespace quirn {
namespace {

double Median(std::vector<double> v) {
    const auto mid = v.begin() + std::ptrdiff_t(v.size() / 2);
    std::nth_element(v.begin(), mid, v.end());
    return *mid;
}

// The side the outline's extreme points along one coordinate form: the middle of those within a
// band of the extreme, past a few stray points.
double Side(std::vector<double> coordinate, double band, bool highest) {
    if (highest)
        for (double& c : coordinate) c = -c;
    std::sort(coordinate.begin(), coordinate.end());
    const double extreme = coordinate[std::min(coordinate.size() - 1, coordinate.size() / 500)];
    std::vector<double> near;
    for (double c : coordinate)
        if (c <= extreme + band) near.push_back(c);
    const double side = Median(near);
    return highest ? -side : side;
}

}  // namespace

std::optional<FoundPlate> FindPlateEdge(const cv::Mat& plate, cv::Point2d pivot, double turn,
                                        double mmPerPixel) {
    std::vector<std::vector<cv::Point>> contours;
    cv::findContours(plate, contours, cv::RETR_EXTERNAL, cv::CHAIN_APPROX_NONE);
    if (contours.empty()) return std::nullopt;
    const auto& outline =
        *std::max_element(contours.begin(), contours.end(),
                          [](const auto& a, const auto& b) { return a.size() < b.size(); });
    const cv::Rect bounds = cv::boundingRect(outline);
    if (bounds.x <= 0 || bounds.y <= 0 || bounds.x + bounds.width >= plate.cols ||
        bounds.y + bounds.height >= plate.rows)
        return std::nullopt;

    // Level frame, y up, millimetres. The outline runs through the plate's outermost pixels'
    // centres, half a pixel inside the edge they straddle: each side is moved out by that much.
    const double a = -turn / 180.0 * std::numbers::pi;
    const double c = std::cos(a), s = std::sin(a);
    std::vector<double> xs, ys;
    for (const cv::Point& p : outline) {
        const double x = p.x - pivot.x, y = pivot.y - p.y;
        xs.push_back((c * x - s * y) * mmPerPixel);
        ys.push_back((s * x + c * y) * mmPerPixel);
    }
    const double band = std::max(0.3, 3.0 * mmPerPixel);
    const double out = 0.5 * mmPerPixel;
    FoundPlate f;
    f.left = Side(xs, band, false) - out;
    f.right = Side(xs, band, true) + out;
    f.bottom = Side(ys, band, false) - out;
    f.top = Side(ys, band, true) + out;

    // The bevels: outline points in a top corner clear of both sides lie on the 45-degree cut,
    // where the distances in from the side and down from the top add up to the cut's leg.
    const double clear = band + 2.0 * mmPerPixel;
    std::vector<double> legs;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const double down = f.top - ys[i];
        const double in = std::min(xs[i] - f.left, f.right - xs[i]);
        if (down > clear && in > clear && down + in < 0.4 * f.width() && ys[i] > 0.0)
            legs.push_back(down + in);
    }
    if (legs.size() >= 6) f.bevel = Median(legs);
    return f;
}

}  // namespace quirn
