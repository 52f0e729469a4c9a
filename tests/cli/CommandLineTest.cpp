// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include "app/CommandLine.h"
#include "model/TextCodec.h"

namespace quirn {
namespace {

using Action = CommandLineRequest::Action;

TEST(CommandLine, RecognisesEachJobAndItsArguments) {
    EXPECT_EQ(ParseCommandLine({}).action, Action::Desktop);
    EXPECT_EQ(ParseCommandLine({"a.qrn"}).file, "a.qrn");
    EXPECT_EQ(ParseCommandLine({"--help", "--bogus"}).action, Action::Help);
    EXPECT_EQ(ParseCommandLine({"-v"}).action, Action::Version);

    const CommandLineRequest exportRequest =
        ParseCommandLine({"--export", "out.bmp", "--dpi", "1200", "scale.qrn"});
    EXPECT_EQ(exportRequest.action, Action::Export);
    EXPECT_EQ(exportRequest.output, "out.bmp");
    EXPECT_EQ(exportRequest.dpi, 1200);
    EXPECT_EQ(exportRequest.file, "scale.qrn");
    EXPECT_EQ(ParseCommandLine({"--export", "out.png"}).file, "");
    EXPECT_EQ(ParseCommandLine({"--", "--export"}).file, "--export");
    const CommandLineRequest sheet = ParseCommandLine(
        {"--export", "Out.PDF", "--copies", "12", "--mirror", "--outline-text", "a.qrn"});
    EXPECT_EQ(sheet.action, Action::Export) << sheet.error;
    EXPECT_EQ(sheet.sheet, (SheetOptions{12, Mirroring::LeftToRight}));
    EXPECT_EQ(sheet.text, TextOutput::AsOutlines);
    EXPECT_EQ(ParseCommandLine({"--print", "a.qrn", "--copies=100"}).sheet.copies, 100);
    EXPECT_EQ(ParseCommandLine({"--export", "a.svg", "--mirror"}).sheet.mirror,
              Mirroring::LeftToRight);
    // Values after "=" too; Qt's own options, with their values, are neither files nor errors.
    EXPECT_EQ(ParseCommandLine({"-platform", "offscreen", "--export=out.bmp", "-style", "fusion",
                                "--dpi=1200", "-reverse", "-style=fusion", "scale.qrn"}),
              exportRequest);
}

TEST(CommandLine, RejectsWhatItCannotDo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--export"},
                                               {"--export", "a.bmp", "--dpi"},
                                               {"--export", "a.bmp", "--dpi", "0"},
                                               {"--export", "a.bmp", "--dpi", "9601"},
                                               {"--export", "a.bmp", "--dpi", "600x"},
                                               {"--dpi", "600", "a.qrn"},
                                               {"--dump-parameters"},
                                               {"--print"},
                                               {"a.qrn", "b.qrn"},
                                               {"--frobnicate"},
                                               {"--export=a.bmp", "--dpi=0"},
                                               {"--print=a.qrn"},
                                               {"a.qrn", "-platform"},
                                               {"--export", "a.pdf", "--copies"},
                                               {"--export", "a.pdf", "--copies", "0"},
                                               {"--export", "a.pdf", "--copies", "101"},
                                               {"--export", "a.pdf", "--copies", "2x"},
                                               {"--export", "a.svg", "--copies", "2"},
                                               {"--export", "a.png", "--mirror"},
                                               {"--export", "a.bmp", "--outline-text"},
                                               {"--print", "a.qrn", "--outline-text"},
                                               {"--copies", "2", "a.qrn"},
                                               {"--mirror", "a.qrn"}}) {
        const CommandLineRequest request = ParseCommandLine(args);
        EXPECT_EQ(request.action, Action::Error) << args.front();
        EXPECT_FALSE(request.error.empty());
    }
    EXPECT_EQ(ParseCommandLine({"--export", "a.pdf", "--copies", "0"}).error,
              "после --copies нужно целое число копий от 1 до 100");
}

struct ProcessResult {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

ProcessResult RunProgram(
    const QStringList& args, const QString& workingDir = {},
    const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    if (!workingDir.isEmpty()) process.setWorkingDirectory(workingDir);
    process.start(QUIRN_TEST_BINARY, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

// The environment with the locale set, for the programs whose output follows it.
QProcessEnvironment InLocale(const QString& locale) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LC_ALL", locale);
    return environment;
}

TEST(CommandLineProgram, DumpsParametersAsTheProgramReadsThemInTheLocalesEncoding) {
    QFile sample(QStringLiteral(QUIRN_TEST_SAMPLES "/E8021-250V-inside.qrn"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    const QByteArray file = sample.readAll();
    const ProcessResult run =
        RunProgram({"--dump-parameters", sample.fileName()}, {}, InLocale("C.UTF-8"));
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    // What a terminal shows: the file's text in UTF-8, a line feed ending each line.
    QByteArray shown = QByteArray::fromStdString(Cp1251ToUtf8(file.toStdString()));
    shown.replace("\r\n", "\n");
    EXPECT_EQ(run.out, shown);
    EXPECT_TRUE(run.out.startsWith("name\t= Э8021\nunit\t= V\n")) << run.out.constData();

    QTemporaryDir dir;
    QFile loose(dir.filePath("loose.qrn"));
    ASSERT_TRUE(loose.open(QIODevice::WriteOnly));
    loose.write("Lshk=12\nname = \xC2\xEE\xEB\xFC\xF2\nunit.utf8 = k\xCE\xA9\n");
    loose.close();
    const ProcessResult looseRun =
        RunProgram({"--dump-parameters", loose.fileName()}, {}, InLocale("C.UTF-8"));
    EXPECT_TRUE(looseRun.out.startsWith("name\t= Вольт\nunit\t= kΩ\nrange\t= 0\n"))
        << looseRun.out.constData();
    EXPECT_TRUE(looseRun.out.contains("\nLshk\t= 12\nHshk\t= 0\n"));
    EXPECT_FALSE(looseRun.out.contains(".utf8")) << "the text is whole already";
    // A locale of ASCII alone shows what it cannot hold as "?".
    const ProcessResult ascii =
        RunProgram({"--dump-parameters", loose.fileName()}, {}, InLocale("C"));
    EXPECT_TRUE(ascii.out.startsWith("name\t= ?????\nunit\t= k?\n")) << ascii.out.constData();
}

TEST(CommandLineProgram, NoScaleFileRegressionEveryJobRefusesAPictureByName) {
    QTemporaryDir dir;
    const QString picture = dir.filePath("photo.qrn");
    QFile file(picture);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    file.close();
    const QString exported = dir.filePath("out.png");
    for (const QStringList& job :
         {QStringList{"--dump-parameters", picture}, QStringList{"--export", exported, picture},
          QStringList{"--print", picture}}) {
        const ProcessResult run = RunProgram(job, {}, InLocale("C.UTF-8"));
        EXPECT_EQ(run.exitCode, 1) << job.front().toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        EXPECT_TRUE(QString::fromUtf8(run.err).contains("quirn: Файл «" + picture +
                                                        "» не является файлом шкалы\n"))
            << run.err.constData();
    }
    EXPECT_FALSE(QFile::exists(exported));
}

TEST(CommandLineProgram, ReportsErrorsOnStandardErrorWithAFailingStatus) {
    const ProcessResult missing = RunProgram({"--dump-parameters", "/nonexistent/scale.qrn"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_TRUE(missing.err.contains("/nonexistent/scale.qrn")) << missing.err.constData();

    const ProcessResult bad = RunProgram({"--no-such-option"});
    EXPECT_NE(bad.exitCode, 0);
    EXPECT_TRUE(bad.err.contains("--no-such-option"));

    const ProcessResult help = RunProgram({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--export"));

    const ProcessResult version = RunProgram({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, "quirn " QUIRN_VERSION "\n");
}

// The desktop's language as the environment tells it, and a profile of its own.
QProcessEnvironment Desktop(const QString& lang, const QString& profileDir) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANGUAGE"}) environment.remove(name);
    environment.insert("LANG", lang);
    environment.insert("XDG_CONFIG_HOME", profileDir);
    return environment;
}

TEST(CommandLineProgram, SpeaksEnglishOnAnEnglishDesktopOrWhenChosen) {
    QTemporaryDir dir;
    const QProcessEnvironment english = Desktop("en_US.UTF-8", dir.path());
    const QProcessEnvironment russian = Desktop("ru_RU.UTF-8", dir.path());
    const QProcessEnvironment german = Desktop("de_DE.UTF-8", dir.path());

    // The help's frame is QCommandLineParser's, worded by Qt's catalogue.
    const ProcessResult help = RunProgram({"--help"}, dir.path(), english);
    EXPECT_TRUE(help.out.startsWith("Usage: quirn [options] [FILE]\n")) << help.out.constData();
    // The column of the options is as wide as the longest of them.
    EXPECT_TRUE(QString::fromUtf8(help.out).contains(
        QRegularExpression("\n  -v, --version +show the version\n")));
    EXPECT_FALSE(QString::fromUtf8(help.out).contains(QRegularExpression("[А-яЁё]")))
        << "every text of the English help is English";
    const QString russianHelp = QString::fromUtf8(RunProgram({"--help"}, dir.path(), russian).out);
    EXPECT_TRUE(russianHelp.startsWith("Использование: quirn [параметры] [ФАЙЛ]\n"));
    EXPECT_TRUE(russianHelp.contains(
        QRegularExpression(QString::fromUtf8("\n  -h, --help +показать эту справку\n"))));
    EXPECT_TRUE(RunProgram({"--help"}, dir.path(), german)
                    .out.startsWith("Использование: quirn [параметры] [ФАЙЛ]\n"));

    const ProcessResult bad = RunProgram({"--frobnicate"}, dir.path(), english);
    // Qt may say something of its own first.
    EXPECT_TRUE(
        bad.err.endsWith("quirn: unknown option --frobnicate\n"
                         "Try 'quirn --help' for more information.\n"))
        << bad.err.constData();
    // The renderer's and the export's messages too.
    const ProcessResult format = RunProgram({"--export", "scale.txt"}, dir.path(), english);
    EXPECT_TRUE(
        format.err.endsWith("quirn: File “scale.txt” not written: the extension .bmp, "
                            ".png, .svg or .pdf chooses the format\n"))
        << format.err.constData();

    // The choice kept in the profile wins over the desktop's language.
    QSettings profile(dir.filePath("Quirn/Quirn.conf"), QSettings::IniFormat);
    profile.setValue("Settings/Language", "en");
    profile.sync();
    EXPECT_TRUE(RunProgram({"--help"}, dir.path(), russian)
                    .out.startsWith("Usage: quirn [options] [FILE]\n"));
    profile.setValue("Settings/Language", "ru");
    profile.sync();
    EXPECT_TRUE(RunProgram({"--frobnicate"}, dir.path(), english)
                    .err.endsWith("quirn: неизвестный параметр --frobnicate\n"
                                  "Подробнее: quirn --help\n"));
}

std::int32_t LittleEndian32(const QByteArray& bytes, int at) {
    return std::int32_t(quint8(bytes[at]) | quint8(bytes[at + 1]) << 8 |
                        quint8(bytes[at + 2]) << 16 | quint32(quint8(bytes[at + 3])) << 24);
}

TEST(CommandLineProgram, ExportsTheNewDocumentOrANamedFile) {
    QTemporaryDir dir;
    // Without FILE the new document comes from Initial.qrn of the current folder.
    QFile initial(dir.filePath("Initial.qrn"));
    ASSERT_TRUE(initial.open(QIODevice::WriteOnly));
    initial.write("Lshk\t= 4800\r\nHshk\t= 3000\r\nRdel\t= 2000\r\nNm\t= 2\r\nrange\t= 1\r\n");
    initial.close();
    const ProcessResult fromInitial =
        RunProgram({"--export", "initial.bmp", "--dpi", "600"}, dir.path());
    ASSERT_EQ(fromInitial.exitCode, 0) << fromInitial.err.constData();
    QFile bmp(dir.filePath("initial.bmp"));
    ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
    const QByteArray bytes = bmp.readAll();
    ASSERT_GT(bytes.size(), 62);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(LittleEndian32(bytes, 2), bytes.size());
    // 50.00 mm of canvas at 600 dpi: 1181 pixels plus one.
    EXPECT_EQ(LittleEndian32(bytes, 18), 1182);
    EXPECT_EQ(LittleEndian32(bytes, 22), 757);
    EXPECT_EQ(LittleEndian32(bytes, 38), 1182 * 100000 / 5000);

    const ProcessResult svg = RunProgram(
        {"--export", dir.filePath("radial.svg"), QUIRN_TEST_SAMPLES "/M24-100uA-radial.qrn"});
    ASSERT_EQ(svg.exitCode, 0) << svg.err.constData();
    QFile svgFile(dir.filePath("radial.svg"));
    ASSERT_TRUE(svgFile.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svgFile.readAll().contains("mm\""));
}

// File names in a scale file are Windows-1251 like its texts: a picture named in Cyrillic is
// found, not drawn as a crossed box.
TEST(CommandLineProgram, CyrillicPictureFileNameRegression) {
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUIRN_TEST_SAMPLES "/Maker-logo.svg"),
                            dir.filePath(QStringLiteral("логотип.svg"))));
    QFile scale(dir.filePath("plate.qrn"));
    ASSERT_TRUE(scale.open(QIODevice::WriteOnly));
    scale.write(
        "Lshk\t= 4000\r\nHshk\t= 3000\r\nimage1\t= 0 1000 1500 "
        "\xEB\xEE\xE3\xEE\xF2\xE8\xEF.svg\r\n");
    scale.close();
    const ProcessResult run = RunProgram({"--export", dir.filePath("plate.svg"), scale.fileName()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_FALSE(run.err.contains("quirn:")) << run.err.constData();
    QFile svg(dir.filePath("plate.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("#c00000"));  // the logo's pointer, drawn
}

// The plates that carry inks, faces, free texts and pictures export in every format with
// nothing to warn of: the logo is found beside the file, the face is installed.
TEST(CommandLineProgram, LookAlikeSamplesExportEverywhereWithoutWarnings) {
    QTemporaryDir dir;
    for (const char* sample : {"Multimeter-two-colour", "Panel-meter-flat", "SWR-meter"}) {
        for (const char* format : {"png", "bmp", "svg", "pdf"}) {
            const QString out = dir.filePath(QStringLiteral("%1.%2").arg(sample, format));
            const ProcessResult run = RunProgram(
                {"--export", out, QStringLiteral(QUIRN_TEST_SAMPLES "/%1.qrn").arg(sample)});
            EXPECT_EQ(run.exitCode, 0) << sample << " " << format << run.err.constData();
            EXPECT_FALSE(run.err.contains("quirn:")) << sample << " " << run.err.constData();
            EXPECT_GT(QFileInfo(out).size(), 200) << sample << " " << format;
        }
    }
    // Scale 2 is red in colour and the logo's drawing stays a drawing.
    const QImage png(dir.filePath("Multimeter-two-colour.png"));
    int red = 0;
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            if (const QColor c = png.pixelColor(x, y); c.red() > 150 && c.green() < 80) ++red;
    EXPECT_GT(red, 1000);
    QFile svg(dir.filePath("Multimeter-two-colour.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray drawing = svg.readAll();
    EXPECT_FALSE(drawing.contains("<image"));
    EXPECT_TRUE(drawing.contains("#c00000"));
}

TEST(CommandLineProgram, FailedExportsSayWhyAndLeaveNoFile) {
    QTemporaryDir dir;
    const ProcessResult unknown = RunProgram({"--export", "scale.txt"}, dir.path());
    EXPECT_NE(unknown.exitCode, 0);
    EXPECT_TRUE(unknown.err.contains("scale.txt"));
    const ProcessResult unreadable =
        RunProgram({"--export", "scale.bmp", "missing.qrn"}, dir.path());
    EXPECT_NE(unreadable.exitCode, 0);
    EXPECT_TRUE(unreadable.err.contains("missing.qrn"));
    const ProcessResult unwritable =
        RunProgram({"--export", dir.filePath("no/such/folder/scale.png")}, dir.path());
    EXPECT_NE(unwritable.exitCode, 0);
    EXPECT_TRUE(unwritable.err.contains("scale.png"));
    QFile huge(dir.filePath("huge.qrn"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write("Lshk = 2000000000\r\nHshk = 2000000000\r\n");
    huge.close();
    const ProcessResult tooLarge = RunProgram({"--export", "huge.bmp", "huge.qrn"}, dir.path());
    EXPECT_NE(tooLarge.exitCode, 0);
    EXPECT_FALSE(tooLarge.err.isEmpty());
    EXPECT_EQ(QDir(dir.path()).entryList({"*.bmp", "*.png", "*.txt"}, QDir::Files), QStringList())
        << "no half-written output";
}

}  // namespace
}  // namespace quirn
