// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole small files, with the cause of a failure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Outcome.h"

namespace quirn {

// What a file was being used for, as the message about a failure tells it.
enum class FileOperation { Open, Save, Create };

// The cause an errno stands for.
Fault FaultFromErrno(int error);

// The failure to report for cause, met while opening, saving or creating the file at fullPath:
// the cause with the path, a missing folder named as such, or the operation's own failure when
// the cause is not known.
Outcome FileFailure(Fault cause, const std::string& fullPath, FileOperation operation);

// Reads at most limit bytes from the start of the file, in bounded memory whatever its size. A
// failure's outcome names the fault and the path, as FileFailure would for reading.
Result<std::string> ReadFileHead(const std::string& path, std::size_t limit);

// Writes the bytes to a new file beside path and puts it in place only when complete, so a
// failure (or a crash) leaves an existing file intact and no partial file behind. An existing
// file keeps its permissions. A path through symbolic links writes the file they lead to and
// keeps the links.
Fault WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quirn
