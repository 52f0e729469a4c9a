// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/OutcomeText.h"

#include <QCoreApplication>
#include <array>
#include <cstdlib>

#include "model/LawTable.h"
#include "peripherals/TemplateUnderlay.h"

namespace quirn {
namespace {

struct FaultText {
    Fault fault;
    const char* context;
    const char* text;  // %1, %2... are the outcome's arguments in order
};

constexpr std::array kFaultTexts{
    FaultText{Fault::UnknownFileError, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неизвестная ошибка при доступе к %1.")},
    FaultText{Fault::FolderNotFound, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Папка для %1 не найдена.")},
    FaultText{Fault::FileNotFound, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 не найден.")},
    FaultText{Fault::BadPath, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 содержит неверный путь.")},
    FaultText{Fault::TooManyOpenFiles, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                "%1 не может быть открыт, так как слишком много открытых файлов.")},
    FaultText{Fault::AccessDenied, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Доступ к %1 запрещен.")},
    FaultText{Fault::InvalidFile, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "С файлом %1 связан неверный дескриптор.")},
    FaultText{Fault::DirectoryFull, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                "%1 не может быть создан, так как каталог переполнен.")},
    FaultText{Fault::BadSeek, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неудача при позиционировании на %1")},
    FaultText{Fault::HardIO, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                "Аппаратная ошибка ввода/вывода при доступе к %1.")},
    FaultText{Fault::SharingViolation, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Ошибка разделения доступа для %1.")},
    FaultText{Fault::LockViolation, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Ошибка блокировки при доступе к %1.")},
    FaultText{
        Fault::DiskFull, "quirn::FileErrorText",
        QT_TRANSLATE_NOOP("quirn::FileErrorText", "Диск переполнен в процессе обращения к %1.")},
    FaultText{Fault::EndOfFile, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                "Попытка доступа к информации, находящейся за концом файла %1.")},
    FaultText{Fault::CannotCreate, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 не может быть создан в этой папке.")},
    FaultText{Fault::ReadOnly, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                "%1 не может быть записан: диск доступен только для чтения.")},
    FaultText{Fault::NotScaleFile, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Файл «%1» не является файлом шкалы")},
    FaultText{Fault::CannotOpenDocument, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Невозможно открыть документ.")},
    FaultText{Fault::CannotSaveDocument, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Невозможно сохранить документ.")},
    FaultText{Fault::BadFileName, "quirn::FileErrorText",
              QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неверное имя файла.")},
    FaultText{Fault::ExportUnknownFormat, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: формат определяется расширением .bmp, "
                                ".png, .svg или .pdf")},
    FaultText{Fault::ExportTooLargeForBmp, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Файл «%1» не записан: рисунок %2 x %3 точек больше, чем "
                                "допускает формат BMP (сторона до 2147483647 точек, файл до "
                                "4294967295 байт)")},
    FaultText{Fault::ExportCancelled, "quirn::PictureExport",
              QT_TRANSLATE_NOOP("quirn::PictureExport",
                                "Запись «%1» отменена: файл остался, каким был.")},
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
    FaultText{Fault::TemplateNotFound, "quirn::TemplateUnderlay",
              QT_TRANSLATE_NOOP("quirn::TemplateUnderlay",
                                "Шаблон «%1» не найден; он не показан, но его место, ширина, "
                                "поворот и осветление остаются в документе.")},
    FaultText{Fault::FileNameNotStorable, "quirn::PlacedPictures",
              QT_TRANSLATE_NOOP("quirn::PlacedPictures",
                                "Имя файла «%1» содержит знаки, которых нет в кодировке файла "
                                "шкалы (Windows-1251); переименуйте файл или выберите другой.")},
    FaultText{Fault::PictureNotFound, "quirn::PlacedPictures",
              QT_TRANSLATE_NOOP("quirn::PlacedPictures",
                                "Рисунок «%1» не найден; на его месте нарисован перечёркнутый "
                                "прямоугольник.")},
    FaultText{Fault::PictureUnreadable, "quirn::PlacedPictures",
              QT_TRANSLATE_NOOP("quirn::PlacedPictures",
                                "Рисунок «%1» не читается как изображение (%2); на его месте "
                                "нарисован перечёркнутый прямоугольник.")},
    FaultText{Fault::PictureNotDrawing, "quirn::PlacedPictures",
              QT_TRANSLATE_NOOP("quirn::PlacedPictures",
                                "Файл «%1» не содержит рисунка SVG; на его месте нарисован "
                                "перечёркнутый прямоугольник.")},
    FaultText{Fault::PrintCannotStart, "quirn::Printing",
              QT_TRANSLATE_NOOP("quirn::Printing", "Невозможно начать процедуру печати.")},
    FaultText{Fault::PrintNotSent, "quirn::Printing",
              QT_TRANSLATE_NOOP("quirn::Printing", "Задание не передано на принтер «%1».")},
    // A law's own refusals are worded in its row (model/LawTable.h); the lists' here.
    FaultText{
        Fault::TickOutside, "quirn::ScalesText",
        QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: отметка %2 лежит вне шкалы (%3 … %4)")},
    FaultText{Fault::BigTickOutside, "quirn::ScalesText",
              QT_TRANSLATE_NOOP("quirn::ScalesText",
                                "Шкала %1: большая отметка %2 лежит вне шкалы (%3 … %4)")},
    FaultText{
        Fault::NumberOutside, "quirn::ScalesText",
        QT_TRANSLATE_NOOP("quirn::ScalesText", "Шкала %1: число %2 лежит вне шкалы (%3 … %4)")},
    FaultText{Fault::ZoneScaleMissing, "quirn::ScalesText",
              QT_TRANSLATE_NOOP("quirn::ScalesText", "Зона %1: нет шкалы %2")},
    FaultText{Fault::FieldNotNumber, "quirn::PanelReading",
              QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: не число «%2»")},
    FaultText{Fault::FieldNotWhole, "quirn::PanelReading",
              QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: не целое число «%2»")},
    FaultText{Fault::FieldTooLarge, "quirn::PanelReading",
              QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: слишком большое число «%2»")},
    FaultText{
        Fault::FieldOutsideLimits, "quirn::PanelReading",
        QT_TRANSLATE_NOOP("quirn::PanelReading", "%1: нужно больше %3 и не больше %4, а не «%2»")},
    FaultText{Fault::KeyNotNumber, "quirn::ScalePage",
              QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» не число: «%2»")},
    FaultText{Fault::KeyBelowZero, "quirn::ScalePage",
              QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» число меньше нуля: «%2»")},
    FaultText{Fault::KeyNotWhole, "quirn::ScalePage",
              QT_TRANSLATE_NOOP("quirn::ScalePage", "в поле «%1» не целое число: «%2»")},
    FaultText{Fault::KeyListNotNumber, "quirn::ScalePage",
              QT_TRANSLATE_NOOP("quirn::ScalePage", "в списке «%1» не число: «%2»")},
    FaultText{
        Fault::KeyListNotPoint, "quirn::ScalePage",
        QT_TRANSLATE_NOOP("quirn::ScalePage", "в списке «%1» не точка «значение:доля»: «%2»")},
    FaultText{Fault::ItemNotNumber, "quirn::FreeTextTable",
              QT_TRANSLATE_NOOP("quirn::FreeTextTable", "%1: в поле «%2» не число: «%3»")},
    FaultText{Fault::ItemTextEmpty, "quirn::FreeTextTable",
              QT_TRANSLATE_NOOP("quirn::FreeTextTable", "%1: текст пуст")},
    FaultText{Fault::ItemFaceUnreadable, "quirn::FreeTextTable",
              QT_TRANSLATE_NOOP("quirn::FreeTextTable",
                                "%1: шрифт не понят: «%2» (пример: «DejaVu Serif, bold, "
                                "italic, 120%»)")},
    FaultText{Fault::ItemColourUnreadable, "quirn::FreeTextTable",
              QT_TRANSLATE_NOOP("quirn::FreeTextTable", "%1: цвет пишется как #rrggbb: «%2»")},
    FaultText{Fault::ItemWidthNotPositive, "quirn::PictureTable",
              QT_TRANSLATE_NOOP("quirn::PictureTable", "%1: ширина должна быть больше нуля: «%2»")},
    FaultText{Fault::ItemWithoutFile, "quirn::PictureTable",
              QT_TRANSLATE_NOOP("quirn::PictureTable", "%1: не выбран файл")},
    FaultText{
        Fault::ZoneScaleOutside, "quirn::ZoneTable",
        QT_TRANSLATE_NOOP("quirn::ZoneTable", "Зона %1: номер шкалы должен быть от 1 до %2: «%3»")},
    FaultText{Fault::ZoneNotNumber, "quirn::ZoneTable",
              QT_TRANSLATE_NOOP("quirn::ZoneTable", "Зона %1: в поле «%2» не число: «%3»")},
    FaultText{Fault::FaceNotChosen, "quirn::TypefaceEdit",
              QT_TRANSLATE_NOOP("quirn::TypefaceEdit", "не выбран шрифт")},
    FaultText{
        Fault::FaceNameWithComma, "quirn::TypefaceEdit",
        QT_TRANSLATE_NOOP("quirn::TypefaceEdit", "в имени шрифта не может быть запятой: «%1»")},
    FaultText{Fault::FaceNameNotStorable, "quirn::TypefaceEdit",
              QT_TRANSLATE_NOOP("quirn::TypefaceEdit",
                                "в имени шрифта знаки, которых не может быть в файле: «%1»")},
    FaultText{Fault::FaceSizeOutside, "quirn::TypefaceEdit",
              QT_TRANSLATE_NOOP("quirn::TypefaceEdit",
                                "размер шрифта должен быть целым числом процентов от %1 до %2: "
                                "«%3»")},
    FaultText{Fault::ScreenWidthNotNumber, "quirn::CalibrationDialog",
              QT_TRANSLATE_NOOP("quirn::CalibrationDialog",
                                "Ширина экрана задаётся целым положительным числом миллиметров, "
                                "например 345.")},
    FaultText{Fault::ScreenWidthImpossible, "quirn::CalibrationDialog",
              QT_TRANSLATE_NOOP("quirn::CalibrationDialog",
                                "Ширина %1 мм не может быть шириной этого экрана: он сообщает о "
                                "ширине %2 мм.")},
    FaultText{Fault::InScale, "quirn::ScalesWindow",
              QT_TRANSLATE_NOOP("quirn::ScalesWindow", "Шкала %1: %2")},
    FaultText{Fault::InItem, "quirn::OutcomeText",
              QT_TRANSLATE_NOOP("quirn::OutcomeText", "%1: %2")},
    FaultText{
        Fault::ScanUnreadable, "quirn::ScanDetection",
        QT_TRANSLATE_NOOP("quirn::ScanDetection", "Скан «%1» не читается как изображение (%2).")},
    FaultText{Fault::ScanResolutionOutOfRange, "quirn::ScanDetection",
              QT_TRANSLATE_NOOP("quirn::ScanDetection",
                                "Шкала на скане не ищется: разрешение скана %1 dpi, а нужно от %2 "
                                "до %3 dpi.")},
    FaultText{Fault::ScanTicksNotFound, "quirn::ScanDetection",
              QT_TRANSLATE_NOOP("quirn::ScanDetection",
                                "На скане не найдена шкала: делений, сходящихся в одной точке, "
                                "найдено %1, а нужно не меньше %2.")},
    FaultText{Fault::CalibrationBeyondArc, "quirn::TemplateClicks",
              QT_TRANSLATE_NOOP("quirn::TemplateClicks",
                                "Отметка лежит за концом дуги шкалы: угол от оси %1°, а половина "
                                "угла шкалы %2°. Увеличьте половину угла шкалы до %1° или "
                                "щёлкните ближе к дуге.")},
};

// %1..%9 replaced in one pass, so that an argument holding "%2" (a path may) stays as it is.
// The arguments go in as bytes: a path need not be UTF-8.
std::string WithArguments(const std::string& text, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && text[i + 1] >= '1' && text[i + 1] <= '9') {
            const auto n = static_cast<std::size_t>(text[i + 1] - '1');
            if (n < args.size()) {
                out += args[n];
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

}  // namespace

std::string OutcomeMessage(const Outcome& outcome) {
    std::vector<std::string> args = outcome.args;
    if (outcome.cause) args.push_back(OutcomeMessage(*outcome.cause));
    const int scale = args.empty() ? 0 : std::atoi(args.front().c_str());
    if (const char* words = LawRefusalWords(outcome.fault, scale))
        return WithArguments(QCoreApplication::translate("quirn::LawTable", words).toStdString(),
                             args);
    for (const FaultText& row : kFaultTexts)
        if (row.fault == outcome.fault)
            return WithArguments(QCoreApplication::translate(row.context, row.text).toStdString(),
                                 args);
    return {};
}

QString OutcomeText(const Outcome& outcome) {
    return QString::fromStdString(OutcomeMessage(outcome));
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
    // Scans come as PNG, JPEG or TIFF more often than BMP: the dialog opens on every format read.
    return {
        QCoreApplication::translate("quirn::TemplateUnderlay", "Все изображения (%1)")
            .arg(ReadablePictureTypes().join(QLatin1Char(' '))),
        QCoreApplication::translate("quirn::TemplateUnderlay", "Файлы изображений *.bmp (*.bmp)")};
}

}  // namespace quirn
