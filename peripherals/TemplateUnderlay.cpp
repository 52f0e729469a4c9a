// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/TemplateUnderlay.h"

#include <QByteArrayList>
#include <QImageReader>
#include <algorithm>
#include <cmath>
#include <limits>

#include "model/NumberText.h"

namespace quirn {
namespace {

// Bytes per pixel of the widest format a reader decodes into.
constexpr std::int64_t kBytesPerPixel = 4;

}  // namespace

std::int32_t TemplateFieldValue(std::string_view text) {
    return ParseFieldLength(text);
}

Result<QImage> LoadTemplateImage(const QString& path, const TemplateImageLimits& limits) {
    QImageReader reader(path);
    // The reader refuses anything whose decoded image would exceed this, whatever the header
    // claims; it backs up the size check below for formats that report no size.
    const std::int64_t megabytes = (limits.maxPixels * kBytesPerPixel + (1 << 20) - 1) >> 20;
    reader.setAllocationLimit(static_cast<int>(std::clamp<std::int64_t>(megabytes, 1, 1 << 30)));

    Result<QImage> result;
    const auto unreadable = [&](const QString& cause) {
        result.outcome =
            Outcome::Failed(Fault::TemplateUnreadable, {path.toStdString(), cause.toStdString()});
        return result;
    };
    // The header alone tells the size; nothing is decoded yet.
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > limits.maxSide || size.height() > limits.maxSide ||
                           std::int64_t{size.width()} * size.height() > limits.maxPixels)) {
        result.outcome = Outcome::Failed(
            Fault::TemplateTooLarge,
            {path.toStdString(), std::to_string(size.width()), std::to_string(size.height()),
             std::to_string(limits.maxSide), std::to_string(limits.maxPixels / 1'000'000)});
        return result;
    }
    if (!reader.canRead()) return unreadable(reader.errorString());

    QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return unreadable(reader.errorString());
    result.value = std::move(image);
    return result;
}

std::optional<std::int32_t> TrueWidth(const QImage& image) {
    // A reader leaves the resolution of a new image as it is when the file states none.
    const int unstated = QImage(1, 1, QImage::Format_RGB32).dotsPerMeterX();
    const int dotsPerMeter = image.dotsPerMeterX();
    if (image.isNull() || dotsPerMeter <= 0 || dotsPerMeter == unstated) return std::nullopt;
    // A metre is 100 000 drawing units.
    const double width = std::round(image.width() * 100000.0 / dotsPerMeter);
    if (!(width >= 1.0 && width <= std::numeric_limits<std::int32_t>::max())) return std::nullopt;
    return static_cast<std::int32_t>(width);
}

QStringList ReadablePictureTypes() {
    QStringList patterns;
    for (const QByteArray& suffix : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(suffix);
    patterns.removeDuplicates();
    return patterns;
}

}  // namespace quirn
