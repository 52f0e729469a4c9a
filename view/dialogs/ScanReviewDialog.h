// SPDX-License-Identifier: GPL-3.0-or-later
// "Создать по скану": the scan with what was found on it marked (the pivot, every tick, the big
// ones numbered as the proposal numbers them) and the values of the first and last big tick,
// the proposal's law told as they are typed.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "peripherals/ScanFile.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace quirn {

class ScanReviewDialog : public QDialog {
    Q_OBJECT
  public:
    using Propose = std::function<ScanProposal(ScanEnds)>;
    ScanReviewDialog(const FoundScan& scan, Propose propose, QWidget* parent = nullptr);

    // The values typed, when they are two different numbers.
    std::optional<ScanEnds> ends() const;

  private:
    void Update();

    const FoundScan& scan_;
    Propose propose_;
    QLabel* picture_ = nullptr;
    QLabel* report_ = nullptr;
    QLineEdit* first_ = nullptr;
    QLineEdit* last_ = nullptr;
    QPushButton* accept_ = nullptr;
};

}  // namespace quirn
