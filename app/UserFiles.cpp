// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/UserFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/Document.h"

namespace quirn {
namespace {

bool IsHomeFolder(const QDir& folder) {
    const QString home = QFileInfo(QDir::homePath()).canonicalFilePath();
    return !home.isEmpty() && QFileInfo(folder.path()).canonicalFilePath() == home;
}

}  // namespace

void NameTheProgram() {
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(QStringLiteral("quirn"));
    QCoreApplication::setApplicationVersion(QStringLiteral(QUIRN_VERSION));
}

QString StateFolder() {
    // Qt 6.4 knows no state location: the XDG rule, where a relative path counts as unset.
    QString base = qEnvironmentVariable("XDG_STATE_HOME");
    if (base.isEmpty() || QDir::isRelativePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir::cleanPath(base + QStringLiteral("/quirn"));
}

QString ConfigFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
}

QString UserFilePath(const QString& bareName, const QString& userFolder) {
    const QDir current = QDir::current();
    const QString here = current.absoluteFilePath(bareName);
    if (QFileInfo::exists(here) || !IsHomeFolder(current)) return here;
    return QDir(userFolder).absoluteFilePath(bareName);
}

std::string InitialParametersLocation() {
    const QString path = UserFilePath(QString::fromLatin1(kInitialParametersFile), StateFolder());
    // The model spells the current folder's file as it always has.
    return InitialParametersPath(QFile::encodeName(path).toStdString());
}

bool MakeFolderFor(const QString& path) {
    return QFileInfo(path).absoluteDir().mkpath(QStringLiteral("."));
}

}  // namespace quirn
