// SPDX-License-Identifier: GPL-3.0-or-later
// The template underlay's own rules: how its fields are read and how a picture file is taken
// in, refusing files that are no picture or too large to hold.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/Outcome.h"

namespace quirn {

// A template field's text as drawing units: "," taken as ".", then an exact decimal shift by
// two places and truncation toward zero, so "0.29" is 29 and "12,5" is 1250.
std::int32_t TemplateFieldValue(std::string_view text);

// Beyond these a scanned template is a mistake, and decoding it could exhaust memory.
struct TemplateImageLimits {
    int maxSide = 30000;
    std::int64_t maxPixels = 100'000'000;
    bool operator==(const TemplateImageLimits&) const = default;
};

// Reads the picture at path in any format Qt reads. The size in the file's header is checked
// against the limits before anything is decoded. The image is null unless it was read.
Result<QImage> LoadTemplateImage(const QString& path, const TemplateImageLimits& limits = {});

// The width in drawing units at which a picture is true size, when its file tells its
// resolution; nothing when it does not (a picture without one is given the reader's default,
// which tells nothing about the scan).
std::optional<std::int32_t> TrueWidth(const QImage& image);

// The file name patterns of every picture format Qt reads, "*.bmp *.png ...".
QStringList ReadablePictureTypes();

}  // namespace quirn
