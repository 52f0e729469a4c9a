// SPDX-License-Identifier: GPL-3.0-or-later
// The places where fields are typed and then applied to the scale being edited: the parameter
// panel and the scales window. Their edits are applied together, so that one Apply is enough and
// nothing typed in the one is lost, or drawn half applied, because of the other.
#pragma once

#include <QPointer>
#include <QString>
#include <optional>
#include <vector>

#include "model/Document.h"
#include "model/ScaleParameters.h"

class QObject;
class QPushButton;

namespace quirn {

class ScaleSession;
class UserPrompts;

class FieldEditor {
  public:
    virtual ~FieldEditor() = default;
    // Whether the fields say something else than when they were last filled or applied.
    virtual bool HasUnappliedEdits() const = 0;
    // Writes the fields over record. What cannot be taken is refused, with a text that names
    // the field and what it holds; a value that was not typed is taken as it stands.
    virtual std::optional<QString> ReadInto(ScaleParameters& record) const = 0;
    // The record was applied: the fields as they are now count as applied.
    virtual void TakeAppliedReading() = 0;
    virtual void ShowRefusal(const QString& text) = 0;
    // How the history names an Apply of these fields.
    virtual QString StepName() const = 0;
};

class ApplyGroup {
  public:
    explicit ApplyGroup(ScaleSession& session) : session_(session) {}

    // The editor is owned by owner and leaves the group with it.
    void Add(QObject* owner, FieldEditor* editor);

    bool HasUnappliedEdits() const;
    // The trigger's fields and every other editor's unapplied ones, checked together and
    // applied as one step; on a refusal nothing is applied and everything typed stays. Without
    // a trigger, only unapplied edits are taken. False when refused.
    bool Apply(FieldEditor* trigger);
    // Before a command that acts on the applied record (save, print, export) or drops the
    // fields (close, another document): unapplied edits are applied, kept as typed, or the
    // command is cancelled, as the user answers. False means cancel, and so does an Apply that
    // was refused.
    bool ResolveUnappliedEdits(UserPrompts& prompts);

  private:
    struct Member {
        QPointer<QObject> owner;
        FieldEditor* editor;
    };
    std::vector<FieldEditor*> Editors() const;

    ScaleSession& session_;
    std::vector<Member> members_;
};

// An Apply button that marks fields typed but not applied: coloured, not bold, since a bold
// caption no longer fits the panel's button.
void ShowUnappliedMark(QPushButton& apply, bool unapplied);

}  // namespace quirn
