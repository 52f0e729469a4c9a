// SPDX-License-Identifier: GPL-3.0-or-later
// How plates are laid on a printed sheet or a PDF page, and how a printer's scale is corrected.
#pragma once

namespace quirn {

// Mirrored left to right, for printing on the back of transparent film.
enum class Mirroring { None, LeftToRight };

// copies plates in rows with a gap and crop marks at each plate's corners. One copy unmirrored
// is the page as it has always been.
struct SheetOptions {
    static constexpr int kMostCopies = 100;  // from the command line and the dialogs alike
    int copies = 1;
    Mirroring mirror = Mirroring::None;
    bool operator==(const SheetOptions&) const = default;
};

// What a printer's pages are stretched by so that they come out true size: the length asked
// for over the length the printer printed (100 mm over 99.4 mm measured is 1.006). Applied to
// that printer's pages only, never to files.
struct PrinterScale {
    double horizontal = 1.0;
    double vertical = 1.0;
    bool operator==(const PrinterScale&) const = default;
};

// What a printed page carries besides the scale and the margins.
struct PageOptions {
    SheetOptions sheet;
    PrinterScale scale;
    bool operator==(const PageOptions&) const = default;
};

// Zones filled in their colours, or hatched in black for a device that prints grey only.
enum class ZonePainting { Coloured, Hatched };

}  // namespace quirn
