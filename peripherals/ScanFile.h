// SPDX-License-Identifier: GPL-3.0-or-later
// A scanned plate read from its image file (PNG, JPEG, TIFF, BMP, at the resolution the file
// states) and what is found on it.
#pragma once

#include <QImage>
#include <string>

#include "model/Outcome.h"
#include "scan/ScanProposal.h"

namespace quirn {

struct FoundScan {
    QImage grey;  // the scan as it was searched, 8-bit grey
    ScaleDetection found;
};

Result<FoundScan> FindOnScanFile(const std::string& scanPath);

}  // namespace quirn
