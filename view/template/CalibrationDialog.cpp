// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/template/CalibrationDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "model/NumberText.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

// 200 x 82 dialog units at 96 dpi.
constexpr int kWidthPx = 300;
constexpr int kHeightPx = 133;

}  // namespace

Outcome CalibrationRefusal(std::string_view typed, int reportedWidthMm) {
    const int width = ParseInteger(typed);
    if (width <= 0) return Outcome::Failed(Fault::ScreenWidthNotNumber);
    // Numbers as std::to_string writes them: never in the user's locale.
    return Outcome::Failed(Fault::ScreenWidthImpossible,
                           {std::to_string(width), std::to_string(reportedWidthMm)});
}

CalibrationDialog::CalibrationDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Реальный размер экрана"));
    setModal(true);

    auto* prompt = new QLabel(tr("Для правильного отображения размеров на экране введите "
                                 "реальную ширину экрана в миллиметрах"),
                              this);
    prompt->setAlignment(Qt::AlignCenter);
    prompt->setWordWrap(true);

    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("edit1000"));
    edit_->setAlignment(Qt::AlignCenter);
    edit_->setFixedWidth(kWidthPx / 3);

    ok_ = new QPushButton(tr("ОК"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(tr("Отмена"), this);
    connect(ok_, &QPushButton::clicked, this, &CalibrationDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &CalibrationDialog::reject);

    auto* field = new QHBoxLayout;
    field->addStretch();
    field->addWidget(edit_);
    field->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(field);
    layout->addLayout(buttons);
    setFixedSize(kWidthPx, kHeightPx);
}

QString CalibrationDialog::text() const {
    return edit_->text();
}

void CalibrationDialog::setText(const QString& text) {
    edit_->setText(text);
}

int CalibrationDialog::exec() {
    calibration_.reset();
    edit_->selectAll();
    edit_->setFocus();
    return QDialog::exec();
}

void CalibrationDialog::accept() {
    const std::string typed = text().toStdString();
    calibration_ = CalibrationFromInput(typed, reportedWidthMm_);
    if (!calibration_) {
        QMessageBox::warning(this, tr("Внимание!"),
                             OutcomeText(CalibrationRefusal(typed, reportedWidthMm_)));
        edit_->selectAll();
        edit_->setFocus();
        return;
    }
    QDialog::accept();
}

}  // namespace quirn
