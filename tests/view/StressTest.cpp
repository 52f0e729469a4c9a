// SPDX-License-Identifier: GPL-3.0-or-later
// The view under a long session: thousands of wheel steps, drags and Apply presses, with the
// resident memory measured after a warm-up and at the end. Growth beyond the bound means
// something is kept per event (canvases, fonts, images); LeakSanitizer in the sanitizer tree
// reports what is lost outright.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <memory>

#include "model/Document.h"
#include "support/Resident.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

using C = BarControl;
using E = MovableElement;

constexpr long kAllowedGrowth = 20L << 20;

class StressTest : public ::testing::Test {
  protected:
    void SetUp() override {
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());  // the view writes Initial.qrn when it goes
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        bar_ = host.bar;
        view_ = host.view;
        view_->session().Show(kDefaultParameters);
        view_->viewport()->repaint();
    }
    void TearDown() override {
        host_.reset();
        QDir::setCurrent(previous_);
    }

    void Wheel(int delta) {
        const QPointF at(200, 200);
        QWheelEvent event(at, view_->viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    void Move(QPoint to, Qt::MouseButtons buttons) {
        QMouseEvent event(QEvent::MouseMove, QPointF(to),
                          view_->viewport()->mapToGlobal(QPointF(to)), Qt::NoButton, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(view_->viewport(), &event);
    }
    // Grabs the name label and drags it around, painting at every move as the user sees it.
    void DragNameLabel(int step) {
        const Point a = view_->Shown().laid.layout.anchors[Index(E::NameLabel)];
        const Extent s = view_->Shown().laid.sizes[Index(E::NameLabel)];
        const Point px =
            DrawingToCanvasPixel(view_->Shown().geometry, {a.x + s.width / 2, a.y - s.height / 2});
        const QPoint grab = QPoint(px.x, px.y) - view_->scrollPosition();
        QTest::mousePress(view_->viewport(), Qt::LeftButton, {}, grab);
        const QPoint offset((step % 7) - 3, (step % 5) - 2);
        for (int move = 1; move <= 3; ++move) {
            Move(grab + offset * move, Qt::LeftButton);
            view_->viewport()->repaint();
        }
        QTest::mouseRelease(view_->viewport(), Qt::LeftButton, {}, grab + offset * 3);
    }
    // Applies a changed record through the panel, alternating shapes, arcs and radii.
    void Apply(int step) {
        bar_->setText(C::Name, QStringLiteral("M%1").arg(4200 + step % 50));
        bar_->setText(C::TickRadius, QString::number(30 + step % 20));
        bar_->setText(C::NumberedDivisions, QString::number(2 + step % 9));
        if (step % 3 == 0)
            QTest::mouseClick(bar_->radio(step % 2 ? C::RadialShape : C::SquareShape),
                              Qt::LeftButton);
        if (step % 4 == 0) QTest::mouseClick(bar_->checkBox(C::ArcShown), Qt::LeftButton);
        bar_->button(C::Apply)->click();
        view_->viewport()->repaint();
    }
    // One round: 20 wheel steps up and down again, painting every few steps, one drag, one
    // Apply.
    void Round(int step) {
        for (int n = 0; n < 20; ++n) {
            Wheel(n < 10 ? 120 : -120);
            if (n % 4 == 0) view_->viewport()->repaint();
        }
        DragNameLabel(step);
        Apply(step);
        QCoreApplication::processEvents();
    }

    QTemporaryDir dir_;
    QString previous_;
    Document doc_;
    std::unique_ptr<QWidget> host_;
    ParameterBar* bar_ = nullptr;
    ScaleView* view_ = nullptr;
};

TEST_F(StressTest, ThousandsOfStepsDragsAndAppliesKeepMemoryBounded) {
    for (int step = 0; step < 20; ++step) Round(step);  // fonts, caches and canvases settle
    const long start = test::ResidentBytes();
    constexpr int kRounds = 150;  // 3000 wheel steps, 150 drags of 3 moves, 150 Applies
    for (int step = 0; step < kRounds; ++step) Round(step);
    const long end = test::ResidentBytes();

    // The session did what it was asked: the last Apply is in the document and the drawing.
    EXPECT_EQ(view_->session().scene().params.name,
              "M" + std::to_string(4200 + (kRounds - 1) % 50));
    EXPECT_TRUE(doc_.isModified());
    EXPECT_GT(view_->picture().wholePaints(), 0);
    // Ten steps down from 1000 % end at a half.
    EXPECT_EQ(view_->session().scene().zoomPercent, 50);
    EXPECT_LT(end - start, kAllowedGrowth)
        << "resident " << start / 1024 << " KiB after warm-up, " << end / 1024 << " KiB at the end";
    RecordProperty("ResidentStartKiB", static_cast<int>(start / 1024));
    RecordProperty("ResidentEndKiB", static_cast<int>(end / 1024));
}

}  // namespace
}  // namespace quirn
