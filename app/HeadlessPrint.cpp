#include "app/HeadlessPrint.h"

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <cstdio>

#include "app/HeadlessSupport.h"
#include "model/TextCodec.h"
#include "peripherals/Printing.h"
#include "render/RenderScale.h"
#include "render/SymbolImages.h"
#include "view/PanelText.h"

namespace quirn {
int RunPrint(const CommandLineRequest& request, int& argc, char** argv) {
    const std::optional<ScaleParameters> parameters = ReadScaleFileOrComplain(request.file);
    if (!parameters) return 1;

    // Printing draws text, which needs a GUI application, but never a display.
    const auto app = StartHeadlessApplication(argc, argv);

    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return Complain(
            QPrinterInfo::availablePrinters().isEmpty()
                ? "cannot print: no printer is installed, or the print system is not running"
                : "cannot print: no default printer is set (lpadmin -d NAME)");
    }
    QPrinter printer(info, QPrinter::HighResolution);

    RenderState state;
    state.params = *parameters;
    state.symbols = LoadSymbolImages();
    ResetLayout(state);
    PreferColourForZones(printer, state.params);
    const QString title = QString::fromStdString(Cp1251ToUtf8(ComposeDescription(state.params)));
    const PrintResult result = PrintScale(state, printer, PageMargins{}, title);
    if (!result.ok())
        return Complain(result.message + " (" + info.printerName().toStdString() + ")");
    return 0;
}

}  // namespace quirn
