#include "app/HeadlessExport.h"

#include <QGuiApplication>
#include <clocale>
#include <cstdio>
#include <filesystem>

#include "app/FileErrorText.h"
#include "model/CQuirnDoc.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "peripherals/PictureExport.h"
#include "render/RenderScale.h"
#include "render/SymbolImages.h"

namespace quirn {
namespace {

int Complain(const std::string& message) {
    std::fprintf(stderr, "quirn: %s\n", message.c_str());
    return 1;
}

}  // namespace

int RunExport(const CommandLineRequest& request, int& argc, char** argv) {
    ScaleParameters parameters;
    if (request.file.empty()) {
        CQuirnDoc document;
        document.OnNewDocument();
        parameters = document.parameters();
    } else {
        const FileReadResult read = ReadFileHead(request.file, kParameterReadLimit);
        if (read.error != FileError::None) {
            std::error_code ignored;
            const auto full = std::filesystem::absolute(request.file, ignored).string();
            return Complain(FileErrorText(read.error, full, FileOperation::Open));
        }
        parameters = ReadScaleParameters(read.bytes);
    }

    // Drawing text needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");

    RenderState state;
    state.params = parameters;
    state.symbols = LoadSymbolImages();
    ResetLayout(state);
    const int dpi = request.dpi > 0 ? request.dpi : ApplicationPrinterDpi();
    const ExportResult result =
        ExportPicture(state, QString::fromLocal8Bit(request.output.c_str()), dpi);
    if (result.status != ExportStatus::Ok) return Complain(result.message);
    return 0;
}

}  // namespace quirn
