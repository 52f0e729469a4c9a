// SPDX-License-Identifier: GPL-3.0-or-later
// The places where fields are typed and then applied to the record: the parameter panel, the
// scales window and its texts-and-pictures tab. Each is a view of the record: it applies only the
// fields its user changed since it was last filled, and refills as soon as the record changes
// under it while it holds nothing unapplied. Their edits are applied together, so that one Apply
// is enough and nothing typed in the one is lost, or drawn half applied, because of the other.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <memory>
#include <vector>

#include "model/Outcome.h"
#include "model/RecordFields.h"
#include "model/ScaleParameters.h"

class QPushButton;

namespace quirn {

class ScaleSession;
class UserPrompts;

class FieldEditor {
  public:
    virtual ~FieldEditor() = default;
    // Writes the whole page over record. What cannot be taken is refused, naming the field and
    // what it holds; record is then left part written. Editors read over a blank record, so that
    // what the page does not hold compares equal and no copy of the record is made.
    virtual Outcome ReadInto(ScaleParameters& record) const = 0;
    virtual void ShowRefusal(const QString& text) = 0;
    // How the history names an Apply of these fields.
    virtual QString StepName() const = 0;
    // The page shows the record.
    virtual void FillPage(const ScaleParameters& record) = 0;
    // The page's edits may have changed: an Apply button marks them.
    virtual void ShowUnapplied() {}

    // The page filled from record, which its edits are measured against from now on. The record
    // is kept as shared, not copied.
    void Refill(std::shared_ptr<const ScaleParameters> record);
    // An Apply made record: the page shows it anew, unless it keeps what was typed.
    virtual void Applied(std::shared_ptr<const ScaleParameters> record) {
        Refill(std::move(record));
    }
    // Whether the page says something else than when it was last filled.
    bool HasUnappliedEdits() const;
    // What the user changed here: the page read over what it was filled with, and the fields
    // that differ; a refusal when the page cannot be read.
    struct Edits {
        ScaleParameters read;
        FieldNames fields;
        Outcome refusal;
    };
    Edits ReadEdits() const;
    // Of the fields changed here, those the record no longer holds as they were filled nor as
    // they were typed.
    FieldNames Conflicts(const Edits& edits, const ScaleParameters& current) const;

  protected:
    // The page as it stands is what record shows: edits are measured from here.
    void TakeBaseline(std::shared_ptr<const ScaleParameters> record);
    // The page read as it was filled: a file's 1.23456 shown as "1.235" is no edit.
    const ScaleParameters& filledReading() const { return baseline_; }

  private:
    // What the page is read over: a blank record, or the record itself when the page could not
    // read itself back as filled.
    ScaleParameters ReadBase() const;

    std::shared_ptr<const ScaleParameters> filledFrom_;
    ScaleParameters baseline_;
    bool readOverRecord_ = false;
    // The page was just filled: it holds no edits, and need not be read to know it.
    bool justFilled_ = false;
};

class ApplyGroup : public QObject {
    Q_OBJECT
  public:
    // The session's group, made on first use.
    static ApplyGroup& Of(ScaleSession& session);

    // The editor is owned by owner and leaves the group with it. It is filled at once when the
    // session has a record.
    void Add(QObject* owner, FieldEditor* editor);

    bool HasUnappliedEdits() const;
    // The trigger's fields and every other editor's unapplied ones, checked together and
    // applied as one step; on a refusal nothing is applied and everything typed stays. A field
    // typed here that the record changed meanwhile is the user's or the document's, as asked
    // through prompts. Without a trigger, only unapplied edits are taken. False when refused or
    // cancelled.
    bool Apply(FieldEditor* trigger, UserPrompts& prompts);
    // Before a command that acts on the applied record (save, print, export) or drops the
    // fields (close, another document): unapplied edits are applied, kept as typed, or the
    // command is cancelled, as the user answers. False means cancel, and so does an Apply that
    // was refused.
    bool ResolveUnappliedEdits(UserPrompts& prompts);

  private:
    explicit ApplyGroup(ScaleSession& session);
    struct Member {
        QPointer<QObject> owner;
        FieldEditor* editor;
    };
    std::vector<FieldEditor*> Editors() const;
    // The record changed: the editors that hold nothing unapplied show it.
    void Follow(bool all);

    ScaleSession& session_;
    std::vector<Member> members_;
    bool applying_ = false;
};

// An Apply button that marks fields typed but not applied: coloured, not bold, since a bold
// caption no longer fits the panel's button.
void ShowUnappliedMark(QPushButton& apply, bool unapplied);

}  // namespace quirn
