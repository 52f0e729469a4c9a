// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/DocumentCommands.h"

#include "editing/EditedRecord.h"
#include "model/DocumentFiles.h"
#include "model/ParameterText.h"

namespace quirn {

DocumentCommands::DocumentCommands(Document& doc, EditedRecord& record, OpenRecord open,
                                   QObject* parent)
    : QObject(parent),
      doc_(doc),
      record_(record),
      open_(std::move(open)),
      toldModified_(doc.isModified()) {
    doc_.setUntitledName(tr("Безымянный").toStdString());
    toldTitle_ = doc_.title();
    connect(&record_, &EditedRecord::changed, this, [this] { Follow(); });
}

QString DocumentCommands::Title() const {
    return QString::fromStdString(doc_.title());
}

void DocumentCommands::Follow() {
    doc_.setDescription(ComposeDescription(record_.params()));
    doc_.setModified(record_.differsFromSaved());
    Tell();
}

void DocumentCommands::Tell() {
    if (doc_.title() != toldTitle_) {
        toldTitle_ = doc_.title();
        emit titleChanged();
    }
    if (doc_.isModified() != toldModified_) {
        toldModified_ = doc_.isModified();
        emit modifiedChanged();
    }
}

bool DocumentCommands::Opened(const std::optional<ScaleParameters>& record) {
    Tell();
    if (!record) return false;
    open_(*record);
    return true;
}

bool DocumentCommands::Saved(bool wentThrough) {
    if (wentThrough) {
        // Saved into another folder, the record names its pictures and template from there, and
        // so does every state undo and redo can bring back.
        if (const auto& move = doc_.lastFolderMove())
            record_.RenameFiles(
                [&move](ScaleParameters& p) { p = WithFilesNamedFrom(p, move->from, move->to); });
        record_.MarkSaved();
        emit saved();
    }
    Tell();
    return wentThrough;
}

bool DocumentCommands::New() {
    return Opened(doc_.New(record_.params()));
}

bool DocumentCommands::Restore(const ScaleParameters& copy, const std::string& path,
                               const ScaleParameters& onDisk) {
    if (!doc_.SaveModified(record_.params())) return false;
    doc_.StartNew();
    if (!path.empty()) doc_.setFilePath(path, RecentFiles::Leave);
    open_(copy);
    record_.MarkSavedAs(onDisk);
    Follow();
    return true;
}

bool DocumentCommands::Reload() {
    const std::string path = doc_.filePath();
    doc_.setModified(false);
    return OpenFile(path);
}

void DocumentCommands::KeepOwnVersion() {
    if (const std::optional<std::string> now = doc_.AcceptDisk())
        record_.MarkSavedAs(ReadScaleParameters(*now));
    Follow();
}

bool DocumentCommands::Open() {
    return Opened(doc_.Open(record_.params()));
}

bool DocumentCommands::OpenFile(const std::string& path) {
    return Opened(doc_.OpenDocumentFile(path, record_.params()));
}

bool DocumentCommands::Save() {
    return Saved(doc_.Save(record_.params()));
}

bool DocumentCommands::SaveAs() {
    return Saved(doc_.SaveAs(record_.params()));
}

bool DocumentCommands::SaveModified() {
    const bool asked = doc_.isModified();
    const bool goOn = doc_.SaveModified(record_.params());
    // Saved when it was asked and the flag is down now.
    if (asked && !doc_.isModified()) return Saved(true) && goOn;
    Tell();
    return goOn;
}

}  // namespace quirn
