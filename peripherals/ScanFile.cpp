// SPDX-License-Identifier: GPL-3.0-or-later
#include "peripherals/ScanFile.h"

#include <QImageReader>

#include "scan/DetectScale.h"

namespace quirn {

Result<FoundScan> FindOnScanFile(const std::string& scanPath) {
    QImageReader reader(QString::fromStdString(scanPath));
    // A camera's or scanner's turn flag is how the user saw the scan.
    reader.setAutoTransform(true);
    const QImage read = reader.read();
    if (read.isNull())
        return {
            Outcome::Failed(Fault::ScanUnreadable, {scanPath, reader.errorString().toStdString()}),
            {}};
    FoundScan scan;
    scan.grey = read.convertToFormat(QImage::Format_Grayscale8);
    ScanImage image;
    image.pixels = scan.grey.constBits();
    image.width = scan.grey.width();
    image.height = scan.grey.height();
    image.stride = scan.grey.bytesPerLine();
    image.dpi = scan.grey.dotsPerMeterX() * 0.0254;
    Result<ScaleDetection> found = DetectScale(image);
    if (!found.ok()) return {found.outcome, {}};
    scan.found = std::move(found.value);
    return {{}, std::move(scan)};
}

}  // namespace quirn
