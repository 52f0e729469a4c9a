// SPDX-License-Identifier: GPL-3.0-or-later
// The control of a per-scale key on a scale's page, as its row in model/ScaleKeys.h asks for
// it, shown from a scale's values and read back into them: one path for every key, on scale 1's
// page and on a further scale's alike.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "model/Outcome.h"
#include "model/ScaleKeys.h"

class QWidget;

namespace quirn {

enum class ControlKind : std::uint8_t {
    Number,  // a line edit: a value
    Count,   // a line edit: a whole number
    Length,  // a line edit: millimetres, either sign
    Depth,   // a line edit: millimetres, never below zero
    Check,   // a check box, grey on a further scale's page while the key is not set
    Values,  // a line edit: a list of values
    Marks,   // a line edit: a list of values, each with its numeral's text
    Points,  // a line edit: a list of value:fraction points
    Law,     // the law box, "как у шкалы 1" first on a further scale's page
    Text,    // a line edit: a text, kept as typed, spaces too
    Colour,  // a colour choice, none while the key is not set
};

// From the member's type and, for a whole number, what it holds.
ControlKind ControlOf(const ScaleKey& row);

// Whether the line edits of a kind show millimetres.
inline bool InMillimetres(ControlKind kind) {
    return kind == ControlKind::Length || kind == ControlKind::Depth;
}

// Shows the key's value in values, or leaves the control empty ("as scale 1", the colour none)
// when the scale does not set the key.
void ShowKey(const ScaleKey& row, QWidget* control, const ScaleSetup& values, bool set);

// What a control held: whether it sets the key, which then is in values; or what is wrong, the
// field named by caption ("в поле «Конец шкалы» не число: «abc»"), and then values is as it was.
struct KeyRead {
    bool set = false;
    Outcome fault;
};
KeyRead ReadKey(const ScaleKey& row, const QWidget* control, const QString& caption,
                ScaleSetup& values);

}  // namespace quirn
