// What the command line asks of the program.
#pragma once

#include <string>
#include <vector>

namespace quirn {

struct CommandLineRequest {
    enum class Action { Desktop, Help, Version, DumpParameters, Export, Print, Error };
    Action action = Action::Desktop;
    std::string file;    // the document to open, dump, export or print; may be empty
    std::string output;  // --export target
    int dpi = 0;         // --dpi; 0 means the application printer's
    std::string error;   // for Action::Error

    bool operator==(const CommandLineRequest&) const = default;
};

// args excludes the program name.
CommandLineRequest ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();

}  // namespace quirn
