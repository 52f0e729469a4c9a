// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/ColourChoice.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "model/ExtensionText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

ColourChoice::ColourChoice(UserPrompts& prompts, const QString& unset, QWidget* parent)
    : QWidget(parent), prompts_(prompts), unset_(unset) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    pick_ = new QPushButton(this);
    pick_->setToolTip(tr("Выбрать цвет"));
    clear_ = new QPushButton(tr("Без цвета"), this);
    clear_->setToolTip(tr("Убрать цвет: %1").arg(unset_));
    row->addWidget(pick_, 1);
    row->addWidget(clear_);
    connect(pick_, &QPushButton::clicked, this, [this] { pick(); });
    connect(clear_, &QPushButton::clicked, this, [this] {
        rgb_.reset();
        Show();
        emit edited();
    });
    Show();
}

void ColourChoice::Fill(std::optional<std::uint32_t> rgb) {
    rgb_ = rgb;
    Show();
}

void ColourChoice::Show() {
    clear_->setEnabled(rgb_.has_value());
    if (!rgb_) {
        pick_->setText(unset_);
        pick_->setStyleSheet({});
        return;
    }
    const QColor colour = QColor::fromRgb(QRgb(*rgb_));
    pick_->setText(QString::fromStdString(ColourText(*rgb_)));
    // A border of its own makes the style draw the colour flat, as it will be printed.
    pick_->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; color: %2; "
                                        "border: 1px solid gray; border-radius: 3px; "
                                        "padding: 3px; }")
                             .arg(colour.name(), colour.lightness() < 128 ? "white" : "black"));
}

void ColourChoice::pick() {
    const QColor current = QColor::fromRgb(QRgb(rgb_.value_or(0)));
    const std::optional<QColor> picked = prompts_.ChooseColour(current);
    if (!picked) return;
    rgb_ = std::uint32_t(picked->rgb() & 0xFFFFFFu);
    Show();
    emit edited();
}

}  // namespace quirn
