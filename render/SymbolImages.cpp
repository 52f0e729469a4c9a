// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/SymbolImages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace quirn {
namespace {

QImage LoadImage(const QString& bareName) {
    const QString path = FindDataFile(bareName);
    if (path.isEmpty()) return {};
    // Held in the screen canvas's format so that every repaint copies it without converting.
    const QImage image(path);
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QString FindDataFile(const QString& bareName) {
    const QFileInfo here(QDir::current(), bareName);
    if (here.isFile()) return here.absoluteFilePath();
    if (QCoreApplication::instance() == nullptr) return {};
    // QUIRN_DATA_FROM_PROGRAM: the data folder relative to the program's folder, the same in the
    // installed layout and in the build tree.
    const QFileInfo installed(QDir(QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                   QStringLiteral("/" QUIRN_DATA_FROM_PROGRAM))),
                              bareName);
    if (installed.isFile()) return installed.absoluteFilePath();
    return {};
}

SymbolImages LoadSymbolImages() {
    return {LoadImage(QStringLiteral("Data.bmp")), LoadImage(QStringLiteral("Romb.bmp")),
            LoadImage(QStringLiteral("Others.bmp"))};
}

}  // namespace quirn
