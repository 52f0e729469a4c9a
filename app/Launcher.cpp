// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Launcher.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/HeadlessExport.h"
#include "app/HeadlessPrint.h"
#include "app/HeadlessSupport.h"
#include "app/UserFiles.h"
#include "model/ParameterText.h"

namespace quirn {
namespace {

int DumpParameters(const std::string& file) {
    const std::optional<ScaleParameters> parameters = ReadScaleFileOrComplain(file);
    if (!parameters) return 1;
    const std::string text = TerminalText(WriteParameterText(*parameters, FileTextForm::Utf8));
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0)
        return Complain(QCoreApplication::translate("quirn::Launcher",
                                                    "не удалось записать в стандартный вывод")
                            .toStdString());
    return 0;
}

}  // namespace

int RunQuirn(int argc, char** argv) {
    NameTheProgram();
    std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    const CommandLineRequest request = ParseCommandLine(args);
    using Action = CommandLineRequest::Action;
    switch (request.action) {
        case Action::Error: {
            const auto app = StartTextApplication(argc, argv);
            // Read again, now that the program's language is in force.
            const std::string error = ParseCommandLine(args).error;
            const QString more =
                QCoreApplication::translate("quirn::Launcher", "Подробнее: quirn --help");
            std::fprintf(stderr, "quirn: %s\n%s\n", error.c_str(), more.toStdString().c_str());
            return 2;
        }
        case Action::Help: {
            // The help names the program as its messages do, however it was started.
            char name[] = "quirn";
            char* nameOnly[] = {name, nullptr};
            int count = 1;
            const auto app = StartTextApplication(count, nameOnly);
            std::fputs(UsageText().c_str(), stdout);
            return 0;
        }
        case Action::Version:
            // As QCommandLineParser::showVersion words it, which would end the process itself.
            std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                        qPrintable(QCoreApplication::applicationVersion()));
            return 0;
        case Action::DumpParameters: {
            const auto app = StartTextApplication(argc, argv);
            return DumpParameters(request.file);
        }
        case Action::Desktop:
            return RunDesktop(argc, argv, request.file);
        case Action::Export:
            return RunExport(request, argc, argv);
        case Action::Print:
            return RunPrint(request, argc, argv);
    }
    return 2;
}

}  // namespace quirn
