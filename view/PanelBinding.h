// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter panel bound to the scale being edited and to the view: the panel is filled from
// the working copy and read back on Apply, its enabling rules follow the shape and arc choices,
// the template's button, fields and spinners drive the template, and the readouts show the zoom
// and the cursor. Failures are reported to the user.
#pragma once

#include <QObject>
#include <functional>

#include "model/Document.h"
#include "view/ApplyGroup.h"
#include "view/ParameterBar.h"
#include "view/Warning.h"

namespace quirn {

class ApplicationPrinter;
class ScaleView;
class ScaleSession;

class PanelBinding : public QObject, public FieldEditor {
    Q_OBJECT
  public:
    PanelBinding(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                 QObject* parent = nullptr);

    // Writes the working copy into the panel.
    void FillParameterBar();
    // Reads the panel, and what the scales window holds unapplied, into the working copy and
    // the document, then redraws; a field that cannot be taken is refused with a message and
    // nothing changes.
    void OnApplyParameters();
    // Whether the panel's fields say something else than when they were last filled or
    // applied; the Apply button is highlighted while they do.
    bool HasUnappliedEdits() const override;
    // Before a command that would act on the applied record (save, print, export) or drop the
    // panels (close, another document): what the panel and the scales window hold unapplied
    // is applied, kept as typed, or the command is cancelled, as the user answers. False means
    // cancel.
    bool ResolveUnappliedEdits();
    void OnSquareShape();
    void OnRadialShape();
    void OnArcToggle();
    // "Записать рисунок в файл" at the application printer's resolution; only a failure is
    // reported.
    void OnExportPicture();
    // Button 2: loads a template picture when none is loaded, removes it otherwise.
    void OnTemplateButton();
    // A template field's text changed: re-read into the width, X or Y.
    void OnTemplateFieldChanged(BarControl field);
    // A spinner stepped to value: store it and write it into the field beside it.
    void OnTemplateSpinnerStep(BarControl spinner, int value);

    // The printer whose resolution the export takes; the default printer's without one.
    void setApplicationPrinter(ApplicationPrinter* printer) { printer_ = printer; }
    // Where the binding asks for a template file and reports a failure; dialogs unless replaced.
    void setTemplateFileChooser(std::function<QString()> chooser) {
        chooseTemplateFile_ = std::move(chooser);
    }
    void setWarningHandler(WarningHandler warn) { warn_ = std::move(warn); }
    // Where the binding asks whether to apply unapplied edits; a dialog unless replaced.
    void setApplyQuestion(std::function<SaveAnswer()> ask);

    std::optional<QString> ReadInto(ScaleParameters& record) const override;
    // The fields as they are now count as applied; their own undo history goes, so that the
    // undo keys reach the document.
    void TakeAppliedReading() override;
    void ShowRefusal(const QString& text) override;
    QString StepName() const override;

  protected:
    // The undo keys reach the document when the focused field has nothing of its own to undo.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Connect();
    void OnShown();
    void OnRestored();
    void ShowUnapplied();
    void ShowTemplateButton();
    void ShowZoom();
    void ShowCursor(int x, int y);
    void ShowTemplateAnchor();
    void ShowTemplateWidth();
    void Warn(const QString& text);
    QString AskTemplateFile();

    ParameterBar& bar_;
    ScaleSession& session_;
    ScaleView& view_;
    ApplicationPrinter* printer_ = nullptr;
    std::function<QString()> chooseTemplateFile_;
    WarningHandler warn_;
    ScaleParameters appliedReading_;
    bool unappliedShown_ = false;
};

}  // namespace quirn
