// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing whole small files, with the cause of a failure.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quirn {

enum class FileError {
    None,
    Generic,
    FileNotFound,
    BadPath,
    TooManyOpenFiles,
    AccessDenied,
    InvalidFile,
    DirectoryFull,
    BadSeek,
    HardIO,
    SharingViolation,
    LockViolation,
    DiskFull,
    EndOfFile,
    CannotCreate,  // the folder exists but no file can be made in it
    ReadOnly,      // the file system is mounted read-only
    NotScaleFile,  // read, but no key of a parameter file heads any of its lines
};

FileError FileErrorFromErrno(int error);

struct FileReadResult {
    FileError error = FileError::None;
    std::string bytes;  // at most the limit asked for
};

// Reads at most limit bytes from the start of the file, in bounded memory whatever its size.
FileReadResult ReadFileHead(const std::string& path, std::size_t limit);

// Writes the bytes to a new file beside path and puts it in place only when complete, so a
// failure (or a crash) leaves an existing file intact and no partial file behind. An existing
// file keeps its permissions. A path through symbolic links writes the file they lead to and
// keeps the links.
FileError WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace quirn
