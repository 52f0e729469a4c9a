// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program.
#pragma once

#include <memory>
#include <string>

#include "app/Language.h"
#include "model/Document.h"

class QSettings;

namespace quirn {

class AutoSave;
class MainWindow;
class QtDocumentPrompts;
class RecoveryDialogs;
class RecoveryPrompts;

// Runs the desktop program, opening file when it is not empty; returns the exit status. The
// program must be named first (NameTheProgram), as RunQuirn does.
int RunDesktop(int& argc, char** argv, const std::string& file);

// The program's one document, its main window and its profile, for the life of the process. A
// QApplication must exist.
class Application {
  public:
    // prompts answers the document's questions; without it the main window's dialogs do.
    explicit Application(QSettings& settings, DocumentPrompts* prompts = nullptr);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Loads the profile, builds the main window, then a new document or the file named: false,
    // after the error has been reported, when that file cannot be opened. Shows the window on
    // success.
    bool start(const std::string& file);
    // Keeps the working parameters in Initial.qrn, saves the profile and takes the window down.
    void finish();
    // The run is being ended from outside (a signal, the session's end) without the save
    // question: the unsaved work is left for recovery rather than thrown away at finish.
    void KeepUnsavedWork();

    Document& document() { return doc_; }
    // The save question for the document shown, if any: false when the user cancelled.
    bool SaveModified();
    MainWindow* mainWindow() const { return frame_.get(); }
    // The language the user chose, kept in the profile; in force from the next start.
    LanguageChoice language() const { return language_; }
    // Who is asked, at the start, about the work a program that is gone left unsaved; without
    // them, dialogs, unless the document's prompts are scripted. Set before start.
    void setRecoveryPrompts(RecoveryPrompts* prompts) { externalRecovery_ = prompts; }
    // Keeps unsaved work for recovery from the start on.
    AutoSave* autoSave() const { return autoSave_.get(); }

  private:
    void KeepInitialParameters();

    QSettings& settings_;
    DocumentPrompts* externalPrompts_;
    LanguageChoice language_ = LanguageChoice::System;
    Document doc_;
    std::unique_ptr<MainWindow> frame_;
    std::unique_ptr<QtDocumentPrompts> prompts_;
    RecoveryPrompts* externalRecovery_ = nullptr;
    std::unique_ptr<RecoveryDialogs> recoveryDialogs_;
    std::unique_ptr<AutoSave> autoSave_;  // watches the main window's session
};

}  // namespace quirn
