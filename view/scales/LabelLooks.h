// SPDX-License-Identifier: GPL-3.0-or-later
// The typefaces and inks of the plate's labels in the scales window: the name, the unit, the
// maker's and the standard's labels, and the typeface the further scales share for their
// numerals and units.
#pragma once

#include <QGroupBox>
#include <optional>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"

namespace quirn {

class ColourChoice;
class TypefaceEdit;
class UserPrompts;

class LabelLooks : public QGroupBox {
    Q_OBJECT
  public:
    // prompts: where the colours are chosen.
    explicit LabelLooks(UserPrompts& prompts, QWidget* parent = nullptr);

    void Fill(const ScaleExtensions& ext);
    // The faces and inks into ext; what is wrong, and with which label, when a field cannot be
    // read, and then ext is left as it was.
    Outcome ReadInto(ScaleExtensions& ext) const;

    TypefaceEdit* face(TextRole role) const;
    // Null for the further scales, whose inks are on their pages.
    ColourChoice* colour(TextRole role) const;

  signals:
    // A colour was chosen or taken back (typed fields are watched by the window).
    void edited();

  private:
    struct Row {
        TextRole role;
        TypefaceEdit* face;
        ColourChoice* colour;
    };
    std::vector<Row> rows_;
};

}  // namespace quirn
