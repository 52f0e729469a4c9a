// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the "Надписи и рисунки" page: a row per picture with its centre and width in
// millimetres and its file, which a "..." button beside it chooses. A file inside the
// document's folder is kept relative to it, so that the plate and its pictures move together.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"
#include "view/scales/ItemTable.h"

namespace quirn {

class UserPrompts;

class PictureTable : public ItemTable {
    Q_OBJECT
  public:
    enum Column { XColumn, YColumn, WidthColumn, FileColumn, ChooseColumn };

    // documentFolder: the folder the files are relative to (UTF-8; empty for a document never
    // saved, whose files stay as chosen).
    PictureTable(UserPrompts& prompts, std::function<std::string()> documentFolder,
                 QWidget* parent = nullptr);

    // The pictures as the record has them; a row whose item is unchanged keeps its cells.
    void Fill(const std::map<int, PlacedPicture>& pictures);
    // The rows as pictures; what is wrong and in which picture when a cell cannot be taken, and
    // then pictures stays as it was.
    Outcome ReadInto(std::map<int, PlacedPicture>& pictures) const;
    // A row for picture under the next free number; false when all numbers are taken.
    bool AddPicture(const PlacedPicture& picture);
    // A new picture: its file asked for first; nothing when the user chose none.
    void AddChosenPicture(Place centre);
    // The file of row's picture, asked for anew.
    void chooseFile(int row);

  private:
    void SetRow(int row, const PlacedPicture& picture);
    // The chosen path as the record keeps it.
    QString RecordedFile(const QString& chosen) const;

    UserPrompts& prompts_;
    std::function<std::string()> documentFolder_;
};

}  // namespace quirn
