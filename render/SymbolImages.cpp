// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SymbolImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quirn {
namespace {

QImage LoadImage(const QString& path) {
    if (path.isEmpty()) return {};
    // Held in the screen canvas's format so that every repaint copies it without converting.
    const QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

QString InCurrentFolder(const QString& bareName) {
    const QFileInfo here(QDir::current(), bareName);
    return here.isFile() ? here.absoluteFilePath() : QString();
}

// QUIRN_DATA_FROM_PROGRAM: the data folder relative to the program's folder, the same in the
// installed layout and in the build tree.
QDir DataFolder() {
    return QDir(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                QStringLiteral("/" QUIRN_DATA_FROM_PROGRAM)));
}

QString InDataFolder(const QString& bareName) {
    if (QCoreApplication::instance() == nullptr) return {};
    const QFileInfo installed(DataFolder(), bareName);
    return installed.isFile() ? installed.absoluteFilePath() : QString();
}

// The user's own bitmap in the current folder is drawn as it is, even unreadable (as nothing);
// otherwise the drawing that ships with the program, and its bitmap only when the drawing is
// missing or broken.
SymbolPicture LoadSymbol(const QString& name) {
    const QString own = InCurrentFolder(name + QStringLiteral(".bmp"));
    if (!own.isEmpty()) return LoadImage(own);
    const QString drawing = InDataFolder(name + QStringLiteral(".svg"));
    if (!drawing.isEmpty()) {
        VectorPicture picture = VectorPicture::FromSvg(drawing);
        if (!picture.isNull()) return picture;
    }
    return LoadImage(InDataFolder(name + QStringLiteral(".bmp")));
}

}  // namespace

QString FindDataFile(const QString& bareName) {
    const QString here = InCurrentFolder(bareName);
    return here.isEmpty() ? InDataFolder(bareName) : here;
}

QString SymbolLibraryFolder() {
    if (QCoreApplication::instance() == nullptr) return {};
    const QFileInfo folder(DataFolder(), QStringLiteral("symbols"));
    return folder.isDir() ? folder.absoluteFilePath() : QString();
}

QString FindLibrarySymbol(const QString& bareName) {
    const QString folder = SymbolLibraryFolder();
    if (folder.isEmpty() || bareName.isEmpty() || bareName.contains(QLatin1Char('/')) ||
        bareName.contains(QLatin1Char('\\')))
        return {};
    const QFileInfo symbol(QDir(folder), bareName);
    return symbol.isFile() ? symbol.absoluteFilePath() : QString();
}

SymbolImages LoadSymbolImages() {
    return {LoadSymbol(QStringLiteral("Data")), LoadSymbol(QStringLiteral("Romb")),
            LoadSymbol(QStringLiteral("Others"))};
}

}  // namespace quirn
