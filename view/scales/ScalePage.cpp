// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ScalePage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "model/ExtensionText.h"
#include "model/LawTable.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "view/panel/PanelText.h"
#include "view/scales/ColourChoice.h"
#include "view/scales/ScalesText.h"
#include "view/scales/TypefaceEdit.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::ScalePage", text);
}

// A further scale's own graduation values, in the page's order: whole numbers, lengths in
// millimetres (some never below zero), and check boxes that are grey while the scale takes
// scale 1's value.
enum class GraduationKind { Count, Length, Depth, Check };
struct GraduationField {
    ScaleField id;
    std::int32_t ScaleSetup::*member;
    GraduationKind kind;
    const char* caption;
};
using G = GraduationKind;
constexpr GraduationField kGraduationFields[] = {
    {ScaleField::TickRadius, &ScaleSetup::tickRadius, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Радиус делений")},
    {ScaleField::TicksInward, &ScaleSetup::ticksInward, G::Check,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Внешний радиус, числа внутри")},
    {ScaleField::Divisions, &ScaleSetup::divisions, G::Count,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Общее число делений")},
    {ScaleField::BigDivisions, &ScaleSetup::bigDivisions, G::Count,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Число больших делений")},
    {ScaleField::NumberedDivisions, &ScaleSetup::numberedDivisions, G::Count,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Число делений с числами")},
    {ScaleField::BigTickLength, &ScaleSetup::bigTickLength, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Длина больших делений")},
    {ScaleField::SmallTickLength, &ScaleSetup::smallTickLength, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Длина малых делений")},
    {ScaleField::BigTickWidth, &ScaleSetup::bigTickWidth, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Ширина больших делений")},
    {ScaleField::SmallTickWidth, &ScaleSetup::smallTickWidth, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Ширина малых делений")},
    {ScaleField::ArcShown, &ScaleSetup::arcShown, G::Check,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Дуга под/над делениями")},
    {ScaleField::ArcWidth, &ScaleSetup::arcWidth, G::Length,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Толщина дуги")},
    {ScaleField::Flatten, &ScaleSetup::flatten, G::Depth,
     QT_TRANSLATE_NOOP("quirn::ScalePage", "Уплощение дуги")},
};

const GraduationField& GraduationRow(ScaleField id) {
    for (const GraduationField& f : kGraduationFields)
        if (f.id == id) return f;
    return kGraduationFields[0];
}

bool InMillimetres(GraduationKind kind) {
    return kind == G::Length || kind == G::Depth;
}

// The captions the faults name the fields by. An ohmmeter's range is the value at its centre.
QString Caption(ScaleField id, std::optional<ScaleLaw> law = std::nullopt) {
    switch (id) {
        case ScaleField::Range:
            if (law && LawOf(*law).reach == LawReach::ZeroToInfinity)
                return QCoreApplication::translate("quirn::ScalePage", "Середина шкалы");
            return QCoreApplication::translate("quirn::ScalePage", "Конец шкалы");
        case ScaleField::Start:
            return QCoreApplication::translate("quirn::ScalePage", "Начало");
        case ScaleField::Points:
            return QCoreApplication::translate("quirn::ScalePage", "Точки таблицы");
        case ScaleField::Ticks:
            return QCoreApplication::translate("quirn::ScalePage", "Все отметки");
        case ScaleField::BigTicks:
            return QCoreApplication::translate("quirn::ScalePage", "Большие отметки");
        case ScaleField::Numbers:
            return QCoreApplication::translate("quirn::ScalePage", "Числа");
        case ScaleField::Unit:
            return QCoreApplication::translate("quirn::ScalePage", "Единица");
        default:
            break;
    }
    for (const GraduationField& f : kGraduationFields)
        if (f.id == id) return QCoreApplication::translate("quirn::ScalePage", f.caption);
    return {};
}

// The law box's entries, in its order: every law of model/LawTable.h by its name on screen.
struct LawName {
    ScaleLaw law;
    const char* name;
};
constexpr LawName kLawNames[] = {
    {ScaleLaw::Linear, QT_TRANSLATE_NOOP("quirn::ScalePage", "линейная")},
    {ScaleLaw::Square, QT_TRANSLATE_NOOP("quirn::ScalePage", "квадратичная")},
    {ScaleLaw::Db, QT_TRANSLATE_NOOP("quirn::ScalePage", "децибелы")},
    {ScaleLaw::Ohm, QT_TRANSLATE_NOOP("quirn::ScalePage", "омметр")},
    {ScaleLaw::Table, QT_TRANSLATE_NOOP("quirn::ScalePage", "таблица")},
    {ScaleLaw::Swr, QT_TRANSLATE_NOOP("quirn::ScalePage", "КСВ")},
};

// A list field's text: nothing for an absent list.
template <class List, class Text>
std::string ListText(const std::optional<List>& list, Text text) {
    return list ? text(*list) : std::string();
}

std::string NotANumber(const QString& caption, const std::string& text) {
    return Tr(QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» не число: «%2»"))
        .arg(caption, QString::fromStdString(text))
        .toStdString();
}

}  // namespace

ScalePage::ScalePage(bool first, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), first_(first) {
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

    law_ = new QComboBox(this);
    if (!first) law_->addItem(tr("как у шкалы 1"), -1);
    for (const LawName& row : kLawNames) law_->addItem(Tr(row.name), static_cast<int>(row.law));
    form->addRow(tr("Закон шкалы"), law_);
    connect(law_, &QComboBox::activated, this, [this] { lawPicked(); });

    if (!first) {
        AddEdit(ScaleField::Range, Caption(ScaleField::Range), false);
        connect(law_, &QComboBox::currentIndexChanged, this, [this] { ShowRangeCaption(); });
    }
    AddEdit(ScaleField::Start, Caption(ScaleField::Start), false);
    AddEdit(ScaleField::Points, Caption(ScaleField::Points), false);
    AddEdit(ScaleField::Ticks, Caption(ScaleField::Ticks), false);
    AddEdit(ScaleField::BigTicks, Caption(ScaleField::BigTicks), false);
    AddEdit(ScaleField::Numbers, Caption(ScaleField::Numbers), false);
    if (first) {
        numeralsFace_ = new TypefaceEdit(this);
        form->addRow(tr("Шрифт чисел"), numeralsFace_);
        AddInk(prompts);
        AddEdit(ScaleField::Flatten, Caption(ScaleField::Flatten), true);
    } else {
        for (const GraduationField& f : kGraduationFields) {
            if (f.kind == G::Check)
                AddCheck(f.id, Caption(f.id));
            else
                AddEdit(f.id, Caption(f.id), InMillimetres(f.kind));
        }
        AddEdit(ScaleField::Unit, Caption(ScaleField::Unit), false);
        AddInk(prompts);
    }
    // A scale without flattening of its own is round, whatever scale 1's is.
    edit(ScaleField::Flatten)->setPlaceholderText(tr("0: дуга круглая"));
}

void ScalePage::AddInk(UserPrompts& prompts) {
    colour_ = new ColourChoice(prompts, tr("чёрный"), this);
    colour_->setToolTip(tr("Цвет делений, чисел, дуги и единицы шкалы"));
    static_cast<QFormLayout*>(layout())->addRow(tr("Цвет шкалы"), colour_);
}

void ScalePage::AddEdit(ScaleField id, const QString& caption, bool millimetres) {
    auto* field = new QLineEdit(this);
    if (!first_) field->setPlaceholderText(tr("как у шкалы 1"));
    const QString label = millimetres ? tr("%1, мм").arg(caption) : caption;
    static_cast<QFormLayout*>(layout())->addRow(label, field);
    edits_[id] = field;
}

void ScalePage::AddCheck(ScaleField id, const QString& caption) {
    auto* box = new QCheckBox(caption, this);
    box->setTristate(true);
    box->setToolTip(tr("Серая отметка: как у шкалы 1"));
    static_cast<QFormLayout*>(layout())->addRow(box);
    checks_[id] = box;
}

void ScalePage::ShowRangeCaption() {
    auto* form = static_cast<QFormLayout*>(layout());
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(edit(ScaleField::Range))))
        label->setText(Caption(ScaleField::Range, law()));
}

QLineEdit* ScalePage::edit(ScaleField id) const {
    const auto found = edits_.find(id);
    return found == edits_.end() ? nullptr : found->second;
}

QCheckBox* ScalePage::check(ScaleField id) const {
    const auto found = checks_.find(id);
    return found == checks_.end() ? nullptr : found->second;
}

QString ScalePage::Text(ScaleField id) const {
    return edit(id)->text().trimmed();
}

void ScalePage::SetText(ScaleField id, const std::string& utf8) {
    edit(id)->setText(QString::fromStdString(utf8));
}

std::optional<ScaleLaw> ScalePage::law() const {
    const int law = law_->currentData().toInt();
    if (law < 0) return std::nullopt;
    return static_cast<ScaleLaw>(law);
}

void ScalePage::ShowLawFields() {
    const std::optional<ScaleLaw> picked = law();
    if (QLineEdit* start = edit(ScaleField::Start))
        start->setEnabled(!picked || LawOf(*picked).reach != LawReach::OneToInfinity);
}

void ScalePage::lawPicked() {
    ShowLawFields();
    const std::optional<ScaleLaw> picked = law();
    if (filledLists_ && Text(ScaleField::Ticks) == filledLists_->first &&
        Text(ScaleField::Numbers) == filledLists_->second) {
        SetText(ScaleField::Ticks, {});
        SetText(ScaleField::Numbers, {});
    }
    filledLists_.reset();
    if (!picked || !InfinityEnd(LawOf(*picked).reach)) return;
    if (!Text(ScaleField::Ticks).isEmpty() || !Text(ScaleField::BigTicks).isEmpty() ||
        !Text(ScaleField::Numbers).isEmpty())
        return;
    DefaultLists lists;
    if (LawOf(*picked).reach == LawReach::OneToInfinity) {
        lists = DefaultSwrLists();
    } else {
        double centre = firstRange_ ? firstRange_() : 0.0;
        if (QLineEdit* range = edit(ScaleField::Range))
            if (const auto own = FieldNumber(range->text().trimmed().toStdString())) centre = *own;
        lists = DefaultOhmLists(centre);
    }
    SetText(ScaleField::Ticks, lists.ticks);
    SetText(ScaleField::Numbers, Cp1251ToUtf8(lists.numbers));
    filledLists_.emplace(Text(ScaleField::Ticks), Text(ScaleField::Numbers));
}

void ScalePage::Fill(const ScaleParameters& first) {
    filledLists_.reset();
    const auto face = first.ext.typefaces.find(TextRole::Numerals);
    numeralsFace_->Fill(face != first.ext.typefaces.end() ? std::optional(face->second)
                                                          : std::nullopt);
    colour_->Fill(first.colour);
    SetText(ScaleField::Flatten, LengthText(first.flatten));
    law_->setCurrentIndex(law_->findData(static_cast<int>(first.law)));
    ShowLawFields();
    SetText(ScaleField::Start, ExactNumber(first.start));
    SetText(ScaleField::Points, PointListText(first.points));
    SetText(ScaleField::Ticks, ListText(first.ticks, ValueListText));
    SetText(ScaleField::BigTicks, ListText(first.bigticks, ValueListText));
    SetText(ScaleField::Numbers, Cp1251ToUtf8(ListText(first.numbers, MarkListText)));
}

void ScalePage::Fill(const FurtherScale& s) {
    using S = ScaleSetup;
    filledLists_.reset();
    const ScaleLaw* law = s.find(&S::law);
    law_->setCurrentIndex(law_->findData(law != nullptr ? static_cast<int>(*law) : -1));
    ShowLawFields();
    const double* range = s.find(&S::range);
    const double* start = s.find(&S::start);
    const std::vector<TablePoint>* points = s.find(&S::points);
    SetText(ScaleField::Range, range != nullptr ? ExactNumber(*range) : std::string());
    SetText(ScaleField::Start, start != nullptr ? ExactNumber(*start) : std::string());
    SetText(ScaleField::Points, points != nullptr ? PointListText(*points) : std::string());
    const auto ownList = [](const auto* list, auto text) {
        return list != nullptr ? ListText(*list, text) : std::string();
    };
    SetText(ScaleField::Ticks, ownList(s.find(&S::ticks), ValueListText));
    SetText(ScaleField::BigTicks, ownList(s.find(&S::bigticks), ValueListText));
    SetText(ScaleField::Numbers, Cp1251ToUtf8(ownList(s.find(&S::numbers), MarkListText)));
    for (const GraduationField& f : kGraduationFields) {
        const std::int32_t* v = s.find(f.member);
        if (f.kind == G::Check) {
            check(f.id)->setCheckState(v == nullptr ? Qt::PartiallyChecked
                                       : *v != 0    ? Qt::Checked
                                                    : Qt::Unchecked);
        } else {
            SetText(f.id, v == nullptr            ? std::string()
                          : InMillimetres(f.kind) ? LengthText(*v)
                                                  : std::to_string(*v));
        }
    }
    const std::optional<std::uint32_t>* ink = s.find(&S::colour);
    colour_->Fill(ink != nullptr ? *ink : std::nullopt);
    SetText(ScaleField::Unit, s.find(&S::unit) != nullptr
                                  ? DisplayText(s.values.unit, s.values.unitUtf8)
                                  : std::string());
}

namespace {

// Reads the lists and numbers both kinds of page share; an empty field is nothing.
class FieldReader {
  public:
    // law names the range field as the page captions it.
    FieldReader(std::string& fault, std::optional<ScaleLaw> law) : fault_(fault), law_(law) {}

    bool Number(ScaleField id, const QString& text, std::optional<double>& out) {
        if (text.isEmpty()) return true;
        const std::string utf8 = text.toStdString();
        out = FieldNumber(utf8);
        return out || Fail(NotANumber(Caption(id, law_), utf8));
    }
    bool Integer(const GraduationField& f, const QString& text, std::optional<std::int32_t>& out) {
        std::optional<double> v;
        if (!Number(f.id, text, v)) return false;
        if (!v) return true;
        const std::string utf8 = text.toStdString();
        if (InMillimetres(f.kind)) {
            out = ParseFieldLength(utf8);
            if (f.kind == G::Depth && *out < 0)
                return Fail(
                    Tr(QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» число меньше нуля: «%2»"))
                        .arg(Caption(f.id), text)
                        .toStdString());
            return true;
        }
        if (*v != std::trunc(*v))
            return Fail(
                Tr(QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» не целое число: «%2»"))
                    .arg(Caption(f.id), text)
                    .toStdString());
        out = ParseFieldCount(utf8);
        return true;
    }
    // The lists are read as the file holds them, Windows-1251, and what cannot be read is told
    // back as typed.
    bool Values(ScaleField id, const QString& text, std::optional<std::vector<double>>& out) {
        if (text.isEmpty()) return true;
        ListParse parse;
        out = ParseValueList(Utf8ToCp1251(text.toStdString()), &parse);
        return parse.ok() ||
               FailList(id, parse,
                        QT_TRANSLATE_NOOP("quirn::ScalePage", "в списке «%1» не число: «%2»"));
    }
    bool Marks(const QString& text, std::optional<std::vector<Mark>>& out) {
        if (text.isEmpty()) return true;
        ListParse parse;
        out = ParseMarkList(Utf8ToCp1251(text.toStdString()), &parse);
        return parse.ok() ||
               FailList(ScaleField::Numbers, parse,
                        QT_TRANSLATE_NOOP("quirn::ScalePage", "в списке «%1» не число: «%2»"));
    }
    bool Points(const QString& text, std::optional<std::vector<TablePoint>>& out) {
        if (text.isEmpty()) return true;
        ListParse parse;
        out = ParsePointList(Utf8ToCp1251(text.toStdString()), &parse);
        return parse.ok() ||
               FailList(ScaleField::Points, parse,
                        QT_TRANSLATE_NOOP("quirn::ScalePage",
                                          "в списке «%1» не точка «значение:доля»: «%2»"));
    }

  private:
    bool Fail(std::string fault) {
        fault_ = std::move(fault);
        return false;
    }
    // message has the field's caption for %1 and what cannot be read for %2.
    bool FailList(ScaleField id, const ListParse& parse, const char* message) {
        return Fail(Tr(message)
                        .arg(Caption(id), QString::fromStdString(Cp1251ToUtf8(parse.bad)))
                        .toStdString());
    }

    std::string& fault_;
    std::optional<ScaleLaw> law_;
};

}  // namespace

std::optional<QString> ScalePage::ReadInto(ScaleParameters& first) const {
    std::string fault;
    FieldReader read(fault, law());
    std::optional<double> start;
    std::optional<std::vector<TablePoint>> points;
    std::optional<std::int32_t> flatten;
    ScaleSetup out;
    if (!read.Number(ScaleField::Start, Text(ScaleField::Start), start) ||
        !read.Points(Text(ScaleField::Points), points) ||
        !read.Values(ScaleField::Ticks, Text(ScaleField::Ticks), out.ticks) ||
        !read.Values(ScaleField::BigTicks, Text(ScaleField::BigTicks), out.bigticks) ||
        !read.Marks(Text(ScaleField::Numbers), out.numbers))
        return QString::fromStdString(fault);
    std::optional<Typeface> face;
    if (auto faceFault = numeralsFace_->ReadInto(face)) return faceFault;
    if (!read.Integer(GraduationRow(ScaleField::Flatten), Text(ScaleField::Flatten), flatten))
        return QString::fromStdString(fault);
    if (face)
        first.ext.typefaces[TextRole::Numerals] = *face;
    else
        first.ext.typefaces.erase(TextRole::Numerals);
    first.colour = colour_->colour();
    first.flatten = flatten.value_or(0);
    first.start = start.value_or(0.0);
    first.law = law().value_or(ScaleLaw::Linear);
    first.points = points.value_or(std::vector<TablePoint>());
    first.ticks = std::move(out.ticks);
    first.bigticks = std::move(out.bigticks);
    first.numbers = std::move(out.numbers);
    return std::nullopt;
}

std::optional<QString> ScalePage::ReadInto(FurtherScale& s) const {
    using S = ScaleSetup;
    std::string fault;
    FieldReader read(fault, law());
    std::optional<double> range, start;
    std::optional<std::vector<TablePoint>> points;
    std::optional<std::vector<double>> ticks, bigticks;
    std::optional<std::vector<Mark>> numbers;
    if (!read.Number(ScaleField::Range, Text(ScaleField::Range), range) ||
        !read.Number(ScaleField::Start, Text(ScaleField::Start), start) ||
        !read.Points(Text(ScaleField::Points), points) ||
        !read.Values(ScaleField::Ticks, Text(ScaleField::Ticks), ticks) ||
        !read.Values(ScaleField::BigTicks, Text(ScaleField::BigTicks), bigticks) ||
        !read.Marks(Text(ScaleField::Numbers), numbers))
        return QString::fromStdString(fault);
    FurtherScale out;
    if (range) out.set(&S::range, *range);
    if (start) out.set(&S::start, *start);
    if (points) out.set(&S::points, std::move(*points));
    if (ticks) out.set(&S::ticks, std::move(ticks));
    if (bigticks) out.set(&S::bigticks, std::move(bigticks));
    if (numbers) out.set(&S::numbers, std::move(numbers));
    // The numbers are read, and the first that cannot be is told, in the page's order.
    for (const GraduationField& f : kGraduationFields) {
        if (f.kind == G::Check) continue;
        std::optional<std::int32_t> v;
        if (!read.Integer(f, Text(f.id), v)) return QString::fromStdString(fault);
        if (v) out.set(f.member, *v);
    }
    for (const GraduationField& f : kGraduationFields) {
        if (f.kind != G::Check) continue;
        const Qt::CheckState state = check(f.id)->checkState();
        if (state != Qt::PartiallyChecked) out.set(f.member, state == Qt::Checked ? 1 : 0);
    }
    if (const std::optional<ScaleLaw> own = law()) out.set(&S::law, *own);
    if (const std::optional<std::uint32_t> ink = colour_->colour()) out.set(&S::colour, *ink);
    // The unit is kept as typed, spaces too; only an empty one is "as scale 1".
    if (const QString unit = edit(ScaleField::Unit)->text(); !unit.isEmpty())
        StoreTypedText(unit.toStdString(), out.own(&S::unit), out.values.unitUtf8);
    s = std::move(out);
    return std::nullopt;
}

}  // namespace quirn
