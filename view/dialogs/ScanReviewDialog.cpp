// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/ScanReviewDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/LawTable.h"
#include "view/dialogs/MarkedScan.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 440;

}  // namespace

ScanReviewDialog::ScanReviewDialog(const FoundScan& scan, Propose propose, QWidget* parent)
    : QDialog(parent), scan_(scan), propose_(std::move(propose)) {
    setWindowTitle(tr("Создать по скану"));
    auto* layout = new QVBoxLayout(this);
    picture_ = new QLabel(this);
    picture_->setAlignment(Qt::AlignCenter);
    picture_->setMinimumSize(kPictureWidth / 2, kPictureHeight / 2);
    layout->addWidget(picture_, 1);
    auto* form = new QFormLayout;
    first_ = new QLineEdit(QStringLiteral("0"), this);
    last_ = new QLineEdit(this);
    last_->setPlaceholderText(tr("например 15"));
    form->addRow(tr("Значение первой большой отметки"), first_);
    form->addRow(tr("Значение последней большой отметки"), last_);
    layout->addLayout(form);
    report_ = new QLabel(this);
    report_->setWordWrap(true);
    layout->addWidget(report_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    accept_ = buttons->button(QDialogButtonBox::Ok);
    accept_->setText(tr("Создать"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Отмена"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    for (QLineEdit* edit : {first_, last_})
        connect(edit, &QLineEdit::textChanged, this, [this] { Update(); });
    Update();
    last_->setFocus();
}

std::optional<ScanEnds> ScanReviewDialog::ends() const {
    const std::optional<double> first = FieldNumber(first_->text().trimmed().toStdString());
    const std::optional<double> last = FieldNumber(last_->text().trimmed().toStdString());
    if (!first || !last || *first == *last) return std::nullopt;
    return ScanEnds{*first, *last};
}

void ScanReviewDialog::Update() {
    const std::optional<ScanEnds> typed = ends();
    // The big ticks numbered as the proposal numbers them.
    const std::vector<ReviewedTick> numbered =
        typed ? TickReview(scan_.found, *typed).ticks() : std::vector<ReviewedTick>{};
    picture_->setPixmap(QPixmap::fromImage(
        MarkedScan(scan_.grey, scan_.found, numbered, kPictureWidth, kPictureHeight).image));
    const ScaleDetection& found = scan_.found;
    QString text =
        tr("Найдено делений: %1, больших: %2.").arg(found.ticks.size()).arg(found.BigTickCount());
    if (typed) {
        const ProposalReport report = propose_(*typed).report;
        text += QLatin1Char(' ') +
                tr("Закон шкалы: %1.")
                    .arg(QCoreApplication::translate("quirn::LawTable", LawOf(report.law).caption));
    } else {
        text += QLatin1Char(' ') + tr("Введите два разных числа: большие отметки будут "
                                      "пронумерованы поровну от первого до последнего.");
    }
    if (!found.plate)
        text += QLatin1Char(' ') + tr("Край пластины на скане не найден: её размеры будут как у "
                                      "нового документа.");
    report_->setText(text);
    accept_->setEnabled(typed.has_value());
}

}  // namespace quirn
