#include "app/HeadlessPrint.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <clocale>
#include <cstdio>
#include <filesystem>

#include "app/FileErrorText.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "model/TextCodec.h"
#include "peripherals/Printing.h"
#include "render/RenderScale.h"
#include "render/SymbolImages.h"
#include "view/PanelText.h"

namespace quirn {
namespace {

int Complain(const std::string& message) {
    std::fprintf(stderr, "quirn: %s\n", message.c_str());
    return 1;
}

}  // namespace

int RunPrint(const CommandLineRequest& request, int& argc, char** argv) {
    const FileReadResult read = ReadFileHead(request.file, kParameterReadLimit);
    if (read.error != FileError::None) {
        std::error_code ignored;
        const auto full = std::filesystem::absolute(request.file, ignored).string();
        return Complain(FileErrorText(read.error, full, FileOperation::Open));
    }

    // Printing draws text, which needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return Complain(
            QPrinterInfo::availablePrinters().isEmpty()
                ? "cannot print: no printer is installed, or the print system is not running"
                : "cannot print: no default printer is set (lpadmin -d NAME)");
    }
    QPrinter printer(info, QPrinter::HighResolution);

    RenderState state;
    state.params = ReadScaleParameters(read.bytes);
    state.symbols = LoadSymbolImages();
    ResetLayout(state);
    const QString title = QString::fromStdString(Cp1251ToUtf8(ComposeDescription(state.params)));
    const PrintResult result = PrintScale(state, printer, PageMargins{}, title);
    if (!result.ok())
        return Complain(result.message + " (" + info.printerName().toStdString() + ")");
    return 0;
}

}  // namespace quirn
