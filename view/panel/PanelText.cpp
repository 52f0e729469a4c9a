// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/PanelText.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <charconv>

#include "model/ExtensionText.h"
#include "model/NumberText.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

std::string Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace

std::optional<double> FieldNumber(std::string text) {
    for (char& c : text)
        if (c == ',') c = '.';
    return ParseExactNumber(text);
}

std::string LengthText(std::int32_t units) {
    return TrimmedNumber(units / 100.0, 2);
}

std::string TemplateFieldText(std::int64_t units) {
    return Fixed(static_cast<double>(units) / 100.0, 2);
}

int SpinnerPosition(std::int64_t units) {
    return static_cast<int>(std::clamp<std::int64_t>(units, -kSpinnerReach, kSpinnerReach));
}

std::string ZoomReadoutText(int percent) {
    return QCoreApplication::translate("quirn::PanelText", "Масштаб %1%")
        .arg(QString::fromStdString(std::to_string(percent)))
        .toStdString();
}

std::string CursorReadoutText(std::int64_t x, std::int64_t y) {
    return "X = " + Fixed(static_cast<double>(x) / 100.0, 1) +
           "; Y = " + Fixed(static_cast<double>(y) / 100.0, 1);
}

}  // namespace quirn
