// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ApplyGroup.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "model/ScaleLaw.h"
#include "editing/ScaleSession.h"
#include "view/scales/ScalesText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

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

bool ApplyGroup::ResolveUnappliedEdits(UserPrompts& prompts) {
    if (!HasUnappliedEdits()) return true;
    switch (prompts.AskApplyEdits()) {
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
    // A palette rather than a style sheet: a style sheet on the button would also give it the
    // application's font instead of the panel's.
    QPalette palette = apply.parentWidget() != nullptr ? apply.parentWidget()->palette()
                                                       : QApplication::palette(&apply);
    if (unapplied) palette.setColor(QPalette::Button, QColor(0xff, 0xd2, 0x4d));
    apply.setPalette(palette);
}

}  // namespace quirn
