// SPDX-License-Identifier: GPL-3.0-or-later
// "Найти деления": the ticks found on the template's scan, shown over it and listed with their
// values. A click on the scan takes a numbered tick away or numbers the tick clicked; the first
// and last values number them all evenly anew, and any value may be typed over in the list.
#pragma once

#include <QDialog>

#include "view/dialogs/MarkedScan.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quirn {

class TickReviewDialog : public QDialog {
    Q_OBJECT
  public:
    TickReviewDialog(const QImage& scan, int scale, TickReview& review, QWidget* parent = nullptr);

    // A click at a point of the picture as it is shown.
    void ClickPicture(QPointF at);
    QTableWidget* list() const { return list_; }
    const MarkedScanView& marked() const { return marked_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Show();
    void Renumber();
    void TakeValue(int row);

    const QImage& scan_;
    TickReview& review_;
    MarkedScanView marked_;
    QLabel* picture_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    QTableWidget* list_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* accept_ = nullptr;
    bool filling_ = false;
};

}  // namespace quirn
