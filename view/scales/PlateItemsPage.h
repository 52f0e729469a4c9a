// SPDX-License-Identifier: GPL-3.0-or-later
// The "Надписи и рисунки" page of the scales window: the plate's free texts and pictures, the
// library of meter symbols to place as pictures, and the seven fixed elements with their places
// in millimetres. Its fields are applied with the panel's and the scales' as one step; it
// refills from the record after an Apply and whenever the record changes (a drag, an undo, a
// document shown) while nothing here is typed.
#pragma once

#include <QWidget>

#include "model/Outcome.h"
#include "model/ScaleParameters.h"
#include "view/ApplyGroup.h"

class QComboBox;
class QPushButton;

namespace quirn {

class FreeTextTable;
class PictureTable;
class PlaceTable;
class ScaleSession;
class UserPrompts;

class PlateItemsPage : public QWidget, public FieldEditor {
    Q_OBJECT
  public:
    // prompts: where refusals are told and picture files chosen.
    PlateItemsPage(ScaleSession& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // The symbol chosen in the list as the next free picture, near the plate's middle at its
    // own width.
    void addSymbol();

    Outcome ReadInto(ScaleParameters& record) const override;
    // The places shown are where the elements stand, laid out.
    void FillPage(const ScaleParameters& record) override;
    void ShowUnapplied() override { emit edited(); }
    void ShowRefusal(const QString& text) override;
    QString StepName() const override;

    FreeTextTable* texts() const { return texts_; }
    PictureTable* pictures() const { return pictures_; }
    PlaceTable* places() const { return places_; }
    QComboBox* symbolBox() const { return symbols_; }
    QPushButton* addSymbolButton() const { return addSymbol_; }

  signals:
    // A field, a row or a place changed.
    void edited();

  private:
    // Where new texts and pictures go: the middle of the plate, above the pointer axis.
    Place PlateMiddle() const;
    // Where a picture width wide stands clear of the pictures listed: at the middle or beside.
    Place FreeSpotNearMiddle(std::int32_t width) const;

    ScaleSession& session_;
    UserPrompts& prompts_;
    FreeTextTable* texts_ = nullptr;
    PictureTable* pictures_ = nullptr;
    PlaceTable* places_ = nullptr;
    QComboBox* symbols_ = nullptr;
    QPushButton* addSymbol_ = nullptr;
};

}  // namespace quirn
