// SPDX-License-Identifier: GPL-3.0-or-later
// What an operation that may fail reports: a code saying what went wrong and the arguments its
// message names (a path, sizes, limits, the system's own words for the cause), in the order the
// message places them. The message is worded and translated where it is shown
// (view/dialogs/OutcomeText).
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quirn {

enum class Fault : std::uint8_t {
    None,
    // A file could not be opened, read, created or written; the argument is its full path.
    UnknownFileError,
    FileNotFound,
    FolderNotFound,  // a file was to be written into a folder that does not exist
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
    // A document could not be opened or saved, or a file name was refused, for no known cause.
    CannotOpenDocument,
    CannotSaveDocument,
    BadFileName,
    // A picture export; the first argument is always the file's path.
    ExportUnknownFormat,   // path
    ExportTooLargeForBmp,  // path, width, height in pixels
    ExportUnbuildable,     // path
    ExportOutOfMemory,     // path, width, height in pixels
    ExportCannotCreate,    // path, cause
    ExportCannotWrite,     // path, cause
    // A template picture.
    TemplateUnreadable,  // path, cause
    TemplateTooLarge,    // path, width, height, the side limit, the pixel limit in millions
    TemplateNotFound,    // path: the document's template is not where its line says
    // path: a file the document would name whose name Windows-1251 cannot hold
    FileNameNotStorable,
    // A picture placed on the plate; it is drawn as a crossed box.
    PictureNotFound,    // path
    PictureUnreadable,  // path, cause
    PictureNotDrawing,  // path: an SVG file that holds no drawing
    // Printing.
    PrintCannotStart,
    PrintNotSent,  // printer name
    // Finding a scale plate on a scan.
    ScanResolutionOutOfRange,  // the scan's resolution, the lowest and highest taken, in dpi
    ScanTicksNotFound,         // the ticks that meet at one point, the fewest a scale needs
};

struct Outcome {
    Fault fault = Fault::None;
    std::vector<std::string> args;  // UTF-8

    bool ok() const { return fault == Fault::None; }
    static Outcome Failed(Fault fault, std::vector<std::string> args = {}) {
        return {fault, std::move(args)};
    }
    bool operator==(const Outcome&) const = default;
};

// A value, or the outcome that says why there is none.
template <class T>
struct Result {
    Outcome outcome;
    T value{};

    bool ok() const { return outcome.ok(); }
};

}  // namespace quirn
