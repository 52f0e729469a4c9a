// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Document.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/ParameterText.h"

namespace quirn {
namespace {

namespace fs = std::filesystem;

// The platform's limit for one path component, less what a safe write adds to the name while
// it writes (".XXXXXX") and the extension the save adds.
constexpr std::size_t kNameMax = 255;
constexpr std::size_t kTemporarySuffix = 7;
constexpr std::size_t kDescriptionNameMax = kNameMax - kTemporarySuffix - 4;

std::string Absolute(const std::string& path) {
    std::error_code error;
    const fs::path absolute = fs::absolute(path, error);
    if (error) return path;
    return absolute.lexically_normal().string();
}

bool IsWritableFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error) && ::access(path.c_str(), W_OK) == 0;
}

}  // namespace

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    entries_.erase(std::remove(entries_.begin(), entries_.end(), path), entries_.end());
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > kSize) entries_.resize(kSize);
}

void RecentFileList::setEntries(const std::vector<std::string>& entries) {
    entries_.clear();
    for (const std::string& entry : entries) {
        if (entry.empty() || std::find(entries_.begin(), entries_.end(), entry) != entries_.end())
            continue;
        entries_.push_back(entry);
        if (entries_.size() == kSize) break;
    }
}

std::string FileNameForDescription(const std::string& description) {
    std::string name = description;
    std::replace(name.begin(), name.end(), '/', '_');
    std::replace(name.begin(), name.end(), '\0', '_');
    if (name.size() > kDescriptionNameMax) {
        std::size_t cut = kDescriptionNameMax;
        // Never split a UTF-8 sequence: step back over continuation bytes.
        while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
        name.resize(cut);
    }
    if (name.empty() || name == "." || name == "..") name = kUntitledTitle;
    return name;
}

std::string WithDefaultExtension(const std::string& path) {
    const fs::path p(path);
    if (p.has_filename() && !p.has_extension()) return path + kDocumentExtension;
    return path;
}

std::string InitialParametersPath(const std::string& file) {
    return Absolute(file);
}

FileError WriteInitialParameters(const ScaleParameters& params, const std::string& file) {
    return WriteFileAtomically(file, WriteParameterText(params));
}

void Document::SetPathName(const std::string& path, RecentFiles recent) {
    pathName_ = path.empty() ? std::string() : Absolute(path);
    if (recent == RecentFiles::Add) recentFiles_.Add(pathName_);
    UpdateTitle();
}

void Document::SetDescription(const std::string& description) {
    description_ = description;
    UpdateTitle();
}

void Document::UpdateTitle() {
    const std::string fileName = fs::path(pathName_).filename().string();
    if (description_.empty())
        title_ = fileName.empty() ? std::string(kUntitledTitle) : fileName;
    else
        title_ = fileName.empty() ? description_ : description_ + " (" + fileName + ")";
    if (titleChanged_) titleChanged_();
}

std::string Document::NameForQuestion() const {
    const std::string fileName = fs::path(pathName_).filename().string();
    if (!fileName.empty()) return fileName;
    return description_.empty() ? std::string(kUntitledTitle) : description_;
}

void Document::setInitialUpdateHandler(std::function<void()> handler) {
    initialUpdate_ = std::move(handler);
}

void Document::setTitleChangedHandler(std::function<void()> handler) {
    titleChanged_ = std::move(handler);
}

void Document::SetModifiedFlag(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
    if (modifiedChanged_) modifiedChanged_();
}

void Document::setModifiedChangedHandler(std::function<void()> handler) {
    modifiedChanged_ = std::move(handler);
}

void Document::RunInitialUpdate() {
    if (initialUpdate_) initialUpdate_();
}

void Document::OnNewDocument() {
    pathName_.clear();
    description_.clear();
    SetModifiedFlag(false);
    UpdateTitle();
    const FileReadResult initial = ReadParameterFile(initialFile_);
    parameters_ =
        initial.error == FileError::None ? ReadScaleParameters(initial.bytes) : kDefaultParameters;
}

bool Document::OnFileNew() {
    if (!SaveModified()) return false;
    OnNewDocument();
    RunInitialUpdate();
    return true;
}

bool Document::OnFileOpen() {
    if (prompts_ == nullptr) return false;
    const std::string path = prompts_->AskOpenFileName();
    if (path.empty()) return false;
    return OpenDocumentFile(path);
}

bool Document::OpenDocumentFile(const std::string& path) {
    if (!SaveModified()) return false;
    const std::string fullPath = Absolute(path);
    const FileReadResult file = ReadParameterFile(fullPath);
    if (file.error != FileError::None) {
        // Nothing of the file is taken when it could not be read whole: the document, the view
        // and the panel keep showing the same record.
        if (prompts_ != nullptr)
            prompts_->ReportFileError(file.error, fullPath, DocumentOperation::Open);
        return false;
    }
    if (!file.bytes.empty()) parameters_ = ReadScaleParameters(file.bytes);
    SetModifiedFlag(false);
    // The description is the new record's, told by the initial update.
    description_.clear();
    SetPathName(fullPath);
    RunInitialUpdate();
    return true;
}

bool Document::OnFileSave() {
    if (!pathName_.empty() && IsWritableFile(pathName_)) return DoSave(pathName_);
    return DoSave({});
}

bool Document::OnFileSaveAs() {
    return DoSave({});
}

std::string Document::ProposedSaveName() const {
    if (!pathName_.empty()) return pathName_;
    return Absolute(FileNameForDescription(NameForQuestion()) + kDocumentExtension);
}

bool Document::DoSave(const std::string& knownPath) {
    std::string path = knownPath;
    if (path.empty()) {
        if (prompts_ == nullptr) return false;
        const std::string chosen = prompts_->AskSaveFileName(ProposedSaveName());
        if (chosen.empty()) return false;
        path = Absolute(WithDefaultExtension(chosen));
    }
    std::error_code ignored;
    const bool existed = fs::exists(path, ignored);
    const FileError error = WriteFileAtomically(path, WriteParameterText(parameters_));
    if (error != FileError::None) {
        if (prompts_ != nullptr)
            prompts_->ReportFileError(
                error, path, existed ? DocumentOperation::Save : DocumentOperation::Create);
        return false;
    }
    SetModifiedFlag(false);
    SetPathName(path);
    return true;
}

bool Document::SaveModified() {
    if (!modified_) return true;
    if (prompts_ == nullptr) return false;
    switch (prompts_->AskSaveChanges(NameForQuestion())) {
        case SaveAnswer::Yes:
            return OnFileSave();
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

}  // namespace quirn
