// SPDX-License-Identifier: GPL-3.0-or-later
// A fuzzed record took 3 to 6 s at 300 dpi: thousands of ticks kilometres long crossed a canvas
// 8000 rows tall, and the raster engine handed each batch of their spans to the thread pool and
// waited for it. Painting on a thread of the pool fills on that thread, and gives the same
// picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QThread>
#include <QThreadPool>
#include <stdexcept>

#include "render/SerialFills.h"

namespace quirn {
namespace {

void Stripes(QImage& image) {
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    for (int i = 0; i < 300; ++i) {
        const double x = i * 0.37;
        painter.drawPolygon(
            QPolygonF({QPointF(x, 0), QPointF(x + 0.6, 0), QPointF(x + 60.6 + i * 0.2, 4000),
                       QPointF(x + 60 + i * 0.2, 4000)}));
    }
}

TEST(SerialFillsRegression, StripesArePaintedOnAPoolThreadAsTheyAreInPlace) {
    QImage inPlace(200, 4000, QImage::Format_Grayscale8);
    Stripes(inPlace);
    QImage serial(200, 4000, QImage::Format_Grayscale8);
    bool onPoolThread = false;
    PaintWithoutParallelFills([&] {
        onPoolThread = QThreadPool::globalInstance()->contains(QThread::currentThread());
        Stripes(serial);
    });
    EXPECT_TRUE(onPoolThread);
    EXPECT_TRUE(serial == inPlace);
    EXPECT_LT(inPlace.pixelColor(5, 100).value(), 128) << "the stripes were drawn";

    // A failure while painting reaches the caller, as it would in place.
    EXPECT_THROW(PaintWithoutParallelFills([] { throw std::bad_alloc(); }), std::bad_alloc);
}

}  // namespace
}  // namespace quirn
