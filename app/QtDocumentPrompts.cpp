// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/QtDocumentPrompts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::QtDocumentPrompts", text);
}

QStringList FileFilters() {
    return {Tr(QT_TRANSLATE_NOOP("quirn::QtDocumentPrompts", "Файлы Quirn (*.qrn)")),
            Tr(QT_TRANSLATE_NOOP("quirn::QtDocumentPrompts", "Все файлы (*.*)"))};
}

// Qt's own dialog rather than the desktop's, which would speak the desktop's language.
void UseQtDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
}

std::string ChosenPath(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return {};
    return QFile::encodeName(files.front()).toStdString();
}

}  // namespace

SaveAnswer QtDocumentPrompts::AskSaveChanges(const std::string& name) {
    QMessageBox box(
        QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
        QCoreApplication::translate("quirn::QtDocumentPrompts", "Сохранить изменения в %1?")
            .arg(QString::fromStdString(name)),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent_);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("quirn::QtDocumentPrompts", "Да"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("quirn::QtDocumentPrompts", "Нет"));
    box.button(QMessageBox::Cancel)
        ->setText(QCoreApplication::translate("quirn::QtDocumentPrompts", "Отмена"));
    box.setDefaultButton(QMessageBox::Yes);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return SaveAnswer::Yes;
        case QMessageBox::No:
            return SaveAnswer::No;
        default:
            return SaveAnswer::Cancel;
    }
}

bool QtDocumentPrompts::AskReplaceChangedFile(const std::string& name) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                    QCoreApplication::translate("quirn::QtDocumentPrompts",
                                                "Файл «%1» изменён другой программой после того, "
                                                "как был открыт. Заменить его?")
                        .arg(QString::fromStdString(name)),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.button(QMessageBox::Yes)
        ->setText(QCoreApplication::translate("quirn::QtDocumentPrompts", "Заменить"));
    box.button(QMessageBox::No)
        ->setText(QCoreApplication::translate("quirn::QtDocumentPrompts", "Не сохранять"));
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

std::string QtDocumentPrompts::AskOpenFileName() {
    QFileDialog dialog(parent_, QCoreApplication::translate("quirn::QtDocumentPrompts", "Открыть"));
    UseQtDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(FileFilters());
    if (dialog.exec() != QDialog::Accepted) return {};
    return ChosenPath(dialog);
}

std::string QtDocumentPrompts::AskSaveFileName(const std::string& proposedPath) {
    QFileDialog dialog(parent_,
                       QCoreApplication::translate("quirn::QtDocumentPrompts", "Сохранить как"));
    UseQtDialog(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(FileFilters());
    dialog.setDefaultSuffix(QStringLiteral("qrn"));
    dialog.selectFile(QFile::decodeName(proposedPath.c_str()));
    if (dialog.exec() != QDialog::Accepted) return {};
    return ChosenPath(dialog);
}

void QtDocumentPrompts::ReportFailure(const Outcome& failure) {
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kApplicationTitle),
                    OutcomeText(failure), QMessageBox::Ok, parent_);
    box.exec();
}

}  // namespace quirn
