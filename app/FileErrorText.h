// SPDX-License-Identifier: GPL-3.0-or-later
// The messages that report a file that could not be opened, read, created or written.
#pragma once

#include <string>

#include "model/FileAccess.h"

namespace quirn {

enum class FileOperation { Open, Save, Create };

// The message for the cause, with the file's full path in it (UTF-8). Without a known cause the
// operation's own message is given.
std::string FileErrorText(FileError error, const std::string& fullPath, FileOperation operation);

}  // namespace quirn
