// SPDX-License-Identifier: GPL-3.0-or-later
// The printer's test page: both rulers are 100 mm long at any resolution.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "peripherals/PrinterCalibration.h"

namespace quirn {
namespace {

bool Dark(const QImage& image, int x, int y) {
    return qGray(image.pixel(x, y)) < 128;
}

// The longest unbroken run of dark pixels along a row (across) or a column.
int LongestRun(const QImage& image, bool across) {
    const int lines = across ? image.height() : image.width();
    const int length = across ? image.width() : image.height();
    int longest = 0;
    for (int line = 0; line < lines; ++line) {
        int run = 0;
        for (int i = 0; i < length; ++i) {
            run = (across ? Dark(image, i, line) : Dark(image, line, i)) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST(PrinterCalibrationPage, BothRulersAreOneHundredMillimetresAtTheResolution) {
    const CalibrationPageTexts texts{
        QStringLiteral("Калибровка принтера «Офис»"), QStringLiteral("Измерьте обе линейки."),
        QStringLiteral("По горизонтали"), QStringLiteral("По вертикали")};
    for (const int dpi : {96, 300, 600}) {
        SCOPED_TRACE(dpi);
        // 150 x 200 mm of the page's top-left corner hold everything.
        QImage page(int(150 * dpi / 25.4), int(200 * dpi / 25.4), QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            QPainter painter(&page);
            PaintCalibrationPage(painter, dpi, texts);
        }
        // From the middle of the 0 tick to the middle of the 100 tick, plus one stroke.
        const double hundred = 100.0 * dpi / 25.4;
        const double stroke = std::max(0.15 * dpi / 25.4, 1.0);
        for (const bool across : {true, false}) {
            const int run = LongestRun(page, across);
            EXPECT_GE(run, std::floor(hundred)) << (across ? "across" : "down");
            EXPECT_LE(run, std::ceil(hundred + stroke) + 1) << (across ? "across" : "down");
        }
    }
}

}  // namespace
}  // namespace quirn
