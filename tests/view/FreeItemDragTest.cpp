// SPDX-License-Identifier: GPL-3.0-or-later
// Free texts and pictures dragged with the mouse: where the saved file puts them after the drag,
// after undo and after redo, and where a turned text can be grabbed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/ViewHost.h"
#include "view/PanelText.h"
#include "view/ViewMapping.h"

namespace quirn {
namespace {

constexpr const char* kSerial = "SN 0042";
constexpr const char* kMaker = "MADE IN USSR";

class FreeItemDragTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QDir::setCurrent(dir_.path());
        ASSERT_TRUE(test::HostView(doc_, host_));
        // A red logo twice as wide as high beside the document.
        QImage logo(80, 40, QImage::Format_RGB32);
        logo.fill(Qt::red);
        ASSERT_TRUE(logo.save(dir_.filePath(QStringLiteral("logo.png"))));
    }
    void TearDown() override {
        host_.window.reset();
        QDir::setCurrent(saved_);
    }

    // A plate carrying a serial number, the maker's text turned a quarter and the logo.
    static FreeText Text(Place centre, double angle, const char* text) {
        FreeText t;
        t.centre = centre;
        t.angle = angle;
        t.text = text;
        return t;
    }
    static ScaleParameters Plate(bool withMaker) {
        ScaleParameters p = kDefaultParameters;
        p.ext.texts[1] = Text({-1500, 1200}, 0.0, kSerial);
        if (withMaker) p.ext.texts[2] = Text({-2600, 3000}, 90.0, kMaker);
        p.ext.pictures[1] = PlacedPicture{{1500, 1200}, 1200, "logo.png"};
        return p;
    }
    void Open(const ScaleParameters& p) {
        ASSERT_EQ(WriteFileAtomically(path_, WriteParameterText(p)), Fault::None);
        ASSERT_TRUE(host_.session->OpenDocumentFile(path_));
        Look();
    }
    QImage Look() {
        host_.view->viewport()->repaint();
        return host_.view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QPoint ClientOf(Point drawing) const {
        const QPoint scroll = host_.view->scrollPosition();
        return DrawingToView(host_.view->Shown().geometry, drawing, {scroll.x(), scroll.y()})
            .toPoint();
    }
    Point DrawingOf(QPoint client) const {
        const QPoint scroll = host_.view->scrollPosition();
        return ViewToDrawing(host_.view->Shown().geometry, {client.x(), client.y()},
                             {scroll.x(), scroll.y()});
    }
    void Move(QPoint to) {
        QWidget* port = host_.view->viewport();
        QMouseEvent move(QEvent::MouseMove, QPointF(to), port->mapToGlobal(QPointF(to)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
    }
    void Press(QPoint at) { QTest::mousePress(host_.view->viewport(), Qt::LeftButton, {}, at); }
    void Release(QPoint at) { QTest::mouseRelease(host_.view->viewport(), Qt::LeftButton, {}, at); }
    // The line of the key as the document is saved now.
    std::string SavedLine(const std::string& key) {
        EXPECT_TRUE(host_.session->SaveDocument());
        QFile file(QString::fromStdString(path_));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string text = file.readAll().toStdString();
        const std::string head = "\r\n" + key + "\t= ";
        const std::size_t at = text.find(head);
        if (at == std::string::npos) return {};
        return text.substr(at + 2, text.find("\r\n", at + 2) - at - 2);
    }

    QTemporaryDir dir_;
    QString saved_ = QDir::currentPath();
    std::string path_ = dir_.filePath(QStringLiteral("plate.qrn")).toStdString();
    Document doc_;
    test::ViewHost host_;
};

// Each item is grabbed away from its centre, held where the cursor took it, and saved with its
// centre moved as far as the cursor went; undo brings the old line back, redo the new one.
TEST_F(FreeItemDragTest, ADraggedItemIsSavedWhereItWasLeftAndUndoPutsItBack) {
    const struct {
        const char* key;
        Point centre;
        Point grab;  // from the centre
        QPoint by;
        std::string rest;  // the line after the centre
        QString step;
    } kDrags[] = {
        {"text1",
         {-1500, 1200},
         {250, 50},
         {-30, 30},
         " 0 SN 0042",
         QStringLiteral("перемещение надписи")},
        {"image1",
         {1500, 1200},
         {-400, -200},
         {25, -40},
         " 1200 logo.png",
         QStringLiteral("перемещение рисунка")},
    };
    for (const auto& d : kDrags) {
        Open(Plate(false));
        const std::string opened = SavedLine(d.key);
        ASSERT_EQ(opened, std::string(d.key) + "\t= " + std::to_string(d.centre.x) + " " +
                              std::to_string(d.centre.y) + d.rest);
        const QImage before = Look();
        const QPoint grab = ClientOf({d.centre.x + d.grab.x, d.centre.y + d.grab.y});
        Press(grab);
        Move(grab + d.by);
        const QImage held = Look();
        EXPECT_NE(held, before) << d.key << " shown moving";
        const Point cursor = DrawingOf(grab + d.by);
        EXPECT_EQ(host_.bar->text(BarControl::CursorReadout).toStdString(),
                  CursorReadoutText(cursor.x, cursor.y))
            << d.key << " the readout follows the cursor";
        EXPECT_FALSE(doc_.isModified()) << d.key << " only the release reaches the document";
        Release(grab + d.by);
        EXPECT_EQ(Look(), held) << d.key;

        // The centre went as far as the cursor, in drawing units.
        const Point from = DrawingOf(grab);
        const Point to = DrawingOf(grab + d.by);
        const std::string moved = std::string(d.key) +
                                  "\t= " + std::to_string(d.centre.x + to.x - from.x) + " " +
                                  std::to_string(d.centre.y + to.y - from.y) + d.rest;
        QUndoStack& history = host_.session->history();
        EXPECT_EQ(history.count(), 1) << d.key;
        EXPECT_EQ(history.undoText(), d.step);
        EXPECT_TRUE(doc_.isModified()) << d.key;
        EXPECT_EQ(SavedLine(d.key), moved);
        history.undo();
        EXPECT_EQ(Look(), before) << d.key;
        EXPECT_EQ(SavedLine(d.key), opened);
        history.redo();
        EXPECT_EQ(Look(), held) << d.key;
        EXPECT_EQ(SavedLine(d.key), moved);
    }
}

// The logo shows red where the drag holds it, and no longer where it stood.
TEST_F(FreeItemDragTest, ThePictureIsShownWhereTheCursorHoldsIt) {
    Open(Plate(false));
    const QPoint centre = ClientOf({1500, 1200});
    ASSERT_EQ(Look().pixel(centre), qRgb(255, 0, 0));
    Press(centre);
    Move(centre + QPoint(0, -80));
    const QImage held = Look();
    EXPECT_EQ(held.pixel(centre + QPoint(0, -80)), qRgb(255, 0, 0));
    EXPECT_NE(held.pixel(centre), qRgb(255, 0, 0));
    Release(centre + QPoint(0, -80));
}

// A text turned a quarter is grabbed along its length, up the plate, and not across it, where an
// upright one would stand. Its ink is what tells where it is drawn.
TEST_F(FreeItemDragTest, ATurnedTextIsGrabbedWhereItIsDrawn) {
    Open(Plate(false));
    const QImage without = Look();
    Open(Plate(true));
    const QImage with = Look();
    QRect ink;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) ink |= QRect(x, y, 1, 1);
    ASSERT_GT(ink.height(), 3 * ink.width()) << "the text runs up the plate";
    const int third = ink.height() / 3;
    const struct {
        const char* where;
        QPoint from;  // the ink's middle
        bool grabbed;
    } kPresses[] = {
        {"middle", {0, 0}, true},
        {"towards its start", {0, third}, true},
        {"towards its end", {0, -third}, true},
        {"right of it", {third, 0}, false},
        {"left of it", {-third, 0}, false},
    };
    for (const auto& p : kPresses) {
        Open(Plate(true));
        const QPoint at = ink.center() + p.from;
        Press(at);
        Move(at + QPoint(20, 0));
        Release(at + QPoint(20, 0));
        const bool moved = SavedLine("text2").rfind("text2\t= -2600 3000 ", 0) != 0;
        EXPECT_EQ(moved, p.grabbed) << p.where;
        EXPECT_EQ(host_.session->history().count(), p.grabbed ? 1 : 0) << p.where;
    }
}

}  // namespace
}  // namespace quirn
