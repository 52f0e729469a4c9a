// SPDX-License-Identifier: GPL-3.0-or-later
// The settings the program keeps in its profile: the recent-file list, the number of pages
// that print preview shows side by side, the language the user chose, whether the view
// shows its millimetre grid and the printers' scale corrections.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "app/Language.h"
#include "peripherals/PrinterCalibration.h"

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
    PrinterScales printerScales{};
    bool operator==(const ProfileSettings&) const = default;
};

// Section "Recent File List", entries File1 to File10, "PreviewPages", "Language",
// "ShowGrid" and "ExportFolder" of section "Settings", and section "Printer Calibration": a list
// of Name, Horizontal and Vertical, the factors written with "." whatever the locale. A factor
// that is unreadable or beyond what the calibration accepts is left out.
ProfileSettings LoadProfile(QSettings& settings);
void SaveProfile(QSettings& settings, const ProfileSettings& profile);

}  // namespace quirn
