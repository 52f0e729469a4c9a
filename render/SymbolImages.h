// SPDX-License-Identifier: GPL-3.0-or-later
// The dial symbol images and the lookup of the program's data files.
#pragma once

#include <QString>

#include "render/Scene.h"

namespace quirn {

// Path of a data file given by bare name: the current directory first, then the data folder as
// installed beside the program (by default bin/../share/quirn). Empty when neither holds it.
QString FindDataFile(const QString& bareName);

// The library of meter symbols that ships with the program: the folder "symbols" in the data
// folder, and the path of one of its files by bare name (empty when it holds none such).
QString SymbolLibraryFolder();
QString FindLibrarySymbol(const QString& bareName);

// The symbols Data, Romb and Others: the user's own bitmap (Data.bmp, ...) in the current
// directory, else the drawing in the data folder (Data.svg, ...), else the bitmap there. A symbol
// that is missing or unreadable stays null.
SymbolImages LoadSymbolImages();

}  // namespace quirn
