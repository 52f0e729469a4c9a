// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/PlacedPictures.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>

#include "model/TextCodec.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

// A picture on a plate is small; a file decoding to more than this is a mistake.
constexpr int kAllocationLimitMb = 512;

// The document's folder first, so that the user's own file wins; then, for a bare name, the
// library of symbols that ships with the program, so that a plate naming one of those stays
// portable. A file found in neither is told by its place in the document's folder.
QString PathOf(const std::string& folder, const std::string& file) {
    // Files written on Windows separate folders with backslashes.
    const QString name =
        QString::fromStdString(Cp1251ToUtf8(file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir base = folder.empty() ? QDir::current() : QDir(QString::fromStdString(folder));
    const QString own = QDir::cleanPath(base.absoluteFilePath(name));
    if (QFileInfo(own).isFile()) return own;
    const QString shipped = FindLibrarySymbol(name);
    return shipped.isEmpty() ? own : shipped;
}

bool IsDrawing(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    return suffix == QLatin1String("svg") || suffix == QLatin1String("svgz");
}

// Over white: a transparent part shows the plate, as the opaque image is drawn.
QImage OnWhite(const QImage& image) {
    if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

Result<PictureContent> ReadPicture(const QString& path, const std::string& file) {
    Result<PictureContent> result;
    result.value.file = file;
    const std::string shown = path.toStdString();
    if (!QFileInfo(path).isFile()) {
        result.outcome = Outcome::Failed(Fault::PictureNotFound, {shown});
        return result;
    }
    if (IsDrawing(path)) {
        auto drawing = std::make_shared<QSvgRenderer>(path);
        QSizeF size = drawing->viewBoxF().size();
        if (size.isEmpty()) size = drawing->defaultSize();
        if (!drawing->isValid() || size.isEmpty()) {
            result.outcome = Outcome::Failed(Fault::PictureNotDrawing, {shown});
            return result;
        }
        result.value.drawing = std::move(drawing);
        result.value.size = size;
        return result;
    }
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) {
        result.outcome =
            Outcome::Failed(Fault::PictureUnreadable, {shown, reader.errorString().toStdString()});
        return result;
    }
    result.value.image = OnWhite(image);
    result.value.size = QSizeF(image.size());
    return result;
}

}  // namespace

PictureReading ReadPictures(const std::map<int, PlacedPicture>& pictures, const std::string& folder,
                            const PictureContents& already) {
    PictureReading reading;
    std::vector<std::string> told;
    for (const auto& [number, picture] : pictures) {
        const auto kept = already.find(number);
        if (kept != already.end() && kept->second.file == picture.file) {
            reading.contents.emplace(number, kept->second);
            continue;
        }
        Result<PictureContent> read = ReadPicture(PathOf(folder, picture.file), picture.file);
        if (!read.ok() && std::find(told.begin(), told.end(), picture.file) == told.end()) {
            told.push_back(picture.file);
            reading.faults.push_back(std::move(read.outcome));
        }
        reading.contents.emplace(number, std::move(read.value));
    }
    return reading;
}

std::vector<Outcome> RefreshPictures(Scene& scene) {
    PictureReading reading =
        ReadPictures(scene.params.ext.pictures, scene.documentFolder, scene.pictures);
    scene.pictures = std::move(reading.contents);
    return std::move(reading.faults);
}

}  // namespace quirn
