// SPDX-License-Identifier: GPL-3.0-or-later
// The record as fields that change on their own: each standard field, each key of each scale,
// each label's text, place, face and colour, each free text and picture, the zones, the mirror and
// the template. An editor that shows some of them applies only the ones its user changed, and
// tells which of those the document changed meanwhile, without knowing the record's shape.
// Fields are named by their file keys ("Rdel", "2.law", "text3", "place.name").
#pragma once

#include <string>
#include <vector>

#include "model/ScaleParameters.h"

namespace quirn {

using FieldNames = std::vector<std::string>;

// The fields in which a and b differ, in a fixed order.
FieldNames DifferingFields(const ScaleParameters& a, const ScaleParameters& b);
// Of names, the fields in which a and b differ.
FieldNames DifferingFields(const ScaleParameters& a, const ScaleParameters& b,
                           const FieldNames& names);
// The named fields of from written over to; the rest of to stays.
void CopyFields(const ScaleParameters& from, ScaleParameters& to, const FieldNames& names);

}  // namespace quirn
