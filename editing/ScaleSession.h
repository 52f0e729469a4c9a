// SPDX-License-Identifier: GPL-3.0-or-later
// The scale being edited, as the view shows it: one scene for painting, whose parts each have
// one owner here. The record and its history (EditedRecord) is the only writer of the record
// and the layout; opening and saving (DocumentCommands) drives the document with it; the files
// the plate names (PlateFiles) are read from disk beside it, outside the history; what only the
// screen needs (ViewState) is neither saved nor undone. The session wires them together and
// tells, with one signal, that the scene changed. It has no widgets.
#pragma once

#include <QObject>
#include <QUndoStack>
#include <cstdint>

#include "editing/DocumentCommands.h"
#include "editing/EditedRecord.h"
#include "editing/PlateFiles.h"
#include "editing/TemplateEdits.h"
#include "editing/ViewState.h"
#include "model/Document.h"
#include "render/Scene.h"

namespace quirn {

class ScaleSession : public QObject {
    Q_OBJECT
  public:
    // Loads the symbol images. The record stays empty until one is shown.
    explicit ScaleSession(Document& doc, QObject* parent = nullptr);

    Document& document() const { return doc_; }
    // Everything the drawing shows.
    const Scene& scene() const { return scene_; }
    // Goes up at every change of the scene: what a picture of it can be cached by.
    std::uint64_t revision() const { return revision_; }
    // Whether a document has been shown: before that the record is worth nothing.
    bool hasRecord() const { return hasRecord_; }

    EditedRecord& record() { return record_; }
    QUndoStack& history() { return record_.history(); }
    DocumentCommands& files() { return commands_; }
    PlateFiles& plateFiles() { return plateFiles_; }
    TemplateEdits& templates() { return templates_; }
    ViewState& view() { return view_; }

    // A record opened or made anew: the history starts afresh, the files it names are read, the
    // zoom goes back to 100 %.
    void Show(const ScaleParameters& record);
    // The template and pictures read again: another program changed them.
    void RereadFiles();

  signals:
    // Something the drawing shows changed.
    void changed(std::uint64_t revision);

  private:
    void Changed();

    Document& doc_;
    Scene scene_;
    std::uint64_t revision_ = 0;
    bool hasRecord_ = false;
    EditedRecord record_{scene_};
    PlateFiles plateFiles_{scene_};
    ViewState view_{scene_};
    TemplateEdits templates_{record_, plateFiles_};
    DocumentCommands commands_;
};

}  // namespace quirn
