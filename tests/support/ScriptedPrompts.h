// SPDX-License-Identifier: GPL-3.0-or-later
// The user's answers as a test scripts them: warnings are collected instead of shown, and a
// question with a scripted answer is answered without a dialog. What is not scripted falls to
// the real dialogs, for the tests that drive them.
#pragma once

#include <QStringList>
#include <functional>
#include <optional>

#include "view/DialogPrompts.h"

namespace quirn::test {

class ScriptedPrompts : public UserPrompts {
  public:
    QStringList warnings;
    QStringList notices;
    std::function<SaveAnswer()> applyAnswer;
    std::function<QString()> templateFile;
    std::function<std::optional<QColor>(const QColor&)> colour;

    SaveAnswer AskApplyEdits() override {
        return applyAnswer ? applyAnswer() : dialogs_.AskApplyEdits();
    }
    QString ChooseTemplateFile() override {
        return templateFile ? templateFile() : dialogs_.ChooseTemplateFile();
    }
    std::optional<QColor> ChooseColour(const QColor& current) override {
        return colour ? colour(current) : dialogs_.ChooseColour(current);
    }
    void Warn(const QString& text) override { warnings.append(text); }
    void Inform(const QString& text) override { notices.append(text); }

  private:
    DialogPrompts dialogs_;
};

}  // namespace quirn::test
