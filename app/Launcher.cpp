#include "app/Launcher.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CQuirnApp.h"
#include "app/CommandLine.h"
#include "app/FileErrorText.h"
#include "app/HeadlessExport.h"
#include "app/HeadlessPrint.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"

namespace quirn {
namespace {

std::string FullPath(const std::string& path) {
    std::error_code ignored;
    const auto absolute = std::filesystem::absolute(path, ignored);
    return absolute.empty() ? path : absolute.string();
}

int Complain(const std::string& message) {
    std::fprintf(stderr, "quirn: %s\n", message.c_str());
    return 1;
}

int DumpParameters(const std::string& file) {
    const FileReadResult read = ReadFileHead(file, kParameterReadLimit);
    if (read.error != FileError::None)
        return Complain(FileErrorText(read.error, FullPath(file), FileOperation::Open));
    const std::string text = WriteParameterText(ReadScaleParameters(read.bytes));
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return Complain("cannot write to standard output");
    return 0;
}

}  // namespace

int RunQuirn(int argc, char** argv) {
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineRequest request = ParseCommandLine(args);
    using Action = CommandLineRequest::Action;
    switch (request.action) {
        case Action::Error:
            std::fprintf(stderr, "quirn: %s\nTry 'quirn --help' for more information.\n",
                         request.error.c_str());
            return 2;
        case Action::Help: std::fputs(UsageText().c_str(), stdout); return 0;
        case Action::Version: std::printf("quirn %s\n", QUIRN_VERSION); return 0;
        case Action::DumpParameters: return DumpParameters(request.file);
        case Action::Desktop: return RunDesktop(argc, argv, request.file);
        case Action::Export: return RunExport(request, argc, argv);
        case Action::Print: return RunPrint(request, argc, argv);
    }
    return 2;
}

}  // namespace quirn
