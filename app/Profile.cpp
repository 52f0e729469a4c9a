// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Profile.h"

#include <QFile>
#include <QSettings>
#include <cmath>
#include <optional>

#include "model/Document.h"

namespace quirn {
namespace {

const QString kRecentSection = QStringLiteral("Recent File List");
const QString kLanguageKey = QStringLiteral("Settings/Language");
const QString kShowGridKey = QStringLiteral("Settings/ShowGrid");
const QString kExportFolderKey = QStringLiteral("Settings/ExportFolder");
// A list rather than keys named after the printers: a printer's name may hold any character.
const QString kPrinterSection = QStringLiteral("Printer Calibration");

// What 90 to 110 mm measured gives, with room for the rounding of the text.
std::optional<double> ReadFactor(const QVariant& value) {
    bool ok = false;
    const double factor = value.toString().toDouble(&ok);
    if (!ok || !std::isfinite(factor) || factor < 0.9 || factor > 1.12) return std::nullopt;
    return factor;
}

PrinterScales LoadPrinterScales(QSettings& settings) {
    PrinterScales scales;
    const int count = settings.beginReadArray(kPrinterSection);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        const QString name = settings.value(QStringLiteral("Name")).toString();
        const std::optional<double> h = ReadFactor(settings.value(QStringLiteral("Horizontal")));
        const std::optional<double> v = ReadFactor(settings.value(QStringLiteral("Vertical")));
        if (h && v) scales[name.toStdString()] = PrinterScale{*h, *v};
    }
    settings.endArray();
    return scales;
}

void SavePrinterScales(QSettings& settings, const PrinterScales& scales) {
    settings.remove(kPrinterSection);
    if (scales.empty()) return;
    settings.beginWriteArray(kPrinterSection, static_cast<int>(scales.size()));
    int i = 0;
    for (const auto& [name, scale] : scales) {
        settings.setArrayIndex(i++);
        settings.setValue(QStringLiteral("Name"), QString::fromStdString(name));
        // QString::number never takes the locale's decimal comma.
        settings.setValue(QStringLiteral("Horizontal"), QString::number(scale.horizontal, 'g', 12));
        settings.setValue(QStringLiteral("Vertical"), QString::number(scale.vertical, 'g', 12));
    }
    settings.endArray();
}

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
    profile.printerScales = LoadPrinterScales(settings);
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
    SavePrinterScales(settings, profile.printerScales);
    settings.sync();
}

}  // namespace quirn
