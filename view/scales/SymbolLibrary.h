// SPDX-License-Identifier: GPL-3.0-or-later
// The meter symbols that ship with the program as pictures a plate may carry, by the names the
// "Надписи и рисунки" page lists them under.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <span>

namespace quirn {

struct LibrarySymbol {
    const char* file;  // in the library's folder, and so in the record
    const char* name;  // untranslated, context "quirn::SymbolLibrary"
};

std::span<const LibrarySymbol> LibrarySymbols();
QString SymbolName(const LibrarySymbol& symbol);

// The width the symbol is drawn at, in drawing units: its drawing's own; none when the library
// lacks it.
std::optional<std::int32_t> NaturalWidth(const LibrarySymbol& symbol);

}  // namespace quirn
