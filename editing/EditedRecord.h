// SPDX-License-Identifier: GPL-3.0-or-later
// The record being edited and its history: the one owner of both. Every change is a named edit
// through Edit(), one step of the history unless nothing changed; undo and redo put snapshots
// back. Whoever shows the record observes changed(), which carries the record's revision: an
// editor refills from it, the view repaints, the document updates its title and modified flag.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <functional>
#include <memory>

#include "editing/EditHistory.h"
#include "model/Outcome.h"
#include "render/Scene.h"

namespace quirn {

// Why the record changed.
enum class RecordChange {
    Opened,    // a document's record was taken in: the history starts afresh
    Edited,    // a named edit
    Restored,  // undo or redo put a snapshot back
    Renamed,   // the files it names were renamed for a save into another folder
};

// What an edit does to where the elements stand.
enum class LayoutAfterEdit {
    Kept,   // the edit placed them itself, or left them
    Reset,  // at their defaults for the plate and the record's places
};

struct EditOptions {
    LayoutAfterEdit layout = LayoutAfterEdit::Kept;
    // Steps of a kind other than Single that follow each other merge into one.
    StepKind kind = StepKind::Single;
};

// What a changed record may not be, told by comparing it with the record before; null: any
// change is taken.
using EditRefusal =
    std::function<Outcome(const ScaleParameters& before, const ScaleParameters& after)>;

class EditedRecord : public QObject {
    Q_OBJECT
  public:
    // edits: where the record and the layout are kept for painting; no one else writes them.
    explicit EditedRecord(SceneEdits& edits, QObject* parent = nullptr);
    // The history tells of its clearing while it dies; by then what its observers reach through
    // the session may be gone, so a dying record tells nothing.
    ~EditedRecord() override { history_.blockSignals(true); }

    const ScaleParameters& params() const { return edits_.params; }
    // The record as it is now, to keep: after an edit, undo or redo it is the history's own
    // snapshot, so keeping it costs no copy.
    std::shared_ptr<const ScaleParameters> shared() const;
    const SceneEdits& edits() const { return edits_; }
    // Goes up at every change of the record or the layout.
    std::uint64_t revision() const { return revision_; }
    QUndoStack& history() { return history_; }

    // A document's record: the layout at its defaults, the history anew, and the record counted
    // as saved.
    void Open(const ScaleParameters& record);
    // The one entry for changes: change edits the record and the layout; unless nothing changed
    // it becomes a step of the history named name. The record is copied twice, before and
    // after, for the history. A change that refuse refuses is undone, and refuse's outcome
    // returned.
    using Change = std::function<void(SceneEdits&)>;
    Outcome Edit(const QString& name, const Change& change, EditOptions options = {},
                 const EditRefusal& refuse = nullptr);
    // A save into another folder renamed the files the record names: the record and every
    // snapshot of the history are renamed alike, so that undo and redo keep names that are found
    // from the document's new folder. Not a step: the plate stays the same.
    void RenameFiles(const std::function<void(ScaleParameters&)>& rename);
    // The record was saved as it is now: undo back to it leaves the document unmodified.
    void MarkSaved();
    // What the document's file holds is saved, not the record shown: a copy restored.
    void MarkSavedAs(const ScaleParameters& onDisk) { saved_ = onDisk; }
    // Whether the record differs from the one last opened or saved.
    bool differsFromSaved() const { return edits_.params != saved_; }

  signals:
    void changed(std::uint64_t revision, RecordChange why);

  private:
    void Restore(const EditStep::Snapshot& snapshot);
    // now: the record as it is now, when a snapshot holds it.
    void Tell(RecordChange why, const EditStep::Snapshot& now = nullptr);

    SceneEdits& edits_;
    QUndoStack history_;
    ScaleParameters saved_ = kDefaultParameters;
    std::uint64_t revision_ = 0;
    mutable std::shared_ptr<const ScaleParameters> shared_;
    mutable std::uint64_t sharedRevision_ = 0;
};

}  // namespace quirn
