// SPDX-License-Identifier: GPL-3.0-or-later
// What an operation that may fail reports: a code saying what went wrong and the arguments its
// message names (a path, sizes, limits, the system's own words for the cause), in the order the
// message places them. The message is worded and translated where it is shown
// (view/dialogs/OutcomeText).
#pragma once

#include <cstdint>
#include <memory>
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
    ExportCancelled,       // path: the user stopped it, and the target is as it was
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
    // A scale's law or lists refused: the scale's number (a zone's for ZoneScaleMissing), the
    // item at fault, the low and the high end of the scale's values.
    EmptySpan,             // start equal to the end on a linear scale
    SquareNegativeStart,   // a square law below zero
    OhmCentre,             // an ohm scale whose centre value is not above zero
    OhmWithoutLists,       // an ohm scale without its tick and number lists
    TableTooShort,         // a table law with fewer than two points
    TableNotIncreasing,    // table values not strictly increasing: the pair where they turn
    TableFractionOutside,  // a table fraction outside 0..1
    TableFractionFalls,    // a fraction below the one before while the values rise: the pair
    TableShortOfScale,     // the table's points do not reach both ends: the points' own reach
    SwrBelowOne,           // a value of a standing-wave-ratio scale's lists below 1
    TickOutside,           // a value of the ticks list outside the scale's values
    BigTickOutside,        // a value of the big ticks list outside them
    NumberOutside,         // a value of the numbers list outside them
    ZoneScaleMissing,      // zone number, the scale it names
    // A typed field refused; the field is named by its caption, the typed text quoted.
    FieldNotNumber,        // caption, typed (the parameter panel)
    FieldNotWhole,         // caption, typed
    FieldTooLarge,         // caption, typed
    FieldOutsideLimits,    // caption, typed, the bound it must exceed, the bound it may reach
    KeyNotNumber,          // caption, typed (a scale's page)
    KeyBelowZero,          // caption, typed
    KeyNotWhole,           // caption, typed
    KeyListNotNumber,      // caption, the item that is not a number
    KeyListNotPoint,       // caption, the item that is not a value:fraction point
    ItemNotNumber,         // item, caption, typed (the free texts, pictures and places)
    ItemTextEmpty,         // item
    ItemFaceUnreadable,    // item, typed
    ItemColourUnreadable,  // item, typed
    ItemWidthNotPositive,  // item, typed
    ItemWithoutFile,       // item
    ZoneScaleOutside,      // zone number, the plate's number of scales, typed
    ZoneNotNumber,         // zone number, caption, typed
    FaceNotChosen,
    FaceNameWithComma,    // family
    FaceNameNotStorable,  // family
    FaceSizeOutside,      // lowest, highest, typed
    ScreenWidthNotNumber,
    ScreenWidthImpossible,  // typed width, the width the screen reports, in millimetres
    // Where a refusal lies; its cause is the refusal itself, worded after the arguments.
    InScale,  // the scale's number
    InItem,   // the item's caption (a label's, a picture's)
    // Finding a scale plate on a scan.
    ScanUnreadable,            // path, cause
    ScanResolutionOutOfRange,  // the scan's resolution, the lowest and highest taken, in dpi
    ScanTicksNotFound,         // the ticks that meet at one point, the fewest a scale needs
    // A calibration click beyond the end of the scale's arc: the half-angle the click would need
    // and the scale's own, in degrees.
    CalibrationBeyondArc,
};

struct Outcome {
    Fault fault = Fault::None;
    std::vector<std::string> args;  // UTF-8
    // The outcome this one places (InScale, InItem): its message follows the arguments.
    std::shared_ptr<const Outcome> cause;

    bool ok() const { return fault == Fault::None; }
    static Outcome Failed(Fault fault, std::vector<std::string> args = {}) {
        return {fault, std::move(args), nullptr};
    }
    // inner, said to lie where fault and args say.
    static Outcome Within(Fault fault, std::vector<std::string> args, Outcome inner) {
        return {fault, std::move(args), std::make_shared<const Outcome>(std::move(inner))};
    }
    bool operator==(const Outcome& other) const {
        if (fault != other.fault || args != other.args) return false;
        if (!cause || !other.cause) return cause == other.cause;
        return *cause == *other.cause;
    }
};

// A value, or the outcome that says why there is none.
template <class T>
struct Result {
    Outcome outcome;
    T value{};

    bool ok() const { return outcome.ok(); }
};

}  // namespace quirn
