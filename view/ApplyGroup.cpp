// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ApplyGroup.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>

#include "model/ScaleLaw.h"
#include "view/ScaleSession.h"
#include "view/ScalesText.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::ApplyGroup", text);
}

}  // namespace

void ApplyGroup::Add(QObject* owner, FieldEditor* editor) {
    members_.push_back({owner, editor});
}

std::vector<FieldEditor*> ApplyGroup::Editors() const {
    std::vector<FieldEditor*> live;
    for (const Member& m : members_)
        if (!m.owner.isNull()) live.push_back(m.editor);
    return live;
}

bool ApplyGroup::HasUnappliedEdits() const {
    if (!session_.hasRecord()) return false;
    const std::vector<FieldEditor*> editors = Editors();
    return std::any_of(editors.begin(), editors.end(),
                       [](const FieldEditor* e) { return e->HasUnappliedEdits(); });
}

bool ApplyGroup::Apply(FieldEditor* trigger) {
    const std::vector<FieldEditor*> editors = Editors();
    std::vector<FieldEditor*> taken;
    for (FieldEditor* e : editors)
        if (e == trigger || e->HasUnappliedEdits()) taken.push_back(e);
    if (taken.empty()) return true;
    FieldEditor& named = trigger != nullptr ? *trigger : *taken.front();

    const ScaleParameters& before = session_.scene().params;
    ScaleParameters record = before;
    for (FieldEditor* e : taken) {
        if (const std::optional<QString> refusal = e->ReadInto(record)) {
            e->ShowRefusal(*refusal);
            return false;
        }
    }
    // The scales are refused for what the typing brought; a file's own faults are drawn as
    // they always were.
    const ScaleCheck check = CheckScales(record);
    if (!check.ok() && check != CheckScales(before)) {
        named.ShowRefusal(QString::fromStdString(ScaleProblemText(check, record)));
        return false;
    }
    session_.Apply(record, named.StepName());
    for (FieldEditor* e : editors) e->TakeAppliedReading();
    return true;
}

SaveAnswer ApplyGroup::Ask(QWidget* dialogParent) const {
    if (askApply_) return askApply_();
    QMessageBox box(QMessageBox::Question, QStringLiteral("Quirn"),
                    Tr(QT_TRANSLATE_NOOP("quirn::ApplyGroup",
                                         "Параметры на панели изменены, но не применены. "
                                         "Применить их?")),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, dialogParent);
    box.button(QMessageBox::Yes)->setText(Tr(QT_TRANSLATE_NOOP("quirn::ApplyGroup", "Применить")));
    box.button(QMessageBox::No)
        ->setText(Tr(QT_TRANSLATE_NOOP("quirn::ApplyGroup", "Не применять")));
    box.button(QMessageBox::Cancel)->setText(Tr(QT_TRANSLATE_NOOP("quirn::ApplyGroup", "Отмена")));
    box.setDefaultButton(QMessageBox::Yes);
    const int chosen = box.exec();
    return chosen == QMessageBox::Yes  ? SaveAnswer::Yes
           : chosen == QMessageBox::No ? SaveAnswer::No
                                       : SaveAnswer::Cancel;
}

bool ApplyGroup::ResolveUnappliedEdits(QWidget* dialogParent) {
    if (!HasUnappliedEdits()) return true;
    switch (Ask(dialogParent)) {
        case SaveAnswer::Yes:
            return Apply(nullptr);
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

void ShowUnappliedMark(QPushButton& apply, bool unapplied) {
    apply.setProperty("unapplied", unapplied);
    apply.setStyleSheet(unapplied ? QStringLiteral("QPushButton { background-color: #ffd24d; }")
                                  : QString());
}

}  // namespace quirn
