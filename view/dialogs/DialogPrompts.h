// SPDX-License-Identifier: GPL-3.0-or-later
// The user's prompts as the desktop program shows them: message boxes and Qt's own file and
// colour dialogs, over the active window.
#pragma once

#include <QPointer>
#include <QWidget>

#include "view/dialogs/UserPrompts.h"

namespace quirn {

class DialogPrompts : public UserPrompts {
  public:
    // fallbackParent: the dialogs' parent when no window of the program is active.
    explicit DialogPrompts(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

    SaveAnswer AskApplyEdits() override;
    ConflictAnswer AskKeepTypedFields(const QStringList& fields) override;
    QString ChooseTemplateFile() override;
    QString ChoosePictureFile(const QString& folder) override;
    std::optional<double> AskTickValue(const TickQuestion& question) override;
    std::optional<QColor> ChooseColour(const QColor& current) override;
    std::optional<ExportChoice> ChooseExport(const ExportChoice& proposed) override;
    bool ConfirmReplace(const QString& path) override;
    void Warn(const QString& text) override;
    void Inform(const QString& text) override;
    std::optional<ScanEnds> ReviewScan(const FoundScan& scan,
                                       const ProposeFromScan& propose) override;
    bool ReviewTicks(const QImage& scan, int scale, TickReview& review) override;
    bool AskReloadChangedFile(const QString& name) override;

  private:
    QWidget* Parent() const;

    QPointer<QWidget> fallbackParent_;
};

}  // namespace quirn
