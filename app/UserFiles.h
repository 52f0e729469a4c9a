// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program keeps its per-user files. Started from the desktop menu, its current folder is
// the home folder, which should not fill up with the program's files: there Initial.qrn lives in
// the user's state folder and Screen.ini in the user's configuration folder, unless the home
// folder already holds its own. Any other current folder keeps both files, as it always has.
#pragma once

#include <QString>
#include <string>

namespace quirn {

// The names Qt knows the program by: "quirn", without an organisation, so that the configuration
// folder is exactly ~/.config/quirn, and the project's version. The profile does not move with
// them (see Profile.h).
void NameTheProgram();

// $XDG_STATE_HOME/quirn, by default ~/.local/state/quirn.
QString StateFolder();
// QStandardPaths::AppConfigLocation, ~/.config/quirn once the program is named.
QString ConfigFolder();

// The full path of bareName in the current folder, or in userFolder when the current folder is
// the home folder and holds no bareName.
QString UserFilePath(const QString& bareName, const QString& userFolder);

// The full path of Initial.qrn as the rule above places it.
std::string InitialParametersLocation();

// Creates the folder that is to hold path, when it is missing; false when it cannot be made.
bool MakeFolderFor(const QString& path);

}  // namespace quirn
