// SPDX-License-Identifier: GPL-3.0-or-later
// The scales window on real widgets: what it refuses and how it says so, what an accepted record
// changes in the document, its file and the drawing, and typefaces, inks and flattening coming
// back unchanged from a file and reaching it in one step.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "model/LawTable.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "render/ScaleDrawing.h"
#include "support/ViewHost.h"
#include "view/canvas/ScaleView.h"
#include "view/panel/ParameterBar.h"
#include "view/scales/ColourChoice.h"
#include "view/scales/LabelLooks.h"
#include "view/scales/ScalePage.h"
#include "view/scales/ScalesWindow.h"
#include "view/scales/TypefaceEdit.h"
#include "view/scales/ZoneTable.h"

namespace quirn {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

bool Holds(const std::string& file, const std::string& line) {
    return file.find("\r\n" + line + "\r\n") != std::string::npos;
}

class ScalesWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        view_ = host.view;
        bar_ = host.bar;
        panel_ = host.panel;
        session_ = host.session;
        prompts_ = host.prompts;
        session_->Show(kDefaultParameters);
        scales_ = std::make_unique<ScalesWindow>(*session_, *prompts_);
        scales_->show();
    }
    void TearDown() override {
        scales_.reset();
        host_.reset();
    }

    // Key by key, Cyrillic letters too, which QTest::keyClicks cannot type.
    static void Type(QLineEdit* field, const char* text) {
        field->clear();
        for (const QChar c : U(text))
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    // Steps through the laws with the arrow key as the user would, until this one shows.
    static void Pick(QComboBox* box, const char* law) {
        QTest::keyClick(box, Qt::Key_Home);
        for (int k = 0; k < box->count() && box->currentText() != U(law); ++k)
            QTest::keyClick(box, Qt::Key_Down);
        ASSERT_EQ(box->currentText(), U(law));
    }
    void Apply() { scales_->applyButton()->click(); }
    // Every warning shown so far, one a line.
    std::string Said() const { return prompts_->warnings.join('\n').toStdString(); }
    QImage Picture() const { return view_->viewport()->grab().toImage(); }
    // Opens the record as its file would be read.
    void Open(const ScaleParameters& p) {
        session_->Show(ReadScaleParameters(WriteParameterText(p)));
    }
    std::string File() const { return WriteParameterText(session_->scene().params); }
    bool Marked() const { return scales_->applyButton()->property("unapplied").toBool(); }
    static void Choose(TypefaceEdit* face, const char* family) {
        face->ownBox()->setChecked(true);
        const int found = face->familyBox()->findText(U(family));
        ASSERT_GE(found, 0) << family;
        face->familyBox()->setCurrentIndex(found);
    }

    Document doc_;
    std::unique_ptr<QWidget> host_;
    ScaleView* view_ = nullptr;
    ParameterBar* bar_ = nullptr;
    PanelFields* panel_ = nullptr;
    ScaleSession* session_ = nullptr;
    std::unique_ptr<ScalesWindow> scales_;
    std::shared_ptr<test::ScriptedPrompts> prompts_;  // the window's and the panel's
};

TEST_F(ScalesWindowTest, AFallingTableIsRefusedWhereItFallsAndTheMendedOneReachesTheFile) {
    const ScaleParameters before = session_->scene().params;
    const QImage oneScale = Picture();

    scales_->addScaleButton()->click();
    ASSERT_EQ(scales_->scaleCount(), 2);
    EXPECT_EQ(scales_->pages()->tabText(1), U("Шкала 2"));
    ScalePage* second = scales_->page(2);
    Pick(second->lawBox(), "таблица");
    QLineEdit* points = second->edit(&ScaleSetup::points);
    Type(points, "0:0 5:0.6 4:1");
    Apply();
    EXPECT_EQ(Said(), "Шкала 2: значения таблицы должны возрастать (5:0.6 4:1)");
    EXPECT_EQ(session_->scene().params, before);
    EXPECT_FALSE(doc_.isModified());
    EXPECT_EQ(scales_->scaleCount(), 2);
    EXPECT_EQ(points->text(), U("0:0 5:0.6 4:1"));

    // Up to the scale's end: scale 2 takes scale 1's range of 15. Stepping past "омметр" filled
    // in its lists, whose values lie beyond that end, and the next law took them out again.
    for (const QLineEdit* list :
         {second->edit(&ScaleSetup::ticks), second->edit(&ScaleSetup::bigticks),
          second->edit(&ScaleSetup::numbers)})
        EXPECT_TRUE(list->text().isEmpty());
    Type(points, "0:0 4:0.5 15:1");
    Apply();
    EXPECT_EQ(prompts_->warnings.size(), 1) << Said();
    EXPECT_TRUE(doc_.isModified());
    const ScaleParameters& record = session_->scene().params;
    ASSERT_EQ(record.ext.further.size(), 1u);
    ASSERT_TRUE(record.ext.further[0].find(&ScaleSetup::points));
    EXPECT_EQ(*record.ext.further[0].find(&ScaleSetup::points),
              (std::vector<TablePoint>{{0, 0}, {4, 0.5}, {15, 1}}));
    const std::string file = WriteParameterText(record);
    EXPECT_NE(file.find("2.law\t= table\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("2.points\t= 0:0 4:0.5 15:1\r\n"), std::string::npos) << file;
    EXPECT_EQ(scales_->page(2)->edit(&ScaleSetup::points)->text(), U("0:0 4:0.5 15:1"));
    EXPECT_NE(Picture(), oneScale) << "the second scale is drawn";
}

TEST_F(ScalesWindowTest, AnEmptiedMakersLabelIsNoLongerDrawn) {
    EXPECT_EQ(scales_->originEdit()->text(), U("СДЕЛАНО В СССР"));
    const QImage labelled = Picture();
    scales_->originEdit()->clear();
    Apply();
    EXPECT_EQ(Said(), "");
    EXPECT_EQ(session_->scene().params.ext.origin, "");
    EXPECT_EQ(session_->scene().params.ext.standard, kDefaultStandardText);
    EXPECT_NE(Picture(), labelled);
    EXPECT_EQ(
        LayOutScale(session_->scene(), PaintMode::Screen).sizes[Index(MovableElement::OriginLabel)],
        Extent{})
        << "nothing left to drag";
}

TEST_F(ScalesWindowTest, UnreadableListsAndZonesOnMissingScalesAreRefusedAndAnOhmmeterGetsLists) {
    const ScaleParameters before = session_->scene().params;
    ScalePage* first = scales_->page(1);
    Type(first->edit(&ScaleSetup::numbers), "0 5 1О");  // a Cyrillic О for a zero
    Apply();
    EXPECT_EQ(Said(), "Шкала 1: в списке «Числа» не число: «1О»");

    first->edit(&ScaleSetup::numbers)->clear();
    scales_->zones()->addButton()->click();
    scales_->zones()->table()->item(0, ZoneTable::ScaleColumn)->setText("3");
    Apply();
    EXPECT_EQ(Said(),
              "Шкала 1: в списке «Числа» не число: «1О»\n"
              "Зона 1: нет шкалы 3");
    EXPECT_EQ(session_->scene().params, before);

    scales_->zones()->removeButton()->click();
    Pick(first->lawBox(), "омметр");
    EXPECT_FALSE(first->edit(&ScaleSetup::ticks)->text().isEmpty());
    EXPECT_TRUE(first->edit(&ScaleSetup::numbers)->text().endsWith("=1k"))
        << first->edit(&ScaleSetup::numbers)->text().toStdString();
    Apply();
    EXPECT_EQ(prompts_->warnings.size(), 2) << Said();
    EXPECT_EQ(session_->scene().params.law, ScaleLaw::Ohm);
    ASSERT_TRUE(session_->scene().params.numbers.has_value());
    EXPECT_EQ(session_->scene().params.numbers->back().text, "1k");
}

TEST_F(ScalesWindowTest, EditsInEitherPanelAreMarkedAskedAboutAndAppliedByOneApply) {
    int asked = 0;
    prompts_->applyAnswer = [&asked] {
        ++asked;
        return SaveAnswer::Cancel;
    };
    QLineEdit* start = scales_->page(1)->edit(&ScaleSetup::start);
    Type(start, "5");
    EXPECT_TRUE(scales_->applyButton()->property("unapplied").toBool());
    EXPECT_FALSE(panel_->ResolveUnappliedEdits()) << "cancelled";
    EXPECT_EQ(asked, 1) << "the scales window's edits are asked about like the panel's";

    // The panel's Apply takes the window's edits too, in one step.
    bar_->setText(BarControl::Range, QStringLiteral("30"));
    const int steps = session_->history().count();
    bar_->button(BarControl::Apply)->click();
    EXPECT_EQ(Said(), "");
    EXPECT_DOUBLE_EQ(session_->scene().params.range, 30.0);
    EXPECT_DOUBLE_EQ(session_->scene().params.start, 5.0);
    EXPECT_EQ(session_->history().count(), steps + 1);
    EXPECT_FALSE(scales_->applyButton()->property("unapplied").toBool());
    EXPECT_TRUE(panel_->ResolveUnappliedEdits());
    EXPECT_EQ(asked, 1) << "nothing left to ask about";

    // Enter in the window's fields applies, the panel's edits with it.
    bar_->setText(BarControl::Range, QStringLiteral("40"));
    Type(start, "10");
    QTest::keyClick(start, Qt::Key_Return);
    EXPECT_DOUBLE_EQ(session_->scene().params.range, 40.0);
    EXPECT_DOUBLE_EQ(session_->scene().params.start, 10.0);
    EXPECT_FALSE(panel_->HasUnappliedEdits());
}

TEST_F(ScalesWindowTest, RemovingAScaleTakesItsZonesAndRenumbersTheLaterOnes) {
    ScaleParameters four = session_->scene().params;
    for (int k = 0; k < 3; ++k)
        four.ext.further.emplace_back().set(&ScaleSetup::tickRadius, 3000 - 500 * k);
    four.ext.zones = {{2, 0, 5, 0xFF0000}, {3, 5, 10, 0x00FF00}, {4, 10, 15, 0x0000FF}};
    ApplyFields(session_->record(), four);
    ASSERT_EQ(scales_->scaleCount(), 4);

    scales_->pages()->setCurrentIndex(1);
    scales_->removeScaleButton()->click();
    const int steps = session_->history().count();
    Apply();
    EXPECT_EQ(Said(), "");
    EXPECT_EQ(session_->scene().params.ext.further.size(), 2u);
    EXPECT_EQ(session_->scene().params.ext.zones,
              (std::vector<Zone>{{2, 5, 10, 0x00FF00}, {3, 10, 15, 0x0000FF}}))
        << "scale 3's zone stays on it as scale 2, scale 2's went with it";
    EXPECT_EQ(session_->history().count(), steps + 1);
    session_->history().undo();
    EXPECT_EQ(session_->scene().params.ext.zones, four.ext.zones);
}

TEST_F(ScalesWindowTest, Utf8TextRegressionTextsBeyondWindows1251SurviveBothPanels) {
    ScaleParameters p = kDefaultParameters;
    StoreTypedText("k\u03A9", p.unit, p.unitUtf8);                    // kΩ
    StoreTypedText("\u2248 \u03A9", p.ext.origin, p.ext.originUtf8);  // ≈ Ω
    FurtherScale& second = p.ext.further.emplace_back();
    StoreTypedText("M\u03A9", second.own(&ScaleSetup::unit), second.values.unitUtf8);  // MΩ
    session_->Show(ReadScaleParameters(WriteParameterText(p)));
    auto* bar = host_->findChild<ParameterBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(BarControl::Unit), U("k\u03A9"));
    EXPECT_EQ(scales_->originEdit()->text(), U("\u2248 \u03A9"));
    EXPECT_EQ(scales_->page(2)->edit(&ScaleSetup::unit)->text(), U("M\u03A9"));
    EXPECT_EQ(doc_.title(), "M4200, 69x60, 15k\u03A9");

    Type(scales_->page(2)->edit(&ScaleSetup::unit), "\u00B5\u03A9");  // µΩ
    Apply();
    bar->setText(BarControl::Range, "20");
    QTest::keyClick(bar->edit(BarControl::Range), Qt::Key_Return);
    EXPECT_EQ(Said(), "");
    const std::string file = WriteParameterText(session_->scene().params);
    EXPECT_NE(file.find("\r\nrange\t= 20\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\nunit.utf8\t= k\u03A9\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\norigin.utf8\t= \u2248 \u03A9\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("\r\n2.unit\t= \xB5?\r\n2.unit.utf8\t= \u00B5\u03A9\r\n"),
              std::string::npos)
        << file;
}

// The range of a further ohmmeter scale is the value at its centre, and its field says so.
TEST_F(ScalesWindowTest, AnOhmmetersRangeFieldIsCaptionedAsItsCentre) {
    scales_->addScaleButton()->click();
    ScalePage* second = scales_->page(2);
    QLineEdit* range = second->edit(&ScaleSetup::range);
    const auto caption = [second, range] {
        const auto* label = qobject_cast<QLabel*>(
            static_cast<QFormLayout*>(second->layout())->labelForField(range));
        return label != nullptr ? label->text() : QString();
    };
    EXPECT_EQ(caption(), U("Конец шкалы"));
    Pick(second->lawBox(), "омметр");
    EXPECT_EQ(caption(), U("Середина шкалы"));
    Type(range, "abc");
    Apply();
    EXPECT_EQ(Said(), "Шкала 2: в поле «Середина шкалы» не число: «abc»");
    Pick(second->lawBox(), "линейная");
    EXPECT_EQ(caption(), U("Конец шкалы"));
}

// The standing-wave-ratio law fills empty lists with the usual ratios, takes them out again for
// another law, has no start to type, and refuses a ratio below 1 in its own words.
TEST_F(ScalesWindowTest, AnSwrScaleStartsWithItsRatiosAndRefusesOnesBelowOne) {
    ScalePage* first = scales_->page(1);
    Pick(first->lawBox(), "КСВ");
    EXPECT_EQ(first->edit(&ScaleSetup::numbers)->text(), U("1 1.2 1.5 2 3 5 10"));
    EXPECT_FALSE(first->edit(&ScaleSetup::start)->isEnabled()) << "the ratio starts at 1";
    Pick(first->lawBox(), "линейная");
    EXPECT_TRUE(first->edit(&ScaleSetup::ticks)->text().isEmpty());
    EXPECT_TRUE(first->edit(&ScaleSetup::start)->isEnabled());
    Pick(first->lawBox(), "КСВ");
    Type(first->edit(&ScaleSetup::numbers), "0.5 2");
    Apply();
    EXPECT_EQ(Said(), "Шкала 1: КСВ не бывает меньше 1 (0.5)");
    EXPECT_EQ(session_->scene().params, kDefaultParameters);
}

// The law box is built from the window's names of the laws: each law of the model's table must
// be there once, in the table's order, or a law could be read from a file yet not be chosen.
TEST_F(ScalesWindowTest, TheLawBoxNamesEveryLawOnce) {
    scales_->addScaleButton()->click();
    for (int scale : {1, 2}) {
        QComboBox* box = scales_->page(scale)->lawBox();
        const int first = scale == 1 ? 0 : 1;  // a further scale's box starts with "as scale 1"
        ASSERT_EQ(box->count() - first, int(LawTable().size())) << scale;
        for (std::size_t k = 0; k < LawTable().size(); ++k) {
            const int item = first + int(k);
            EXPECT_EQ(box->itemData(item).toInt(), int(LawTable()[k].law)) << scale;
            EXPECT_FALSE(box->itemText(item).isEmpty()) << scale;
        }
    }
}

// Faces, inks and flattening shown in the window and read back write the file they came from,
// a family the system lacks and a further scale's explicit round arc too; no key stays no key.
TEST_F(ScalesWindowTest, AFilesLooksSurviveTheWindowByteForByte) {
    ScaleParameters none = kDefaultParameters;
    ScaleParameters all = kDefaultParameters;
    all.ext.typefaces = {
        {TextRole::Numerals, {"Qx Missing Family", FontWeight::Bold, FontSlant::Upright, 150}},
        {TextRole::Name, {"DejaVu Serif", FontWeight::AsDefault, FontSlant::Italic, 100}},
        {TextRole::Unit, {"dejavu sans", FontWeight::Light, FontSlant::Upright, 80}},
        {TextRole::FurtherScales,
         {"Liberation Mono", FontWeight::AsDefault, FontSlant::Upright, 1000}}};
    all.ext.labelColours = {0x123456, std::nullopt, 0xFFFF80, 0x000000};
    all.colour = 0xCC0000;
    all.flatten = 1250;
    FurtherScale& second = all.ext.further.emplace_back();
    second.set(&ScaleSetup::colour, std::uint32_t{0x0000FF});
    second.set(&ScaleSetup::flatten, 0);
    all.ext.further.emplace_back().set(&ScaleSetup::flatten, 3);
    for (const ScaleParameters* p : {&none, &all}) {
        Open(*p);
        const std::string file = WriteParameterText(*p);
        ScaleParameters read = session_->scene().params;
        EXPECT_TRUE(scales_->ReadInto(read).ok());
        EXPECT_EQ(WriteParameterText(read), file);
        EXPECT_FALSE(Marked());
    }
    EXPECT_EQ(scales_->page(1)->numeralsFace()->familyBox()->currentText(), U("Qx Missing Family"))
        << "shown as written";
    EXPECT_EQ(scales_->page(3)->edit(&ScaleSetup::flatten)->text(), U("0.03"));
}

// What the user picks reaches the file's lines, marks Apply until applied, and is one step that
// undo takes back whole.
TEST_F(ScalesWindowTest, PickedFacesAndColoursReachTheFileInOneStep) {
    ScaleParameters start = kDefaultParameters;
    start.ext.labelColours[std::size_t(LabelRole::Origin)] = 0x00FF00;
    start.ext.further.emplace_back().set(&ScaleSetup::tickRadius, 3000);
    struct Case {
        const char* what;
        std::function<void(ScalesWindow&)> act;
        std::vector<std::string> lines;
        std::string gone;
    };
    const Case cases[] = {
        {"scale 1's numerals",
         [](ScalesWindow& w) {
             TypefaceEdit* face = w.page(1)->numeralsFace();
             Choose(face, "Liberation Serif");
             face->italicBox()->setChecked(true);
             face->percentEdit()->setText("120");
         },
         {"font.numerals\t= Liberation Serif, italic, 120%"},
         ""},
        {"inks of both scales and flattening",
         [](ScalesWindow& w) {
             w.page(1)->colour()->pickButton()->click();
             w.page(2)->colour()->pickButton()->click();
             w.page(1)->edit(&ScaleSetup::flatten)->setText("2,5");
         },
         {"colour\t= #cc0000", "2.colour\t= #cc0000", "flatten\t= 250"},
         ""},
        {"labels' faces, and the maker's ink taken back",
         [](ScalesWindow& w) {
             TypefaceEdit* standard = w.labelLooks()->face(TextRole::Standard);
             Choose(standard, "Liberation Sans");
             standard->weightBox()->setCurrentIndex(1);
             Choose(w.labelLooks()->face(TextRole::FurtherScales), "Liberation Mono");
             w.labelLooks()->colour(TextRole::Origin)->clearButton()->click();
         },
         {"font.standard\t= Liberation Sans, bold", "font.scales\t= Liberation Mono"},
         "colour.origin"},
    };
    prompts_->colour = [](const QColor&) { return QColor(0xCC, 0x00, 0x00); };
    for (const Case& c : cases) {
        Open(start);
        const std::string before = File();
        const int steps = session_->history().count();
        c.act(*scales_);
        EXPECT_TRUE(Marked()) << c.what;
        scales_->applyButton()->click();
        EXPECT_EQ(Said(), "") << c.what;
        EXPECT_FALSE(Marked()) << c.what;
        const std::string after = File();
        for (const std::string& line : c.lines) EXPECT_TRUE(Holds(after, line)) << c.what << after;
        if (!c.gone.empty()) {
            EXPECT_EQ(after.find(c.gone), std::string::npos) << c.what << after;
        }
        EXPECT_EQ(session_->history().count(), steps + 1) << c.what;
        session_->history().undo();
        EXPECT_EQ(File(), before) << c.what;
    }
}

// A value the file could not hold is refused with the item it belongs to, nothing applied and
// nothing typed lost.
TEST_F(ScalesWindowTest, ABadSizeOrFlatteningIsRefusedByItsItem) {
    ScaleParameters two = kDefaultParameters;
    two.ext.further.emplace_back().set(&ScaleSetup::tickRadius, 3000);
    struct Case {
        std::function<QLineEdit*(ScalesWindow&)> field;
        const char* typed;
        const char* said;
    };
    const auto percent = [](TypefaceEdit* face) {
        face->ownBox()->setChecked(true);
        return face->percentEdit();
    };
    const Case cases[] = {
        {[&](ScalesWindow& w) { return percent(w.page(1)->numeralsFace()); }, "0",
         "Шкала 1: размер шрифта должен быть целым числом процентов от 1 до 1000: «0»"},
        {[&](ScalesWindow& w) { return percent(w.labelLooks()->face(TextRole::Standard)); }, "12.5",
         "Надпись стандарта: размер шрифта должен быть целым числом процентов от 1 до "
         "1000: «12.5»"},
        {[](ScalesWindow& w) {
             TypefaceEdit* face = w.labelLooks()->face(TextRole::FurtherScales);
             face->ownBox()->setChecked(true);
             return face->familyBox()->lineEdit();
         },
         "Serif, Bold",
         "Числа и единицы шкал 2–4: в имени шрифта не может быть запятой: «Serif, Bold»"},
        {[](ScalesWindow& w) { return w.page(2)->edit(&ScaleSetup::flatten); }, "-1",
         "Шкала 2: в поле «Уплощение дуги» число меньше нуля: «-1»"},
    };
    for (const Case& c : cases) {
        Open(two);
        prompts_->warnings.clear();
        const ScaleParameters before = session_->scene().params;
        QLineEdit* field = c.field(*scales_);
        field->setText(U(c.typed));
        scales_->applyButton()->click();
        EXPECT_EQ(Said(), c.said);
        EXPECT_EQ(session_->scene().params, before) << c.said;
        EXPECT_EQ(field->text(), U(c.typed));
    }
}

}  // namespace
}  // namespace quirn

namespace quirn {
namespace {

// The window is a view of the record. A step undone while it is open, whether or not something
// else is typed there meanwhile, stays undone through the window's next Apply.
TEST_F(ScalesWindowTest, UndoWhileTheWindowIsOpenRegressionAnUnrelatedApplyKeepsItUndone) {
    const auto origin = [this] { return session_->scene().params.ext.origin; };
    for (const bool typedBeforeUndo : {false, true}) {
        SCOPED_TRACE(typedBeforeUndo);
        session_->Show(kDefaultParameters);
        scales_->originEdit()->setText(QStringLiteral("A"));
        Apply();
        ASSERT_EQ(origin(), "A");
        if (typedBeforeUndo) scales_->standardEdit()->setText(QStringLiteral("B"));
        session_->history().undo();
        EXPECT_EQ(origin(), kDefaultOriginText);
        EXPECT_EQ(scales_->originEdit()->text() == U("СДЕЛАНО В СССР"), !typedBeforeUndo)
            << "refilled unless something is typed";
        scales_->standardEdit()->setText(QStringLiteral("B"));
        Apply();
        EXPECT_EQ(origin(), kDefaultOriginText);
        EXPECT_EQ(session_->scene().params.ext.standard, "B");
        EXPECT_EQ(scales_->originEdit()->text(), U("СДЕЛАНО В СССР"));
        EXPECT_TRUE(prompts_->conflicts.isEmpty());
    }
}

// A field typed here that the document changed meanwhile is asked about by its key: the typed
// value, the document's, or no Apply; what else was typed goes with the first two answers.
TEST_F(ScalesWindowTest, AFieldTheDocumentChangedWhileTypedIsAskedAbout) {
    const struct {
        ConflictAnswer answer;
        const char* origin;    // as applied
        const char* standard;  // as applied
        const char* shown;     // in the origin field afterwards
    } cases[] = {
        {ConflictAnswer::KeepTyped, "Typed", "S", "Typed"},
        {ConflictAnswer::TakeDocument, "Document", "S", "Document"},
        {ConflictAnswer::Cancel, "Document", "\xC3\xCE\xD1\xD2  8711-60", "Typed"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.answer));
        session_->Show(kDefaultParameters);
        scales_->originEdit()->setText(QStringLiteral("Typed"));
        scales_->standardEdit()->setText(QStringLiteral("S"));
        ScaleParameters elsewhere = session_->scene().params;
        elsewhere.ext.origin = "Document";
        ApplyFields(session_->record(), elsewhere);
        EXPECT_TRUE(scales_->HasUnappliedEdits()) << "what is typed stays";

        prompts_->conflictAnswer = [&c] { return c.answer; };
        prompts_->conflicts.clear();
        Apply();
        EXPECT_EQ(prompts_->conflicts, QStringList{QStringLiteral("origin")});
        EXPECT_EQ(session_->scene().params.ext.origin, c.origin);
        EXPECT_EQ(session_->scene().params.ext.standard, c.standard);
        EXPECT_EQ(scales_->originEdit()->text(), QString::fromLatin1(c.shown));
    }
}

}  // namespace
}  // namespace quirn
