// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileErrorText.h"

#include <QCoreApplication>

namespace quirn {
namespace {

std::string Tr(const char* source) {
    return QCoreApplication::translate("quirn::FileErrorText", source).toStdString();
}

// The path goes in as bytes: it need not be UTF-8.
std::string Fill(const char* pattern, const std::string& path) {
    std::string text = Tr(pattern);
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace

std::string FileErrorText(FileError error, const std::string& fullPath, FileOperation operation) {
    switch (error) {
        case FileError::Generic:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неизвестная ошибка при доступе к %1."),
                fullPath);
        case FileError::FileNotFound:
            // Saving into a folder that does not exist: the folder is what is missing.
            if (operation != FileOperation::Open)
                return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText", "Папка для %1 не найдена."),
                            fullPath);
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 не найден."), fullPath);
        case FileError::BadPath:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 содержит неверный путь."),
                        fullPath);
        case FileError::TooManyOpenFiles:
            return Fill(QT_TRANSLATE_NOOP(
                            "quirn::FileErrorText",
                            "%1 не может быть открыт, так как слишком много открытых файлов."),
                        fullPath);
        case FileError::AccessDenied:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText", "Доступ к %1 запрещен."),
                        fullPath);
        case FileError::InvalidFile:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                          "С файлом %1 связан неверный дескриптор."),
                        fullPath);
        case FileError::DirectoryFull:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                          "%1 не может быть создан, так как каталог переполнен."),
                        fullPath);
        case FileError::BadSeek:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неудача при позиционировании на %1"),
                fullPath);
        case FileError::HardIO:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                          "Аппаратная ошибка ввода/вывода при доступе к %1."),
                        fullPath);
        case FileError::SharingViolation:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "Ошибка разделения доступа для %1."),
                fullPath);
        case FileError::LockViolation:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "Ошибка блокировки при доступе к %1."),
                fullPath);
        case FileError::DiskFull:
            return Fill(QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                          "Диск переполнен в процессе обращения к %1."),
                        fullPath);
        case FileError::EndOfFile:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                  "Попытка доступа к информации, находящейся за концом файла %1."),
                fullPath);
        case FileError::CannotCreate:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "%1 не может быть создан в этой папке."),
                fullPath);
        case FileError::ReadOnly:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText",
                                  "%1 не может быть записан: диск доступен только для чтения."),
                fullPath);
        case FileError::NotScaleFile:
            return Fill(
                QT_TRANSLATE_NOOP("quirn::FileErrorText", "Файл «%1» не является файлом шкалы"),
                fullPath);
        case FileError::None:
            break;
    }
    switch (operation) {
        case FileOperation::Open:
            return Tr(QT_TRANSLATE_NOOP("quirn::FileErrorText", "Невозможно открыть документ."));
        case FileOperation::Save:
            return Tr(QT_TRANSLATE_NOOP("quirn::FileErrorText", "Невозможно сохранить документ."));
        case FileOperation::Create:
            return Tr(QT_TRANSLATE_NOOP("quirn::FileErrorText", "Неверное имя файла."));
    }
    return {};
}

}  // namespace quirn
