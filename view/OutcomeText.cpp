// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/OutcomeText.h"

#include <QCoreApplication>
#include <array>

#include "peripherals/TemplateUnderlay.h"

namespace quirn {
namespace {

struct FaultText {
    Fault fault;
    const char* context;
    const char* text;  // %1, %2... are the outcome's arguments in order
};

constexpr std::array kFaultTexts{
    FaultText{Fault::ExportUnknownFormat, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: формат определяется расширением .bmp, "
                                ".png, .svg или .pdf")},
    FaultText{Fault::ExportTooLargeForBmp, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: рисунок %2 x %3 точек больше, чем "
                                "допускает формат BMP (сторона до 2147483647 точек, файл до "
                                "4294967295 байт)")},
    FaultText{Fault::ExportUnbuildable, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: рисунок такого размера построить нельзя")},
    FaultText{Fault::ExportOutOfMemory, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: не хватает памяти для рисунка %2 x %3 "
                                "точек")},
    FaultText{Fault::ExportCannotCreate, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport", "Не удалось создать файл «%1»: %2")},
    FaultText{Fault::ExportCannotWrite, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport", "Не удалось записать файл «%1»: %2")},
    FaultText{Fault::TemplateUnreadable, "quirn::TemplateUnderlay",
              QT_TRANSLATE_NOOP("quirn::TemplateUnderlay",
                                "Шаблон не загружен: файл «%1» не читается как изображение (%2).")},
    FaultText{Fault::TemplateTooLarge, "quirn::TemplateUnderlay",
              QT_TRANSLATE_NOOP("quirn::TemplateUnderlay",
                                "Шаблон не загружен: изображение «%1» размером %2 x %3 точек "
                                "больше предела (%4 точек по стороне, %5 млн точек всего).")},
    FaultText{Fault::PrintCannotStart, "quirn::Printing",
              QT_TRANSLATE_NOOP("quirn::Printing", "Невозможно начать процедуру печати.")},
    FaultText{Fault::PrintNotSent, "quirn::Printing",
              QT_TRANSLATE_NOOP("quirn::Printing", "Задание не передано на принтер «%1».")},
};

// %1..%9 replaced in one pass, so that an argument holding "%2" (a path may) stays as it is.
QString WithArguments(const QString& text, const std::vector<std::string>& args) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('%') && i + 1 < text.size() && text[i + 1] >= QLatin1Char('1') &&
            text[i + 1] <= QLatin1Char('9')) {
            const auto n = static_cast<std::size_t>(text[i + 1].unicode() - '1');
            if (n < args.size()) {
                out += QString::fromStdString(args[n]);
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

}  // namespace

QString OutcomeText(const Outcome& outcome) {
    for (const FaultText& row : kFaultTexts)
        if (row.fault == outcome.fault)
            return WithArguments(QCoreApplication::translate(row.context, row.text), outcome.args);
    return {};
}

QString MarginWarningText(MarginSide side) {
    static constexpr std::array<const char*, 4> kTexts{
        QT_TRANSLATE_NOOP("quirn::Printing", "Левое поле задано меньше минимально возможного."),
        QT_TRANSLATE_NOOP("quirn::Printing", "Правое поле задано меньше минимально возможного."),
        QT_TRANSLATE_NOOP("quirn::Printing", "Верхнее поле задано меньше минимально возможного."),
        QT_TRANSLATE_NOOP("quirn::Printing", "Нижнее поле задано меньше минимально возможного."),
    };
    return QCoreApplication::translate("quirn::Printing", kTexts[std::size_t(side)]);
}

QStringList TemplateFileFilters() {
    return {
        QCoreApplication::translate("quirn::TemplateUnderlay", "Файлы изображений *.bmp (*.bmp)"),
        QCoreApplication::translate("quirn::TemplateUnderlay", "Все изображения (%1)")
            .arg(ReadablePictureTypes().join(QLatin1Char(' ')))};
}

}  // namespace quirn
