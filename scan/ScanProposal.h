// SPDX-License-Identifier: GPL-3.0-or-later
// A document proposed from what the finder saw and the two end values the user typed: the
// graduation, the law that places its big ticks, the plate's outline and the template laid so
// that the found pivot is the pointer axis and the plate stands level.
#pragma once

#include <string>

#include "model/ScaleParameters.h"
#include "scan/ScaleDetection.h"

namespace quirn {

struct ScanEnds {
    double first = 0.0;  // the value at the leftmost big tick
    double last = 0.0;   // at the rightmost
};

struct ProposalReport {
    ScaleLaw law = ScaleLaw::Table;  // Linear or Square when the big ticks fit it, else Table
    double linearMiss =
        0.0;  // the worst big tick's distance along its arc from the law's place, mm
    double squareMiss = 0.0;
    double tolerance = 0.0;  // the miss a law may have and still be taken, mm
    int ticks = 0;
    int bigTicks = 0;
};

struct ScanProposal {
    ScaleParameters params;
    ProposalReport report;
};

// Where the scan must lie as the template, at its true size: its lower-left corner, turned about
// by the plate's turn undone, puts the found pivot on the pointer axis.
TemplateRecord ScanTemplate(const ScaleDetection& found, const std::string& file);

// The rest of the record (name, unit, labels, the mounting holes) comes from base. The template
// line names templateFile, relative to the document.
ScanProposal ProposeScale(const ScaleDetection& found, ScanEnds ends, const ScaleParameters& base,
                          const std::string& templateFile);

}  // namespace quirn
