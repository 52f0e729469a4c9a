// SPDX-License-Identifier: GPL-3.0-or-later
// The scale being edited: the working copy of the parameters and everything else the renderer
// works on, the commands that change them and their history for undo and redo. It has no
// widgets: the view shows it and moves its elements, the panel binding feeds it from the
// parameter panel.
//
// The document is modified exactly when its record differs from the one last opened or saved,
// so undoing back to the saved state leaves it unmodified again.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <vector>

#include "model/Document.h"
#include "peripherals/PictureExport.h"
#include "render/RenderState.h"
#include "view/ApplyGroup.h"
#include "view/EditHistory.h"

namespace quirn {

class ScaleSession : public QObject {
    Q_OBJECT
  public:
    // Loads the symbol images and hooks the document's initial update. The working copy stays
    // empty until the first initial update.
    explicit ScaleSession(Document& doc, QObject* parent = nullptr);
    ~ScaleSession() override;

    Document& document() const { return doc_; }
    RenderState& state() { return state_; }
    const RenderState& state() const { return state_; }
    // Whether a document has been shown: before that the working copy is worth nothing.
    bool hasRecord() const { return hasRecord_; }
    QString DocumentTitle() const;

    // A document was attached: copy its record, reset the template geometry, the title, the
    // zoom and the layout; the history starts afresh.
    void OnInitialUpdate();
    // Parameters read from the panel: into the working copy and the document, which is then
    // titled after them; the layout starts afresh. One step of the history, named step or
    // "применение параметров", unless nothing changed.
    void Apply(const ScaleParameters& params, const QString& step = {});
    // Elements at their defaults for the plate, or where the user placed them.
    void ResetLayout();
    // A drag ended; before is the snapshot taken when it began. The drawn elements among moved
    // stand where the layout now has them: their places become part of the record. The drag is
    // one step of the history.
    void KeepPlaces(const std::vector<MovableElement>& moved, const EditSnapshot& before);
    // "Сбросить расположение": every element back at its default, the places forgotten.
    void ForgetPlaces();

    // The panel and the scales window, whose typed fields are applied together.
    ApplyGroup& applyGroup() { return applyGroup_; }

    // Undo and redo of everything above and of the template's changes below.
    QUndoStack& history() { return history_; }
    // What undo and redo would put back now.
    EditSnapshot Snapshot() const;
    void setZoom(int zoom);
    // The display correction factor of the screen calibration.
    void setKsrn(double displayCorrection);

    // The template underlay: loaded from a picture file (the outcome says why not), removed,
    // or placed and sized in drawing units.
    Outcome LoadTemplate(const QString& path);
    void RemoveTemplate();
    void setTemplateWidth(int width);
    void setTemplateX(int x);
    void setTemplateY(int y);

    // "Записать рисунок в файл": the scale as printed, into "<description>.bmp" in the current
    // directory at dpi.
    Outcome ExportPicture(int dpi) const;

  signals:
    // A document's record was taken in.
    void shown();
    // Undo or redo put a snapshot back: the panels show the working copy again.
    void restored();
    // The document became modified or unmodified.
    void modifiedChanged();
    // The layout went back to its defaults: drags end, the zoom readout is rewritten.
    void layoutReset();
    // Something the drawing shows changed.
    void changed();

  private:
    // The change since before is one step named text, unless nothing changed.
    void Record(const QString& text, const EditSnapshot& before, StepKind kind = StepKind::Single);
    void Restore(const EditSnapshot& snapshot);
    void UpdateModified();

    Document& doc_;
    RenderState state_;
    bool hasRecord_ = false;
    QUndoStack history_;
    ApplyGroup applyGroup_{*this};
    ScaleParameters savedRecord_;  // as last opened or saved
};

}  // namespace quirn
