// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/TemplateUnderlay.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <QImageReader>
#include <algorithm>

#include "model/NumberText.h"

namespace quirn {
namespace {

// Bytes per pixel of the widest format a reader decodes into.
constexpr std::int64_t kBytesPerPixel = 4;

std::string Message(const QString& text) {
    return text.toStdString();
}

}  // namespace

std::int32_t TemplateFieldValue(std::string_view text) {
    return ParseFieldLength(text);
}

TemplateLoadResult LoadTemplateImage(const QString& path, const TemplateImageLimits& limits) {
    QImageReader reader(path);
    // The reader refuses anything whose decoded image would exceed this, whatever the header
    // claims; it backs up the size check below for formats that report no size.
    const std::int64_t megabytes = (limits.maxPixels * kBytesPerPixel + (1 << 20) - 1) >> 20;
    reader.setAllocationLimit(static_cast<int>(std::clamp<std::int64_t>(megabytes, 1, 1 << 30)));

    TemplateLoadResult result;
    const auto unreadable = [&](const QString& cause) {
        result.status = TemplateLoadStatus::Unreadable;
        result.message =
            Message(QCoreApplication::translate(
                        "quirn::TemplateUnderlay",
                        "Шаблон не загружен: файл «%1» не читается как изображение (%2).")
                        .arg(path, cause));
        return result;
    };
    // The header alone tells the size; nothing is decoded yet.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > limits.maxSide || size.height() > limits.maxSide ||
                           std::int64_t{size.width()} * size.height() > limits.maxPixels)) {
        result.status = TemplateLoadStatus::TooLarge;
        result.message =
            Message(QCoreApplication::translate(
                        "quirn::TemplateUnderlay",
                        "Шаблон не загружен: изображение «%1» размером %2 x %3 точек больше "
                        "предела (%4 точек по стороне, %5 млн точек всего).")
                        .arg(path, QString::number(size.width()), QString::number(size.height()),
                             QString::number(limits.maxSide),
                             QString::number(limits.maxPixels / 1'000'000)));
        return result;
    }
    if (!reader.canRead()) return unreadable(reader.errorString());

    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return unreadable(reader.errorString());
    result.image = std::move(image);
    return result;
}

QStringList TemplateFileFilters() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    patterns.removeDuplicates();
    return {
        QCoreApplication::translate("quirn::TemplateUnderlay", "Файлы изображений *.bmp (*.bmp)"),
        QCoreApplication::translate("quirn::TemplateUnderlay", "Все изображения (%1)")
            .arg(patterns.join(QLatin1Char(' ')))};
}

}  // namespace quirn
