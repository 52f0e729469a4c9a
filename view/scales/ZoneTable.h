// SPDX-License-Identifier: GPL-3.0-or-later
// The coloured zones of the scales window: a row per zone with its scale, its two values and its
// colour, which a click on the colour cell changes.
#pragma once

#include <QColor>
#include <QWidget>
#include <string>
#include <vector>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"

class QPushButton;
class QTableWidget;

namespace quirn {

class UserPrompts;

class ZoneTable : public QWidget {
    Q_OBJECT
  public:
    enum Column { ScaleColumn, FromColumn, ToColumn, ColourColumn };

    // A click on a colour cell asks prompts for the new colour.
    explicit ZoneTable(UserPrompts& prompts, QWidget* parent = nullptr);

    void Fill(const std::vector<Zone>& zones);
    // The rows as zones; what is wrong and in which zone when a cell cannot be read, and then
    // zones stays as it was.
    Outcome ReadInto(std::vector<Zone>& zones) const;
    // A row at the end, while there are fewer than kMaxZones.
    void AddZone(const Zone& zone);
    // The current row, or the last one when none is current.
    void RemoveZone();
    // Scale number scale is gone: its zones go with it and later scales' zones follow their
    // scale's new number. A row whose scale cannot be read is left for Apply to refuse.
    void RemoveScale(int scale);

    QTableWidget* table() const { return table_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* removeButton() const { return remove_; }

  signals:
    // A cell, a colour or the rows changed.
    void edited();

  private:
    void SetColour(int row, std::uint32_t rgb);
    void editCell(int row, int column);
    void UpdateButtons();

    QTableWidget* table_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* remove_ = nullptr;
    UserPrompts& prompts_;
};

}  // namespace quirn
