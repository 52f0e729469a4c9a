// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RecoveryOffer.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AutoSave.h"
#include "editing/DocumentCommands.h"
#include "editing/ScaleSession.h"
#include "model/ParameterText.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::RecoveryOffer", text);
}

QString NameOf(const RecoveryCopy& copy) {
    return copy.document.isEmpty() ? Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer", "Безымянный"))
                                   : QFileInfo(copy.document).fileName();
}

QString TimeOf(const RecoveryCopy& copy) {
    return QLocale().toString(copy.made.toLocalTime(), QLocale::ShortFormat);
}

// Restore is the default and Enter takes it.
void AddButtons(QDialogButtonBox& box) {
    QPushButton* restore =
        box.addButton(Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer", "Восстановить")),
                      QDialogButtonBox::AcceptRole);
    box.addButton(Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer", "Отбросить")),
                  QDialogButtonBox::DestructiveRole);
    box.addButton(Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer", "Позже")),
                  QDialogButtonBox::RejectRole);
    restore->setDefault(true);
}

}  // namespace

RecoveryDecision RecoveryDialogs::AskRecover(const std::vector<RecoveryCopy>& copies) {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QStringLiteral("Quirn"));
    auto* layout = new QVBoxLayout(&dialog);
    QListWidget* list = nullptr;
    if (copies.size() == 1) {
        layout->addWidget(
            new QLabel(Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer",
                                            "Восстановить несохранённые изменения «%1» от %2?"))
                           .arg(NameOf(copies.front()), TimeOf(copies.front())),
                       &dialog));
    } else {
        layout->addWidget(new QLabel(
            Tr(QT_TRANSLATE_NOOP("quirn::RecoveryOffer",
                                 "Остались несохранённые изменения нескольких документов. "
                                 "Выберите, что восстановить:")),
            &dialog));
        list = new QListWidget(&dialog);
        for (const RecoveryCopy& copy : copies)
            list->addItem(QStringLiteral("«%1» — %2").arg(NameOf(copy), TimeOf(copy)));
        list->setCurrentRow(0);
        layout->addWidget(list);
    }
    QDialogButtonBox box;
    AddButtons(box);
    layout->addWidget(&box);
    RecoveryDecision decision;
    QObject::connect(&box, &QDialogButtonBox::clicked, &dialog, [&](QAbstractButton* button) {
        switch (box.buttonRole(button)) {
            case QDialogButtonBox::AcceptRole:
                decision.answer = RecoveryAnswer::Restore;
                break;
            case QDialogButtonBox::DestructiveRole:
                decision.answer = RecoveryAnswer::Discard;
                break;
            default:
                decision.answer = RecoveryAnswer::Later;
                break;
        }
        dialog.accept();
    });
    dialog.exec();
    if (list != nullptr) decision.chosen = std::size_t(std::max(list->currentRow(), 0));
    return decision;
}

void RecoveryDialogs::Warn(const QString& text) {
    QMessageBox::warning(parent_, QStringLiteral("Quirn"), text);
}

void OfferRecovery(const QString& folder, ScaleSession& session, AutoSave& autoSave,
                   RecoveryPrompts& prompts) {
    const std::vector<RecoveryCopy> copies = LeftRecoveryCopies(folder);
    if (copies.empty()) return;
    const RecoveryDecision decision = prompts.AskRecover(copies);
    if (decision.chosen >= copies.size() || decision.answer == RecoveryAnswer::Later) return;
    const RecoveryCopy& copy = copies[decision.chosen];
    if (decision.answer == RecoveryAnswer::Discard) {
        RemoveRecoveryCopy(copy);
        return;
    }
    const Result<std::string> text =
        ReadParameterFile(QFile::encodeName(copy.record).toStdString());
    if (!text.ok()) {
        prompts.Warn(OutcomeText(text.outcome));
        return;
    }
    // Whatever the file holds now counts as saved: the copy is what differs from it.
    const std::string path = copy.document.toStdString();
    ScaleParameters saved;
    if (!path.empty())
        if (const Result<std::string> onDisk = ReadParameterFile(path);
            onDisk.ok() && !onDisk.value.empty())
            saved = ReadScaleParameters(onDisk.value);
    if (!session.files().Restore(ReadScaleParameters(text.value), path, saved)) return;
    // The copy goes only once this run keeps one of its own.
    autoSave.WriteNow();
    RemoveRecoveryCopy(copy);
}

}  // namespace quirn
