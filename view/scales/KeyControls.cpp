// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/KeyControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <cmath>
#include <type_traits>

#include "model/ExtensionText.h"
#include "model/NumberText.h"
#include "model/Overload.h"
#include "model/TextCodec.h"
#include "view/panel/PanelText.h"
#include "view/scales/ColourChoice.h"

namespace quirn {
namespace {

using S = ScaleSetup;

// Reads one control's text into its member: nothing for an empty field, the first fault else.
class FieldReader {
  public:
    FieldReader(const QString& caption, const QString& text, KeyRead& read)
        : caption_(caption), text_(text), read_(read) {}

    template <class T>
    void Number(T& out, ControlKind kind) {
        if (text_.isEmpty()) return;
        const std::string utf8 = text_.toStdString();
        const std::optional<double> v = FieldNumber(utf8);
        if (!v) return Fail(Fault::KeyNotNumber);
        if constexpr (std::is_same_v<T, double>) {
            out = *v;
        } else if (InMillimetres(kind)) {
            const std::int32_t length = ParseFieldLength(utf8);
            if (kind == ControlKind::Depth && length < 0) return Fail(Fault::KeyBelowZero);
            out = length;
        } else {
            if (*v != std::trunc(*v)) return Fail(Fault::KeyNotWhole);
            out = ParseFieldCount(utf8);
        }
        read_.set = true;
    }

    // The lists are read as the file holds them, Windows-1251, and what cannot be read is told
    // back as typed.
    template <class T, class Parse>
    void List(T& out, Parse parse, Fault fault) {
        if (text_.isEmpty()) return;
        ListParse result;
        T list = parse(Utf8ToCp1251(text_.toStdString()), &result);
        if (!result.ok()) return Fail(fault, QString::fromStdString(Cp1251ToUtf8(result.bad)));
        out = std::move(list);
        read_.set = true;
    }

  private:
    // The field's caption and what cannot be read (by default the whole text).
    void Fail(Fault fault, const QString& bad = {}) {
        read_.fault = Outcome::Failed(
            fault, {caption_.toStdString(), (bad.isNull() ? text_ : bad).toStdString()});
    }

    const QString& caption_;
    const QString& text_;
    KeyRead& read_;
};

constexpr Fault kNotANumberInList = Fault::KeyListNotNumber;

}  // namespace

ControlKind ControlOf(const ScaleKey& row) {
    using K = ControlKind;
    const auto whole = [&row] {
        switch (row.quantity) {
            case Quantity::Flag:
                return K::Check;
            case Quantity::Length:
                return K::Length;
            case Quantity::Depth:
                return K::Depth;
            case Quantity::Count:
            case Quantity::Other:
                break;
        }
        return K::Count;
    };
    return std::visit(
        Overload{[&](std::int32_t S::*) { return whole(); }, [](double S::*) { return K::Number; },
                 [](ScaleLaw S::*) { return K::Law; },
                 [](std::vector<TablePoint> S::*) { return K::Points; },
                 [](std::optional<std::vector<double>> S::*) { return K::Values; },
                 [](std::optional<std::vector<Mark>> S::*) { return K::Marks; },
                 [](std::optional<std::uint32_t> S::*) { return K::Colour; },
                 [](const ScaleText&) { return K::Text; }},
        row.member);
}

void ShowKey(const ScaleKey& row, QWidget* control, const ScaleSetup& v, bool set) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    const auto show = [&](const std::string& utf8) {
        if (edit != nullptr) edit->setText(set ? QString::fromStdString(utf8) : QString());
    };
    std::visit(
        Overload{[&](std::int32_t S::*m) {
                     if (auto* box = qobject_cast<QCheckBox*>(control)) {
                         box->setCheckState(!set        ? Qt::PartiallyChecked
                                            : v.*m != 0 ? Qt::Checked
                                                        : Qt::Unchecked);
                         return;
                     }
                     show(InMillimetres(ControlOf(row)) ? LengthText(v.*m) : std::to_string(v.*m));
                 },
                 [&](double S::*m) { show(ExactNumber(v.*m)); },
                 [&](ScaleLaw S::*m) {
                     if (auto* box = qobject_cast<QComboBox*>(control))
                         box->setCurrentIndex(box->findData(set ? static_cast<int>(v.*m) : -1));
                 },
                 [&](std::vector<TablePoint> S::*m) { show(PointListText(v.*m)); },
                 [&](std::optional<std::vector<double>> S::*m) {
                     show(v.*m ? ValueListText(*(v.*m)) : std::string());
                 },
                 [&](std::optional<std::vector<Mark>> S::*m) {
                     show(v.*m ? Cp1251ToUtf8(MarkListText(*(v.*m))) : std::string());
                 },
                 [&](std::optional<std::uint32_t> S::*m) {
                     if (auto* ink = qobject_cast<ColourChoice*>(control))
                         ink->Fill(set ? v.*m : std::nullopt);
                 },
                 [&](const ScaleText& t) { show(DisplayText(v.*t.text, v.*t.full)); }},
        row.member);
}

KeyRead ReadKey(const ScaleKey& row, const QWidget* control, const QString& caption,
                ScaleSetup& v) {
    KeyRead read;
    const auto* edit = qobject_cast<const QLineEdit*>(control);
    const QString text = edit != nullptr ? edit->text().trimmed() : QString();
    FieldReader field(caption, text, read);
    ScaleSetup out = v;
    std::visit(
        Overload{[&](std::int32_t S::*m) {
                     if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
                         read.set = box->checkState() != Qt::PartiallyChecked;
                         out.*m = box->checkState() == Qt::Checked ? 1 : 0;
                         return;
                     }
                     field.Number(out.*m, ControlOf(row));
                 },
                 [&](double S::*m) { field.Number(out.*m, ControlKind::Number); },
                 [&](ScaleLaw S::*m) {
                     if (const auto* box = qobject_cast<const QComboBox*>(control)) {
                         const int law = box->currentData().toInt();
                         read.set = law >= 0;
                         if (read.set) out.*m = static_cast<ScaleLaw>(law);
                     }
                 },
                 [&](std::vector<TablePoint> S::*m) {
                     field.List(
                         out.*m,
                         [](std::string_view t, ListParse* p) { return ParsePointList(t, p); },
                         Fault::KeyListNotPoint);
                 },
                 [&](std::optional<std::vector<double>> S::*m) {
                     field.List(
                         out.*m,
                         [](std::string_view t, ListParse* p) {
                             return std::optional(ParseValueList(t, p));
                         },
                         kNotANumberInList);
                 },
                 [&](std::optional<std::vector<Mark>> S::*m) {
                     field.List(
                         out.*m,
                         [](std::string_view t, ListParse* p) {
                             return std::optional(ParseMarkList(t, p));
                         },
                         kNotANumberInList);
                 },
                 [&](std::optional<std::uint32_t> S::*m) {
                     if (const auto* ink = qobject_cast<const ColourChoice*>(control)) {
                         out.*m = ink->colour();
                         read.set = ink->colour().has_value();
                     }
                 },
                 [&](const ScaleText& t) {
                     // Kept as typed, spaces too: only an empty text leaves the key unset.
                     const QString typed = edit != nullptr ? edit->text() : QString();
                     if (typed.isEmpty()) return;
                     StoreTypedText(typed.toStdString(), out.*t.text, out.*t.full);
                     read.set = true;
                 }},
        row.member);
    if (!read.fault.ok()) return {false, read.fault};
    if (read.set) CopyScaleKey(row, out, v);
    return read;
}

}  // namespace quirn
