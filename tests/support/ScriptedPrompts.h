// SPDX-License-Identifier: GPL-3.0-or-later
// The user's answers as a test scripts them: warnings are collected instead of shown, and a
// question with a scripted answer is answered without a dialog. What is not scripted falls to
// the real dialogs, for the tests that drive them.
#pragma once

#include <QStringList>
#include <functional>
#include <optional>

#include "view/dialogs/DialogPrompts.h"

namespace quirn::test {

class ScriptedPrompts : public UserPrompts {
  public:
    QStringList warnings;
    QStringList notices;
    std::function<SaveAnswer()> applyAnswer;
    // The answer about fields the document changed while they were typed; the fields asked about
    // are kept.
    std::function<ConflictAnswer()> conflictAnswer;
    QStringList conflicts;
    std::function<QString()> templateFile;
    std::function<QString(const QString& folder)> pictureFile;
    std::function<std::optional<QColor>(const QColor&)> colour;
    // The values typed for the ticks clicked, in turn; none left: cancelled. The questions asked
    // are kept.
    QList<std::optional<double>> tickValues;
    QList<TickQuestion> tickQuestions;
    // The export dialog's answer; the proposal it was given is kept.
    std::function<std::optional<ExportChoice>(const ExportChoice&)> exportChoice;
    std::optional<ExportChoice> proposedExport;
    std::function<bool(const QString&)> replace;
    // The values typed for a scan's first and last big tick; none: cancelled. The report of
    // what they proposed is kept.
    std::optional<ScanEnds> scanEnds;
    std::optional<ProposalReport> scanReport;
    // What the user does with the ticks found for a calibration, and whether they accept; none:
    // cancelled.
    std::function<bool(TickReview&)> tickReview;
    // Whether a file another program changed is read again; the names asked about are kept.
    bool reloadChanged = false;
    QStringList changedFiles;

    SaveAnswer AskApplyEdits() override {
        return applyAnswer ? applyAnswer() : dialogs_.AskApplyEdits();
    }
    ConflictAnswer AskKeepTypedFields(const QStringList& fields) override {
        conflicts = fields;
        return conflictAnswer ? conflictAnswer() : dialogs_.AskKeepTypedFields(fields);
    }
    QString ChooseTemplateFile() override {
        return templateFile ? templateFile() : dialogs_.ChooseTemplateFile();
    }
    QString ChoosePictureFile(const QString& folder) override {
        return pictureFile ? pictureFile(folder) : dialogs_.ChoosePictureFile(folder);
    }
    std::optional<double> AskTickValue(const TickQuestion& question) override {
        tickQuestions.append(question);
        return tickValues.isEmpty() ? std::nullopt : tickValues.takeFirst();
    }
    std::optional<QColor> ChooseColour(const QColor& current) override {
        return colour ? colour(current) : dialogs_.ChooseColour(current);
    }
    std::optional<ExportChoice> ChooseExport(const ExportChoice& proposed) override {
        proposedExport = proposed;
        return exportChoice ? exportChoice(proposed) : dialogs_.ChooseExport(proposed);
    }
    bool ConfirmReplace(const QString& path) override {
        return replace ? replace(path) : dialogs_.ConfirmReplace(path);
    }
    void Warn(const QString& text) override { warnings.append(text); }
    std::optional<ScanEnds> ReviewScan(const FoundScan&, const ProposeFromScan& propose) override {
        if (scanEnds) scanReport = propose(*scanEnds).report;
        return scanEnds;
    }
    bool ReviewTicks(const QImage&, int, TickReview& review) override {
        return tickReview && tickReview(review);
    }
    bool AskReloadChangedFile(const QString& name) override {
        changedFiles.append(name);
        return reloadChanged;
    }
    void Inform(const QString& text) override { notices.append(text); }

  private:
    DialogPrompts dialogs_;
};

}  // namespace quirn::test
