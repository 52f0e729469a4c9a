#include "app/FileErrorText.h"

namespace quirn {
namespace {

std::string Fill(const char* pattern, const std::string& path) {
    std::string text(pattern);
    const auto at = text.find("%1");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace

std::string FileErrorText(FileError error, const std::string& fullPath, FileOperation operation) {
    switch (error) {
        case FileError::Generic:
            return Fill("Неизвестная ошибка при доступе к %1.", fullPath);
        case FileError::FileNotFound:
            // Saving into a folder that does not exist: the folder is what is missing.
            if (operation != FileOperation::Open) return Fill("Папка для %1 не найдена.", fullPath);
            return Fill("%1 не найден.", fullPath);
        case FileError::BadPath:
            return Fill("%1 содержит неверный путь.", fullPath);
        case FileError::TooManyOpenFiles:
            return Fill("%1 не может быть открыт, так как слишком много открытых файлов.",
                        fullPath);
        case FileError::AccessDenied:
            return Fill("Доступ к %1 запрещен.", fullPath);
        case FileError::InvalidFile:
            return Fill("С файлом %1 связан неверный дескриптор.", fullPath);
        case FileError::DirectoryFull:
            return Fill("%1 не может быть создан, так как каталог переполнен.", fullPath);
        case FileError::BadSeek:
            return Fill("Неудача при позиционировании на %1", fullPath);
        case FileError::HardIO:
            return Fill("Аппаратная ошибка ввода/вывода при доступе к %1.", fullPath);
        case FileError::SharingViolation:
            return Fill("Ошибка разделения доступа для %1.", fullPath);
        case FileError::LockViolation:
            return Fill("Ошибка блокировки при доступе к %1.", fullPath);
        case FileError::DiskFull:
            return Fill("Диск переполнен в процессе обращения к %1.", fullPath);
        case FileError::EndOfFile:
            return Fill("Попытка доступа к информации, находящейся за концом файла %1.", fullPath);
        case FileError::CannotCreate:
            return Fill("%1 не может быть создан в этой папке.", fullPath);
        case FileError::ReadOnly:
            return Fill("%1 не может быть записан: диск доступен только для чтения.", fullPath);
        case FileError::None:
            break;
    }
    switch (operation) {
        case FileOperation::Open:
            return "Невозможно открыть документ.";
        case FileOperation::Save:
            return "Невозможно сохранить документ.";
        case FileOperation::Create:
            return "Неверное имя файла.";
    }
    return {};
}

}  // namespace quirn
