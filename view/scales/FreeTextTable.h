// SPDX-License-Identifier: GPL-3.0-or-later
// The free texts of the "Надписи и рисунки" page: a row per text with its centre in
// millimetres, its turn in degrees, the text as the user reads it, its typeface as the files
// write it ("DejaVu Serif, italic, 120%", empty: the name label's face) and its colour
// ("#rrggbb", empty: black).
#pragma once

#include <map>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"
#include "view/scales/ItemTable.h"

namespace quirn {

class FreeTextTable : public ItemTable {
    Q_OBJECT
  public:
    enum Column { XColumn, YColumn, AngleColumn, TextColumn, FontColumn, ColourColumn };

    explicit FreeTextTable(QWidget* parent = nullptr);

    // The texts as the record has them; a row whose item is unchanged keeps its cells.
    void Fill(const std::map<int, FreeText>& texts);
    // The rows as texts; what is wrong and in which text when a cell cannot be taken, and then
    // texts stays as it was.
    Outcome ReadInto(std::map<int, FreeText>& texts) const;
    // A row for a new text centred at centre, its text cell open for typing; none when all
    // numbers are taken.
    void AddText(Place centre);

  private:
    void SetRow(int row, const FreeText& text);
    void ShowColour(QTableWidgetItem* item);
};

}  // namespace quirn
