// SPDX-License-Identifier: GPL-3.0-or-later
// The about box: the program's icon, title, version and date.
#pragma once

#include <QDialog>

namespace quirn {

class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};

}  // namespace quirn
