// SPDX-License-Identifier: GPL-3.0-or-later
// The rulers and the millimetre grid as the user sees them: the grid's lines over the drawing at
// the zoom's pitch and where the rulers number their ticks, the cursor marked on both rulers,
// exports that never carry the grid, and the grid's switch kept between runs.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "model/Document.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/TestFiles.h"
#include "support/ViewHost.h"
#include "view/canvas/Ruler.h"
#include "view/canvas/ScaleView.h"

namespace quirn {
namespace {

bool Dark(QRgb pixel) {
    return qGray(pixel) < 128 && qRed(pixel) < 128;
}

bool Red(QRgb pixel) {
    return qRed(pixel) > 180 && qGreen(pixel) < 60 && qBlue(pixel) < 60;
}

enum class Line { None, Fine, Strong };

// The grid lines across the picture, one per column (vertical lines) or per row (horizontal),
// found by comparing it with the same picture without the grid: a line tints every pixel it
// crosses, a strong line more than a fine one.
std::vector<Line> GridLines(const QImage& on, const QImage& off, bool columns) {
    const int count = columns ? on.width() : on.height();
    const int across = columns ? on.height() : on.width();
    const auto at = [columns](const QImage& image, int i, int j) {
        return columns ? image.pixel(i, j) : image.pixel(j, i);
    };
    std::vector<bool> whole(static_cast<std::size_t>(count), true);
    for (int i = 0; i < count; ++i)
        for (int j = 0; j < across && whole[std::size_t(i)]; ++j)
            if (at(on, i, j) == at(off, i, j)) whole[std::size_t(i)] = false;
    // The other way's lines, where the tint is doubled.
    const std::vector<bool> crossing = [&] {
        std::vector<bool> lines(static_cast<std::size_t>(across), true);
        for (int j = 0; j < across; ++j)
            for (int i = 0; i < count && lines[std::size_t(j)]; ++i)
                if (at(on, i, j) == at(off, i, j)) lines[std::size_t(j)] = false;
        return lines;
    }();
    std::vector<Line> lines(static_cast<std::size_t>(count), Line::None);
    for (int i = 0; i < count; ++i) {
        if (!whole[std::size_t(i)]) continue;
        for (int j = 0; j < across; ++j) {
            if (crossing[std::size_t(j)] || at(off, i, j) != qRgb(255, 255, 255)) continue;
            lines[std::size_t(i)] = qRed(at(on, i, j)) < 180 ? Line::Strong : Line::Fine;
            break;
        }
    }
    return lines;
}

std::vector<int> Where(const std::vector<Line>& lines, Line kind) {
    std::vector<int> found;
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == kind) found.push_back(static_cast<int>(i));
    return found;
}

// The columns where the top ruler has a tick across its whole width: its numbered ticks.
std::vector<int> NumberedTicks(const QImage& ruler) {
    std::vector<int> found;
    for (int x = 0; x < ruler.width(); ++x) {
        bool whole = true;
        for (int y = 0; y < ruler.height() && whole; ++y) whole = Dark(ruler.pixel(x, y));
        if (whole) found.push_back(x);
    }
    return found;
}

// The rows (or columns) of a ruler that carry the cursor's mark.
std::vector<int> Marked(const QImage& ruler, bool horizontal) {
    std::vector<int> found;
    const int count = horizontal ? ruler.width() : ruler.height();
    for (int i = 0; i < count; ++i)
        if (Red(horizontal ? ruler.pixel(i, Ruler::kThickness / 2)
                           : ruler.pixel(Ruler::kThickness / 2, i)))
            found.push_back(i);
    return found;
}

class RulerGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host);
        // Tall enough for two centimetre lines at 600 % under the panel's three template rows.
        host_.window->resize(1000, 760);
        view().session().Show(kDefaultParameters);
        view().viewport()->repaint();
    }
    ScaleView& view() const { return *host_.view; }
    QImage Shown() {
        return view().viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    QImage RulerImage(const char* name) {
        auto* ruler = view().findChild<Ruler*>(QString::fromLatin1(name));
        return ruler == nullptr ? QImage()
                                : ruler->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    void MoveTo(QPoint at) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at),
                          view().viewport()->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(view().viewport(), &event);
    }
    QString Readout() const { return host_.bar->text(BarControl::CursorReadout); }
    // Logical pixels per millimetre at the zoom shown.
    double PixelsPerMm() const { return view().Shown().geometry.pixelsPerUnit() * 100.0; }

    test::ScratchDirectory scratch_{"quirn-grid", true};
    Document doc_;
    test::ViewHost host_;
};

TEST_F(RulerGridTest, TheGridLiesOverTheDrawingAtTheZoomsPitchAndMeetsTheRulersNumbers) {
    for (const int zoom : {1, 6}) {
        SCOPED_TRACE(zoom);
        view().session().view().setZoomPercent(100 * zoom);
        view().setGridShown(false);
        const QImage off = Shown();
        view().setGridShown(true);
        const QImage on = Shown();

        for (const bool columns : {true, false}) {
            const std::vector<Line> lines = GridLines(on, off, columns);
            const std::vector<int> strong = Where(lines, Line::Strong);
            ASSERT_GE(strong.size(), 2u);
            for (std::size_t i = 1; i < strong.size(); ++i) {
                EXPECT_NEAR(strong[i] - strong[i - 1], 10 * PixelsPerMm(), 1.0);
                // Fine lines every 5 mm below zoom 4, every millimetre from it up.
                const auto fine = Where(lines, Line::Fine);
                const auto between = std::count_if(fine.begin(), fine.end(), [&](int f) {
                    return strong[i - 1] < f && f < strong[i];
                });
                EXPECT_EQ(between, zoom < 4 ? 1 : 9);
            }
            // The top ruler numbers its ticks where the strong lines stand.
            if (columns) {
                EXPECT_EQ(NumberedTicks(RulerImage("topRuler")), strong);
            }
        }

        // Each strong line is a whole centimetre from the pointer axis, as the readout says.
        if (zoom == 6) {
            const std::vector<int> x = Where(GridLines(on, off, true), Line::Strong);
            const std::vector<int> y = Where(GridLines(on, off, false), Line::Strong);
            MoveTo(QPoint(x[0], y[0]));
            const QRegularExpression centimetres(
                QStringLiteral("^X = -?\\d*0\\.0; Y = -?\\d*0\\.0$"));
            EXPECT_TRUE(centimetres.match(Readout()).hasMatch()) << Readout().toStdString();
            // A fifth of a millimetre aside.
            MoveTo(QPoint(x[0] + static_cast<int>(std::ceil(PixelsPerMm() / 5)), y[0]));
            EXPECT_FALSE(centimetres.match(Readout()).hasMatch()) << Readout().toStdString();
        }
    }
}

TEST_F(RulerGridTest, BothRulersMarkTheCursorUntilItLeaves) {
    ASSERT_FALSE(RulerImage("topRuler").isNull());
    EXPECT_TRUE(Marked(RulerImage("topRuler"), true).empty());
    for (const QPoint at : {QPoint(200, 150), QPoint(431, 77)}) {
        MoveTo(at);
        EXPECT_EQ(Marked(RulerImage("topRuler"), true), std::vector<int>{at.x()});
        EXPECT_EQ(Marked(RulerImage("leftRuler"), false), std::vector<int>{at.y()});
    }
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(view().viewport(), &leave);
    EXPECT_TRUE(Marked(RulerImage("topRuler"), true).empty());
    EXPECT_TRUE(Marked(RulerImage("leftRuler"), false).empty());
}

TEST_F(RulerGridTest, ExportsAreTheSameWithTheGridShownOrNot) {
    view().session().view().setZoomPercent(600);
    std::string pictures[2];
    for (const bool shown : {false, true}) {
        view().setGridShown(shown);
        view().viewport()->repaint();
        const std::filesystem::path file = scratch_ / "plate.bmp";
        ASSERT_TRUE(
            ExportPicture(view().session().scene(), QString::fromStdString(file.string()), 300)
                .ok());
        pictures[shown] = test::Slurp(file);
    }
    EXPECT_FALSE(pictures[0].empty());
    EXPECT_EQ(pictures[0], pictures[1]);
}

TEST(GridSwitchTest, TheViewMenuSwitchesTheGridAndTheNextRunKeepsIt) {
    test::ScratchDirectory scratch("quirn-grid-switch", true);
    QSettings settings(QString::fromStdString((scratch / "profile.ini").string()),
                       QSettings::IniFormat);
    test::ScriptedDocumentPrompts prompts{SaveAnswer::No};
    for (const bool before : {false, true}) {
        Application app(settings, &prompts);
        ASSERT_TRUE(app.start({}));
        MainWindow& frame = *app.mainWindow();
        const auto* menu = frame.findChild<QMenu*>(QStringLiteral("viewMenu"));
        ASSERT_NE(menu, nullptr);
        ASSERT_FALSE(menu->actions().empty());
        QAction* grid = menu->actions().front();
        EXPECT_EQ(grid->text(), QStringLiteral("Сетка"));
        EXPECT_EQ(grid->isChecked(), before);
        EXPECT_EQ(frame.view().gridShown(), before);
        if (!before) {
            grid->trigger();
            EXPECT_TRUE(frame.view().gridShown());
        }
        app.finish();
    }
}

}  // namespace
}  // namespace quirn
