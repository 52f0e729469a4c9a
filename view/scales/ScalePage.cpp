// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ScalePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <span>

#include "model/LawTable.h"
#include "model/TextCodec.h"
#include "view/panel/PanelText.h"
#include "view/scales/ColourChoice.h"
#include "view/scales/KeyControls.h"
#include "view/scales/TypefaceEdit.h"

namespace quirn {
namespace {

using S = ScaleSetup;

// Scale 1's page shows its looks (the numerals' face and the ink) under its lists, before the
// two lengths that are its own; a further scale's page has its whole graduation to show first.
constexpr KeyGroup kFirstScaleGroups[] = {KeyGroup::Law, KeyGroup::Values, KeyGroup::Looks,
                                          KeyGroup::Graduation};
constexpr KeyGroup kFurtherScaleGroups[] = {KeyGroup::Law, KeyGroup::Values, KeyGroup::Graduation,
                                            KeyGroup::Looks};

const std::size_t kRangeRow = ScaleKeyIndex(&S::range);

QString KeyCaption(const char* caption) {
    return QCoreApplication::translate("quirn::ScaleKeys", caption);
}

QString LawText(const char* text) {
    return QCoreApplication::translate("quirn::LawTable", text);
}

}  // namespace

ScalePage::ScalePage(PageScale scale, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), first_(scale == PageScale::First) {
    const bool first = first_;
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    auto* note = new QLabel(
        first ? tr("Диапазон, число и размеры делений шкалы 1 задаются в панели параметров. "
                   "Пустой список: деления поровну, по их числу.")
              : tr("Пустое поле и серая отметка: как у шкалы 1. Шрифт у шкал 2–4 общий, он "
                   "выбирается ниже, в группе «Шрифты и цвета надписей»."),
        this);
    note->setWordWrap(true);
    form->addRow(note);

    for (const KeyGroup group :
         first ? std::span(kFirstScaleGroups) : std::span(kFurtherScaleGroups)) {
        if (first && group == KeyGroup::Looks) {
            numeralsFace_ = new TypefaceEdit(this);
            form->addRow(tr("Шрифт чисел"), numeralsFace_);
            order_.push_back(kNumeralsFace);
        }
        for (std::size_t row = 0; row < kScaleKeys.size(); ++row)
            if (kScaleKeys[row].group == group &&
                (!first || kScaleKeys[row].firstScale == FirstScaleLine::Extension))
                AddControl(row, prompts);
    }
}

void ScalePage::AddControl(std::size_t row, UserPrompts& prompts) {
    const ScaleKey& key = kScaleKeys[row];
    auto* form = static_cast<QFormLayout*>(layout());
    const QString caption = KeyCaption(key.caption);
    QWidget* control = nullptr;
    switch (const ControlKind kind = ControlOf(key)) {
        case ControlKind::Law:
            law_ = new QComboBox(this);
            if (!first_) law_->addItem(tr("как у шкалы 1"), -1);
            for (const LawRow& law : LawTable())
                law_->addItem(LawText(law.caption), static_cast<int>(law.law));
            connect(law_, &QComboBox::activated, this, [this] { lawPicked(); });
            form->addRow(caption, law_);
            control = law_;
            break;
        case ControlKind::Check: {
            auto* box = new QCheckBox(caption, this);
            if (!first_) {
                box->setTristate(true);
                box->setToolTip(tr("Серая отметка: как у шкалы 1"));
            }
            form->addRow(box);
            control = box;
            break;
        }
        case ControlKind::Colour:
            colour_ = new ColourChoice(prompts, tr("чёрный"), this);
            colour_->setToolTip(tr("Цвет делений, чисел, дуги и единицы шкалы"));
            form->addRow(caption, colour_);
            control = colour_;
            break;
        default: {
            auto* field = new QLineEdit(this);
            if (key.hint != nullptr)
                field->setPlaceholderText(KeyCaption(key.hint));
            else if (!first_)
                field->setPlaceholderText(tr("как у шкалы 1"));
            form->addRow(InMillimetres(kind) ? tr("%1, мм").arg(caption) : caption, field);
            control = field;
            break;
        }
    }
    controls_[row] = control;
    order_.push_back(row);
    if (row == kRangeRow && law_ != nullptr)
        connect(law_, &QComboBox::currentIndexChanged, this, [this] { ShowRangeCaption(); });
}

QString ScalePage::CaptionOf(std::size_t row) const {
    if (row == kRangeRow)
        if (const std::optional<ScaleLaw> picked = law())
            if (const char* named = LawOf(*picked).rangeCaption) return LawText(named);
    return KeyCaption(kScaleKeys[row].caption);
}

void ScalePage::ShowRangeCaption() {
    auto* form = static_cast<QFormLayout*>(layout());
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(control(kRangeRow))))
        label->setText(CaptionOf(kRangeRow));
}

QLineEdit* ScalePage::EditOf(std::size_t row) const {
    return qobject_cast<QLineEdit*>(control(row));
}

QCheckBox* ScalePage::CheckOf(std::size_t row) const {
    return qobject_cast<QCheckBox*>(control(row));
}

QString ScalePage::Text(QLineEdit* field) const {
    return field->text().trimmed();
}

void ScalePage::SetText(QLineEdit* field, const std::string& utf8) {
    field->setText(QString::fromStdString(utf8));
}

std::optional<ScaleLaw> ScalePage::law() const {
    const int law = law_->currentData().toInt();
    if (law < 0) return std::nullopt;
    return static_cast<ScaleLaw>(law);
}

void ScalePage::ShowLawFields() {
    const std::optional<ScaleLaw> picked = law();
    if (QLineEdit* start = edit(&S::start))
        start->setEnabled(!picked || LawOf(*picked).reach != LawReach::OneToInfinity);
}

void ScalePage::lawPicked() {
    ShowLawFields();
    QLineEdit* ticks = edit(&S::ticks);
    QLineEdit* numbers = edit(&S::numbers);
    const std::optional<ScaleLaw> picked = law();
    if (filledLists_ && Text(ticks) == filledLists_->first &&
        Text(numbers) == filledLists_->second) {
        SetText(ticks, {});
        SetText(numbers, {});
    }
    filledLists_.reset();
    if (!picked || LawOf(*picked).startingLists == nullptr) return;
    if (!Text(ticks).isEmpty() || !Text(edit(&S::bigticks)).isEmpty() || !Text(numbers).isEmpty())
        return;
    double range = firstRange_ ? firstRange_() : 0.0;
    if (QLineEdit* own = edit(&S::range))
        if (const auto typed = FieldNumber(Text(own).toStdString())) range = *typed;
    const DefaultLists lists = LawOf(*picked).startingLists(range);
    SetText(ticks, lists.ticks);
    SetText(numbers, Cp1251ToUtf8(lists.numbers));
    filledLists_.emplace(Text(ticks), Text(numbers));
}

void ScalePage::Show(const ScaleSetup& values, const ScaleKeySet& set) {
    filledLists_.reset();
    for (const std::size_t row : order_)
        if (row != kNumeralsFace) ShowKey(kScaleKeys[row], controls_[row], values, set.test(row));
    ShowLawFields();
}

void ScalePage::Fill(const ScaleParameters& first) {
    const auto face = first.ext.typefaces.find(TextRole::Numerals);
    numeralsFace_->Fill(face != first.ext.typefaces.end() ? std::optional(face->second)
                                                          : std::nullopt);
    Show(first, ScaleKeySet().set());
}

void ScalePage::Fill(const FurtherScale& s) {
    Show(s.values, s.sets);
}

Outcome ScalePage::Read(ScaleSetup& values, ScaleKeySet& set, std::optional<Typeface>* face) const {
    for (const std::size_t row : order_) {
        if (row == kNumeralsFace) {
            if (Outcome fault = numeralsFace_->ReadInto(*face); !fault.ok()) return fault;
            continue;
        }
        KeyRead read = ReadKey(kScaleKeys[row], controls_[row], CaptionOf(row), values);
        if (!read.fault.ok()) return read.fault;
        set.set(row, read.set);
    }
    return {};
}

Outcome ScalePage::ReadInto(ScaleParameters& first) const {
    ScaleSetup values;
    ScaleKeySet set;
    std::optional<Typeface> face;
    if (Outcome fault = Read(values, set, &face); !fault.ok()) return fault;
    if (face)
        first.ext.typefaces[TextRole::Numerals] = *face;
    else
        first.ext.typefaces.erase(TextRole::Numerals);
    // A key left empty takes its default, as the file would.
    for (const std::size_t row : order_)
        if (row != kNumeralsFace) CopyScaleKey(kScaleKeys[row], values, first);
    return {};
}

Outcome ScalePage::ReadInto(FurtherScale& s) const {
    FurtherScale read;
    if (Outcome fault = Read(read.values, read.sets, nullptr); !fault.ok()) return fault;
    s = std::move(read);
    return {};
}

}  // namespace quirn
