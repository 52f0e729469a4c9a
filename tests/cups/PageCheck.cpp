// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the scale on a printed page: the box around every dark pixel of a page rendered
// from the printed PDF, which is the plate's outline, against where and how large it should be.
//   quirn_page_check PAGE.pgm DPI LEFT_MM TOP_MM WIDTH_MM HEIGHT_MM TOLERANCE_MM
#include <QImage>
#include <QImageReader>
#include <cmath>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: %s PAGE DPI LEFT_MM TOP_MM WIDTH_MM HEIGHT_MM TOLERANCE_MM\n",
                     argv[0]);
        return 2;
    }
    QImageReader::setAllocationLimit(0);  // a whole page at printer resolution
    const QImage page =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_Grayscale8);
    if (page.isNull()) {
        std::fprintf(stderr, "cannot read the page image %s\n", argv[1]);
        return 1;
    }
    const double dpi = std::atof(argv[2]);
    const double expected[4] = {std::atof(argv[3]), std::atof(argv[4]), std::atof(argv[5]),
                                std::atof(argv[6])};
    const double tolerance = std::atof(argv[7]);

    int left = page.width(), top = page.height(), right = -1, bottom = -1;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (row[x] >= 128) continue;
            if (x < left) left = x;
            if (x > right) right = x;
            if (y < top) top = y;
            bottom = y;
        }
    }
    if (right < 0) {
        std::fprintf(stderr, "the page is blank\n");
        return 1;
    }
    const auto mm = [dpi](double pixels) { return pixels * 25.4 / dpi; };
    // Pixel edges: the box spans from the first dark pixel's left edge to the last one's right.
    const double measured[4] = {mm(left), mm(top), mm(right + 1 - left), mm(bottom + 1 - top)};
    const char* names[4] = {"left", "top", "width", "height"};
    bool ok = true;
    for (int i = 0; i < 4; ++i) {
        const bool good = std::fabs(measured[i] - expected[i]) <= tolerance;
        ok = ok && good;
        std::printf("%-6s %8.3f mm (expected %8.3f mm, tolerance %.2f) %s\n", names[i], measured[i],
                    expected[i], tolerance, good ? "ok" : "WRONG");
    }
    return ok ? 0 : 1;
}
