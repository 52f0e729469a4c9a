// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/PrinterCalibrationDialog.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <cmath>
#include <tuple>

#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {
namespace {

constexpr double kLeastLength = 90.0;
constexpr double kGreatestLength = 110.0;

}  // namespace

std::optional<double> MeasuredLength(const QString& typed) {
    const QString text = typed.trimmed();
    // Digits with at most one point: no exponent, sign, comma or group separator.
    static const QRegularExpression kNumber(QStringLiteral("^[0-9]+(\\.[0-9]*)?$"));
    if (!kNumber.match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const double mm = text.toDouble(&ok);  // the C locale's "." always
    if (!ok || !std::isfinite(mm) || mm < kLeastLength || mm > kGreatestLength) return std::nullopt;
    return mm;
}

PrinterCalibrationDialog::PrinterCalibrationDialog(const QString& printerName, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Калибровка принтера"));
    setModal(true);
    auto* prompt = new QLabel(tr("Пробная страница отправлена на принтер «%1». Измерьте обе "
                                 "линейки на ней от штриха 0 до штриха 100 и введите их длину.")
                                  .arg(printerName),
                              this);
    prompt->setWordWrap(true);
    horizontal_ = new QLineEdit(QStringLiteral("100"), this);
    horizontal_->setObjectName(QStringLiteral("horizontalLength"));
    vertical_ = new QLineEdit(QStringLiteral("100"), this);
    vertical_->setObjectName(QStringLiteral("verticalLength"));
    auto* fields = new QFormLayout;
    fields->addRow(tr("По горизонтали, мм:"), horizontal_);
    fields->addRow(tr("По вертикали, мм:"), vertical_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(tr("ОК"), QDialogButtonBox::AcceptRole);
    ok_->setDefault(true);
    cancel_ = buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &PrinterCalibrationDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &PrinterCalibrationDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(fields);
    layout->addWidget(buttons);
    setMinimumWidth(360);
}

void PrinterCalibrationDialog::accept() {
    scale_.reset();
    PrinterScale scale;
    for (const auto& [edit, factor, field] :
         {std::tuple{horizontal_, &scale.horizontal, tr("По горизонтали")},
          std::tuple{vertical_, &scale.vertical, tr("По вертикали")}}) {
        const std::optional<double> mm = MeasuredLength(edit->text());
        if (!mm) {
            QMessageBox::warning(this, tr("Внимание!"),
                                 tr("Поле «%1»: введите измеренную длину от 90 до 110 мм, "
                                    "дробную часть через точку, например 99.4.")
                                     .arg(field));
            edit->selectAll();
            edit->setFocus();
            return;
        }
        *factor = CorrectionFor(*mm);
    }
    scale_ = scale;
    QDialog::accept();
}

void CalibratePrinter(QPrinter& printer, PrinterScales& scales, QWidget& parent,
                      UserPrompts& prompts) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        prompts.Warn(QCoreApplication::translate(
            "quirn::PrinterCalibrationDialog",
            "Выбрана печать в файл. Файл всегда точного размера, калибровать нечего: выберите "
            "принтер в параметрах печати."));
        return;
    }
    const QString name = printer.printerName();
    const auto text = [](const char* source) {
        return QCoreApplication::translate("quirn::PrinterCalibrationDialog", source);
    };
    const CalibrationPageTexts texts{
        text("Калибровка принтера «%1»").arg(name),
        text("Измерьте линейкой длину каждой шкалы от штриха 0 до штриха 100 и введите обе "
             "длины в миллиметрах в окне калибровки. Точная печать даёт 100 мм."),
        text("По горизонтали"), text("По вертикали")};
    const Outcome printed = PrintCalibrationPage(printer, texts);
    if (!printed.ok()) {
        prompts.Warn(OutcomeText(printed));
        return;
    }
    PrinterCalibrationDialog dialog(name, &parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.scale()) return;
    scales[name.toStdString()] = *dialog.scale();
}

}  // namespace quirn
