// SPDX-License-Identifier: GPL-3.0-or-later
// The messages users read for what the lower layers report: each worded with its arguments in
// place, a path that holds "%2" left as it is.
#include <gtest/gtest.h>

#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

QString U(const char* text) {
    return QString::fromUtf8(text);
}

TEST(OutcomeText, EachFaultReadsWithItsArgumentsInPlace) {
    struct Case {
        Outcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {Outcome::Failed(Fault::ExportTooLargeForBmp, {"/tmp/big.bmp", "472440993", "1466"}),
         "Файл «/tmp/big.bmp» не записан: рисунок 472440993 x 1466 точек больше, чем допускает "
         "формат BMP (сторона до 2147483647 точек, файл до 4294967295 байт)"},
        {Outcome::Failed(Fault::ExportCannotCreate, {"/tmp/a%2b.png", "Permission denied"}),
         "Не удалось создать файл «/tmp/a%2b.png»: Permission denied"},
        {Outcome::Failed(Fault::TemplateTooLarge, {"scan.bmp", "40000", "2", "30000", "100"}),
         "Шаблон не загружен: изображение «scan.bmp» размером 40000 x 2 точек больше предела "
         "(30000 точек по стороне, 100 млн точек всего)."},
        {Outcome::Failed(Fault::PrintNotSent, {"Office"}),
         "Задание не передано на принтер «Office»."},
        {Outcome::Failed(Fault::ScanTicksNotFound, {"2", "3"}),
         "На скане не найдена шкала: делений, сходящихся в одной точке, найдено 2, а нужно не "
         "меньше 3."},
        {Outcome{}, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(OutcomeText(c.outcome), U(c.message)) << c.message;

    // Every fault a lower layer can report has words of its own.
    for (int f = int(Fault::ExportUnknownFormat); f <= int(Fault::CalibrationBeyondArc); ++f) {
        EXPECT_FALSE(OutcomeText(Outcome::Failed(Fault(f), {"x", "1", "2", "3", "4"})).isEmpty())
            << f;
    }
    EXPECT_EQ(MarginWarningText(MarginSide::Left),
              U("Левое поле задано меньше минимально возможного."));
    EXPECT_EQ(MarginWarningText(MarginSide::Top),
              U("Верхнее поле задано меньше минимально возможного."));
}

TEST(TemplateFileFilters, EveryReadableFormatFirstThenBmp) {
    const QStringList filters = TemplateFileFilters();
    ASSERT_EQ(filters.size(), 2);
    EXPECT_EQ(filters[1], QStringLiteral("Файлы изображений *.bmp (*.bmp)"));
    for (const char* pattern : {"*.bmp", "*.png", "*.jpg"})
        EXPECT_TRUE(filters[0].contains(QLatin1String(pattern))) << filters[0].toStdString();
}

}  // namespace
}  // namespace quirn
