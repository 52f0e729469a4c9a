// SPDX-License-Identifier: GPL-3.0-or-later
// The editing history behind undo and redo: each step holds what the user edits (SceneEdits)
// before and after one change, and puts either back.
#pragma once

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <memory>
#include <vector>

#include "render/FreeItems.h"
#include "render/Scene.h"

namespace quirn {

// Steps of these kinds that follow each other merge into one: a number typed into a template
// field digit by digit, or its spinner stepped ten times, is undone at once.
enum class StepKind : int {
    Single = -1,
    TemplateWidth = 1,
    TemplateX = 2,
    TemplateY = 3,
    TemplateDim = 4,
    // A calibration's first point and its taking back when the calibration ends with it alone:
    // merged, they leave no step that undo or redo could bring the lone point back by.
    CalibrationStart = 5,
};

class EditStep : public QUndoCommand {
  public:
    // Snapshots are shared and never written: the record's owner and its editors may keep the
    // one a step restores without copying it.
    using Snapshot = std::shared_ptr<const SceneEdits>;
    using Restore = std::function<void(const Snapshot&)>;

    // The change has already been made when the step is pushed: the first redo does nothing.
    EditStep(const QString& text, Snapshot before, Snapshot after, StepKind kind, Restore restore);

    void undo() override;
    void redo() override;
    int id() const override { return static_cast<int>(kind_); }
    bool mergeWith(const QUndoCommand* other) override;
    // Both snapshots changed alike, as when a save into another folder renames the files the
    // record names: every state the history can go back to names them so that they are found.
    void Rewrite(const std::function<void(ScaleParameters&)>& rewrite);

  private:
    Snapshot before_;
    Snapshot after_;
    StepKind kind_;
    Restore restore_;
    bool done_ = true;
};

// How the history names a drag, or a typed change of the template's place or width:
// "перемещение надписи" (a free text's too), "перемещение символа", "перемещение рисунка",
// "перемещение шаблона", "изменение ширины шаблона", or "перемещение" for several kinds at once.
QString DragStepText(const std::vector<MovableElement>& moved,
                     const std::vector<FreeItem>& freeMoved = {});

}  // namespace quirn
