// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AboutDialog.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>

#include "app/Icons.h"

namespace quirn {
namespace {

// 180 x 96 dialog units at 96 dpi.
QRect DialogRect(int x, int y, int width, int height) {
    const auto across = [](int units) { return units * 3 / 2; };
    const auto down = [](int units) { return units * 13 / 8; };
    return {across(x), down(y), across(width), down(height)};
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("О программе"));
    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    icon->setGeometry(QRect(DialogRect(11, 17, 0, 0).topLeft(), QSize(32, 32)));

    const auto centred = [this](const QString& text, QRect place) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignCenter);
        // The dialog-unit boxes fit the original face; a wider font gets room to either side.
        label->setGeometry(place.adjusted(-30, -2, 30, 4));
    };
    centred(QStringLiteral("Quirn"), DialogRect(40, 8, 100, 8));
    // The one version and date, those of CMakeLists.txt, that --version and the package show.
    centred(tr("Версия %1").arg(QStringLiteral(QUIRN_VERSION)), DialogRect(70, 24, 40, 8));
    const QDate released = QDate::fromString(QStringLiteral(QUIRN_RELEASE_DATE), Qt::ISODate);
    //: The release date's format, as QDate::toString takes it.
    centred(released.toString(tr("dd.MM.yyyy")), DialogRect(69, 40, 40, 8));
    centred(tr("Разработка: команда проекта Quirn"), DialogRect(30, 54, 120, 8));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    ok->setGeometry(DialogRect(65, 73, 50, 16));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(DialogRect(0, 0, 180, 96).size());
}

}  // namespace quirn
