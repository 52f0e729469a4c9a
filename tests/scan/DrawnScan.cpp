// SPDX-License-Identifier: GPL-3.0-or-later
#include "scan/DrawnScan.h"

#include <QBuffer>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <opencv2/imgproc.hpp>

namespace quirn::test {
namespace {

constexpr double kRadians = std::numbers::pi / 180.0;
constexpr int kShift = 8;  // sub-pixel bits of the drawn points
// Drawn this many times finer and averaged down: OpenCV's anti-aliased polygons come out about
// a pixel fatter than their outline, which would make the truth wrong by more than is measured.
constexpr int kFiner = 4;
constexpr double kBed = 120.0, kPaper = 232.0, kInk = 30.0;

struct Frame {
    double pivotX = 0.0, pivotY = 0.0, pixelsPerMm = 0.0, turn = 0.0;
    cv::Point At(double x, double y) const {
        const double c = std::cos(turn * kRadians), s = std::sin(turn * kRadians);
        const double px = pivotX + (c * x - s * y) * pixelsPerMm;
        const double py = pivotY - (s * x + c * y) * pixelsPerMm;
        return {int(std::lround(px * (1 << kShift))), int(std::lround(py * (1 << kShift)))};
    }
};

void Fill(cv::Mat& image, const std::vector<cv::Point>& polygon, double grey) {
    const cv::Point* points = polygon.data();
    const int count = int(polygon.size());
    cv::fillPoly(image, &points, &count, 1, cv::Scalar(grey), cv::LINE_8, kShift);
}

// Blur, noise of a fixed seed and JPEG at quality 70, as a scanner and its file would.
DrawnScan Finish(cv::Mat image, double noise, double dpi) {
    cv::resize(image, image, {}, 1.0 / kFiner, 1.0 / kFiner, cv::INTER_AREA);
    cv::GaussianBlur(image, image, {0, 0}, 1.0);
    cv::Mat grain(image.size(), CV_32F);
    cv::RNG rng(20261210);
    rng.fill(grain, cv::RNG::NORMAL, 0.0, noise);
    cv::Mat noisy;
    image.convertTo(noisy, CV_32F);
    noisy += grain;
    noisy.convertTo(image, CV_8U);

    QImage q(image.cols, image.rows, QImage::Format_Grayscale8);
    for (int y = 0; y < image.rows; ++y)
        std::copy_n(image.ptr<std::uint8_t>(y), image.cols, q.scanLine(y));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    q.save(&buffer, "JPEG", 70);
    const QImage back = QImage::fromData(bytes, "JPEG").convertToFormat(QImage::Format_Grayscale8);

    DrawnScan scan;
    scan.width = back.width();
    scan.height = back.height();
    scan.dpi = dpi;
    for (int y = 0; y < back.height(); ++y)
        scan.pixels.insert(scan.pixels.end(), back.constScanLine(y),
                           back.constScanLine(y) + back.width());
    return scan;
}

}  // namespace

double DrawnPlate::Fraction(double value) const {
    const double v = value / last;
    switch (law) {
        case DrawnLaw::Linear:
            return v;
        case DrawnLaw::Square:
            return v * v;
        case DrawnLaw::Curved:
            return std::pow(v, 1.5);
    }
    return v;
}

double DrawnPlate::TickAngle(int i) const {
    return 90.0 + halfAngle - 2.0 * halfAngle * Fraction(last * i / divisions);
}

DrawnScan DrawScan(const DrawnPlate& p) {
    // The plate's corners turned, for the scan's size: the plate with 6 mm of bed round it.
    const double k = p.dpi / 25.4;
    const double c = std::cos(p.turn * kRadians), s = std::sin(p.turn * kRadians);
    double low[2] = {1e9, 1e9}, high[2] = {-1e9, -1e9};
    for (double x : {-p.width / 2, p.width / 2})
        for (double y : {-p.pivotHeight, p.height - p.pivotHeight}) {
            const double tx = c * x - s * y, ty = s * x + c * y;
            low[0] = std::min(low[0], tx), high[0] = std::max(high[0], tx);
            low[1] = std::min(low[1], ty), high[1] = std::max(high[1], ty);
        }
    const double margin = 6.0;
    // A pivot off the pixel grid: the finder must not lean on whole pixels.
    const double pivotX = (margin - low[0]) * k + 0.37, pivotY = (margin + high[1]) * k + 0.61;
    // A coarse pixel's centre x lies at kFiner x + (kFiner - 1) / 2 in the finer grid.
    const double toFine = (kFiner - 1) / 2.0;
    Frame f{pivotX * kFiner + toFine, pivotY * kFiner + toFine, k * kFiner, p.turn};
    cv::Mat image(int(std::ceil((high[1] - low[1] + 2 * margin) * k)) * kFiner,
                  int(std::ceil((high[0] - low[0] + 2 * margin) * k)) * kFiner, CV_8U,
                  cv::Scalar(kBed));

    const double w = p.width / 2, top = p.height - p.pivotHeight, b = p.bevel;
    Fill(image,
         {f.At(-w, -p.pivotHeight), f.At(w, -p.pivotHeight), f.At(w, top - b), f.At(w - b, top),
          f.At(-w + b, top), f.At(-w, top - b)},
         kPaper);
    for (int i = 0; i <= p.divisions; ++i) {
        const bool big = i % (p.divisions / p.bigDivisions) == 0;
        const double length = big ? p.bigLength : p.smallLength;
        const double half = (big ? p.bigWidth : p.smallWidth) / 2;
        const double base = p.radius, tip = p.inward ? base - length : base + length;
        const double a = p.TickAngle(i) * kRadians;
        const double ux = std::cos(a), uy = std::sin(a), nx = -uy, ny = ux;
        Fill(image,
             {f.At(base * ux + half * nx, base * uy + half * ny),
              f.At(tip * ux + half * nx, tip * uy + half * ny),
              f.At(tip * ux - half * nx, tip * uy - half * ny),
              f.At(base * ux - half * nx, base * uy - half * ny)},
             kInk);
    }
    if (p.arc) {
        std::vector<cv::Point> ring;
        const double outer = p.radius + p.arcWidth / 2, inner = p.radius - p.arcWidth / 2;
        for (double a = 90.0 - p.halfAngle; a <= 90.0 + p.halfAngle + 1e-9; a += 0.1)
            ring.push_back(f.At(outer * std::cos(a * kRadians), outer * std::sin(a * kRadians)));
        for (double a = 90.0 + p.halfAngle; a >= 90.0 - p.halfAngle - 1e-9; a -= 0.1)
            ring.push_back(f.At(inner * std::cos(a * kRadians), inner * std::sin(a * kRadians)));
        Fill(image, ring, kInk);
    }
    DrawnScan scan = Finish(image, p.noise, p.dpi);
    scan.pivotX = pivotX;
    scan.pivotY = pivotY;
    return scan;
}

DrawnScan BlankScan(double dpi, double noise) {
    const double k = dpi / 25.4;
    return Finish(cv::Mat(int(60 * k) * kFiner, int(80 * k) * kFiner, CV_8U, cv::Scalar(kPaper)),
                  noise, dpi);
}

QString SaveScan(const DrawnScan& scan, const QString& path) {
    QImage image =
        QImage(scan.pixels.data(), scan.width, scan.height, scan.width, QImage::Format_Grayscale8)
            .copy();
    const int perMetre = int(std::lround(scan.dpi / 0.0254));
    image.setDotsPerMeterX(perMetre);
    image.setDotsPerMeterY(perMetre);
    return image.save(path, "PNG") ? path : QString();
}

}  // namespace quirn::test
