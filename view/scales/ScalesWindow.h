// SPDX-License-Identifier: GPL-3.0-or-later
// The "Шкалы" window: scale 1's law and lists, the further scales, the coloured zones, the
// texts of the two fixed labels and the labels' faces and inks, applied together to the scale
// being edited, with what the parameter panel holds unapplied. It shows the record: it refills
// whenever the record changes while nothing is typed here, and after an Apply; its Apply button
// is marked while it holds edits.
#pragma once

#include <QDockWidget>

#include "model/Outcome.h"
#include "model/ScaleParameters.h"
#include "view/ApplyGroup.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quirn {

class LabelLooks;
class PlateItemsPage;
class ScalePage;
class ScaleSession;
class UserPrompts;
class ZoneTable;

class ScalesWindow : public QDockWidget, public FieldEditor {
    Q_OBJECT
  public:
    // prompts: where refusals are told and zone colours chosen.
    ScalesWindow(ScaleSession& session, UserPrompts& prompts, QWidget* parent = nullptr);

    // Applies what was typed here, and what the panel holds unapplied, to the record; a record the
    // scales cannot be drawn from is refused with the reason, everything typed kept.
    void applyEdits();
    // A further scale, 8 mm inside scale 1 with scale 1's law, while there are fewer than four.
    void addScale();
    // The page shown, unless it is scale 1's, with its zones; the zones of later scales follow
    // their scale's new number.
    void removeScale();

    Outcome ReadInto(ScaleParameters& record) const override;
    void FillPage(const ScaleParameters& record) override;
    void ShowRefusal(const QString& text) override;
    QString StepName() const override;
    // The Apply button is marked while the window or its texts-and-pictures tab holds edits.
    void ShowUnapplied() override;

    int scaleCount() const;
    // Scale 1..scaleCount()'s page.
    ScalePage* page(int scale) const;
    QTabWidget* pages() const { return pages_; }
    ZoneTable* zones() const { return zones_; }
    QLineEdit* originEdit() const { return origin_; }
    QLineEdit* standardEdit() const { return standard_; }
    LabelLooks* labelLooks() const { return looks_; }
    QPushButton* addScaleButton() const { return addScale_; }
    QPushButton* removeScaleButton() const { return removeScale_; }
    QPushButton* applyButton() const { return apply_; }
    // The "Надписи и рисунки" tab.
    PlateItemsPage* itemsPage() const { return items_; }

  private:
    ScalePage* AddPage();
    // Every field of widget marks the Apply button when it changes, and Enter in it applies.
    void Watch(QWidget* widget);
    void RemoveFurtherPages();
    void Renumber();
    void UpdateButtons();
    void addZone();

    ScaleSession& session_;
    UserPrompts& prompts_;
    QTabWidget* pages_ = nullptr;
    QPushButton* addScale_ = nullptr;
    QPushButton* removeScale_ = nullptr;
    ZoneTable* zones_ = nullptr;
    QLineEdit* origin_ = nullptr;
    QLineEdit* standard_ = nullptr;
    LabelLooks* looks_ = nullptr;
    QPushButton* apply_ = nullptr;
    PlateItemsPage* items_ = nullptr;
    bool unappliedShown_ = false;
};

}  // namespace quirn
