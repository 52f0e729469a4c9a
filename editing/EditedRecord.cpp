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

void EditedRecord::Tell(RecordChange why, const EditStep::Snapshot& now) {
    ++revision_;
    if (now) {
        shared_ = std::shared_ptr<const ScaleParameters>(now, &now->params);
        sharedRevision_ = revision_;
    }
    emit changed(revision_, why);
}

std::shared_ptr<const ScaleParameters> EditedRecord::shared() const {
    if (!shared_ || sharedRevision_ != revision_) {
        shared_ = std::make_shared<const ScaleParameters>(edits_.params);
        sharedRevision_ = revision_;
    }
    return shared_;
}

void EditedRecord::Open(const ScaleParameters& record) {
    history_.clear();
    edits_.params = record;
    edits_.layout = DefaultLayout(record);
    saved_ = record;
    Tell(RecordChange::Opened);
}

Outcome EditedRecord::Edit(const QString& name, const Change& change, EditOptions options,
                           const EditRefusal& refuse) {
    auto before = std::make_shared<SceneEdits>(edits_);
    change(edits_);
    if (refuse)
        if (Outcome refusal = refuse(before->params, edits_.params); !refusal.ok()) {
            edits_ = std::move(*before);
            return refusal;
        }
    if (options.layout == LayoutAfterEdit::Reset) edits_.layout = DefaultLayout(edits_.params);
    if (edits_ == *before) return {};
    auto after = std::make_shared<const SceneEdits>(edits_);
    history_.push(new EditStep(name, std::move(before), after, options.kind,
                               [this](const EditStep::Snapshot& s) { Restore(s); }));
    Tell(RecordChange::Edited, after);
    return {};
}

void EditedRecord::Restore(const EditStep::Snapshot& snapshot) {
    edits_ = *snapshot;
    Tell(RecordChange::Restored, snapshot);
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
