// SPDX-License-Identifier: GPL-3.0-or-later
// The session drives the document's commands with the record being edited.
#include "editing/ScaleSession.h"

namespace quirn {

bool ScaleSession::ShowOpened(const std::optional<ScaleParameters>& record) {
    TellDocument();
    if (!record) return false;
    Show(*record);
    return true;
}

bool ScaleSession::Saved(bool saved) {
    // Saved into another folder, the record names its pictures and template from there.
    if (saved) savedRecord_ = scene_.params = doc_.writtenRecord();
    // Saved elsewhere, the pictures are looked for beside the document's new place.
    if (saved && (!scene_.params.ext.pictures.empty() || scene_.params.ext.templateRecord)) {
        LoadPictures(PictureReread::Changed);
        LoadTemplatePicture(PictureReread::Changed);
        Changed();
    }
    TellDocument();
    return saved;
}

bool ScaleSession::NewDocument() {
    return ShowOpened(doc_.New(scene_.params));
}

bool ScaleSession::OpenDocument() {
    return ShowOpened(doc_.Open(scene_.params));
}

bool ScaleSession::OpenDocumentFile(const std::string& path) {
    return ShowOpened(doc_.OpenDocumentFile(path, scene_.params));
}

bool ScaleSession::SaveDocument() {
    return Saved(doc_.Save(scene_.params));
}

bool ScaleSession::SaveDocumentAs() {
    return Saved(doc_.SaveAs(scene_.params));
}

bool ScaleSession::SaveModified() {
    const bool asked = doc_.isModified();
    const bool goOn = doc_.SaveModified(scene_.params);
    // Saved when it was asked and the flag is down now.
    if (asked && !doc_.isModified()) return Saved(true) && goOn;
    TellDocument();
    return goOn;
}

}  // namespace quirn
