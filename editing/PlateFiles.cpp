// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/PlateFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/TextCodec.h"
#include "peripherals/PlacedPictures.h"
#include "peripherals/TemplateUnderlay.h"

namespace quirn {

PlateFiles::PlateFiles(Scene& scene, QObject* parent) : QObject(parent), scene_(scene) {}

void PlateFiles::Refresh(const std::string& documentPath, Reread reread) {
    const std::string folder =
        documentPath.empty()
            ? std::string()
            : QFileInfo(QFile::decodeName(documentPath.c_str())).absolutePath().toStdString();
    const Reread pictures = folder != scene_.documentFolder ? Reread::All : reread;
    scene_.documentFolder = folder;
    RefreshPictures(pictures);
    RefreshTemplate(reread);
}

void PlateFiles::RefreshPictures(Reread reread) {
    if (reread == Reread::All) scene_.pictures.clear();
    for (const Outcome& fault : quirn::RefreshPictures(scene_))
        if (told_.insert(fault.args.front()).second) emit notice(fault);
}

// Files written on Windows separate folders with backslashes.
QString PlateFiles::TemplatePath(const std::string& file) const {
    const QString name =
        QString::fromStdString(Cp1251ToUtf8(file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const std::string& folder = scene_.documentFolder;
    const QDir base = folder.empty() ? QDir::current() : QDir(QString::fromStdString(folder));
    return QDir::cleanPath(base.absoluteFilePath(name));
}

void PlateFiles::RefreshTemplate(Reread reread) {
    const std::optional<TemplateRecord>& record = scene_.params.ext.templateRecord;
    if (!record) {
        scene_.templatePicture = {};
        templateReadFrom_.clear();
        return;
    }
    const QString path = TemplatePath(record->file);
    if (reread == Reread::Changed && path == templateReadFrom_) return;
    templateReadFrom_ = path;
    scene_.templatePicture = {record->file, {}};
    Outcome fault;
    if (!QFileInfo(path).isFile()) {
        fault = Outcome::Failed(Fault::TemplateNotFound, {path.toStdString()});
    } else {
        Result<QImage> loaded = LoadTemplateImage(path);
        fault = loaded.outcome;
        if (loaded.ok()) scene_.templatePicture.image = std::move(loaded.value);
    }
    if (!fault.ok() && told_.insert(path.toStdString()).second) emit notice(fault);
}

void PlateFiles::TakeTemplate(const std::string& file, QImage image, const QString& path) {
    scene_.templatePicture = {file, std::move(image)};
    templateReadFrom_ = path;
}

}  // namespace quirn
