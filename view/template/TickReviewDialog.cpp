// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/template/TickReviewDialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

#include "view/panel/PanelText.h"

namespace quirn {
namespace {

constexpr int kPictureWidth = 560;
constexpr int kPictureHeight = 420;
// A click this far from a numbered tick, in pixels of the picture, is on it.
constexpr double kReachPixels = 6.0;

}  // namespace

TickReviewDialog::TickReviewDialog(const QImage& scan, int scale, TickReview& review,
                                   QWidget* parent)
    : QDialog(parent), scan_(scan), review_(review) {
    setWindowTitle(tr("Найти деления: шкала %1").arg(scale));
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(kPictureWidth / 2, kPictureHeight / 2);
    picture_->setCursor(Qt::CrossCursor);
    picture_->installEventFilter(this);

    const std::vector<ReviewedTick>& ticks = review_.ticks();
    first_ = new QLineEdit(ticks.empty() ? QString() : TickValueText(ticks.front().value), this);
    last_ = new QLineEdit(ticks.empty() ? QString() : TickValueText(ticks.back().value), this);
    auto* ends = new QFormLayout;
    ends->addRow(tr("Значение первой отметки"), first_);
    ends->addRow(tr("Значение последней отметки"), last_);
    for (QLineEdit* edit : {first_, last_})
        connect(edit, &QLineEdit::editingFinished, this, [this] { Renumber(); });

    list_ = new QTableWidget(0, 2, this);
    list_->setHorizontalHeaderLabels({tr("Угол, °"), tr("Значение")});
    list_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    list_->verticalHeader()->setVisible(false);
    connect(list_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { TakeValue(item->row()); });

    count_ = new QLabel(this);
    count_->setWordWrap(true);
    auto* side = new QVBoxLayout;
    side->addLayout(ends);
    side->addWidget(list_, 1);
    auto* body = new QHBoxLayout;
    body->addWidget(picture_, 3);
    body->addLayout(side, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    accept_->setText(tr("Принять"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(count_);
    layout->addWidget(buttons);
    Show();
}

void TickReviewDialog::Show() {
    marked_ = MarkedScan(scan_, review_.found(), review_.ticks(), kPictureWidth, kPictureHeight);
    picture_->setPixmap(QPixmap::fromImage(marked_.image));
    {
        filling_ = true;
        const QSignalBlocker quiet(list_);
        const std::vector<ReviewedTick>& ticks = review_.ticks();
        list_->setRowCount(int(ticks.size()));
        for (int row = 0; row < int(ticks.size()); ++row) {
            // The angle as the user reads a dial: from the middle, right positive.
            auto* angle =
                new QTableWidgetItem(QString::number(90.0 - ticks[std::size_t(row)].angle, 'f', 2));
            angle->setFlags(angle->flags() & ~Qt::ItemIsEditable);
            list_->setItem(row, 0, angle);
            list_->setItem(row, 1,
                           new QTableWidgetItem(TickValueText(ticks[std::size_t(row)].value)));
        }
        filling_ = false;
    }
    count_->setText(tr("Отметок: %1. Щелчок по отметке на скане убирает её, щелчок по делению "
                       "без числа добавляет его; значения можно исправить в списке.")
                        .arg(review_.ticks().size()));
    accept_->setEnabled(review_.ticks().size() >= 2);
}

void TickReviewDialog::Renumber() {
    const std::optional<double> first = FieldNumber(first_->text().trimmed().toStdString());
    const std::optional<double> last = FieldNumber(last_->text().trimmed().toStdString());
    if (!first || !last || *first == *last) return;
    review_.Renumber({*first, *last});
    Show();
}

void TickReviewDialog::TakeValue(int row) {
    if (filling_) return;
    QTableWidgetItem* item = list_->item(row, 1);
    const std::optional<double> value = FieldNumber(item->text().trimmed().toStdString());
    // What is not a number is not taken: the value stays as it was.
    if (value) review_.SetValue(std::size_t(row), *value);
    Show();
}

void TickReviewDialog::ClickPicture(QPointF at) {
    const ScaleDetection& found = review_.found();
    const double radius = found.tickRadius * found.dpi / 25.4 * marked_.scale;
    const double reach = radius > 0.0 ? kReachPixels / radius * 180.0 / std::numbers::pi : 1.0;
    review_.Click(AngleOnMarkedScan(marked_, found, at), reach);
    Show();
}

bool TickReviewDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == picture_ && event->type() == QEvent::MouseButtonPress) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton) {
            // The picture stands in the middle of the label.
            const QPointF corner((picture_->width() - marked_.image.width()) / 2.0,
                                 (picture_->height() - marked_.image.height()) / 2.0);
            ClickPicture(mouse->position() - corner);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace quirn
