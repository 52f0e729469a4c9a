// SPDX-License-Identifier: GPL-3.0-or-later
// The document: one scale's parameter record with the file it was opened from or last saved to,
// its description, title and modified flag, and the life of that record: new, open, save, save
// as, the save question and the recent files.
//
// Path names, descriptions and titles are UTF-8, as the file system and the window caption hold
// them. A description built from the record's texts is shown as they are (DisplayText) when it
// reaches SetDescription.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "model/FileAccess.h"
#include "model/ScaleParameters.h"

namespace quirn {

// The file read on every new document and written at the end of the run: by default in the
// current directory at the moment of the access; the program may place it elsewhere.
inline constexpr const char* kInitialParametersFile = "Initial.qrn";
inline constexpr const char* kUntitledTitle = "Безымянный";
inline constexpr const char* kDocumentExtension = ".qrn";

enum class SaveAnswer { Yes, No, Cancel };
enum class DocumentOperation { Open, Save, Create };
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
    // A file could not be opened, read, created or written.
    virtual void ReportFileError(FileError error, const std::string& fullPath,
                                 DocumentOperation operation) = 0;
};

// The ten files opened or saved last, the newest first. Never shows descriptions.
class RecentFileList {
  public:
    static constexpr std::size_t kSize = 10;

    void Add(const std::string& path);
    const std::vector<std::string>& entries() const { return entries_; }
    // As stored in the profile: empty entries are skipped, extras dropped.
    void setEntries(const std::vector<std::string>& entries);

  private:
    std::vector<std::string> entries_;
};

// A file name that stands for the description: "/" becomes "_", and the name is cut (at a
// character boundary) so that it fits the platform's name limit with the extension and the
// temporary suffix of a safe write. Never empty.
std::string FileNameForDescription(const std::string& description);

// Adds ".qrn" when the last component of path has no extension.
std::string WithDefaultExtension(const std::string& path);

// Writes the parameters kept between runs to file (Initial.qrn in the current directory unless
// told otherwise), the safe way: a failed write keeps the previous file. The program calls this
// at the end of the run, with the view's working copy, and only if the view ever received a
// record (a start-up open that failed gives none, and then the old file stays). The caller
// reports a failure (FileErrorText with InitialParametersPath(file) and the create operation);
// the run ends anyway.
FileError WriteInitialParameters(const ScaleParameters& params,
                                 const std::string& file = kInitialParametersFile);
// The full path of file.
std::string InitialParametersPath(const std::string& file = kInitialParametersFile);

class Document {
  public:
    explicit Document(DocumentPrompts* prompts = nullptr) : prompts_(prompts) {}
    // Without prompts every question is answered by cancelling.
    void setPrompts(DocumentPrompts* prompts) { prompts_ = prompts; }

    const ScaleParameters& parameters() const { return parameters_; }
    void setParameters(const ScaleParameters& parameters) { parameters_ = parameters; }

    bool IsModified() const { return modified_; }
    void SetModifiedFlag(bool modified = true);

    // The file the document was opened from or saved to (made absolute), where Save writes; it
    // goes to the recent-file list when addToRecent is set. Empty for a document with no file.
    void SetPathName(const std::string& path, RecentFiles recent = RecentFiles::Add);
    const std::string& GetPathName() const { return pathName_; }
    // The one-line text users know the scale by: the window title, and the name a first save
    // proposes. Never a path.
    void SetDescription(const std::string& description);
    const std::string& description() const { return description_; }
    // The description followed by the file's name in brackets when there is a file; "Безымянный"
    // before either is known.
    const std::string& GetTitle() const { return title_; }
    // How the save question names the document: its file's name, else its description.
    std::string NameForQuestion() const;

    // Run after every successful new and open: the view copies the record and refills itself.
    void setInitialUpdateHandler(std::function<void()> handler);
    // Run whenever the title changes, for the window caption.
    void setTitleChangedHandler(std::function<void()> handler);
    // Run whenever the modified flag changes, whoever changes it: an edit, a save, a new or
    // opened document.
    void setModifiedChangedHandler(std::function<void()> handler);

    // Where OnNewDocument reads Initial.qrn; a relative path is taken from the current directory
    // at the moment of the read.
    void setInitialParametersFile(const std::string& file) { initialFile_ = file; }
    const std::string& initialParametersFile() const { return initialFile_; }

    RecentFileList& recentFiles() { return recentFiles_; }
    const RecentFileList& recentFiles() const { return recentFiles_; }

    // Empties the path name and the description, clears the modified flag, titles the document
    // "Безымянный" and takes the record from Initial.qrn (an empty file gives zeros), or the
    // built-in defaults when it cannot be read or is no parameter file.
    void OnNewDocument();

    // The commands. Each returns true when it went through, false when it was cancelled or
    // failed (a failure has been reported through the prompts by then).
    // New document: the save question, OnNewDocument, the initial update.
    bool OnFileNew();
    // The open dialog, then OpenDocumentFile.
    bool OnFileOpen();
    // The save question, then the file's first 1000 bytes become the record (an empty file
    // leaves it as it was), the path goes to the recent files, and the initial update runs. A
    // file that cannot be opened or read, or is no parameter file, leaves the document as it was.
    bool OpenDocumentFile(const std::string& path);
    // Writes into the document's file when it has one that is writable, else as save as.
    bool OnFileSave();
    // Asks for a name proposing the document's file, or its description in the current
    // directory while it has none, then writes.
    bool OnFileSaveAs();
    // Nothing to do when not modified; otherwise the save question: yes saves and goes on only
    // if that succeeded, no goes on, cancel stops.
    bool SaveModified();

  private:
    bool DoSave(const std::string& knownPath);
    std::string ProposedSaveName() const;
    void UpdateTitle();
    void RunInitialUpdate();

    DocumentPrompts* prompts_ = nullptr;
    ScaleParameters parameters_ = kDefaultParameters;
    bool modified_ = false;
    std::string pathName_;
    std::string description_;
    std::string title_;
    std::string initialFile_ = kInitialParametersFile;
    RecentFileList recentFiles_;
    std::function<void()> initialUpdate_;
    std::function<void()> titleChanged_;
    std::function<void()> modifiedChanged_;
};

}  // namespace quirn
