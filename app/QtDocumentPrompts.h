// SPDX-License-Identifier: GPL-3.0-or-later
// The document's questions and reports as the desktop program asks them: message boxes and the
// file dialogs.
#pragma once

#include "model/Document.h"

class QWidget;

namespace quirn {

class QtDocumentPrompts : public DocumentPrompts {
  public:
    explicit QtDocumentPrompts(QWidget* parent) : parent_(parent) {}

    SaveAnswer AskSaveChanges(const std::string& name) override;
    std::string AskOpenFileName() override;
    std::string AskSaveFileName(const std::string& proposedPath) override;
    void ReportFailure(const Outcome& failure) override;
    bool AskReplaceChangedFile(const std::string& name) override;

  private:
    QWidget* parent_;
};

// The caption of the program's own message boxes.
inline constexpr const char* kApplicationTitle = "Quirn";

}  // namespace quirn
