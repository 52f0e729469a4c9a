// SPDX-License-Identifier: GPL-3.0-or-later
// The "Надписи и рисунки" page on real widgets: what an Apply writes to the file and undoes as
// one step, what it refuses and how it says so, and a library symbol as the export draws it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QUndoStack>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/ParameterText.h"
#include "peripherals/PictureExport.h"
#include "render/ScaleDrawing.h"
#include "support/TestFiles.h"
#include "support/ViewHost.h"
#include "view/scales/FreeTextTable.h"
#include "view/scales/PictureTable.h"
#include "view/scales/PlaceTable.h"
#include "view/scales/PlateItemsPage.h"
#include "view/scales/ScalesWindow.h"

namespace quirn {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class PlateItemsPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        session_ = host.session;
        prompts_ = host.prompts;
        const auto file = test::Put(dir_ / "plate.qrn", WriteParameterText(kDefaultParameters));
        ASSERT_TRUE(session_->files().OpenFile(file.string()));
        scales_ = std::make_unique<ScalesWindow>(*session_, *prompts_);
        scales_->show();
        page_ = scales_->itemsPage();
    }
    void TearDown() override {
        scales_.reset();
        host_.reset();
    }

    static void Type(QTableWidget* table, int row, int column, const char* text) {
        table->item(row, column)->setText(U(text));
    }
    enum class Part { Texts, Pictures, Places };
    QTableWidget* TableOf(Part part) const {
        return part == Part::Texts ? Texts() : part == Part::Pictures ? Pictures() : Places();
    }
    QTableWidget* Texts() const { return page_->texts()->table(); }
    QTableWidget* Pictures() const { return page_->pictures()->table(); }
    QTableWidget* Places() const { return page_->places()->table(); }
    void Apply() { scales_->applyButton()->click(); }
    std::string Saved() {
        EXPECT_TRUE(session_->files().Save());
        return test::Slurp(doc_.filePath());
    }

    test::ScratchDirectory dir_{"plate-items"};
    Document doc_;
    std::unique_ptr<QWidget> host_;
    ScaleSession* session_ = nullptr;
    std::shared_ptr<test::ScriptedPrompts> prompts_;
    std::unique_ptr<ScalesWindow> scales_;
    PlateItemsPage* page_ = nullptr;
};

// A text, a picture chosen in the document's folder and a typed place, applied together: each
// reaches the file as its key's line, and one undo takes all of them back.
TEST_F(PlateItemsPageTest, TextPictureAndPlaceReachTheFileAndUndoAsOneStep) {
    const std::string before = test::Slurp(doc_.filePath());
    const int steps = session_->history().count();

    page_->texts()->addButton()->click();
    Type(Texts(), 0, FreeTextTable::XColumn, "-12,5");
    Type(Texts(), 0, FreeTextTable::YColumn, "30");
    Type(Texts(), 0, FreeTextTable::AngleColumn, "90");
    Type(Texts(), 0, FreeTextTable::TextColumn, "  № 1234 Ω  ");
    Type(Texts(), 0, FreeTextTable::FontColumn, "DejaVu Serif, bold, 120%");
    Type(Texts(), 0, FreeTextTable::ColourColumn, "#FF0000");
    prompts_->pictureFile = [this](const QString& folder) {
        EXPECT_EQ(folder.toStdString(), dir_.path().string());
        return QString::fromStdString((dir_ / "logo.svg").string());
    };
    page_->pictures()->addButton()->click();
    Type(Pictures(), 0, PictureTable::WidthColumn, "15");
    Type(Places(), Index(MovableElement::NameLabel), PlaceTable::XColumn, "-20");
    Type(Places(), Index(MovableElement::NameLabel), PlaceTable::YColumn, "15.5");
    Apply();
    ASSERT_TRUE(prompts_->warnings.isEmpty()) << prompts_->warnings.join('\n').toStdString();
    EXPECT_EQ(session_->history().count(), steps + 1);

    const std::string file = Saved();
    const std::vector<std::string> lines = {
        // "Ω" is beyond Windows-1251: the text keeps "?" for it and its full form follows.
        "text1\t= -1250 3000 90 \xB9 1234 ?\r\n",
        "text1.utf8\t= \xE2\x84\x96 1234 \xCE\xA9\r\n",
        "text1.font\t= DejaVu Serif, bold, 120%\r\n",
        "text1.colour\t= #ff0000\r\n",
        "image1\t= 0 ",
        " 1500 logo.svg\r\n",
        "place.name\t= -2000 1550\r\n",
    };
    for (const std::string& line : lines) EXPECT_NE(file.find(line), std::string::npos) << line;

    session_->history().undo();
    EXPECT_EQ(Saved(), before);
    EXPECT_EQ(Texts()->rowCount(), 0);
    EXPECT_EQ(Pictures()->rowCount(), 0);
    EXPECT_NE(Places()->item(Index(MovableElement::NameLabel), PlaceTable::XColumn)->text(),
              U("-20.00"));
}

// A place typed where a drag would leave an element makes the record that drag makes, the
// origin label's top included, as one undo step; and a drag shows on the page at once.
TEST_F(PlateItemsPageTest, ATypedPlaceIsWhatADragMakes) {
    using E = MovableElement;
    for (const E e :
         {E::DataSymbol, E::OthersSymbol, E::UnitLabel, E::OriginLabel, E::StandardLabel}) {
        SCOPED_TRACE(Index(e));
        session_->Show(kDefaultParameters);
        const auto i = std::size_t(Index(e));
        const auto shown = LayOutScale(session_->scene(), PaintMode::Screen).layout.anchors;
        Point to = shown[i];
        to.y -= 300;
        if (e != E::UnitLabel) to.x += 250;  // the unit moves up and down only
        ElementMoves drag;
        drag.moved = {e};
        drag.anchors = shown;
        drag.anchors[i] = to;
        MoveElements(session_->record(), drag);
        const ScaleParameters dragged = session_->scene().params;
        const QString x = QString::number(to.x / 100.0, 'f', 2);
        const QString y = QString::number(to.y / 100.0, 'f', 2);
        EXPECT_EQ(Places()->item(int(i), PlaceTable::XColumn)->text(), x);
        EXPECT_EQ(Places()->item(int(i), PlaceTable::YColumn)->text(), y);

        session_->history().undo();
        ASSERT_EQ(session_->scene().params, kDefaultParameters);
        ASSERT_NE(Places()->item(int(i), PlaceTable::YColumn)->text(), y);
        if (e != E::UnitLabel) Type(Places(), int(i), PlaceTable::XColumn, x.toUtf8().constData());
        Type(Places(), int(i), PlaceTable::YColumn, y.toUtf8().constData());
        Apply();
        EXPECT_EQ(session_->scene().params, dragged);
        session_->history().undo();
        EXPECT_EQ(session_->scene().params, kDefaultParameters);
    }
}

// Whatever cannot be taken is refused naming the item and what is wrong; nothing is applied
// and what was typed stays.
TEST_F(PlateItemsPageTest, ARefusalNamesTheItemAndKeepsWhatWasTyped) {
    struct Case {
        const char* what;
        int column;  // of the part's table, in its first row (the unit's for places)
        const char* typed;
        const char* refusal;
        Part part;
    };
    const Case cases[] = {
        {"x of a text", FreeTextTable::XColumn, "12 mm",
         "Надпись 1: в поле «X, мм» не число: «12 mm»", Part::Texts},
        {"empty text", FreeTextTable::TextColumn, "   ", "Надпись 1: текст пуст", Part::Texts},
        {"typeface", FreeTextTable::FontColumn, "Serif, heavy",
         "Надпись 1: шрифт не понят: «Serif, heavy» (пример: «DejaVu Serif, bold, italic, 120%»)",
         Part::Texts},
        {"colour", FreeTextTable::ColourColumn, "red", "Надпись 1: цвет пишется как #rrggbb: «red»",
         Part::Texts},
        {"zero width", PictureTable::WidthColumn, "0",
         "Рисунок 1: ширина должна быть больше нуля: «0»", Part::Pictures},
        {"no file", PictureTable::FileColumn, "", "Рисунок 1: не выбран файл", Part::Pictures},
        {"file name beyond the file's code page", PictureTable::FileColumn, "標誌.svg",
         "Рисунок 1: Имя файла «標誌.svg» содержит знаки, которых нет в кодировке файла шкалы "
         "(Windows-1251); переименуйте файл или выберите другой.",
         Part::Pictures},
        {"place", PlaceTable::YColumn, "1..2", "Единица: в поле «Y, мм» не число: «1..2»",
         Part::Places},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        session_->Show(kDefaultParameters);
        const ScaleParameters before = session_->scene().params;
        prompts_->warnings.clear();
        page_->texts()->addButton()->click();
        Type(Texts(), 0, FreeTextTable::TextColumn, "Серийный номер");
        page_->addSymbolButton()->click();
        QTableWidget* table = TableOf(c.part);
        const int row = c.part == Part::Places ? Index(MovableElement::UnitLabel) : 0;
        Type(table, row, c.column, c.typed);
        Apply();
        EXPECT_EQ(prompts_->warnings.join('\n'), U(c.refusal));
        EXPECT_EQ(session_->scene().params, before);
        EXPECT_EQ(table->item(row, c.column)->text(), U(c.typed));
        if (c.part != Part::Texts || c.column != FreeTextTable::TextColumn) {
            EXPECT_EQ(Texts()->item(0, FreeTextTable::TextColumn)->text(), U("Серийный номер"));
        }
    }
}

// A file chosen with "..." inside the document's folder is kept relative to it, one outside as
// chosen; the user's choice shows in the row at once.
TEST_F(PlateItemsPageTest, AChosenFileIsKeptRelativeToTheDocumentWhenInsideIt) {
    const std::string outside = (dir_.path().parent_path() / "elsewhere" / "logo.png").string();
    struct Case {
        std::string chosen;
        std::string shown;
    };
    const Case cases[] = {
        {(dir_ / "logo.png").string(), "logo.png"},
        {(dir_ / "art" / "logo.png").string(), "art/logo.png"},
        {outside, outside},
    };
    page_->addSymbolButton()->click();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chosen);
        prompts_->pictureFile = [&c](const QString&) { return QString::fromStdString(c.chosen); };
        page_->pictures()->chooseFile(0);
        EXPECT_EQ(Pictures()->item(0, PictureTable::FileColumn)->text().toStdString(), c.shown);
    }
    prompts_->pictureFile = [](const QString&) { return QString(); };
    page_->pictures()->chooseFile(0);
    EXPECT_EQ(Pictures()->item(0, PictureTable::FileColumn)->text().toStdString(), outside)
        << "a cancelled choice changes nothing";
}

// What is typed on the page survives a drag of an element and the zoom; the places follow the
// drag once the page is applied.
TEST_F(PlateItemsPageTest, TypingSurvivesChangesElsewhere) {
    page_->texts()->addButton()->click();
    Type(Texts(), 0, FreeTextTable::TextColumn, "Заводской номер");
    const auto shown = LayOutScale(session_->scene(), PaintMode::Screen).layout.anchors;
    ElementMoves drag;
    drag.moved = {MovableElement::DataSymbol};
    drag.anchors = shown;
    drag.anchors[0].y += 500;
    MoveElements(session_->record(), drag);
    session_->view().setZoomPercent(200);
    ASSERT_EQ(Texts()->rowCount(), 1);
    EXPECT_EQ(Texts()->item(0, FreeTextTable::TextColumn)->text(), U("Заводской номер"));
    Apply();
    EXPECT_EQ(session_->scene().params.ext.texts.size(), 1u);
    EXPECT_EQ(Places()->item(0, PlaceTable::YColumn)->text(),
              QString::number(drag.anchors[0].y / 100.0, 'f', 2));
}

// A library symbol placed from the list is drawn from the program's files; a file of the same
// name in the document's folder is the user's own and wins.
TEST_F(PlateItemsPageTest, APlacedLibrarySymbolIsDrawnAndTheUsersOwnFileWins) {
    struct Case {
        const char* what;
        bool ownFile;  // a black square of the same name beside the document
        double leastInk, mostInk;
        bool inkAtCentre;
    };
    // The moving-coil symbol: strokes round an empty coil, white at its centre; the user's
    // square: black all over. A crossed box would be thin lines, black at its centre.
    const Case cases[] = {
        {"library", false, 0.10, 0.60, false},
        {"own file", true, 0.90, 1.00, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.ownFile)
            test::Put(dir_ / "moving-coil.svg",
                      "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 10 10'>"
                      "<rect width='10' height='10'/></svg>");
        session_->Show(kDefaultParameters);
        const int chosen = page_->symbolBox()->findText(U("Магнитоэлектрическая система"));
        ASSERT_GE(chosen, 0);
        page_->symbolBox()->setCurrentIndex(chosen);
        page_->addSymbolButton()->click();
        EXPECT_EQ(Pictures()->item(0, PictureTable::FileColumn)->text(), U("moving-coil.svg"));
        Apply();
        ASSERT_EQ(session_->scene().params.ext.pictures.size(), 1u);
        const PlacedPicture placed = session_->scene().params.ext.pictures.at(1);

        const QString png = QString::fromStdString((dir_ / "symbol.png").string());
        ASSERT_TRUE(ExportPicture(session_->scene(), png, 600).ok());
        const QImage picture = QImage(png).convertToFormat(QImage::Format_Grayscale8);
        const CanvasGeometry g = ComputeCanvasGeometry(
            session_->scene(), ReferenceDevice::ForDpi(600), PaintMode::Print);
        const QSizeF size = session_->scene().pictures.at(1).size;
        const double k = g.pixelsPerUnit();
        const double halfWidth = placed.width / 2.0 * k;
        const double halfHeight = placed.width * size.height() / size.width() / 2.0 * k;
        const QPointF centre(g.originX + placed.centre.x * k, g.originY - placed.centre.y * k);
        int black = 0, all = 0;
        // Inside the box, clear of its edge.
        for (int y = int(centre.y() - halfHeight * 0.9); y < centre.y() + halfHeight * 0.9; ++y)
            for (int x = int(centre.x() - halfWidth * 0.9); x < centre.x() + halfWidth * 0.9;
                 ++x, ++all)
                black += qGray(picture.pixel(x, y)) < 128;
        ASSERT_GT(all, 100);
        const double ink = double(black) / all;
        EXPECT_GE(ink, c.leastInk);
        EXPECT_LE(ink, c.mostInk);
        EXPECT_EQ(qGray(picture.pixel(centre.toPoint())) < 128, c.inkAtCentre);
    }
}

}  // namespace
}  // namespace quirn
