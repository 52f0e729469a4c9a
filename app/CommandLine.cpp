#include "app/CommandLine.h"

#include <charconv>

namespace quirn {
namespace {

using Action = CommandLineRequest::Action;

CommandLineRequest Fail(std::string message) {
    CommandLineRequest request;
    request.action = Action::Error;
    request.error = std::move(message);
    return request;
}

bool ParseDpi(const std::string& text, int& dpi) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (value < 25 || value > 9600) return false;
    dpi = value;
    return true;
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    CommandLineRequest request;
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        auto value = [&]() -> const std::string* {
            return i + 1 < args.size() ? &args[++i] : nullptr;
        };
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-h" || arg == "--help") {
            request.action = Action::Help;
            return request;
        } else if (arg == "-v" || arg == "--version") {
            request.action = Action::Version;
            return request;
        } else if (arg == "--dump-parameters") {
            request.action = Action::DumpParameters;
        } else if (arg == "--export") {
            const std::string* out = value();
            if (!out) return Fail("--export needs an output file name");
            request.action = Action::Export;
            request.output = *out;
        } else if (arg == "--dpi") {
            const std::string* dpi = value();
            if (!dpi || !ParseDpi(*dpi, request.dpi))
                return Fail("--dpi needs a whole number of dots per inch from 25 to 9600");
        } else if (arg == "--print") {
            request.action = Action::Print;
        } else {
            return Fail("unknown option " + arg);
        }
    }
    if (files.size() > 1) return Fail("only one file can be named");
    if (!files.empty()) request.file = files.front();
    if (request.dpi != 0 && request.action != Action::Export)
        return Fail("--dpi is used only with --export");
    if ((request.action == Action::DumpParameters || request.action == Action::Print) &&
        request.file.empty())
        return Fail(request.action == Action::Print ? "--print needs a file"
                                                    : "--dump-parameters needs a file");
    return request;
}

std::string UsageText() {
    return "Usage: quirn [FILE]\n"
           "       quirn --export OUT [--dpi N] [FILE]\n"
           "       quirn --print FILE\n"
           "       quirn --dump-parameters FILE\n"
           "\n"
           "Draws the dial scale of an analog instrument at true size.\n"
           "\n"
           "  FILE                     a scale parameter file (.qrn) to open\n"
           "  --export OUT             write the scale as printed to OUT without a window;\n"
           "                           the extension chooses the format: .bmp (1 bit per pixel,\n"
           "                           true resolution in the header, zones hatched), .png (in\n"
           "                           colour when the plate has zones), .svg or .pdf (true\n"
           "                           size in millimetres); without FILE the new document\n"
           "                           (Initial.qrn of the current folder, else the defaults)\n"
           "  --dpi N                  resolution of a .bmp or .png export (default: the\n"
           "                           default printer's, 600 without a printer)\n"
           "  --print FILE             print FILE on the default printer without a dialog\n"
           "  --dump-parameters FILE   write the parameters as the program reads FILE\n"
           "  -h, --help               show this help\n"
           "  -v, --version            show the version\n";
}

}  // namespace quirn
