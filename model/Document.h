// SPDX-License-Identifier: GPL-3.0-or-later
// The document: the file a scale's parameter record was opened from or last saved to, its
// description, title and modified flag, and the life of that file: new, open, save, save as, the
// save question and the recent files. The record itself is its owner's (the session's): the
// document reads it from a file and writes the one it is given, and tells nothing by itself; its
// owner asks after every command.
//
// Path names, descriptions and titles are UTF-8, as the file system and the window caption hold
// them. A description built from the record's texts is shown as they are (DisplayText) when it
// reaches setDescription.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "model/FileAccess.h"
#include "model/InitialParameters.h"
#include "model/RecentFileList.h"
#include "model/ScaleParameters.h"

namespace quirn {

inline constexpr const char* kUntitledTitle = "Безымянный";
inline constexpr const char* kDocumentExtension = ".qrn";

enum class SaveAnswer { Yes, No, Cancel };
// What a document's file holds now against what it held when last read or written.
enum class DiskState { Same, Changed, Missing };
enum class RecentFiles { Add, Leave };

// Everything the document needs to ask or tell the user. The desktop program answers with
// dialogs; tests answer from a script. The document itself never shows anything.
class DocumentPrompts {
  public:
    virtual ~DocumentPrompts() = default;
    // "Сохранить изменения в %1?" with yes, no and cancel; %1 names the document: its file's
    // name, or its description while it has no file.
    virtual SaveAnswer AskSaveChanges(const std::string& name) = 0;
    // The existing file to open, or empty when cancelled.
    virtual std::string AskOpenFileName() = 0;
    // The file to save to, starting from the proposed path, or empty when cancelled.
    virtual std::string AskSaveFileName(const std::string& proposedPath) = 0;
    // A file could not be opened, read, created or written (FileFailure).
    virtual void ReportFailure(const Outcome& failure) = 0;
    // Whether Save may replace the document's file, which another program changed since it was
    // read or written; without an answer it may not.
    virtual bool AskReplaceChangedFile(const std::string& name) {
        (void)name;
        return false;
    }
};

// A file name that stands for the description: "/" becomes "_", and the name is cut (at a
// character boundary) so that it fits the platform's name limit with the extension and the
// temporary suffix of a safe write. Never empty.
std::string FileNameForDescription(const std::string& description);

// Name, width x height of the plate, range and unit in one line: "M4200, 69x60, 15V". UTF-8.
std::string ComposeDescription(const ScaleParameters& p);

// Adds ".qrn" when the last component of path has no extension.
std::string WithDefaultExtension(const std::string& path);

class Document {
  public:
    explicit Document(DocumentPrompts* prompts = nullptr) : prompts_(prompts) {}
    // Without prompts every question is answered by cancelling.
    void setPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }

    bool isModified() const { return modified_; }
    void setModified(bool modified = true);

    // The file the document was opened from or saved to (made absolute), where Save writes; it
    // goes to the recent-file list when addToRecent is set. Empty for a document with no file.
    void setFilePath(const std::string& path, RecentFiles recent = RecentFiles::Add);
    const std::string& filePath() const { return pathName_; }
    // The one-line text users know the scale by: the window title, and the name a first save
    // proposes. Never a path.
    void setDescription(const std::string& description);
    const std::string& description() const { return description_; }
    // What the title and the save question call a document with neither description nor file,
    // in the language in force; "Безымянный" unless told otherwise.
    void setUntitledName(const std::string& name);
    // The description followed by the file's name in brackets when there is a file; "Безымянный"
    // before either is known.
    const std::string& title() const { return title_; }
    // How the save question names the document: its file's name, else its description.
    std::string NameForQuestion() const;

    // Where StartNew reads Initial.qrn; a relative path is taken from the current directory
    // at the moment of the read.
    void setInitialParametersFile(const std::string& file) { initialFile_ = file; }
    const std::string& initialParametersFile() const { return initialFile_; }

    RecentFileList& recentFiles() { return recentFiles_; }
    const RecentFileList& recentFiles() const { return recentFiles_; }

    // Empties the path name and the description, clears the modified flag, titles the document
    // "Безымянный" and gives the record of Initial.qrn (ReadInitialParameters).
    ScaleParameters StartNew();

    // The commands. current is the record being edited, written when the save question is
    // answered yes. Those that replace the record give the one to show; all give nothing (or
    // false) when cancelled or failed, a failure reported through the prompts by then.
    // New document: the save question, then StartNew.
    std::optional<ScaleParameters> New(const ScaleParameters& current);
    // The open dialog, then OpenDocumentFile.
    std::optional<ScaleParameters> Open(const ScaleParameters& current);
    // The save question, then the file's first 1 MiB (kParameterReadLimit) becomes the record
    // (an empty file gives current back) and the path goes to the recent files. A file that cannot
    // be opened or read, or is no parameter file, leaves the document as it was.
    std::optional<ScaleParameters> OpenDocumentFile(const std::string& path,
                                                    const ScaleParameters& current);
    // Writes record into the document's file when it has one that is writable or was deleted,
    // else as save as. A file another program changed is replaced only when the user says so.
    bool Save(const ScaleParameters& record);
    // Asks for a name proposing the document's file, or its description in the current
    // directory while it has none, then writes record.
    bool SaveAs(const ScaleParameters& record);
    // Nothing to do when not modified; otherwise the save question: yes saves current and goes
    // on only if that succeeded, no goes on, cancel stops.
    bool SaveModified(const ScaleParameters& current);
    // The folders the last save moved the document between, when it went into another one or
    // was the document's first: the files the record names beside itself were written named from
    // there (WithFilesNamedFrom), and the owner renames them alike in the record it keeps.
    struct FolderMove {
        std::filesystem::path from, to;
    };
    const std::optional<FolderMove>& lastFolderMove() const { return lastMove_; }

    // Same for a document without a file, or one whose file cannot be read for another cause.
    DiskState CheckDisk() const;
    // The file as it is now is what the document knows of it: the user keeps their own version
    // over another program's. Its text, when it could be read.
    std::optional<std::string> AcceptDisk();

  private:
    bool DoSave(const std::string& knownPath, const ScaleParameters& record);
    std::string ProposedSaveName() const;
    void UpdateTitle();

    DocumentPrompts* prompts_ = nullptr;
    bool modified_ = false;
    std::string pathName_;
    std::string description_;
    std::string untitledName_ = kUntitledTitle;
    std::string title_;
    std::string initialFile_ = kInitialParametersFile;
    RecentFileList recentFiles_;
    std::optional<FolderMove> lastMove_;
    std::optional<std::string> onDisk_;  // the file's bytes as last read or written
};

}  // namespace quirn
