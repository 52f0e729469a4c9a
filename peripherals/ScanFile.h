// SPDX-License-Identifier: GPL-3.0-or-later
// A scanned plate read from its image file (PNG, JPEG, TIFF, BMP, at the resolution the file
// states), what is found on it, and the document proposed from that.
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

// The scan's file is named in the template line as templateName (relative to the document, or
// whole); the rest of the record that the scan does not show comes from base.
Result<ScanProposal> ProposeFromScanFile(const std::string& scanPath, ScanEnds ends,
                                         const ScaleParameters& base,
                                         const std::string& templateName);

}  // namespace quirn
