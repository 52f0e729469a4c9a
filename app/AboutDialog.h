// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's icon, title, version and date.
#pragma once

#include <QDialog>

namespace quirn {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);
};

}  // namespace quirn
