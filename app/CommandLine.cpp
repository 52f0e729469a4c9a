#include "app/CommandLine.h"

#include <QCoreApplication>
#include <charconv>

namespace quirn {
namespace {

using Action = CommandLineRequest::Action;

const char* const kContext = "quirn::CommandLine";

// The message in the language in force; %1, when given, stands for the argument as typed.
CommandLineRequest Fail(const char* message, const std::string& argument = {}) {
    CommandLineRequest request;
    request.action = Action::Error;
    request.error = QCoreApplication::translate(kContext, message).toStdString();
    // Replaced in bytes: an argument need not be UTF-8.
    if (const auto at = request.error.find("%1"); at != std::string::npos)
        request.error.replace(at, 2, argument);
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
            if (!out)
                return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                              "после --export нужно имя выходного файла"));
            request.action = Action::Export;
            request.output = *out;
        } else if (arg == "--dpi") {
            const std::string* dpi = value();
            if (!dpi || !ParseDpi(*dpi, request.dpi))
                return Fail(
                    QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "после --dpi нужно целое число точек на дюйм от 25 до 9600"));
        } else if (arg == "--print") {
            request.action = Action::Print;
        } else {
            return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine", "неизвестный параметр %1"), arg);
        }
    }
    if (files.size() > 1)
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine", "можно назвать только один файл"));
    if (!files.empty()) request.file = files.front();
    if (request.dpi != 0 && request.action != Action::Export)
        return Fail(
            QT_TRANSLATE_NOOP("quirn::CommandLine", "--dpi применяется только вместе с --export"));
    if ((request.action == Action::DumpParameters || request.action == Action::Print) &&
        request.file.empty())
        return Fail(request.action == Action::Print
                        ? QT_TRANSLATE_NOOP("quirn::CommandLine", "после --print нужно имя файла")
                        : QT_TRANSLATE_NOOP("quirn::CommandLine",
                                            "после --dump-parameters нужно имя файла"));
    return request;
}

std::string UsageText() {
    return QCoreApplication::translate(
               "quirn::CommandLine",
               "Запуск: quirn [ФАЙЛ]\n"
               "        quirn --export ВЫХОД [--dpi N] [ФАЙЛ]\n"
               "        quirn --print ФАЙЛ\n"
               "        quirn --dump-parameters ФАЙЛ\n"
               "\n"
               "Рисует шкалу стрелочного измерительного прибора в натуральную величину.\n"
               "\n"
               "  ФАЙЛ                     файл параметров шкалы (.qrn), который нужно открыть\n"
               "  --export ВЫХОД           записать шкалу, как она печатается, в файл ВЫХОД без\n"
               "                           окна; формат задаёт расширение: .bmp (1 бит на точку,\n"
               "                           настоящее разрешение в заголовке, зоны штрихуются),\n"
               "                           .png (цветной, когда на шкале есть зоны), .svg или "
               ".pdf\n"
               "                           (натуральная величина в миллиметрах); без ФАЙЛА —\n"
               "                           новый документ (Initial.qrn текущей папки, иначе\n"
               "                           параметры по умолчанию)\n"
               "  --dpi N                  разрешение файла .bmp или .png (по умолчанию — как у\n"
               "                           принтера по умолчанию, без принтера 600)\n"
               "  --print ФАЙЛ             напечатать ФАЙЛ на принтере по умолчанию без диалога\n"
               "  --dump-parameters ФАЙЛ   вывести параметры так, как программа читает ФАЙЛ\n"
               "  -h, --help               показать эту справку\n"
               "  -v, --version            показать версию\n")
        .toStdString();
}

}  // namespace quirn
