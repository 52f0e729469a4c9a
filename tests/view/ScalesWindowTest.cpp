// The scales window on real widgets: what it refuses and how it says so, and what an accepted
// record changes in the document, its file and the drawing.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <memory>

#include "model/CQuirnDoc.h"
#include "model/ParameterText.h"
#include "support/ViewHost.h"
#include "view/CQuirnView.h"
#include "view/ScalePage.h"
#include "view/ScaleSession.h"
#include "view/ScalesWindow.h"
#include "view/ZoneTable.h"

namespace quirn {
namespace {

QString U(const char* utf8) {
    return QString::fromUtf8(utf8);
}

class ScalesWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        test::ViewHost host;
        ASSERT_TRUE(test::HostView(doc_, host));
        host_ = std::move(host.window);
        view_ = host.view;
        session_ = host.session;
        session_->OnInitialUpdate();
        scales_ = std::make_unique<ScalesWindow>(*session_);
        scales_->setWarningHandler([this](const QString& text) { warnings_ << text; });
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
    std::string Said() const { return warnings_.join('\n').toStdString(); }
    QImage Picture() const { return view_->viewport()->grab().toImage(); }

    CQuirnDoc doc_;
    std::unique_ptr<QWidget> host_;
    CQuirnView* view_ = nullptr;
    ScaleSession* session_ = nullptr;
    std::unique_ptr<ScalesWindow> scales_;
    QStringList warnings_;
};

TEST_F(ScalesWindowTest, AFallingTableIsRefusedWhereItFallsAndTheMendedOneReachesTheFile) {
    const ScaleParameters before = doc_.parameters();
    const QImage oneScale = Picture();

    scales_->addScaleButton()->click();
    ASSERT_EQ(scales_->scaleCount(), 2);
    EXPECT_EQ(scales_->pages()->tabText(1), U("Шкала 2"));
    ScalePage* second = scales_->page(2);
    Pick(second->lawBox(), "таблица");
    QLineEdit* points = second->edit(ScaleField::Points);
    Type(points, "0:0 5:0.6 4:1");
    Apply();
    EXPECT_EQ(Said(), "Шкала 2: значения таблицы должны возрастать (5:0.6 4:1)");
    EXPECT_EQ(doc_.parameters(), before);
    EXPECT_FALSE(doc_.IsModified());
    EXPECT_EQ(scales_->scaleCount(), 2);
    EXPECT_EQ(points->text(), U("0:0 5:0.6 4:1"));

    // Up to the scale's end: scale 2 takes scale 1's range of 15. Stepping past "омметр" filled
    // in its lists, whose values lie beyond that end.
    Type(points, "0:0 4:0.5 15:1");
    for (const ScaleField list : {ScaleField::Ticks, ScaleField::BigTicks, ScaleField::Numbers})
        second->edit(list)->clear();
    Apply();
    EXPECT_EQ(warnings_.size(), 1) << Said();
    EXPECT_TRUE(doc_.IsModified());
    const ScaleParameters& record = doc_.parameters();
    ASSERT_EQ(record.ext.further.size(), 1u);
    EXPECT_EQ(record.ext.further[0].points, (std::vector<TablePoint>{{0, 0}, {4, 0.5}, {15, 1}}));
    const std::string file = WriteParameterText(record);
    EXPECT_NE(file.find("2.law\t= table\r\n"), std::string::npos) << file;
    EXPECT_NE(file.find("2.points\t= 0:0 4:0.5 15:1\r\n"), std::string::npos) << file;
    EXPECT_EQ(scales_->page(2)->edit(ScaleField::Points)->text(), U("0:0 4:0.5 15:1"));
    EXPECT_NE(Picture(), oneScale) << "the second scale is drawn";
}

TEST_F(ScalesWindowTest, AnEmptiedMakersLabelIsNoLongerDrawn) {
    EXPECT_EQ(scales_->originEdit()->text(), U("СДЕЛАНО В СССР"));
    const QImage labelled = Picture();
    scales_->originEdit()->clear();
    Apply();
    EXPECT_EQ(Said(), "");
    EXPECT_EQ(doc_.parameters().ext.origin, "");
    EXPECT_EQ(doc_.parameters().ext.standard, kDefaultStandardText);
    EXPECT_NE(Picture(), labelled);
    EXPECT_EQ(session_->state().drawnSizes[Index(MovableElement::OriginLabel)], Extent{})
        << "nothing left to drag";
}

TEST_F(ScalesWindowTest, UnreadableListsAndZonesOnMissingScalesAreRefusedAndAnOhmmeterGetsLists) {
    const ScaleParameters before = doc_.parameters();
    ScalePage* first = scales_->page(1);
    Type(first->edit(ScaleField::Numbers), "0 5 1О");  // a Cyrillic О for a zero
    Apply();
    EXPECT_EQ(Said(), "Шкала 1: в списке «Числа» не число: «1О»");

    first->edit(ScaleField::Numbers)->clear();
    scales_->zones()->addButton()->click();
    scales_->zones()->table()->item(0, ZoneTable::ScaleColumn)->setText("3");
    Apply();
    EXPECT_EQ(Said(),
              "Шкала 1: в списке «Числа» не число: «1О»\n"
              "Зона 1: нет шкалы 3");
    EXPECT_EQ(doc_.parameters(), before);

    scales_->zones()->removeButton()->click();
    Pick(first->lawBox(), "омметр");
    EXPECT_FALSE(first->edit(ScaleField::Ticks)->text().isEmpty());
    EXPECT_TRUE(first->edit(ScaleField::Numbers)->text().endsWith("=1k"))
        << first->edit(ScaleField::Numbers)->text().toStdString();
    Apply();
    EXPECT_EQ(warnings_.size(), 2) << Said();
    EXPECT_EQ(doc_.parameters().ext.first.law, ScaleLaw::Ohm);
    ASSERT_TRUE(doc_.parameters().ext.first.numbers.has_value());
    EXPECT_EQ(doc_.parameters().ext.first.numbers->back().text, "1k");
}

}  // namespace
}  // namespace quirn
