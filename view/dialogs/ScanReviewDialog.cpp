// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/ScanReviewDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <numbers>

#include "model/ExtensionText.h"
#include "model/LawTable.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

constexpr int kPictureWidth = 640;
constexpr int kPictureHeight = 440;

QPointF OnRay(const ScanPoint& pivot, double degrees, double pixels) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {pivot.x + pixels * std::cos(a), pivot.y - pixels * std::sin(a)};
}

QString ValueText(double value) {
    return QString::fromStdString(ExactNumber(std::round(value * 1e6) / 1e6));
}

}  // namespace

QImage MarkedScan(const FoundScan& scan, const std::optional<ScanEnds>& ends, int width,
                  int height) {
    const ScaleDetection& found = scan.found;
    const double k =
        std::min(double(width) / scan.grey.width(), double(height) / scan.grey.height());
    QImage shown = scan.grey
                       .scaled(int(scan.grey.width() * k), int(scan.grey.height() * k),
                               Qt::KeepAspectRatio, Qt::SmoothTransformation)
                       .convertToFormat(QImage::Format_RGB32);
    QPainter painter(&shown);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(k, k);
    const double perMm = found.dpi / 25.4;
    const double sign = found.direction == TickDirection::Outward ? 1.0 : -1.0;
    const int bigCount = found.BigTickCount();
    int big = 0;
    for (const FoundTick& tick : found.ticks) {
        const bool isBig = tick.size == TickSize::Big;
        const double base = found.tickRadius * perMm;
        const QPointF from = OnRay(found.pivot, tick.angle, base);
        const QPointF to = OnRay(found.pivot, tick.angle, base + sign * tick.length * perMm);
        painter.setPen(QPen(isBig ? QColor(220, 0, 0) : QColor(255, 140, 0), 3.0 / k));
        painter.drawLine(from, to);
        if (!isBig) continue;
        if (ends && bigCount > 1) {
            const double value =
                ends->first + (ends->last - ends->first) * big / double(bigCount - 1);
            const QPointF at =
                OnRay(found.pivot, tick.angle, base + sign * (tick.length * perMm + 14.0 / k));
            QFont font = painter.font();
            font.setPixelSize(int(std::lround(13.0 / k)));
            painter.setFont(font);
            painter.drawText(QRectF(at.x() - 40.0 / k, at.y() - 10.0 / k, 80.0 / k, 20.0 / k),
                             Qt::AlignCenter, ValueText(value));
        }
        ++big;
    }
    painter.setPen(QPen(QColor(0, 90, 255), 3.0 / k));
    const QPointF pivot(found.pivot.x, found.pivot.y);
    painter.drawLine(pivot - QPointF(10.0 / k, 0), pivot + QPointF(10.0 / k, 0));
    painter.drawLine(pivot - QPointF(0, 10.0 / k), pivot + QPointF(0, 10.0 / k));
    return shown;
}

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
    picture_->setPixmap(
        QPixmap::fromImage(MarkedScan(scan_, typed, kPictureWidth, kPictureHeight)));
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
