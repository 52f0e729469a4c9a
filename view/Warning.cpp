// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/Warning.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace quirn {

void ShowWarning(const WarningHandler& handler, QWidget* parent, const QString& text) {
    if (handler) {
        handler(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning,
                    QCoreApplication::translate("quirn::Warning", "Внимание!"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace quirn
