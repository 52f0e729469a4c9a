// SPDX-License-Identifier: GPL-3.0-or-later
// What the command line asks of the program, read through QCommandLineParser. Qt's own options
// (-platform, -style and the other standard ones) are recognised and left to the application,
// which takes them out of argv when it starts.
#pragma once

#include <string>
#include <vector>

#include "peripherals/PictureExport.h"
#include "peripherals/SheetOptions.h"

namespace quirn {

struct CommandLineRequest {
    enum class Action { Desktop, Help, Version, DumpParameters, Export, Print, Error };
    Action action = Action::Desktop;
    std::string file;    // the document to open, dump, export or print; may be empty
    std::string output;  // --export target
    int dpi = 0;         // --dpi; 0 means the application printer's
    SheetOptions sheet;  // --copies and --mirror, for --export and --print
    TextOutput text = TextOutput::AsText;  // --outline-text, for --export
    // --from-scan: the document is proposed from this scan, its big ticks numbered from
    // firstValue to lastValue (--values); for --export.
    std::string scan;
    double firstValue = 0.0;
    double lastValue = 0.0;
    std::string error;  // for Action::Error, in the language in force

    bool operator==(const CommandLineRequest&) const = default;
};

// args excludes the program name. Needs no application; the texts are in the language in force.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

// The --help text as QCommandLineParser lays it out, naming the program as the application's
// first argument does. Needs an application.
std::string UsageText();

}  // namespace quirn
