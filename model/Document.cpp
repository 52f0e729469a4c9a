// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/Document.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "model/DocumentFiles.h"
#include "model/NumberText.h"
#include "model/ParameterText.h"
#include "model/PlateFrame.h"
#include "model/TextCodec.h"

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

std::string ComposeDescription(const ScaleParameters& p) {
    const PlateFrame frame = FrameOf(p);
    return DisplayText(p.name, p.ext.nameUtf8) + ", " + TrimmedNumber(p.plateWidth / 100.0, 2) +
           "x" + TrimmedNumber(static_cast<double>(frame.top - frame.bottom) / 100.0, 2) + ", " +
           TrimmedNumber(p.range, 2) + DisplayText(p.unit, p.unitUtf8);
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

void Document::setFilePath(const std::string& path, RecentFiles recent) {
    pathName_ = path.empty() ? std::string() : Absolute(path);
    if (recent == RecentFiles::Add) recentFiles_.Add(pathName_);
    UpdateTitle();
}

void Document::setDescription(const std::string& description) {
    description_ = description;
    UpdateTitle();
}

void Document::UpdateTitle() {
    const std::string fileName = fs::path(pathName_).filename().string();
    if (description_.empty())
        title_ = fileName.empty() ? untitledName_ : fileName;
    else
        title_ = fileName.empty() ? description_ : description_ + " (" + fileName + ")";
}

void Document::setUntitledName(const std::string& name) {
    untitledName_ = name;
    UpdateTitle();
}

std::string Document::NameForQuestion() const {
    const std::string fileName = fs::path(pathName_).filename().string();
    if (!fileName.empty()) return fileName;
    return description_.empty() ? untitledName_ : description_;
}

void Document::setModified(bool modified) {
    if (modified_ == modified) return;
    modified_ = modified;
}

ScaleParameters Document::StartNew() {
    pathName_.clear();
    onDisk_.reset();
    description_.clear();
    setModified(false);
    UpdateTitle();
    // The last plate is where a new one starts; its template belongs to that plate's scan.
    ScaleParameters start = ReadInitialParameters(initialFile_);
    start.ext.templateRecord.reset();
    return start;
}

std::optional<ScaleParameters> Document::New(const ScaleParameters& current) {
    if (!SaveModified(current)) return std::nullopt;
    return StartNew();
}

std::optional<ScaleParameters> Document::Open(const ScaleParameters& current) {
    if (prompts_ == nullptr) return std::nullopt;
    const std::string path = prompts_->AskOpenFileName();
    if (path.empty()) return std::nullopt;
    return OpenDocumentFile(path, current);
}

std::optional<ScaleParameters> Document::OpenDocumentFile(const std::string& path,
                                                          const ScaleParameters& current) {
    if (!SaveModified(current)) return std::nullopt;
    const std::string fullPath = Absolute(path);
    const Result<std::string> file = ReadParameterFile(fullPath);
    if (file.outcome.fault != Fault::None) {
        // Nothing of the file is taken when it could not be read whole: the document, the view
        // and the panel keep showing the same record.
        if (prompts_ != nullptr)
            prompts_->ReportFailure(FileFailure(file.outcome.fault, fullPath, FileOperation::Open));
        return std::nullopt;
    }
    const ScaleParameters record = file.value.empty() ? current : ReadScaleParameters(file.value);
    onDisk_ = file.value;
    setModified(false);
    // The description is the new record's, set by whoever shows it.
    description_.clear();
    setFilePath(fullPath);
    return record;
}

bool Document::Save(const ScaleParameters& record) {
    if (pathName_.empty()) return DoSave({}, record);
    switch (CheckDisk()) {
        case DiskState::Missing:
            // Deleted by another program: written again where it was.
            return DoSave(pathName_, record);
        case DiskState::Changed:
            if (prompts_ == nullptr || !prompts_->AskReplaceChangedFile(NameForQuestion()))
                return false;
            break;
        case DiskState::Same:
            break;
    }
    return DoSave(IsWritableFile(pathName_) ? pathName_ : std::string(), record);
}

DiskState Document::CheckDisk() const {
    if (pathName_.empty() || !onDisk_) return DiskState::Same;
    std::error_code ignored;
    if (!fs::exists(pathName_, ignored)) return DiskState::Missing;
    const Result<std::string> now = ReadParameterFile(pathName_);
    if (!now.ok()) return DiskState::Same;
    return now.value == *onDisk_ ? DiskState::Same : DiskState::Changed;
}

std::optional<std::string> Document::AcceptDisk() {
    if (pathName_.empty()) return std::nullopt;
    Result<std::string> now = ReadParameterFile(pathName_);
    if (!now.ok()) return std::nullopt;
    onDisk_ = now.value;
    return std::move(now.value);
}

bool Document::SaveAs(const ScaleParameters& record) {
    return DoSave({}, record);
}

std::string Document::ProposedSaveName() const {
    if (!pathName_.empty()) return pathName_;
    return Absolute(FileNameForDescription(NameForQuestion()) + kDocumentExtension);
}

bool Document::DoSave(const std::string& knownPath, const ScaleParameters& record) {
    std::string path = knownPath;
    if (path.empty()) {
        if (prompts_ == nullptr) return false;
        const std::string chosen = prompts_->AskSaveFileName(ProposedSaveName());
        if (chosen.empty()) return false;
        path = Absolute(WithDefaultExtension(chosen));
    }
    std::error_code ignored;
    const bool existed = fs::exists(path, ignored);
    // Pictures are looked for beside the document, or in the current folder before its first save.
    const fs::path from =
        pathName_.empty() ? fs::current_path(ignored) : fs::path(pathName_).parent_path();
    const fs::path to = fs::path(path).parent_path();
    // Before its first save the document named its files in full: it had no folder to name them
    // from. Saved into the current folder, they are named from it as a save elsewhere would.
    const bool renamed = from != to || pathName_.empty();
    std::string bytes = WriteParameterText(renamed ? WithFilesNamedFrom(record, from, to) : record);
    const Fault error = WriteFileAtomically(path, bytes);
    if (error != Fault::None) {
        if (prompts_ != nullptr)
            prompts_->ReportFailure(
                FileFailure(error, path, existed ? FileOperation::Save : FileOperation::Create));
        return false;
    }
    lastMove_.reset();
    if (renamed) lastMove_ = FolderMove{from, to};
    setModified(false);
    setFilePath(path);
    onDisk_ = std::move(bytes);
    return true;
}

bool Document::SaveModified(const ScaleParameters& current) {
    if (!modified_) return true;
    if (prompts_ == nullptr) return false;
    switch (prompts_->AskSaveChanges(NameForQuestion())) {
        case SaveAnswer::Yes:
            return Save(current);
        case SaveAnswer::No:
            return true;
        case SaveAnswer::Cancel:
            return false;
    }
    return false;
}

}  // namespace quirn
