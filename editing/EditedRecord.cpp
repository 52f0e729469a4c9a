// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditedRecord.h"

#include "render/ScaleDrawing.h"

namespace quirn {
namespace {

// An hour's work on one plate, a millimetre at a time, stays undoable.
constexpr int kHistoryLimit = 500;

}  // namespace

EditedRecord::EditedRecord(SceneEdits& edits, QObject* parent) : QObject(parent), edits_(edits) {
    history_.setUndoLimit(kHistoryLimit);
}

void EditedRecord::Tell(RecordChange why) {
    ++revision_;
    emit changed(revision_, why);
}

void EditedRecord::Open(const ScaleParameters& record) {
    history_.clear();
    edits_.params = record;
    edits_.layout = DefaultLayout(record);
    saved_ = record;
    Tell(RecordChange::Opened);
}

void EditedRecord::Edit(const QString& name, const Change& change, EditOptions options) {
    SceneEdits before = edits_;
    change(edits_);
    if (options.layout == LayoutAfterEdit::Reset) edits_.layout = DefaultLayout(edits_.params);
    if (edits_ == before) return;
    history_.push(new EditStep(name, std::move(before), edits_, options.kind,
                               [this](const SceneEdits& s) { Restore(s); }));
    Tell(RecordChange::Edited);
}

void EditedRecord::Restore(const SceneEdits& snapshot) {
    edits_ = snapshot;
    Tell(RecordChange::Restored);
}

void EditedRecord::RenameFiles(const std::function<void(ScaleParameters&)>& rename) {
    const ScaleParameters before = edits_.params;
    rename(edits_.params);
    rename(saved_);
    for (int k = 0; k < history_.count(); ++k)
        if (auto* step = dynamic_cast<EditStep*>(const_cast<QUndoCommand*>(history_.command(k))))
            step->Rewrite(rename);
    if (edits_.params != before) Tell(RecordChange::Renamed);
}

void EditedRecord::MarkSaved() {
    saved_ = edits_.params;
}

}  // namespace quirn
