// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the program keeps in its profile: the recent-file list, the number of pages
// that print preview shows side by side, the language the user chose and whether the view
// shows its millimetre grid.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/Language.h"

class QSettings;

namespace quirn {

// The profile's organisation and application for QSettings: it stays where it has always been,
// $XDG_CONFIG_HOME/Quirn/Quirn.conf, whatever names the program gives Qt.
inline const QString kProfileOwner = QStringLiteral("Quirn");

struct ProfileSettings {
    std::vector<std::string> recentFiles;  // newest first, at most ten
    int previewPages = 0;                  // 0: never chosen
    LanguageChoice language = LanguageChoice::System;
    bool showGrid = false;
    QString exportFolder;  // empty: never exported
    bool operator==(const ProfileSettings&) const = default;
};

// Section "Recent File List", entries File1 to File10, and "PreviewPages", "Language" and
// "ShowGrid" and "ExportFolder" of section "Settings".
ProfileSettings LoadProfile(QSettings& settings);
void SaveProfile(QSettings& settings, const ProfileSettings& profile);

}  // namespace quirn
