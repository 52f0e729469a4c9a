// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter panel's standard fields bound to the scale being edited: filled from the record
// whenever it changes while nothing is typed here, the typed ones applied on Apply, enabled as
// the shape and arc choices say, the Apply button marked while they hold edits, and the undo keys
// passed on to the document when a field has nothing of its own to undo.
#pragma once

#include <QObject>

#include "view/ApplyGroup.h"
#include "view/panel/ParameterBar.h"

namespace quirn {

class ScaleSession;
class UserPrompts;

class PanelFields : public QObject, public FieldEditor {
    Q_OBJECT
  public:
    // Refusals are told, and the question about unapplied edits asked, through prompts.
    PanelFields(ParameterBar& bar, ScaleSession& session, UserPrompts& prompts,
                QObject* parent = nullptr);

    // Applies the fields typed here, and what the scales window holds unapplied, to the record;
    // a field that cannot be taken is refused with a message and nothing changes.
    void applyParameters();
    // Before a command that would act on the applied record (save, print, export) or drop the
    // panels (close, another document): what the panel and the scales window hold unapplied
    // is applied, kept as typed, or the command is cancelled, as the user answers. False means
    // cancel.
    bool ResolveUnappliedEdits();

    Outcome ReadInto(ScaleParameters& record) const override;
    // The fields show the record; their own undo history goes, so that the undo keys reach the
    // document.
    void FillPage(const ScaleParameters& record) override;
    // The fields keep the texts as typed ("0,25" stays): only the drawing starts afresh.
    void Applied(std::shared_ptr<const ScaleParameters> record) override;
    void ShowRefusal(const QString& text) override;
    QString StepName() const override;
    // The Apply button is highlighted while the fields hold edits.
    void ShowUnapplied() override;

  protected:
    // The undo keys reach the document when the focused field has nothing of its own to undo.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Connect();
    // The undo keys pass to the document once the fields show an applied record.
    void ForgetFieldUndo();
    // The height only for a square plate, the outer radius only for a radial one, the arc's
    // width only with the arc.
    void EnableByChoices();

    ParameterBar& bar_;
    ScaleSession& session_;
    UserPrompts& prompts_;
    bool unappliedShown_ = false;
};

}  // namespace quirn
