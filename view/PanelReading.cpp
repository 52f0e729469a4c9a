// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PanelReading.h"

#include <QCoreApplication>
#include <cmath>
#include <string_view>

#include "model/NumberText.h"
#include "model/ParameterFields.h"
#include "model/TextKeys.h"
#include "view/PanelText.h"
#include "view/ParameterBar.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::PanelReading", text);
}

// A field is named by its caption; the arc's width, which has none, by what its tooltip says.
QString Caption(BarControl id) {
    const QString caption = ParameterBar::Caption(id);
    return caption.isEmpty() ? ParameterBar::ToolTip(id) : caption;
}

QString Refusal(const char* message, BarControl id, const QString& text) {
    return Tr(message).arg(Caption(id), text);
}

// Beyond this a value no longer fits the record's 32 bits (one more than its largest value).
constexpr double kInt32Span = 2147483648.0;

// What the drawing needs of a typed value: above `above`, at most `atMost`.
struct TypedLimit {
    std::string_view key;
    double above;
    double atMost;
};
// A half-angle of 0 draws every numeral on one ray; beyond 180 the arc overlaps itself.
constexpr TypedLimit kTypedLimits[] = {{"alfa", 0.0, 180.0}};

// The field's value as a double, whatever the member's type.
double Value(const ParameterField& field, const ScaleParameters& p) {
    if (const auto* d = std::get_if<double ScaleParameters::*>(&field.member)) return p.**d;
    if (const auto* i = std::get_if<std::int32_t ScaleParameters::*>(&field.member)) return p.**i;
    return 0.0;
}

}  // namespace

PanelReading ReadPanelFields(const ParameterBar& bar, const ScaleParameters& base) {
    PanelReading reading{base, std::nullopt};
    ScaleParameters& p = reading.record;
    for (const ParameterField& field : StandardFields()) {
        const auto id = static_cast<BarControl>(field.panelControl);
        const QString typed = bar.text(id).trimmed();
        const std::string text = typed.toStdString();
        const auto notANumber = [&] {
            reading.refusal =
                Refusal(QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: не число «%2»"), id, typed);
            return reading;
        };
        const auto outOfRange = [&] {
            reading.refusal =
                Refusal(QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: слишком большое число «%2»"),
                        id, typed);
            return reading;
        };
        switch (field.form) {
            case PanelForm::Text:
                // Names and units are kept as typed, spaces too.
                StorePlateText(p, field.key, bar.text(id).toStdString());
                break;
            case PanelForm::Decimal3:
            case PanelForm::Decimal2: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return notANumber();
                p.*std::get<double ScaleParameters::*>(field.member) = *v;
                break;
            }
            case PanelForm::Length: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return notANumber();
                if (!(std::abs(*v) * 100.0 <= kInt32Span)) return outOfRange();
                p.*std::get<std::int32_t ScaleParameters::*>(field.member) = ParseFieldLength(text);
                break;
            }
            case PanelForm::Count: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return notANumber();
                if (*v != std::trunc(*v)) {
                    reading.refusal =
                        Refusal(QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: не целое число «%2»"),
                                id, typed);
                    return reading;
                }
                if (!(std::abs(*v) <= kInt32Span)) return outOfRange();
                p.*std::get<std::int32_t ScaleParameters::*>(field.member) =
                    static_cast<std::int32_t>(*v);
                break;
            }
            case PanelForm::CheckedWhenZero:
                p.*std::get<std::int32_t ScaleParameters::*>(field.member) =
                    bar.isChecked(id) ? 0 : 1;
                break;
            case PanelForm::CheckedWhenSet:
                p.*std::get<std::int32_t ScaleParameters::*>(field.member) =
                    bar.isChecked(id) ? 1 : 0;
                break;
        }
    }
    return reading;
}

std::optional<QString> CheckTypedLimits(const ParameterBar& bar, const ScaleParameters& read,
                                        const ScaleParameters& applied) {
    for (const ParameterField& field : StandardFields()) {
        for (const TypedLimit& limit : kTypedLimits) {
            if (limit.key != field.key) continue;
            const double v = Value(field, read);
            if (v == Value(field, applied) || (v > limit.above && v <= limit.atMost)) continue;
            const auto id = static_cast<BarControl>(field.panelControl);
            return Tr(QT_TRANSLATE_NOOP("quirn::PanelReading",
                                        "%1: нужно больше %3 и не больше %4, а не «%2»"))
                .arg(Caption(id), bar.text(id).trimmed(), QString::number(limit.above),
                     QString::number(limit.atMost));
        }
    }
    return std::nullopt;
}

}  // namespace quirn
