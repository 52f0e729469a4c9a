// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's controls, keys and tab order.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTest>
#include <set>
#include <string_view>
#include <vector>

#include "model/ParameterFields.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

using C = BarControl;

std::vector<std::string_view> Ids(std::initializer_list<C> ids) {
    std::vector<std::string_view> out;
    for (C id : ids) out.push_back(id.name);
    return out;
}

TEST(ParameterBar, HasEveryControlOfItsKindWithItsText) {
    ParameterBar bar;
    for (C id : {C::Name,
                 C::Unit,
                 C::Range,
                 C::HalfAngle,
                 C::InnerRadius,
                 C::MountingHoleSpacing,
                 C::PlateHeight,
                 C::CornerBevel,
                 C::OuterRadius,
                 C::PlateWidth,
                 C::TickRadius,
                 C::BigTickLength,
                 C::SmallTickLength,
                 C::Divisions,
                 C::BigDivisions,
                 C::NumberedDivisions,
                 C::BigTickWidth,
                 C::SmallTickWidth,
                 C::ArcWidth,
                 C::MountingAboveAxis,
                 C::MountingAboveBottom,
                 C::TemplateWidth,
                 C::TemplateX,
                 C::TemplateY}) {
        ASSERT_NE(bar.edit(id), nullptr) << id.name;
        EXPECT_EQ(bar.edit(id)->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
        EXPECT_FALSE(bar.edit(id)->isReadOnly());
    }
    for (C id : {C::SquareShape, C::RadialShape, C::TicksOutward, C::TicksInward})
        EXPECT_NE(bar.radio(id), nullptr) << id.name;
    for (C id : {C::TemplateWidthSpinner, C::TemplateXSpinner, C::TemplateYSpinner})
        EXPECT_NE(bar.spinner(id), nullptr) << id.name;
    for (C id : {C::ZoomReadout, C::CursorReadout}) {
        ASSERT_NE(bar.edit(id), nullptr);
        EXPECT_TRUE(bar.edit(id)->isReadOnly());
        EXPECT_FALSE(bar.edit(id)->hasFrame());
    }
    EXPECT_EQ(bar.text(C::Apply), QString::fromUtf8("Применить параметры"));
    EXPECT_TRUE(bar.button(C::Apply)->isDefault());
    EXPECT_EQ(bar.text(C::ExportPicture), QString::fromUtf8("Записать рисунок в файл"));
    EXPECT_EQ(bar.text(C::TemplateButton), QString::fromUtf8("Загрузить шаблон"));
    EXPECT_EQ(bar.text(C::ArcShown), QString::fromUtf8("Дуга под/над делениями"));
    EXPECT_EQ(bar.text(C::RadialShape), QString::fromUtf8("Радиусная шкала"));

    QStringList labels;
    for (const QLabel* label : bar.findChildren<QLabel*>()) labels << label->text();
    for (const char* text : {"Название (марка) прибора", "Расст. ось крепежа - низ шкалы",
                             "Число делений с числами", "Ширина шаблона", "Координата Y", "град."})
        EXPECT_TRUE(labels.contains(QString::fromUtf8(text))) << text;
    EXPECT_EQ(labels.count(QString::fromUtf8("мм")), 17);
}

// Hovering over any control of the panel, or over a field's caption, says what it sets.
TEST(ParameterBar, EveryControlHasATooltipSayingWhatItIs) {
    ParameterBar bar;
    QStringList bare;
    QSet<QString> tips;
    int controls = 0;
    for (const QWidget* w : bar.findChildren<QWidget*>()) {
        // A spinner's own text box is hidden: its arrows are the control.
        if (qobject_cast<const QSpinBox*>(w->parentWidget()) != nullptr) continue;
        const bool control = qobject_cast<const QLineEdit*>(w) != nullptr ||
                             qobject_cast<const QAbstractButton*>(w) != nullptr ||
                             qobject_cast<const QSpinBox*>(w) != nullptr ||
                             qobject_cast<const QSlider*>(w) != nullptr;
        if (!control) continue;
        ++controls;
        tips << w->toolTip();
        if (w->toolTip().isEmpty()) bare << QString::fromLatin1(w->metaObject()->className());
    }
    EXPECT_TRUE(bare.isEmpty()) << bare.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(controls, 41);
    EXPECT_EQ(tips.size(), controls) << "each says what it is, not the same as another";

    const QLabel* width = nullptr;
    for (const QLabel* label : bar.findChildren<QLabel*>())
        if (label->text() == QString::fromUtf8("Ширина шкалы")) width = label;
    ASSERT_NE(width, nullptr);
    EXPECT_EQ(width->toolTip(), bar.edit(C::PlateWidth)->toolTip());
    EXPECT_EQ(bar.edit(C::PlateWidth)->toolTip(),
              QString::fromUtf8("Ширина пластины от левого края до правого"));
}

// The panel is laid out, not placed: it is as tall as its rows and as wide as its captions need,
// and a field's box holds seven digits whatever the font.
TEST(ParameterBar, IsLaidOutAtAFixedHeightWithBoxesOfSevenDigits) {
    ParameterBar bar;
    bar.show();
    const QRect name = bar.edit(C::Name)->geometry();
    const QFontMetrics metrics(bar.font());
    EXPECT_GE(name.width(), metrics.horizontalAdvance(QStringLiteral("0000000")));
    EXPECT_LT(name.width(), metrics.horizontalAdvance(QStringLiteral("0000000000")));
    EXPECT_EQ(bar.edit(C::Range)->width(), name.width());
    EXPECT_EQ(bar.minimumHeight(), bar.maximumHeight());
    EXPECT_EQ(bar.maximumHeight(), bar.sizeHint().height());
    // Each caption stands left of its box, on the box's line.
    for (const QLabel* label : bar.findChildren<QLabel*>()) {
        if (label->text() != ParameterBar::Caption(C::Range)) continue;
        EXPECT_LT(label->geometry().right(), bar.edit(C::Range)->geometry().left());
        EXPECT_EQ(label->geometry().center().y(), bar.edit(C::Range)->geometry().center().y());
    }
}

TEST(ParameterBar, OnlyTheTwoCountFieldsRefuseAnythingButDigits) {
    ParameterBar bar;
    bar.show();
    for (C id : {C::BigDivisions, C::NumberedDivisions}) {
        QTest::keyClicks(bar.edit(id), "1a2,3-");
        EXPECT_EQ(bar.text(id), "123");
    }
    QTest::keyClicks(bar.edit(C::Divisions), "12.7");
    EXPECT_EQ(bar.text(C::Divisions), "12.7");
    QTest::keyClicks(bar.edit(C::PlateWidth), "-1,5");
    EXPECT_EQ(bar.text(C::PlateWidth), "-1,5");
}

TEST(ParameterBar, FieldsHoldWhatFitsTheirBoxButNameAndUnitScroll) {
    ParameterBar bar;
    bar.show();
    const QString longText(60, QChar('8'));
    QTest::keyClicks(bar.edit(C::Range), longText);
    const QString kept = bar.text(C::Range);
    EXPECT_GE(kept.size(), 4);
    EXPECT_LT(kept.size(), longText.size());
    EXPECT_LE(bar.edit(C::Range)->fontMetrics().horizontalAdvance(kept),
              bar.edit(C::Range)->width());
    QTest::keyClicks(bar.edit(C::Name), longText);
    EXPECT_EQ(bar.text(C::Name), longText);
}

TEST(ParameterBar, EnterAppliesAndEscapePressesTheTemplateButton) {
    ParameterBar bar;
    bar.show();
    QSignalSpy applied(bar.button(C::Apply), &QPushButton::clicked);
    QSignalSpy templ(bar.button(C::TemplateButton), &QPushButton::clicked);
    QTest::keyClick(bar.edit(C::PlateWidth), Qt::Key_Return);
    QTest::keyClick(bar.edit(C::Name), Qt::Key_Enter);
    QTest::keyClick(bar.checkBox(C::ArcShown), Qt::Key_Return);
    EXPECT_EQ(applied.count(), 3);
    EXPECT_EQ(templ.count(), 0);
    QTest::keyClick(bar.edit(C::TemplateX), Qt::Key_Escape);
    EXPECT_EQ(templ.count(), 1);
    EXPECT_EQ(applied.count(), 3);
}

TEST(ParameterBar, RadioPairsAreSeparateGroups) {
    ParameterBar bar;
    bar.show();
    QTest::mouseClick(bar.radio(C::SquareShape), Qt::LeftButton);
    QTest::mouseClick(bar.radio(C::TicksInward), Qt::LeftButton);
    EXPECT_TRUE(bar.isChecked(C::SquareShape));
    QTest::mouseClick(bar.radio(C::RadialShape), Qt::LeftButton);
    EXPECT_FALSE(bar.isChecked(C::SquareShape));
    EXPECT_TRUE(bar.isChecked(C::TicksInward));
    // The program can clear both of a pair.
    bar.setChecked(C::RadialShape, false);
    EXPECT_FALSE(bar.isChecked(C::SquareShape));
    EXPECT_FALSE(bar.isChecked(C::RadialShape));
}

TEST(ParameterBar, TabVisitsButtonsFieldsAndTemplateControlsInOrderSkippingRadiosAndSpinners) {
    ParameterBar bar;
    std::vector<std::string_view> order;
    QWidget* w = bar.button(C::Apply);
    do {
        if (w->focusPolicy() & Qt::TabFocus) {
            for (const PanelRow& row : PanelRows())
                if (bar.control(row.id) == w) order.push_back(row.id.name);
        }
        w = w->nextInFocusChain();
    } while (w != bar.button(C::Apply) && w != nullptr);
    EXPECT_EQ(order, Ids({C::Apply,
                          C::ExportPicture,
                          C::Name,
                          C::Unit,
                          C::Range,
                          C::HalfAngle,
                          C::InnerRadius,
                          C::MountingHoleSpacing,
                          C::PlateHeight,
                          C::CornerBevel,
                          C::OuterRadius,
                          C::PlateWidth,
                          C::TickRadius,
                          C::BigTickLength,
                          C::SmallTickLength,
                          C::Divisions,
                          C::BigDivisions,
                          C::NumberedDivisions,
                          C::BigTickWidth,
                          C::SmallTickWidth,
                          C::ArcShown,
                          C::ArcWidth,
                          C::MountingAboveAxis,
                          C::MountingAboveBottom,
                          C::TemplateButton,
                          C::TemplateWidth,
                          C::TemplateX,
                          C::TemplateY,
                          C::TemplateLevel,
                          C::TemplateCalibrate,
                          C::TemplateLock,
                          C::TemplateDim,
                          C::ZoomReadout,
                          C::CursorReadout}));
}

// The panel's table and the model's meet by file key: a field without a row would never be read
// from the panel, a row naming no field would read nothing.
TEST(PanelRows, EveryStandardFieldIsReadThroughOneRowAndEveryRowShowsAStandardField) {
    std::set<std::string_view> standard;
    for (const ParameterField& field : StandardFields()) {
        standard.insert(field.key);
        const PanelRow* row = PanelRowReading(field.key);
        ASSERT_NE(row, nullptr) << field.key;
        EXPECT_NE(row->widget, PanelWidget::RadioWhenSet) << field.key;
    }
    std::set<std::string_view> ids;
    for (const PanelRow& row : PanelRows()) {
        EXPECT_TRUE(ids.insert(row.id.name).second) << "one control per id: " << row.id.name;
        if (!row.field.empty()) {
            EXPECT_EQ(standard.count(row.field), 1u) << row.field;
        }
    }
}

}  // namespace
}  // namespace quirn
