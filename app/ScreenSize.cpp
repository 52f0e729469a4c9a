// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScreenSize.h"

#include <QCoreApplication>
#include <QFile>

#include "app/UserFiles.h"
#include "editing/ScaleSession.h"
#include "view/dialogs/UserPrompts.h"
#include "view/template/CalibrationDialog.h"

namespace quirn {

ScreenSize::ScreenSize(ScaleSession& session, QWidget& parent, UserPrompts& prompts,
                       int reportedWidthMm)
    : session_(session),
      parent_(parent),
      prompts_(prompts),
      path_(UserFilePath(QString::fromLatin1(kScreenIniName), ConfigFolder())) {
    calibration_ = LoadScreenCalibration(QFile::encodeName(path_).toStdString(), reportedWidthMm);
    session_.view().setDisplayCorrection(calibration_.displayCorrection);
}

CalibrationDialog& ScreenSize::calibrationDialog() {
    if (dialog_ == nullptr) dialog_ = new CalibrationDialog(&parent_);
    return *dialog_;
}

void ScreenSize::calibrate(int reportedWidthMm) {
    CalibrationDialog& dialog = calibrationDialog();
    dialog.setText(QString::number(calibration_.realWidthMm));
    dialog.setReportedWidth(reportedWidthMm);
    if (dialog.exec() != QDialog::Accepted || !dialog.calibration()) return;

    calibration_ = *dialog.calibration();
    session_.view().setDisplayCorrection(calibration_.displayCorrection);
    // The new scale holds until the program ends whether or not it could be kept.
    MakeFolderFor(path_);
    if (SaveScreenCalibration(QFile::encodeName(path_).toStdString(), calibration_) == Fault::None)
        return;
    prompts_.Warn(
        QCoreApplication::translate("quirn::ScreenSize",
                                    "Размер экрана не сохранён: не удалось записать файл "
                                    "«%1». Новый масштаб действует до выхода из программы.")
            .arg(path_));
}

}  // namespace quirn
