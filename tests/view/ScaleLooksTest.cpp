// SPDX-License-Identifier: GPL-3.0-or-later
// Typefaces, inks and flattening in the scales window: what a file holds comes back unchanged
// through the window, what the user picks reaches the file in one step, and what cannot be taken
// is refused by the item it belongs to.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "model/Document.h"
#include "model/ParameterText.h"
#include "support/ViewHost.h"
#include "view/ColourChoice.h"
#include "view/LabelLooks.h"
#include "view/ScalePage.h"
#include "view/ScaleSession.h"
#include "view/ScalesWindow.h"
#include "view/TypefaceEdit.h"

namespace quirn {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

bool Holds(const std::string& file, const std::string& line) {
    return file.find("\r\n" + line + "\r\n") != std::string::npos;
}

class ScaleLooksTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
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
    // Opens the record as its file would be read.
    void Open(const ScaleParameters& p) {
        session_->Show(ReadScaleParameters(WriteParameterText(p)));
    }
    std::string File() const { return WriteParameterText(session_->scene().params); }
    std::string Said() const { return prompts_->warnings.join('\n').toStdString(); }
    bool Marked() const { return scales_->applyButton()->property("unapplied").toBool(); }
    static void Choose(TypefaceEdit* face, const char* family) {
        face->ownBox()->setChecked(true);
        const int found = face->familyBox()->findText(U(family));
        ASSERT_GE(found, 0) << family;
        face->familyBox()->setCurrentIndex(found);
    }

    Document doc_;
    std::unique_ptr<QWidget> host_;
    ScaleSession* session_ = nullptr;
    std::unique_ptr<ScalesWindow> scales_;
    std::shared_ptr<test::ScriptedPrompts> prompts_;
};

// Faces, inks and flattening shown in the window and read back write the file they came from,
// a family the system lacks and a further scale's explicit round arc too; no key stays no key.
TEST_F(ScaleLooksTest, AFilesLooksSurviveTheWindowByteForByte) {
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
        EXPECT_FALSE(scales_->ReadInto(read));
        EXPECT_EQ(WriteParameterText(read), file);
        EXPECT_FALSE(Marked());
    }
    EXPECT_EQ(scales_->page(1)->numeralsFace()->familyBox()->currentText(), U("Qx Missing Family"))
        << "shown as written";
    EXPECT_EQ(scales_->page(3)->edit(ScaleField::Flatten)->text(), U("0.03"));
}

// What the user picks reaches the file's lines, marks Apply until applied, and is one step that
// undo takes back whole.
TEST_F(ScaleLooksTest, PickedFacesAndColoursReachTheFileInOneStep) {
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
             w.page(1)->edit(ScaleField::Flatten)->setText("2,5");
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
TEST_F(ScaleLooksTest, ABadSizeOrFlatteningIsRefusedByItsItem) {
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
        {[](ScalesWindow& w) { return w.page(2)->edit(ScaleField::Flatten); }, "-1",
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
