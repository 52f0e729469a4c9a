// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a scale plate on a scan: the pivot, the ticks, the base arc, the half-angle, the
// plate's turn and its edge.
#pragma once

#include "model/Outcome.h"
#include "scan/ScaleDetection.h"
#include "scan/ScanImage.h"

namespace quirn {

// Fails with ScanResolutionOutOfRange when the resolution is not a plate scan's, and with
// ScanTicksNotFound when fewer than three ticks meet at one point.
Result<ScaleDetection> DetectScale(const ScanImage& image);

}  // namespace quirn
