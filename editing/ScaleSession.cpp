// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ScaleSession.h"

#include "render/SymbolImages.h"

namespace quirn {

ScaleSession::ScaleSession(Document& doc, QObject* parent)
    : QObject(parent),
      doc_(doc),
      commands_(doc, record_, [this](const ScaleParameters& record) { Show(record); }) {
    scene_.symbols = LoadSymbolImages();
    connect(&record_, &EditedRecord::changed, this, [this](std::uint64_t, RecordChange why) {
        // The record may name other files now; a document shown reads them all afresh.
        plateFiles_.Refresh(doc_.filePath(),
                            why == RecordChange::Opened ? Reread::All : Reread::Changed);
        Changed();
    });
    // Saved into another folder, the pictures are looked for beside the document's new place.
    connect(&commands_, &DocumentCommands::saved, this, [this] {
        plateFiles_.Refresh(doc_.filePath(), Reread::Changed);
        Changed();
    });
    connect(&view_, &ViewState::changed, this, [this] { Changed(); });
}

void ScaleSession::Changed() {
    ++revision_;
    emit changed(revision_);
}

void ScaleSession::RereadFiles() {
    plateFiles_.Refresh(doc_.filePath(), Reread::All);
    Changed();
}

void ScaleSession::Show(const ScaleParameters& record) {
    hasRecord_ = true;
    plateFiles_.ForgetTold();
    view_.setZoomPercent(100);
    record_.Open(record);
}

}  // namespace quirn
