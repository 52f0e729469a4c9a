// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessExport.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <optional>

#include "app/HeadlessSupport.h"
#include "app/UserFiles.h"
#include "model/FileAccess.h"
#include "model/InitialParameters.h"
#include "model/LawTable.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "peripherals/PictureExport.h"
#include "peripherals/Printing.h"
#include "peripherals/ScanFile.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::HeadlessExport", text);
}

bool WritesDocument(const std::string& output) {
    return QString::fromLocal8Bit(output.c_str())
        .endsWith(QStringLiteral(".qrn"), Qt::CaseInsensitive);
}

// The scan as the template line names it: beside a document written, relative to its folder.
std::optional<std::string> TemplateName(const CommandLineRequest& request) {
    const QString scan = QFileInfo(QString::fromLocal8Bit(request.scan.c_str())).absoluteFilePath();
    const QString name = WritesDocument(request.output)
                             ? QFileInfo(QString::fromLocal8Bit(request.output.c_str()))
                                   .absoluteDir()
                                   .relativeFilePath(scan)
                             : scan;
    return Utf8ToCp1251Exactly(name.toStdString());
}

// What was found and which law places the big ticks, on standard output.
void TellProposal(const ProposalReport& report) {
    const QString law = QCoreApplication::translate("quirn::LawTable", LawOf(report.law).caption);
    const QString line =
        Tr(QT_TRANSLATE_NOOP("quirn::HeadlessExport",
                             "Найдено делений: %1, больших: %2; закон шкалы: %3 (отклонение "
                             "от линейного %4 мм, от квадратичного %5 мм, допуск %6 мм)."))
            .arg(report.ticks)
            .arg(report.bigTicks)
            .arg(law, QString::number(report.linearMiss, 'f', 3),
                 QString::number(report.squareMiss, 'f', 3),
                 QString::number(report.tolerance, 'f', 3));
    std::fputs(TerminalText(line.toStdString() + "\r\n").c_str(), stdout);
}

// On a terminal, an export that takes more than two seconds tells how far it has got, on one
// line of the error stream that it rewrites; a script reading the streams sees nothing of it.
class TerminalProgress {
  public:
    ExportProgress Told() {
        if (::isatty(::fileno(stderr)) == 0) return {};
        return [this](std::int64_t done, std::int64_t total) {
            if (std::chrono::steady_clock::now() - started_ < std::chrono::seconds(2)) return true;
            const int percent = int(done * 100 / std::max<std::int64_t>(total, 1));
            if (percent != shown_) {
                shown_ = percent;
                const QString line =
                    Tr(QT_TRANSLATE_NOOP("quirn::HeadlessExport", "Запись: %1 %")).arg(percent);
                std::fputs(("\r" + TerminalText(line.toStdString())).c_str(), stderr);
                std::fflush(stderr);
            }
            return true;
        };
    }
    void Finish() {
        if (shown_ >= 0) std::fputc('\n', stderr);
    }

  private:
    std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
    int shown_ = -1;
};

}  // namespace

int RunExport(const CommandLineRequest& request, int& argc, char** argv) {
    // First, so that every message speaks the program's language; drawing text needs a GUI
    // application too, but never a display.
    const auto app = StartHeadlessApplication(argc, argv);

    ScaleParameters parameters;
    if (request.file.empty()) {
        parameters = ReadInitialParameters(InitialParametersLocation());
    } else if (const auto read = ReadScaleFileOrComplain(request.file)) {
        parameters = *read;
    } else {
        return 1;
    }
    if (!request.scan.empty()) {
        const std::optional<std::string> templateName = TemplateName(request);
        if (!templateName)
            return Complain(OutcomeText(Outcome::Failed(Fault::FileNameNotStorable, {request.scan}))
                                .toStdString());
        const Result<FoundScan> scan = FindOnScanFile(request.scan);
        if (!scan.ok()) return Complain(OutcomeText(scan.outcome).toStdString());
        const ScanProposal proposed = ProposeScale(
            scan.value.found, {request.firstValue, request.lastValue}, parameters, *templateName);
        parameters = proposed.params;
        TellProposal(proposed.report);
        if (!scan.value.found.plate)
            Complain(Tr(QT_TRANSLATE_NOOP("quirn::HeadlessExport",
                                          "Край пластины на скане не найден: её размеры "
                                          "оставлены как были."))
                         .toStdString());
        if (WritesDocument(request.output)) {
            const Fault written =
                WriteFileAtomically(request.output, WriteParameterText(parameters));
            if (written != Fault::None)
                return Complain(
                    OutcomeText(Outcome::Failed(written, {request.output})).toStdString());
            return 0;
        }
    }

    Scene scene;
    scene.params = parameters;
    scene.symbols = LoadSymbolImages();
    ReadPicturesOrWarn(scene, request.file);
    WarnOfMissingFamilies(scene.params);
    scene.layout = DefaultLayout(scene.params);
    const int dpi = request.dpi > 0 ? request.dpi : ApplicationPrinter().dpi();
    ExportOptions options;
    options.dpi = dpi;
    options.text = request.text;
    options.sheet = request.sheet;
    TerminalProgress progress;
    const Outcome exported = ExportPicture(scene, QString::fromLocal8Bit(request.output.c_str()),
                                           options, progress.Told());
    progress.Finish();
    if (!exported.ok()) return Complain(OutcomeText(exported).toStdString());
    return 0;
}

}  // namespace quirn
