// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <charconv>
#include <optional>

#include "view/panel/PanelText.h"

namespace quirn {
namespace {

using Action = CommandLineRequest::Action;

const char* const kContext = "quirn::CommandLine";

QString Tr(const char* text) {
    return QCoreApplication::translate(kContext, text);
}

// Arguments pass through the parser byte for byte: a file name need not be UTF-8.
QString FromBytes(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

// Qt's standard options, which QCoreApplication, QGuiApplication, QApplication and the X11
// platform take out of argv when the application starts. Named here, hidden from the help, so
// that neither they nor their values count as files or errors.
const char* const kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "style",           "stylesheet",         "display",       "name",
    "visual",          "geometry",           "title",         "icon",
    "qmljsdebugger"};
const char* const kQtFlags[] = {"reverse", "widgetcount", "testability", "nograb", "dograb"};

// The program's own options, for the parsing and the help alike.
struct Options {
    QCommandLineOption exportTo{
        QStringLiteral("export"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "записать шкалу, как она печатается, в файл ВЫХОД без окна; формат "
                             "задаёт расширение: .bmp (1 бит на точку, настоящее разрешение в "
                             "заголовке, зоны штрихуются), .png (цветной, когда на шкале есть "
                             "зоны), .svg или .pdf (натуральная величина в миллиметрах); без "
                             "ФАЙЛА — новый документ, как при запуске программы (Initial.qrn, "
                             "иначе параметры по умолчанию)")),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "ВЫХОД"))};
    QCommandLineOption dpi{
        QStringLiteral("dpi"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "разрешение файла .bmp или .png (по умолчанию — как у принтера по "
                             "умолчанию, без принтера 600)")),
        QStringLiteral("N")};
    QCommandLineOption copies{
        QStringLiteral("copies"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "сколько копий шкалы поместить на лист, от 1 до 100, рядами с "
                             "метками обреза: при печати на бумаге принтера, в файл .pdf на "
                             "листах A4 (по умолчанию 1: в .pdf страница — сама шкала)")),
        QStringLiteral("N")};
    QCommandLineOption mirror{
        QStringLiteral("mirror"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "отразить шкалу слева направо, для печати на обороте прозрачной "
                             "плёнки: при печати и в файл .pdf или .svg"))};
    QCommandLineOption outlineText{
        QStringLiteral("outline-text"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "записать надписи в файл .svg или .pdf контурами, которым не нужен "
                             "шрифт"))};
    QCommandLineOption fromScan{
        QStringLiteral("from-scan"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "предложить шкалу по скану старой пластины (PNG, JPEG, TIFF или BMP "
                             "с разрешением в файле): найти ось, деления, дугу и края пластины; "
                             "вместе с --values и --export: в файл .qrn — документ со сканом как "
                             "шаблоном, в .bmp, .png, .svg или .pdf — его рисунок")),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "СКАН"))};
    QCommandLineOption values{
        QStringLiteral("values"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "значения первой и последней больших отметок скана для --from-scan, "
                             "например 0:15")),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "ПЕРВОЕ:ПОСЛЕДНЕЕ"))};
    QCommandLineOption print{
        QStringLiteral("print"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "напечатать ФАЙЛ на принтере по умолчанию без диалога"))};
    QCommandLineOption dump{
        QStringLiteral("dump-parameters"),
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "вывести параметры так, как программа читает ФАЙЛ"))};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "показать эту справку"))};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")},
                               Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "показать версию"))};
};

void Describe(QCommandLineParser& parser, const Options& options) {
    // Qt's own options are words after a single dash, "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(Tr(QT_TRANSLATE_NOOP(
        "quirn::CommandLine",
        "Рисует шкалу стрелочного измерительного прибора в натуральную величину.")));
    parser.addOptions({options.exportTo, options.dpi, options.copies, options.mirror,
                       options.outlineText, options.fromScan, options.values, options.print,
                       options.dump, options.help, options.version});
    const QString file = Tr(QT_TRANSLATE_NOOP("quirn::CommandLine", "ФАЙЛ"));
    parser.addPositionalArgument(
        file,
        Tr(QT_TRANSLATE_NOOP("quirn::CommandLine",
                             "файл параметров шкалы (.qrn), который нужно открыть")),
        QLatin1Char('[') + file + QLatin1Char(']'));
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The message in the language in force; %1, when given, stands for the argument as typed.
CommandLineRequest Fail(const char* message, const std::string& argument = {}) {
    CommandLineRequest request;
    request.action = Action::Error;
    request.error = Tr(message).toStdString();
    // Replaced in bytes: an argument need not be UTF-8.
    if (const auto at = request.error.find("%1"); at != std::string::npos)
        request.error.replace(at, 2, argument);
    return request;
}

bool ParseDpi(const std::string& text, int& dpi) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (value < kLowestExportDpi || value > kHighestExportDpi) return false;
    dpi = value;
    return true;
}

bool ParseCopies(const std::string& text, int& copies) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return false;
    if (value < 1 || value > SheetOptions::kMostCopies) return false;
    copies = value;
    return true;
}

// "FIRST:LAST", two numbers that differ, "." or "," for the decimal point.
bool ParseScanValues(const std::string& text, double& first, double& last) {
    const std::size_t colon = text.find(':');
    if (colon == std::string::npos) return false;
    const std::optional<double> a = FieldNumber(text.substr(0, colon));
    const std::optional<double> b = FieldNumber(text.substr(colon + 1));
    if (!a || !b || *a == *b) return false;
    first = *a;
    last = *b;
    return true;
}

constexpr const char* kValuesNeeded = QT_TRANSLATE_NOOP(
    "quirn::CommandLine", "после --values нужны два разных числа через двоеточие, например 0:15");

// --from-scan and --values, which go together and with --export.
CommandLineRequest CheckScan(CommandLineRequest request, const QCommandLineParser& parser,
                             const Options& options) {
    if (parser.isSet(options.values) && !parser.isSet(options.fromScan))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "--values применяется только вместе с --from-scan"));
    if (!parser.isSet(options.fromScan)) return request;
    if (request.action != Action::Export)
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "--from-scan применяется только вместе с --export"));
    if (!parser.isSet(options.values))
        return Fail(
            QT_TRANSLATE_NOOP("quirn::CommandLine",
                              "для --from-scan нужны --values ПЕРВОЕ:ПОСЛЕДНЕЕ, например 0:15"));
    if (!ParseScanValues(ToBytes(parser.value(options.values)), request.firstValue,
                         request.lastValue))
        return Fail(kValuesNeeded);
    request.scan = ToBytes(parser.value(options.fromScan));
    return request;
}

// The output's extension in lower case, which chooses its format.
std::string OutputFormat(const std::string& output) {
    const QString name = FromBytes(output);
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > slash ? ToBytes(name.mid(dot + 1).toLower()) : std::string();
}

// --copies, --mirror and --outline-text, where the job and the format take them.
CommandLineRequest CheckSheetOptions(CommandLineRequest request, const QCommandLineParser& parser,
                                     const Options& options) {
    const bool exporting = request.action == Action::Export;
    const bool sheetJob = exporting || request.action == Action::Print;
    const std::string format = exporting ? OutputFormat(request.output) : std::string();
    const bool vector = format == "pdf" || format == "svg";
    if (parser.isSet(options.copies) || parser.isSet(options.mirror)) {
        if (!sheetJob)
            return Fail(QT_TRANSLATE_NOOP(
                "quirn::CommandLine",
                "--copies и --mirror применяются только вместе с --export или --print"));
        if (exporting && request.sheet.copies > 1 && format != "pdf")
            return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                          "несколько копий на листе пишутся только в файл .pdf"));
        if (exporting && request.sheet.mirror == Mirroring::LeftToRight && !vector)
            return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                          "--mirror применяется только к файлам .pdf и .svg"));
    }
    if (request.text == TextOutput::AsOutlines && (!exporting || !vector))
        return Fail(QT_TRANSLATE_NOOP(
            "quirn::CommandLine",
            "--outline-text применяется только вместе с --export в файл .svg или .pdf"));
    return request;
}

// The argument as typed that the parser reported by its bare name.
std::string TypedOption(const std::vector<std::string>& args, const QString& name) {
    for (const std::string& arg : args) {
        if (arg == "--") break;
        const std::size_t dashes = arg.rfind("--", 0) == 0 ? 2 : 1;
        if (arg.size() > dashes && arg[0] == '-' &&
            FromBytes(arg.substr(dashes, arg.find('=') - dashes)) == name)
            return arg;
    }
    return ToBytes(name);
}

// Named on the command line, but the arguments ended before its value.
bool LacksValue(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QString name = option.names().constFirst();
    return parser.optionNames().count(name) > parser.values(name).size();
}

CommandLineRequest ParseFailure(const QCommandLineParser& parser, const Options& options,
                                const std::vector<std::string>& args) {
    if (!parser.unknownOptionNames().isEmpty())
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine", "неизвестный параметр %1"),
                    TypedOption(args, parser.unknownOptionNames().constFirst()));
    if (LacksValue(parser, options.exportTo))
        return Fail(
            QT_TRANSLATE_NOOP("quirn::CommandLine", "после --export нужно имя выходного файла"));
    if (LacksValue(parser, options.copies))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "после --copies нужно целое число копий от 1 до 100"));
    if (LacksValue(parser, options.fromScan))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine", "после --from-scan нужно имя скана"));
    if (LacksValue(parser, options.values)) return Fail(kValuesNeeded);
    if (LacksValue(parser, options.dpi))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "после --dpi нужно целое число точек на дюйм от 1 до 9600"));
    // A value for an option that takes none, or none for one of Qt's: Qt's own words, which its
    // catalogue puts in the language in force.
    CommandLineRequest request;
    request.action = Action::Error;
    request.error = parser.errorText().toStdString();
    return request;
}

}  // namespace

CommandLineRequest ParseCommandLine(const std::vector<std::string>& args) {
    const Options options;
    QCommandLineParser parser;
    Describe(parser, options);
    QStringList arguments{QStringLiteral("quirn")};
    for (const std::string& arg : args) arguments << FromBytes(arg);
    const bool parsed = parser.parse(arguments);

    CommandLineRequest request;
    // Asking for the help or the version is answered whatever else the line holds.
    for (const QString& name : parser.optionNames()) {
        if (options.help.names().contains(name)) request.action = Action::Help;
        if (options.version.names().contains(name)) request.action = Action::Version;
        if (request.action != Action::Desktop) return request;
    }
    if (!parsed) return ParseFailure(parser, options, args);

    // Of several jobs the last one named is done.
    for (const QString& name : parser.optionNames()) {
        if (name == options.exportTo.names().constFirst()) request.action = Action::Export;
        if (name == options.print.names().constFirst()) request.action = Action::Print;
        if (name == options.dump.names().constFirst()) request.action = Action::DumpParameters;
    }
    if (request.action == Action::Export) request.output = ToBytes(parser.value(options.exportTo));
    if (parser.isSet(options.dpi) && !ParseDpi(ToBytes(parser.value(options.dpi)), request.dpi))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "после --dpi нужно целое число точек на дюйм от 1 до 9600"));
    if (parser.isSet(options.copies) &&
        !ParseCopies(ToBytes(parser.value(options.copies)), request.sheet.copies))
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine",
                                      "после --copies нужно целое число копий от 1 до 100"));
    if (parser.isSet(options.mirror)) request.sheet.mirror = Mirroring::LeftToRight;
    if (parser.isSet(options.outlineText)) request.text = TextOutput::AsOutlines;

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return Fail(QT_TRANSLATE_NOOP("quirn::CommandLine", "можно назвать только один файл"));
    if (!files.isEmpty()) request.file = ToBytes(files.constFirst());
    if (request.dpi != 0 && request.action != Action::Export)
        return Fail(
            QT_TRANSLATE_NOOP("quirn::CommandLine", "--dpi применяется только вместе с --export"));
    if ((request.action == Action::DumpParameters || request.action == Action::Print) &&
        request.file.empty())
        return Fail(request.action == Action::Print
                        ? QT_TRANSLATE_NOOP("quirn::CommandLine", "после --print нужно имя файла")
                        : QT_TRANSLATE_NOOP("quirn::CommandLine",
                                            "после --dump-parameters нужно имя файла"));
    request = CheckSheetOptions(request, parser, options);
    if (request.action == Action::Error) return request;
    return CheckScan(request, parser, options);
}

std::string UsageText() {
    const Options options;
    QCommandLineParser parser;
    Describe(parser, options);
    return parser.helpText().toStdString();
}

}  // namespace quirn
