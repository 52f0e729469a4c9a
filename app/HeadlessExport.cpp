// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessExport.h"

#include <QGuiApplication>
#include <cstdio>

#include "app/HeadlessSupport.h"
#include "app/UserFiles.h"
#include "model/InitialParameters.h"
#include "peripherals/PictureExport.h"
#include "peripherals/Printing.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
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
    const Outcome exported =
        ExportPicture(scene, QString::fromLocal8Bit(request.output.c_str()), options);
    if (!exported.ok()) return Complain(OutcomeText(exported).toStdString());
    return 0;
}

}  // namespace quirn
