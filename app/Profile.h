// The settings the program keeps in its profile: the recent-file list and the number of pages
// that print preview shows side by side.
#pragma once

#include <string>
#include <vector>

class QSettings;

namespace quirn {

struct ProfileSettings {
    std::vector<std::string> recentFiles;  // newest first, at most four
    int previewPages = 0;                  // 0: never chosen
    bool operator==(const ProfileSettings&) const = default;
};

// Section "Recent File List", entries File1 to File4, and "PreviewPages" of section "Settings".
ProfileSettings LoadProfile(QSettings& settings);
void SaveProfile(QSettings& settings, const ProfileSettings& profile);

}  // namespace quirn
