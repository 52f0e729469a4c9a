// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessSupport.h"

#include <langinfo.h>

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <clocale>
#include <cstdio>
#include <filesystem>

#include "app/Language.h"
#include "app/Profile.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "peripherals/PlacedPictures.h"
#include "view/dialogs/FamilyNotices.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

// The language the desktop program would speak, from the same profile.
void SpeakTheProgramsLanguage(QCoreApplication& application) {
    std::setlocale(LC_NUMERIC, "C");  // Qt adopts the environment's locale; numbers never do
    QSettings settings(kProfileOwner, kProfileOwner);
    InstallTranslations(application, LoadProfile(settings).language);
}

}  // namespace

int Complain(const std::string& message) {
    std::fprintf(stderr, "quirn: %s\n", message.c_str());
    return 1;
}

void WarnOfMissingFamilies(const ScaleParameters& p) {
    for (const FamilySubstitute& missing : MissingFamilies(p))
        Complain(MissingFamilyText(missing).toStdString());
}

std::string TerminalText(std::string_view utf8) {
    std::string text;
    text.reserve(utf8.size());
    for (std::size_t at = 0; at < utf8.size(); ++at)
        if (utf8[at] != '\r' || at + 1 >= utf8.size() || utf8[at + 1] != '\n') text += utf8[at];
    const std::string_view codeset = ::nl_langinfo(CODESET);
    return codeset == "UTF-8" ? text : Utf8ToEncoding(text, codeset.data());
}

std::optional<ScaleParameters> ReadScaleFileOrComplain(const std::string& file) {
    const Result<std::string> read = ReadParameterFile(file);
    if (read.outcome.fault != Fault::None) {
        std::error_code ignored;
        const auto absolute = std::filesystem::absolute(file, ignored);
        Complain(OutcomeMessage(FileFailure(
            read.outcome.fault, absolute.empty() ? file : absolute.string(), FileOperation::Open)));
        return std::nullopt;
    }
    return ReadScaleParameters(read.value);
}

std::unique_ptr<QGuiApplication> StartHeadlessApplication(int& argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    SpeakTheProgramsLanguage(*app);
    return app;
}

std::unique_ptr<QCoreApplication> StartTextApplication(int& argc, char** argv) {
    auto app = std::make_unique<QCoreApplication>(argc, argv);
    SpeakTheProgramsLanguage(*app);
    return app;
}

void ReadPicturesOrWarn(Scene& scene, const std::string& file) {
    if (!file.empty())
        scene.documentFolder =
            QFileInfo(QFile::decodeName(file.c_str())).absolutePath().toStdString();
    // A picture that cannot be read is drawn as a crossed box: the job still succeeds.
    for (const Outcome& fault : RefreshPictures(scene)) Complain(OutcomeMessage(fault));
}

}  // namespace quirn
