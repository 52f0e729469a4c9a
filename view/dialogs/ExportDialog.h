// SPDX-License-Identifier: GPL-3.0-or-later
// "Экспорт": where the picture goes, in which format and with which options.
#pragma once

#include <QDialog>

#include "view/dialogs/ExportChoice.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quirn {

class ExportDialog : public QDialog {
    Q_OBJECT

  public:
    ExportDialog(const ExportChoice& proposed, QWidget* parent);

    ExportChoice choice() const;
    void accept() override;

  private:
    // Shows only the options the chosen format uses.
    void ShowFormatOptions();
    void BrowseFolder();
    void Refuse(QWidget* field, const QString& text);

    QComboBox* format_;
    QLineEdit* name_;
    QLabel* extension_;
    QLineEdit* folder_;
    QSpinBox* dpi_;
    QCheckBox* outlines_;
    QSpinBox* copies_;
    QCheckBox* mirror_;
    int bandRows_ = 0;
};

}  // namespace quirn
