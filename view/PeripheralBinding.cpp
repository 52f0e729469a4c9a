// The view's screen calibration and picture export, and how it reports their failures.
#include <QDir>
#include <QMessageBox>

#include "peripherals/PictureExport.h"
#include "peripherals/RealRazmer.h"
#include "view/CQuirnView.h"

namespace quirn {

void CQuirnView::Warn(const QString& text) {
    if (warn_) {
        warn_(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Внимание!"), text, QMessageBox::Ok, this);
    box.exec();
}

QString CQuirnView::DocumentTitle() const {
    return QString::fromStdString(doc_.GetTitle());
}

int CQuirnView::ReportedScreenWidthMm() const {
    return static_cast<int>((CurrentScreenDevice().tenthsOfMmAcross + 5) / 10);
}

RealRazmer& CQuirnView::calibrationDialog() {
    if (realRazmer_ == nullptr) realRazmer_ = new RealRazmer(this);
    return *realRazmer_;
}

void CQuirnView::OnRealScreenSize() {
    RealRazmer& dialog = calibrationDialog();
    dialog.setText(QString::number(calibration_.Lscr));
    dialog.setReportedWidth(ReportedScreenWidthMm());
    if (dialog.exec() != QDialog::Accepted || !dialog.calibration()) return;

    calibration_ = *dialog.calibration();
    setKsrn(calibration_.Ksrn);
    // The new scale holds until the program ends whether or not it could be kept.
    if (SaveScreenCalibration(kScreenIniName, calibration_) != FileError::None) {
        Warn(QStringLiteral("Размер экрана не сохранён: не удалось записать файл «%1». "
                            "Новый масштаб действует до выхода из программы.")
                 .arg(QDir::current().absoluteFilePath(QString::fromLatin1(kScreenIniName))));
    }
}

void CQuirnView::OnExportPicture() {
    // The title made a bare file name the way a save proposes one: it stays in the current
    // directory whatever the description holds.
    const QString name =
        QString::fromStdString(FileNameForDescription(DocumentTitle().toStdString())) +
        QStringLiteral(".bmp");
    const QString path = QDir::current().absoluteFilePath(name);
    const int dpi = printer_ != nullptr ? printer_->dpi() : ApplicationPrinter().dpi();
    // A copy, so that the canvas and the drawn sizes the mouse works with stay the screen's.
    RenderState printed = state_;
    const ExportResult result = ExportPicture(printed, path, dpi);
    if (!result.ok()) Warn(QString::fromStdString(result.message));
}

}  // namespace quirn
