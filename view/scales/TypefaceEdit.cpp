// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/TypefaceEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QFontComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "model/ExtensionText.h"
#include "model/PlateKeys.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

// The weight box's entries, in its order.
struct WeightName {
    FontWeight weight;
    const char* name;
};
constexpr WeightName kWeightNames[] = {
    {FontWeight::AsDefault, QT_TRANSLATE_NOOP("quirn::TypefaceEdit", "толщина как обычно")},
    {FontWeight::Bold, QT_TRANSLATE_NOOP("quirn::TypefaceEdit", "жирный")},
    {FontWeight::Light, QT_TRANSLATE_NOOP("quirn::TypefaceEdit", "светлый")},
};

}  // namespace

TypefaceEdit::TypefaceEdit(QWidget* parent) : QWidget(parent) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    own_ = new QCheckBox(tr("свой"), this);
    own_->setToolTip(tr("Без отметки шрифт, толщина и размер как обычно"));
    family_ = new QFontComboBox(this);
    family_->setEditable(true);
    family_->setInsertPolicy(QComboBox::NoInsert);
    family_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    family_->setMinimumContentsLength(12);
    weight_ = new QComboBox(this);
    for (const WeightName& row : kWeightNames)
        weight_->addItem(tr(row.name), static_cast<int>(row.weight));
    italic_ = new QCheckBox(tr("курсив"), this);
    percent_ = new QLineEdit(this);
    percent_->setPlaceholderText(QStringLiteral("100"));
    percent_->setMaximumWidth(percent_->fontMetrics().horizontalAdvance(QStringLiteral("00000")) +
                              12);
    auto* percentSign = new QLabel(tr("% размера"), this);
    grid->addWidget(own_, 0, 0);
    grid->addWidget(family_, 0, 1, 1, 4);
    grid->addWidget(weight_, 1, 1);
    grid->addWidget(italic_, 1, 2);
    grid->addWidget(percent_, 1, 3);
    grid->addWidget(percentSign, 1, 4);
    grid->setColumnStretch(1, 1);
    connect(own_, &QCheckBox::toggled, this, [this] { ShowOwn(); });
    Fill(std::nullopt);
}

void TypefaceEdit::ShowOwn() {
    for (QWidget* part : std::initializer_list<QWidget*>{family_, weight_, italic_, percent_})
        part->setEnabled(own_->isChecked());
}

void TypefaceEdit::Fill(const std::optional<Typeface>& face) {
    own_->setChecked(face.has_value());
    const Typeface shown = face.value_or(Typeface{});
    if (face) {
        const QString family = QString::fromStdString(Cp1251ToUtf8(face->family));
        const int found = family_->findText(family, Qt::MatchFixedString);
        if (found >= 0) family_->setCurrentIndex(found);
        // As written, a family the system lacks too: what is drawn in its place is told apart.
        family_->setEditText(family);
    } else {
        // The plate's own face, as this system draws it, is where a choice starts.
        family_->setCurrentFont(QFont(QStringLiteral("Arial")));
    }
    weight_->setCurrentIndex(weight_->findData(static_cast<int>(shown.weight)));
    italic_->setChecked(shown.slant == FontSlant::Italic);
    percent_->setText(QString::number(shown.percent));
    ShowOwn();
}

Outcome TypefaceEdit::ReadInto(std::optional<Typeface>& face) const {
    if (!own_->isChecked()) {
        face.reset();
        return {};
    }
    Typeface read;
    const QString family = family_->currentText().trimmed();
    if (family.isEmpty()) return Outcome::Failed(Fault::FaceNotChosen);
    // The key's parts are separated by commas.
    if (family.contains(QLatin1Char(',')))
        return Outcome::Failed(Fault::FaceNameWithComma, {family.toStdString()});
    read.family = Utf8ToCp1251(family.toStdString());
    if (Cp1251ToUtf8(read.family) != family.toStdString())
        return Outcome::Failed(Fault::FaceNameNotStorable, {family.toStdString()});
    read.weight = static_cast<FontWeight>(weight_->currentData().toInt());
    read.slant = italic_->isChecked() ? FontSlant::Italic : FontSlant::Upright;
    const QString percent = percent_->text().trimmed();
    if (!percent.isEmpty()) {
        const std::optional<std::int32_t> value = ParseWholeNumber(percent.toStdString());
        if (!value || *value < kLeastTypefacePercent || *value > kMostTypefacePercent)
            return Outcome::Failed(Fault::FaceSizeOutside,
                                   {std::to_string(kLeastTypefacePercent),
                                    std::to_string(kMostTypefacePercent), percent.toStdString()});
        read.percent = *value;
    }
    face = std::move(read);
    return {};
}

}  // namespace quirn
