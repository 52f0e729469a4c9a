// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/LabelLooks.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "view/scales/ColourChoice.h"
#include "view/scales/TypefaceEdit.h"

namespace quirn {
namespace {

// The group's rows, in its order: each text role with its label's ink, if the plate sets one,
// and the captions the rows and the refusals name it by.
struct LookRow {
    TextRole role;
    std::optional<LabelRole> ink;
    const char* caption;
    const char* unsetInk;  // what the colour button says while no ink is set
};
constexpr LookRow kLookRows[] = {
    {TextRole::FurtherScales, std::nullopt,
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "Числа и единицы шкал 2–4"), nullptr},
    {TextRole::Name, LabelRole::Name, QT_TRANSLATE_NOOP("quirn::LabelLooks", "Название"),
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "чёрный")},
    // The unit label is scale 1's: without an ink of its own it takes scale 1's.
    {TextRole::Unit, LabelRole::Unit, QT_TRANSLATE_NOOP("quirn::LabelLooks", "Единица"),
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "как у шкалы 1")},
    {TextRole::Origin, LabelRole::Origin,
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "Надпись изготовителя"),
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "чёрный")},
    {TextRole::Standard, LabelRole::Standard,
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "Надпись стандарта"),
     QT_TRANSLATE_NOOP("quirn::LabelLooks", "чёрный")},
};

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::LabelLooks", text);
}

const LookRow& RowOf(TextRole role) {
    for (const LookRow& row : kLookRows)
        if (row.role == role) return row;
    return kLookRows[0];
}

}  // namespace

LabelLooks::LabelLooks(UserPrompts& prompts, QWidget* parent)
    : QGroupBox(tr("Шрифты и цвета надписей"), parent) {
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* note = new QLabel(tr("Без отметки «свой» шрифт как обычно."), this);
    note->setWordWrap(true);
    form->addRow(note);
    for (const LookRow& look : kLookRows) {
        auto* field = new QWidget(this);
        auto* column = new QVBoxLayout(field);
        column->setContentsMargins(0, 0, 0, 0);
        Row row{look.role, new TypefaceEdit(field), nullptr};
        column->addWidget(row.face);
        if (look.ink) {
            auto* ink = new QHBoxLayout;
            ink->addWidget(new QLabel(tr("цвет"), field));
            row.colour = new ColourChoice(prompts, Tr(look.unsetInk), field);
            ink->addWidget(row.colour, 1);
            column->addLayout(ink);
            connect(row.colour, &ColourChoice::edited, this, [this] { emit edited(); });
        }
        form->addRow(Tr(look.caption), field);
        rows_.push_back(row);
    }
}

TypefaceEdit* LabelLooks::face(TextRole role) const {
    for (const Row& row : rows_)
        if (row.role == role) return row.face;
    return nullptr;
}

ColourChoice* LabelLooks::colour(TextRole role) const {
    for (const Row& row : rows_)
        if (row.role == role) return row.colour;
    return nullptr;
}

void LabelLooks::Fill(const ScaleExtensions& ext) {
    for (const Row& row : rows_) {
        const auto face = ext.typefaces.find(row.role);
        row.face->Fill(face != ext.typefaces.end() ? std::optional(face->second) : std::nullopt);
        if (row.colour) row.colour->Fill(ext.labelColours[std::size_t(*RowOf(row.role).ink)]);
    }
}

Outcome LabelLooks::ReadInto(ScaleExtensions& ext) const {
    ScaleExtensions& read = ext;
    for (const Row& row : rows_) {
        std::optional<Typeface> face;
        if (Outcome fault = row.face->ReadInto(face); !fault.ok())
            return Outcome::Within(Fault::InItem, {Tr(RowOf(row.role).caption).toStdString()},
                                   std::move(fault));
        if (face)
            read.typefaces[row.role] = *face;
        else
            read.typefaces.erase(row.role);
        if (row.colour) read.labelColours[std::size_t(*RowOf(row.role).ink)] = row.colour->colour();
    }
    return {};
}

}  // namespace quirn
