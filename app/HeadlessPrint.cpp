// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/HeadlessPrint.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <cstdio>

#include "app/HeadlessSupport.h"
#include "app/Profile.h"
#include "model/Document.h"
#include "peripherals/PrinterCalibration.h"
#include "peripherals/Printing.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
int RunPrint(const CommandLineRequest& request, int& argc, char** argv) {
    // First, so that every message speaks the program's language; printing draws text, which
    // needs a GUI application too, but never a display.
    const auto app = StartHeadlessApplication(argc, argv);
    const std::optional<ScaleParameters> parameters = ReadScaleFileOrComplain(request.file);
    if (!parameters) return 1;

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const QString why =
            QPrinterInfo::availablePrinters().isEmpty()
                ? QCoreApplication::translate(
                      "quirn::HeadlessPrint",
                      "печать невозможна: не установлен ни один принтер или не запущена система "
                      "печати")
                : QCoreApplication::translate(
                      "quirn::HeadlessPrint",
                      "печать невозможна: не задан принтер по умолчанию (lpadmin -d ИМЯ)");
        return Complain(why.toStdString());
    }
    QPrinter printer(info, QPrinter::HighResolution);

    Scene scene;
    scene.params = *parameters;
    scene.symbols = LoadSymbolImages();
    ReadPicturesOrWarn(scene, request.file);
    WarnOfMissingFamilies(scene.params);
    scene.layout = DefaultLayout(scene.params);
    PreferColourForZones(printer, scene.params);
    const QString title = QString::fromStdString(ComposeDescription(scene.params));
    PageOptions options;
    options.sheet = request.sheet;
    // The default printer's correction, as the desktop program applies it to that printer.
    QSettings settings(kProfileOwner, kProfileOwner);
    options.scale =
        ScaleForPrinter(LoadProfile(settings).printerScales, printer.printerName().toStdString());
    const Result<int> printed = PrintScale(scene, printer, PageMargins{}, title, options);
    if (!printed.ok())
        return Complain(OutcomeText(printed.outcome).toStdString() + " (" +
                        info.printerName().toStdString() + ")");
    return 0;
}

}  // namespace quirn
