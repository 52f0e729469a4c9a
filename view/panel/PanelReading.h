// SPDX-License-Identifier: GPL-3.0-or-later
// How the parameter panel's fields are filled and read, through the panel's table: a number is
// the whole text ("," for "."), a count a whole number, and what the user typed keeps within the
// limits the drawing needs. A refusal names the field by its caption and quotes its text:
// "Диапазон шкалы: не число «abc»".
#pragma once

#include "model/Outcome.h"
#include "model/ScaleParameters.h"

namespace quirn {

class ParameterBar;

// Writes the standard fields of p into the panel.
void FillPanelFields(ParameterBar& bar, const ScaleParameters& p);

// The panel's standard fields over p, in the file's order of fields; on a refusal p is left part
// written.
Outcome ReadPanelFields(const ParameterBar& bar, ScaleParameters& p);

// The limits of the values that differ from applied, which the user typed; a value a file gave
// is drawn as it stands.
Outcome CheckTypedLimits(const ParameterBar& bar, const ScaleParameters& read,
                         const ScaleParameters& applied);

}  // namespace quirn
