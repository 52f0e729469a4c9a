// SPDX-License-Identifier: GPL-3.0-or-later
// The seven fixed elements of the "Надписи и рисунки" page with their places in millimetres:
// the point a drag moves (the symbols' lower corner, the labels' top), as the drawing shows it.
// A place typed here becomes the element's place in the record, as a drag's does; one left as
// shown leaves the record as it is, so that an element at its default stays there.
#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"
#include "render/Scene.h"

class QTableWidget;

namespace quirn {

class PlaceTable : public QWidget {
    Q_OBJECT
  public:
    enum Column { XColumn, YColumn };

    explicit PlaceTable(QWidget* parent = nullptr);

    // The elements where the drawing shows them.
    void Fill(const std::array<Point, kDrawnElementCount>& shown);
    // The places typed over what was shown into places; what is wrong and for which element
    // when a cell cannot be taken, and then places stays as it was.
    Outcome ReadInto(std::array<std::optional<Place>, kPlacedElementCount>& places) const;

    QTableWidget* table() const { return table_; }

  signals:
    void edited();

  private:
    QTableWidget* table_ = nullptr;
};

}  // namespace quirn
