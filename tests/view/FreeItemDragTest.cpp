// SPDX-License-Identifier: GPL-3.0-or-later
// Free texts and pictures dragged with the mouse: the saved file's line after the drag, undo and
// redo, and where a turned text can be grabbed.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/ViewHost.h"
#include "view/canvas/ViewMapping.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

class FreeItemDragTest : public test::HostedViewTest {
  protected:
    void SetUp() override {
        HostedViewTest::SetUp();
        QImage logo(80, 40, QImage::Format_RGB32);
        logo.fill(Qt::red);
        ASSERT_TRUE(logo.save(dir_.filePath(QStringLiteral("logo.png"))));
    }
    // A serial number, the logo and, when asked, the maker's text turned a quarter, opened.
    void Open(bool withMaker) {
        ScaleParameters p = kDefaultParameters;
        p.ext.texts[1].centre = {-1500, 1200};
        p.ext.texts[1].text = "SN 0042";
        if (withMaker) p.ext.texts[2] = {{-2600, 3000}, 90.0, "MADE IN USSR", {}, {}, {}};
        p.ext.pictures[1] = {{1500, 1200}, 1200, "logo.png"};
        ASSERT_EQ(WriteFileAtomically(path_, WriteParameterText(p)), Fault::None);
        ASSERT_TRUE(host_.session->files().OpenFile(path_));
    }
    QImage Look() {
        host_.view->viewport()->repaint();
        return host_.view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    Point DrawingOf(QPoint client) const {
        const QPoint s = host_.view->scrollPosition();
        return ViewToDrawing(host_.view->Shown().geometry, {client.x(), client.y()},
                             {s.x(), s.y()});
    }
    // Presses at `at`, moves by `by` with the button held and, unless kept, releases there.
    enum class Button { Released, Held };
    void Drag(QPoint at, QPoint by, Button end = Button::Released) {
        QWidget* port = host_.view->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at + by), port->mapToGlobal(QPointF(at + by)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        if (end == Button::Released) QTest::mouseRelease(port, Qt::LeftButton, {}, at + by);
    }
    // The key's line as the document is saved now.
    std::string SavedLine(const std::string& key) {
        EXPECT_TRUE(host_.session->files().Save());
        QFile file(QString::fromStdString(path_));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        const std::string text = file.readAll().toStdString();
        const std::size_t at = text.find("\r\n" + key + "\t= ");
        return at == std::string::npos ? "" : text.substr(at + 2, text.find('\r', at + 2) - at - 2);
    }

    std::string path_ = dir_.filePath(QStringLiteral("plate.qrn")).toStdString();
};

// Each item, grabbed away from its centre, is shown where the cursor holds it and saved with its
// centre moved as far as the cursor went; undo brings the old line back, redo the new one.
TEST_F(FreeItemDragTest, ADraggedItemIsSavedWhereItWasLeftAndUndoPutsItBack) {
    const struct {
        std::string key;
        Point centre, grab;  // the grab from the centre
        QPoint by;
        std::string rest;  // the line after the centre
        QString step;
    } kDrags[] = {
        {"text1", {-1500, 1200}, {250, 50}, {-30, 30}, " 0 SN 0042", "перемещение надписи"},
        {"image1", {1500, 1200}, {-400, -200}, {25, -40}, " 1200 logo.png", "перемещение рисунка"},
    };
    for (const auto& d : kDrags) {
        Open(false);
        const auto line = [&d](Point c) {
            return d.key + "\t= " + std::to_string(c.x) + " " + std::to_string(c.y) + d.rest;
        };
        ASSERT_EQ(SavedLine(d.key), line(d.centre));
        const QImage before = Look();
        const QPoint s = host_.view->scrollPosition();
        const QPoint grab =
            DrawingToView(host_.view->Shown().geometry,
                          {d.centre.x + d.grab.x, d.centre.y + d.grab.y}, {s.x(), s.y()})
                .toPoint();
        Drag(grab, d.by, Button::Held);
        const QImage held = Look();
        const Point from = DrawingOf(grab), to = DrawingOf(grab + d.by);
        EXPECT_NE(held, before) << d.key << " shown moving";
        EXPECT_EQ(host_.bar->text(BarControl::CursorReadout).toStdString(),
                  CursorReadoutText(to.x, to.y));
        EXPECT_FALSE(doc_.isModified()) << d.key << " only the release reaches the document";
        QTest::mouseRelease(host_.view->viewport(), Qt::LeftButton, {}, grab + d.by);
        EXPECT_EQ(Look(), held) << d.key;
        EXPECT_TRUE(doc_.isModified()) << d.key;
        QUndoStack& history = host_.session->history();
        EXPECT_EQ(history.count(), 1) << d.key;
        EXPECT_EQ(history.undoText(), d.step);

        const std::string moved = line({d.centre.x + to.x - from.x, d.centre.y + to.y - from.y});
        EXPECT_EQ(SavedLine(d.key), moved);
        history.undo();
        EXPECT_EQ(Look(), before) << d.key;
        EXPECT_EQ(SavedLine(d.key), line(d.centre));
        history.redo();
        EXPECT_EQ(SavedLine(d.key), moved);
        // Opened anew and drawn whole, it is what the drag left on the screen, with no trace.
        ASSERT_TRUE(host_.session->files().OpenFile(path_));
        EXPECT_EQ(Look(), held) << d.key;
    }
}

// A text turned a quarter is grabbed along its length, up the plate, and not across it, where an
// upright one would be. Its ink, what adding it changed on the screen, tells where it is drawn.
TEST_F(FreeItemDragTest, ATurnedTextIsGrabbedWhereItIsDrawn) {
    Open(false);
    const QImage without = Look();
    Open(true);
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
    } kPresses[] = {{"middle", {0, 0}, true},
                    {"its start", {0, third}, true},
                    {"its end", {0, -third}, true},
                    {"right of it", {third, 0}, false},
                    {"left of it", {-third, 0}, false}};
    for (const auto& p : kPresses) {
        Open(true);
        Drag(ink.center() + p.from, {20, 0});
        EXPECT_EQ(SavedLine("text2").rfind("text2\t= -2600 3000 ", 0) != 0, p.grabbed) << p.where;
        EXPECT_EQ(host_.session->history().count(), p.grabbed ? 1 : 0) << p.where;
    }
}

}  // namespace
}  // namespace quirn
