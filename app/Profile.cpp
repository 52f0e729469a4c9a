// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Profile.h"

#include <QFile>
#include <QSettings>

#include "model/Document.h"

namespace quirn {
namespace {

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kLanguageKey = QStringLiteral("Settings/Language");
const QString kShowGridKey = QStringLiteral("Settings/ShowGrid");
const QString kExportFolderKey = QStringLiteral("Settings/ExportFolder");

QString RecentKey(std::size_t index) {
    return kRecentSection + QStringLiteral("/File%1").arg(index + 1);
}

}  // namespace

ProfileSettings LoadProfile(QSettings& settings) {
    ProfileSettings profile;
    for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
        const QString path = settings.value(RecentKey(i)).toString();
        if (!path.isEmpty()) profile.recentFiles.push_back(QFile::encodeName(path).toStdString());
    }
    profile.previewPages = settings.value(QStringLiteral("Settings/PreviewPages"), 0).toInt();
    profile.language = LanguageFromKey(settings.value(kLanguageKey).toString());
    profile.showGrid = settings.value(kShowGridKey, false).toBool();
    profile.exportFolder = settings.value(kExportFolderKey).toString();
    return profile;
}

void SaveProfile(QSettings& settings, const ProfileSettings& profile) {
    settings.remove(kRecentSection);
    for (std::size_t i = 0; i < profile.recentFiles.size() && i < RecentFileList::kSize; ++i)
        settings.setValue(RecentKey(i), QFile::decodeName(profile.recentFiles[i].c_str()));
    if (profile.previewPages != 0)
        settings.setValue(QStringLiteral("Settings/PreviewPages"), profile.previewPages);
    // The system's language is no choice: nothing is kept for it.
    if (profile.language == LanguageChoice::System)
        settings.remove(kLanguageKey);
    else
        settings.setValue(kLanguageKey, LanguageKey(profile.language));
    settings.setValue(kShowGridKey, profile.showGrid);
    if (!profile.exportFolder.isEmpty()) settings.setValue(kExportFolderKey, profile.exportFolder);
    settings.sync();
}

}  // namespace quirn
