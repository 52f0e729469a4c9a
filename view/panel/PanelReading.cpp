// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/PanelReading.h"

#include <algorithm>
#include <cmath>
#include <string_view>

#include "model/NumberText.h"
#include "model/ParameterFields.h"
#include "model/TextKeys.h"
#include "view/panel/PanelRows.h"
#include "view/panel/PanelText.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

QString Qt8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// A field is named by its caption; the arc's width, which has none, by what its tooltip says.
QString Caption(BarControl id) {
    const QString caption = ParameterBar::Caption(id);
    return caption.isEmpty() ? ParameterBar::ToolTip(id) : caption;
}

Outcome Refusal(Fault fault, BarControl id, const QString& text) {
    return Outcome::Failed(fault, {Caption(id).toStdString(), text.toStdString()});
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

const ParameterField* FieldOf(std::string_view key) {
    const auto& fields = StandardFields();
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [key](const ParameterField& f) { return f.key == key; });
    return found == fields.end() ? nullptr : &*found;
}

// The field's value as a double, whatever the member's type.
double Value(const ParameterField& field, const ScaleParameters& p) {
    if (const auto* d = std::get_if<double ScaleParameters::*>(&field.member)) return p.**d;
    if (const auto* i = std::get_if<std::int32_t ScaleParameters::*>(&field.member)) return p.**i;
    return 0.0;
}

std::int32_t& Whole(const ParameterField& field, ScaleParameters& p) {
    return p.*std::get<std::int32_t ScaleParameters::*>(field.member);
}
double& Decimal(const ParameterField& field, ScaleParameters& p) {
    return p.*std::get<double ScaleParameters::*>(field.member);
}
std::int32_t Whole(const ParameterField& field, const ScaleParameters& p) {
    return p.*std::get<std::int32_t ScaleParameters::*>(field.member);
}
double Decimal(const ParameterField& field, const ScaleParameters& p) {
    return p.*std::get<double ScaleParameters::*>(field.member);
}

}  // namespace

void FillPanelFields(ParameterBar& bar, const ScaleParameters& p) {
    for (const PanelRow& row : PanelRows()) {
        const ParameterField* field = FieldOf(row.field);
        if (field == nullptr) continue;
        switch (row.widget) {
            case PanelWidget::Text:
                bar.setText(row.id, Qt8(PlateDisplayText(p, field->key)));
                break;
            case PanelWidget::Decimal:
                bar.setText(row.id, Qt8(TrimmedNumber(Decimal(*field, p), row.decimals)));
                break;
            case PanelWidget::Length:
                bar.setText(row.id, Qt8(LengthText(Whole(*field, p))));
                break;
            case PanelWidget::Count:
            case PanelWidget::Digits:
                bar.setText(row.id, Qt8(std::to_string(Whole(*field, p))));
                break;
            case PanelWidget::RadioWhenZero:
                bar.setChecked(row.id, Whole(*field, p) == 0);
                break;
            case PanelWidget::RadioWhenSet:
            case PanelWidget::CheckBox:
                bar.setChecked(row.id, Whole(*field, p) != 0);
                break;
            default:
                break;
        }
    }
}

Outcome ReadPanelFields(const ParameterBar& bar, ScaleParameters& p) {
    for (const ParameterField& field : StandardFields()) {
        const PanelRow* row = PanelRowReading(field.key);
        if (row == nullptr) continue;
        const BarControl id = row->id;
        const QString typed = bar.text(id).trimmed();
        const std::string text = typed.toStdString();
        const auto refuse = [&](Fault fault) { return Refusal(fault, id, typed); };
        constexpr Fault notANumber = Fault::FieldNotNumber;
        constexpr Fault outOfRange = Fault::FieldTooLarge;
        switch (row->widget) {
            case PanelWidget::Text:
                // Names and units are kept as typed, spaces too.
                StorePlateText(p, field.key, bar.text(id).toStdString());
                break;
            case PanelWidget::Decimal: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return refuse(notANumber);
                Decimal(field, p) = *v;
                break;
            }
            case PanelWidget::Length: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return refuse(notANumber);
                if (!(std::abs(*v) * 100.0 <= kInt32Span)) return refuse(outOfRange);
                Whole(field, p) = ParseFieldLength(text);
                break;
            }
            case PanelWidget::Count:
            case PanelWidget::Digits: {
                const std::optional<double> v = FieldNumber(text);
                if (!v) return refuse(notANumber);
                if (*v != std::trunc(*v)) return refuse(Fault::FieldNotWhole);
                if (!(std::abs(*v) <= kInt32Span)) return refuse(outOfRange);
                Whole(field, p) = static_cast<std::int32_t>(*v);
                break;
            }
            case PanelWidget::RadioWhenZero:
                Whole(field, p) = bar.isChecked(id) ? 0 : 1;
                break;
            case PanelWidget::CheckBox:
                Whole(field, p) = bar.isChecked(id) ? 1 : 0;
                break;
            default:
                break;
        }
    }
    return {};
}

Outcome CheckTypedLimits(const ParameterBar& bar, const ScaleParameters& read,
                         const ScaleParameters& applied) {
    for (const ParameterField& field : StandardFields()) {
        for (const TypedLimit& limit : kTypedLimits) {
            if (limit.key != field.key) continue;
            const double v = Value(field, read);
            if (v == Value(field, applied) || (v > limit.above && v <= limit.atMost)) continue;
            const PanelRow* row = PanelRowReading(field.key);
            if (row == nullptr) continue;
            return Outcome::Failed(
                Fault::FieldOutsideLimits,
                {Caption(row->id).toStdString(), bar.text(row->id).trimmed().toStdString(),
                 QString::number(limit.above).toStdString(),
                 QString::number(limit.atMost).toStdString()});
        }
    }
    return {};
}

}  // namespace quirn
