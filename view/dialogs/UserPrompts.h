// SPDX-License-Identifier: GPL-3.0-or-later
// What the view's parts ask or tell the user, in one place: the program answers with dialogs, a
// test from its script. Whoever builds the parts hands them the one instance.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "model/Document.h"
#include "peripherals/ScanFile.h"
#include "scan/TickReview.h"
#include "view/dialogs/ExportChoice.h"

namespace quirn {

// Fields typed and not applied that the document changed meanwhile: the values typed, the
// document's, or no Apply.
enum class ConflictAnswer { KeepTyped, TakeDocument, Cancel };

// The value of a tick just clicked on a scale's old plate, asked for.
struct TickQuestion {
    int scale = 1;
    double proposed = 0.0;  // the value the next tick most likely bears
    QRect keepClear;        // where the ticks being clicked show, on the screen
};

class UserPrompts {
  public:
    virtual ~UserPrompts() = default;

    // Fields were typed but not applied: apply them (Yes), keep them as typed (No), or cancel
    // the command that asked.
    virtual SaveAnswer AskApplyEdits() = 0;
    // An Apply found fields (by their file keys) that were typed here and changed in the
    // document since: whose values count.
    virtual ConflictAnswer AskKeepTypedFields(const QStringList& fields) = 0;
    // A picture to lay under the drawing; empty when the user chose none.
    virtual QString ChooseTemplateFile() = 0;
    // A picture file to place on the plate, the dialog opening in folder (empty: where it
    // likes); empty when the user chose none.
    virtual QString ChoosePictureFile(const QString& folder) = 0;
    // The value of the tick just clicked, the proposal typed in already and the question kept
    // off the ticks; none when the user cancelled.
    virtual std::optional<double> AskTickValue(const TickQuestion& question) = 0;
    // A zone's new colour, starting from current; none when the user cancelled.
    virtual std::optional<QColor> ChooseColour(const QColor& current) = 0;
    // Where and how to export the picture, starting from proposed; none when cancelled.
    virtual std::optional<ExportChoice> ChooseExport(const ExportChoice& proposed) = 0;
    // Whether the file at path, which exists, may be replaced.
    virtual bool ConfirmReplace(const QString& path) = 0;
    // Something failed; the text says what.
    virtual void Warn(const QString& text) = 0;
    // Something the user should know that is no failure.
    virtual void Inform(const QString& text) = 0;
    // What was found on a scan, shown for the values of its first and last big tick, which
    // propose turns into the document told of; none when the user cancelled.
    using ProposeFromScan = std::function<ScanProposal(ScanEnds)>;
    virtual std::optional<ScanEnds> ReviewScan(const FoundScan& scan,
                                               const ProposeFromScan& propose) = 0;
    // "Найти деления": the ticks found on the template's scan (grey, as it was searched), for
    // the user to correct before they calibrate scale; false when the user cancelled.
    virtual bool ReviewTicks(const QImage& scan, int scale, TickReview& review) = 0;
    // Another program changed the document's file named name: read it again (true) or keep
    // the version shown.
    virtual bool AskReloadChangedFile(const QString& name) = 0;
};

// Passes every prompt on to its target, which may be replaced after the parts that hold the relay
// were built: the main window's prompts are dialogs unless a test scripts them.
class PromptsRelay : public UserPrompts {
  public:
    explicit PromptsRelay(UserPrompts& target) : target_(&target) {}
    void setTarget(UserPrompts& target) { target_ = &target; }

    SaveAnswer AskApplyEdits() override { return target_->AskApplyEdits(); }
    ConflictAnswer AskKeepTypedFields(const QStringList& fields) override {
        return target_->AskKeepTypedFields(fields);
    }
    QString ChooseTemplateFile() override { return target_->ChooseTemplateFile(); }
    QString ChoosePictureFile(const QString& folder) override {
        return target_->ChoosePictureFile(folder);
    }
    std::optional<double> AskTickValue(const TickQuestion& question) override {
        return target_->AskTickValue(question);
    }
    std::optional<QColor> ChooseColour(const QColor& current) override {
        return target_->ChooseColour(current);
    }
    std::optional<ExportChoice> ChooseExport(const ExportChoice& proposed) override {
        return target_->ChooseExport(proposed);
    }
    bool ConfirmReplace(const QString& path) override { return target_->ConfirmReplace(path); }
    void Warn(const QString& text) override { target_->Warn(text); }
    void Inform(const QString& text) override { target_->Inform(text); }
    std::optional<ScanEnds> ReviewScan(const FoundScan& scan,
                                       const ProposeFromScan& propose) override {
        return target_->ReviewScan(scan, propose);
    }
    bool ReviewTicks(const QImage& scan, int scale, TickReview& review) override {
        return target_->ReviewTicks(scan, scale, review);
    }
    bool AskReloadChangedFile(const QString& name) override {
        return target_->AskReloadChangedFile(name);
    }

  private:
    UserPrompts* target_;
};

}  // namespace quirn
