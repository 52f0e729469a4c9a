// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ApplyGroup.h"

#include <QApplication>
#include <QPalette>
#include <QPushButton>
#include <algorithm>

#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

void FieldEditor::Refill(std::shared_ptr<const ScaleParameters> record) {
    FillPage(*record);
    TakeBaseline(std::move(record));
}

void FieldEditor::TakeBaseline(std::shared_ptr<const ScaleParameters> record) {
    filledFrom_ = std::move(record);
    readOverRecord_ = false;
    baseline_ = ScaleParameters{};
    // A page that cannot read itself back measures against the record as it is.
    if (!ReadInto(baseline_).ok()) {
        readOverRecord_ = true;
        baseline_ = *filledFrom_;
    }
    justFilled_ = true;
    ShowUnapplied();
    justFilled_ = false;
}

ScaleParameters FieldEditor::ReadBase() const {
    return readOverRecord_ ? *filledFrom_ : ScaleParameters{};
}

bool FieldEditor::HasUnappliedEdits() const {
    if (!filledFrom_ || justFilled_) return false;
    ScaleParameters now = ReadBase();
    return !ReadInto(now).ok() || now != baseline_;
}

FieldEditor::Edits FieldEditor::ReadEdits() const {
    if (!filledFrom_) return {};
    Edits edits{ReadBase(), {}, {}};
    edits.refusal = ReadInto(edits.read);
    if (edits.refusal.ok()) edits.fields = DifferingFields(baseline_, edits.read);
    return edits;
}

FieldNames FieldEditor::Conflicts(const Edits& edits, const ScaleParameters& current) const {
    const FieldNames notAsTyped = DifferingFields(edits.read, current, edits.fields);
    return DifferingFields(*filledFrom_, current, notAsTyped);
}

ApplyGroup::ApplyGroup(ScaleSession& session) : QObject(&session), session_(session) {
    setObjectName(QStringLiteral("applyGroup"));
    connect(&session_.record(), &EditedRecord::changed, this,
            [this](std::uint64_t, RecordChange why) { Follow(why == RecordChange::Opened); });
}

ApplyGroup& ApplyGroup::Of(ScaleSession& session) {
    if (auto* group = session.findChild<ApplyGroup*>(QStringLiteral("applyGroup"),
                                                     Qt::FindDirectChildrenOnly))
        return *group;
    return *new ApplyGroup(session);
}

void ApplyGroup::Add(QObject* owner, FieldEditor* editor) {
    members_.push_back({owner, editor});
    if (session_.hasRecord()) editor->Refill(session_.record().shared());
}

std::vector<FieldEditor*> ApplyGroup::Editors() const {
    std::vector<FieldEditor*> live;
    for (const Member& m : members_)
        if (!m.owner.isNull()) live.push_back(m.editor);
    return live;
}

void ApplyGroup::Follow(bool all) {
    // An Apply refills its editors itself, once the step is made.
    if (applying_) return;
    for (FieldEditor* e : Editors())
        if (all || !e->HasUnappliedEdits()) e->Refill(session_.record().shared());
}

bool ApplyGroup::HasUnappliedEdits() const {
    if (!session_.hasRecord()) return false;
    const std::vector<FieldEditor*> editors = Editors();
    return std::any_of(editors.begin(), editors.end(),
                       [](const FieldEditor* e) { return e->HasUnappliedEdits(); });
}

bool ApplyGroup::Apply(FieldEditor* trigger, UserPrompts& prompts) {
    const std::vector<FieldEditor*> editors = Editors();
    struct Taken {
        FieldEditor* editor;
        FieldEditor::Edits edits;
    };
    std::vector<Taken> taken;
    for (FieldEditor* e : editors)
        if (e == trigger || e->HasUnappliedEdits()) taken.push_back({e, e->ReadEdits()});
    if (taken.empty()) return true;
    FieldEditor& named = trigger != nullptr ? *trigger : *taken.front().editor;

    const ScaleParameters& current = session_.record().params();
    FieldNames conflicts;
    for (const Taken& t : taken) {
        if (!t.edits.refusal.ok()) {
            t.editor->ShowRefusal(OutcomeText(t.edits.refusal));
            return false;
        }
        for (std::string& field : t.editor->Conflicts(t.edits, current))
            conflicts.push_back(std::move(field));
    }
    FieldNames kept;  // the document's values, where the user chose them
    if (!conflicts.empty()) {
        QStringList names;
        for (const std::string& field : conflicts) names << QString::fromStdString(field);
        switch (prompts.AskKeepTypedFields(names)) {
            case ConflictAnswer::KeepTyped:
                break;
            case ConflictAnswer::TakeDocument:
                kept = conflicts;
                break;
            case ConflictAnswer::Cancel:
                return false;
        }
    }
    std::vector<TypedFields> typed;
    for (Taken& t : taken) {
        std::erase_if(t.edits.fields, [&kept](const std::string& field) {
            return std::find(kept.begin(), kept.end(), field) != kept.end();
        });
        typed.push_back({&t.edits.read, std::move(t.edits.fields)});
    }
    applying_ = true;
    const Outcome refusal = ApplyTypedFields(session_.record(), typed, named.StepName());
    applying_ = false;
    if (!refusal.ok()) {
        named.ShowRefusal(OutcomeText(refusal));
        return false;
    }
    const std::shared_ptr<const ScaleParameters> applied = session_.record().shared();
    for (FieldEditor* e : editors) e->Applied(applied);
    return true;
}

bool ApplyGroup::ResolveUnappliedEdits(UserPrompts& prompts) {
    if (!HasUnappliedEdits()) return true;
    switch (prompts.AskApplyEdits()) {
        case SaveAnswer::Yes:
            return Apply(nullptr, prompts);
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
