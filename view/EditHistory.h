// SPDX-License-Identifier: GPL-3.0-or-later
// The editing history behind undo and redo: each step holds what the scale being edited was
// before and after one change, and puts either back.
#pragma once

#include <QImage>
#include <QString>
#include <QUndoCommand>
#include <functional>
#include <string>
#include <vector>

#include "render/RenderState.h"

namespace quirn {

// What undo and redo put back: the working copy, the document's record, where the elements
// stand, and the template underlay (which is not the document's, but is the user's work).
struct EditSnapshot {
    ScaleParameters params;
    ScaleParameters record;
    Layout layout;
    bool templateLoaded = false;
    QImage templateImage;
    std::string templatePath;
    int templateWidth = 0;
    Point templateAnchor;

    // Images compare by identity: a loaded picture is never edited in place, and comparing
    // pixels would cost a scan of a scanned template at every change.
    bool operator==(const EditSnapshot& other) const;
};

// Steps of these kinds that follow each other merge into one: a number typed into a template
// field digit by digit, or its spinner stepped ten times, is undone at once.
enum class StepKind : int {
    Single = -1,
    TemplateWidth = 1,
    TemplateX = 2,
    TemplateY = 3,
};

class EditStep : public QUndoCommand {
  public:
    using Restore = std::function<void(const EditSnapshot&)>;

    // The change has already been made when the step is pushed: the first redo does nothing.
    EditStep(const QString& text, EditSnapshot before, EditSnapshot after, StepKind kind,
             Restore restore);

    void undo() override;
    void redo() override;
    int id() const override { return static_cast<int>(kind_); }
    bool mergeWith(const QUndoCommand* other) override;

  private:
    EditSnapshot before_;
    EditSnapshot after_;
    StepKind kind_;
    Restore restore_;
    bool done_ = true;
};

// How the history names a drag, or a typed change of the template's place or width:
// "перемещение надписи", "перемещение символа", "перемещение шаблона", "изменение ширины
// шаблона", or "перемещение" for several kinds at once.
QString DragStepText(const std::vector<MovableElement>& moved);

}  // namespace quirn
