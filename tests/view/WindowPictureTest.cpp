// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows, as the user sees it: the same pixels as the whole canvas, painted again
// only where something changed, at every zoom and on plates of any size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "model/Document.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "render/ScaleDrawing.h"
#include "support/RenderScale.h"
#include "support/Resident.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

using E = MovableElement;

// A switchboard meter's plate: the default scale grown to 300 x 300 mm, or larger.
ScaleParameters LargePlate(int millimetres = 300) {
    ScaleParameters p = kDefaultParameters;
    const double k = millimetres * 100.0 / p.plateWidth;
    for (std::int32_t* f :
         {&p.plateWidth, &p.cornerBevel, &p.outerRadius, &p.innerRadius, &p.mountingHoleSpacing,
          &p.tickRadius, &p.bigTickLength, &p.smallTickLength, &p.bigTickWidth, &p.smallTickWidth,
          &p.arcWidth, &p.mountingAboveAxis, &p.mountingAboveBottom})
        *f = static_cast<std::int32_t>(*f * k);
    p.plateHeight = millimetres * 100;
    return p;
}

class WindowPictureTest : public ::testing::Test {
  protected:
    void Show(const ScaleParameters& p) {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        view_ = host.view;
        // The drawing alone: the frames shown over it are checked on their own.
        view_->setCollisionFramesShown(false);
        view_->session().Show(p);
        view_->viewport()->repaint();
    }
    void Zoom(int zoom) {
        view_->session().view().setZoomPercent(100 * zoom);
        view_->viewport()->repaint();
    }
    void ScrollTo(int x, int y) {
        view_->horizontalScrollBar()->setValue(x);
        view_->verticalScrollBar()->setValue(y);
        view_->viewport()->repaint();
    }
    QImage Shown() const {
        return view_->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    // The window's part of the whole canvas as a rendering of all of what it shows gives it.
    QImage WholeCanvasPart() const {
        const RenderResult whole =
            RenderScale(view_->Shown().scene, view_->ViewDevice(), PaintMode::Screen);
        EXPECT_TRUE(whole.ok());
        QImage part(view_->viewport()->size(), QImage::Format_RGB32);
        part.fill(Qt::white);
        QPainter painter(&part);
        painter.drawImage(-view_->scrollPosition(), whole.canvas.image);
        return part;
    }
    void Move(QPoint to, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(to),
                          view_->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    QPoint ClientOf(Point drawing) const {
        const Point px = DrawingToCanvasPixel(view_->Shown().geometry, drawing);
        return QPoint(px.x, px.y) - view_->scrollPosition();
    }

    Document doc_;
    QTemporaryDir dir_;
    std::unique_ptr<QWidget> host_;
    ScaleView* view_ = nullptr;
};

TEST_F(WindowPictureTest, ShowsTheWholeCanvasPixelForPixelAtEveryZoomAndScroll) {
    std::vector<ScaleParameters> records{kDefaultParameters};
    for (const char* name : {"C42300-2.5A-small.qrn", "E8021-250V-inside.qrn",
                             "M24-100uA-radial.qrn", "M4200-15V.qrn"})
        records.push_back(ReadScaleParameters(
            ReadFileHead(std::string(QUIRN_TEST_SAMPLES "/") + name, kParameterReadLimit).value));
    for (const ScaleParameters& p : records) {
        Show(p);
        for (int zoom = 1; zoom <= 6; ++zoom) {
            Zoom(zoom);
            for (const double share : {0.0, 0.37, 1.0}) {
                ScrollTo(int(view_->horizontalScrollBar()->maximum() * share),
                         int(view_->verticalScrollBar()->maximum() * share));
                ASSERT_EQ(Shown(), WholeCanvasPart())
                    << p.name << " zoom " << zoom << " scrolled " << share;
            }
        }
    }
}

TEST_F(WindowPictureTest, AMoveWithoutAButtonPaintsNothingButTheReadout) {
    Show(kDefaultParameters);
    const int wholePaints = view_->picture().wholePaints();
    const qint64 painted = view_->picture().paintedPixels();
    for (int x = 100; x < 600; x += 50) Move(QPoint(x, 200), Qt::NoButton);
    QApplication::processEvents();
    EXPECT_EQ(view_->picture().wholePaints(), wholePaints);
    EXPECT_EQ(view_->picture().paintedPixels(), painted);
}

// At zoom 10, a label dragged a millimetre at a time is painted again where it was and where it
// is, nothing else, and the window then shows what painting all of it gives.
TEST_F(WindowPictureTest, ADragPaintsOnlyWhatTheLabelLeftAndEntered) {
    Show(kDefaultParameters);
    Zoom(10);
    const Point name = view_->Shown().laid.layout.anchors[Index(E::NameLabel)];
    const Extent size = view_->Shown().laid.sizes[Index(E::NameLabel)];
    const Point inside{name.x + size.width / 3, name.y - size.height / 2};
    const Point px = DrawingToCanvasPixel(view_->Shown().geometry, inside);
    ScrollTo(px.x - 300, px.y - 300);
    const int wholePaints = view_->picture().wholePaints();
    const qint64 window = qint64(view_->viewport()->width()) * view_->viewport()->height();

    QPoint at = ClientOf(inside);
    QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, at);
    const int millimetre = ClientOf({inside.x + 100, inside.y}).x() - at.x();
    ASSERT_GT(millimetre, 10);
    for (int step = 0; step < 3; ++step) {
        const qint64 before = view_->picture().paintedPixels();
        at += QPoint(millimetre, 0);
        Move(at, Qt::LeftButton);
        view_->viewport()->repaint();
        EXPECT_LT(view_->picture().paintedPixels() - before, window / 2) << step;
    }
    // A long jump leaves no trace of where it started.
    at += QPoint(10 * millimetre, 5 * millimetre);
    Move(at, Qt::LeftButton);
    QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, at);
    EXPECT_NEAR(view_->Shown().laid.layout.anchors[Index(E::NameLabel)].x, name.x + 1300, 20);
    EXPECT_EQ(view_->picture().wholePaints(), wholePaints);

    WindowPicture whole;
    const QRect shown(view_->scrollPosition(), view_->viewport()->size());
    EXPECT_EQ(Shown(), whole.picture(view_->Shown(), shown));
}

// The template stretched by its edge is shown at every width the drag passes, and at its final
// width once the button is up, whether the window lies within the canvas or reaches beyond it.
TEST_F(WindowPictureTest, AStretchedTemplateIsRepaintedAsTheDragGoes) {
    for (const int zoom : {1, 4}) {
        Show(kDefaultParameters);
        QImage image(400, 300, QImage::Format_RGB32);
        image.fill(Qt::darkGray);
        ASSERT_TRUE(image.save(dir_.filePath(QStringLiteral("template.bmp"))));
        ASSERT_TRUE(
            view_->session().templates().Load(dir_.filePath(QStringLiteral("template.bmp"))).ok());
        const auto& t = view_->session().scene().params.ext.templateRecord;
        Zoom(zoom);
        QPoint at = ClientOf({t->corner.x + t->width * 102 / 100, t->corner.y + 100});
        QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, at);
        ASSERT_TRUE(view_->drag().dragging(E::TemplateEdge)) << zoom;
        const int width = t->width;
        for (int step = 1; step <= 3; ++step) {
            at += QPoint(step % 2 == 0 ? -15 : 40, 0);
            Move(at, Qt::LeftButton);
            view_->viewport()->repaint();
            ASSERT_NE(view_->Shown().scene.params.ext.templateRecord->width, width);
            EXPECT_EQ(Shown(), WholeCanvasPart()) << "zoom " << zoom << " step " << step;
        }
        QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, at);
        EXPECT_NE(t->width, width) << "the release hands the width to the session";
        view_->viewport()->repaint();
        EXPECT_EQ(Shown(), WholeCanvasPart()) << "zoom " << zoom << " released";
    }
}

// The zoom users need over a scanned template works on the plates where they need it most, and
// the view holds no more than a few pictures of its window to show it.
// A plate of a metre is wider than the raster engine reaches at zoom 10, and is painted through
// windows of it.
TEST_F(WindowPictureTest, ALargePlateIsShownAtZoomTenInWindowSizedMemory) {
    for (const int millimetres : {300, 1000}) {
        Show(LargePlate(millimetres));
        const long start = test::ResidentBytes();
        Zoom(10);
        for (const double share : {0.0, 0.25, 0.5, 0.75, 1.0}) {
            ScrollTo(int(view_->horizontalScrollBar()->maximum() * share),
                     int(view_->verticalScrollBar()->maximum() * share));
            const QImage shown = Shown();
            int black = 0;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) black += qGray(shown.pixel(x, y)) < 128;
            if (share == 0.5) {
                EXPECT_GT(black, 0) << "the plate's middle shows";
            }
        }
        const long window = 4L * view_->viewport()->width() * view_->viewport()->height();
        EXPECT_LT(test::ResidentBytes() - start, 8 * window) << millimetres << " mm";
        EXPECT_GT(view_->Shown().geometry.pixelWidth, 10000);
    }
}

}  // namespace
}  // namespace quirn
