// The "Шкалы" window: scale 1's law and lists, the further scales, the coloured zones and the
// texts of the two fixed labels, applied together to the scale being edited. It refills from
// the working copy when a document is shown and after its own Apply, never while the user types.
#pragma once

#include <QDockWidget>

#include "view/Warning.h"

class QLineEdit;
class QPushButton;
class QTabWidget;

namespace quirn {

class ScalePage;
class ScaleSession;
class ZoneTable;

class ScalesWindow : public QDockWidget {
    Q_OBJECT
  public:
    explicit ScalesWindow(ScaleSession& session, QWidget* parent = nullptr);

    // Writes the working copy into the window.
    void Fill();
    // Reads the window into a copy of the working copy's record; a record the scales cannot be
    // drawn from is refused with the reason, everything typed kept.
    void OnApply();
    // A further scale, 8 mm inside scale 1 with scale 1's law, while there are fewer than four.
    void OnAddScale();
    // The page shown, unless it is scale 1's.
    void OnRemoveScale();

    void setWarningHandler(WarningHandler warn) { warn_ = std::move(warn); }

    int scaleCount() const;
    // Scale 1..scaleCount()'s page.
    ScalePage* page(int scale) const;
    QTabWidget* pages() const { return pages_; }
    ZoneTable* zones() const { return zones_; }
    QLineEdit* originEdit() const { return origin_; }
    QLineEdit* standardEdit() const { return standard_; }
    QPushButton* addScaleButton() const { return addScale_; }
    QPushButton* removeScaleButton() const { return removeScale_; }
    QPushButton* applyButton() const { return apply_; }

  private:
    ScalePage* AddPage();
    void RemoveFurtherPages();
    void Renumber();
    void UpdateButtons();
    void OnAddZone();
    void Refuse(const std::string& utf8);

    ScaleSession& session_;
    QTabWidget* pages_ = nullptr;
    QPushButton* addScale_ = nullptr;
    QPushButton* removeScale_ = nullptr;
    ZoneTable* zones_ = nullptr;
    QLineEdit* origin_ = nullptr;
    QLineEdit* standard_ = nullptr;
    QPushButton* apply_ = nullptr;
    WarningHandler warn_;
};

}  // namespace quirn
