// SPDX-License-Identifier: GPL-3.0-or-later
// The scale being edited: the working copy of the parameters and everything else the renderer
// works on, the commands that change them and their history for undo and redo. It has no
// widgets: the view shows it and moves its elements, the panel feeds it from the
// parameter panel.
//
// The session holds the one record being edited and drives the document (the file, its title and
// modified flag) with it, telling what changed through its signals. The document is modified
// exactly when the record differs from the one last opened or saved, so undoing back to the saved
// state leaves it unmodified again.
#pragma once

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/Document.h"
#include "peripherals/PictureExport.h"
#include "render/Scene.h"
#include "view/ApplyGroup.h"
#include "view/canvas/Dragging.h"
#include "editing/EditHistory.h"

namespace quirn {

class ScaleSession : public QObject {
    Q_OBJECT
  public:
    // Loads the symbol images. The working copy stays empty until a record is shown.
    explicit ScaleSession(Document& doc, QObject* parent = nullptr);

    Document& document() const { return doc_; }
    // Everything the drawing shows; changed only through the commands below.
    const Scene& scene() const { return scene_; }
    // Goes up at every change of the scene: what a picture of it can be cached by.
    std::uint64_t revision() const { return revision_; }
    // Whether a document has been shown: before that the working copy is worth nothing.
    bool hasRecord() const { return hasRecord_; }
    QString DocumentTitle() const;

    // A record was opened or made anew: it becomes the working copy; the template geometry, the
    // title, the zoom and the layout are reset, and the history starts afresh.
    void Show(const ScaleParameters& record);

    // The document's commands on the record being edited (SessionFiles.cpp): new, open, save,
    // save as, and the save question. Each returns true when it went through; a record opened
    // or made anew is shown.
    bool NewDocument();
    bool OpenDocument();
    bool OpenDocumentFile(const std::string& path);
    bool SaveDocument();
    bool SaveDocumentAs();
    bool SaveModified();

    // Parameters read from the panel: into the working copy, after which the document is
    // titled; the layout starts afresh. One step of the history, named step or
    // "применение параметров", unless nothing changed.
    void Apply(const ScaleParameters& params, const QString& step = {});
    // Elements at their defaults for the plate, or where the user placed them.
    void ResetLayout();
    // A drag ended: the elements it moved stand where it left them, and the drawn ones' places
    // become part of the record. The drag is one step of the history.
    void MoveElements(const ElementMoves& moves);
    // "Сбросить расположение": every element back at its default, the places forgotten.
    void ForgetPlaces();

    // The panel and the scales window, whose typed fields are applied together.
    ApplyGroup& applyGroup() { return applyGroup_; }

    // Undo and redo of everything above and of the template's changes below.
    QUndoStack& history() { return history_; }
    // What undo and redo would put back now.
    SceneEdits Snapshot() const { return SceneEdits(scene_); }
    // The screen's zoom in percent, one of ZoomSteps().
    void setZoomPercent(int percent);
    // The display correction factor of the screen calibration.
    void setDisplayCorrection(double displayCorrection);

    // The template underlay, kept as the record's template line (SessionTemplate.cpp): each
    // change is a step of the history and modifies the document. Loaded from a picture file at
    // the file's own resolution (the outcome says why not), removed, placed and sized in drawing
    // units, dimmed in percent.
    Outcome LoadTemplate(const QString& path);
    // Where a template without a resolution of its own starts: 1 mm beyond the plate on both
    // sides, its lower-left corner 1 mm below the plate's bottom edge.
    TemplateRecord TemplateStart() const;
    void RemoveTemplate();
    void setTemplateWidth(int width);
    void setTemplateX(int x);
    void setTemplateY(int y);
    void setTemplateDim(int percent);
    // Turns the template about the middle of the two points (drawing units) so that the line
    // through them is level.
    void LevelTemplate(Point from, Point to);
    // Moves the template so that what lies at `at` comes to the pointer axis.
    void CentreTemplate(Point at);
    // Whether the mouse may drag the template: the user's setting, neither saved nor undone.
    void setTemplateLock(TemplateLock lock);

    // Calibration from the template: a measured tick of scale (1..) at `at` with its value
    // becomes a point of the scale's table law, one step each; the first point of a calibration
    // replaces the table the scale had, and the law becomes the table from the second point on.
    enum class CalibrationPoint { First, Further };
    void AddCalibrationPoint(int scale, Point at, double value, CalibrationPoint which);
    // The marks shown over the template while a calibration is clicked; not the document's.
    void setCalibrationMarks(std::vector<Point> marks);

  signals:
    // A document's record was taken in.
    void shown();
    // Undo or redo put a snapshot back: the panels show the working copy again.
    void restored();
    // The document became modified or unmodified.
    void modifiedChanged();
    // The document's title changed: its file or its description.
    void titleChanged();
    // The layout went back to its defaults: drags end, the zoom readout is rewritten.
    void layoutReset();
    // Something the drawing shows changed.
    void changed();
    // A picture the record places could not be read: the text says which and why, once a file
    // for each document shown.
    void pictureNotice(const QString& text);

  private:
    // The change since before is one step named text, unless nothing changed.
    void Record(const QString& text, const SceneEdits& before, StepKind kind = StepKind::Single);
    void Restore(const SceneEdits& snapshot);
    void UpdateModified();
    // Tells what the last command changed of the document's title and modified flag.
    void TellDocument();
    // A command of the document gave a record to show, or nothing.
    bool ShowOpened(const std::optional<ScaleParameters>& record);
    // A save went through: the record saved is the one undo measures against.
    bool Saved(bool saved);
    // The scene changed: a new revision, and the drawing is told.
    void Changed();
    // The pictures the record places read from the document's folder (anew: all of them again);
    // what could not be read is told.
    enum class PictureReread { Changed, All };
    void LoadPictures(PictureReread reread);
    // The template's picture brought up to the record's template line, read from the document's
    // folder; a file that cannot be read is told once.
    void LoadTemplatePicture(PictureReread reread);
    // A change of the template's line as one step, merged with the step before when of kind.
    template <class Change>
    void ChangeTemplate(const QString& text, StepKind kind, Change change);

    Document& doc_;
    Scene scene_;
    std::uint64_t revision_ = 0;
    bool hasRecord_ = false;
    QUndoStack history_;
    ApplyGroup applyGroup_{*this};
    ScaleParameters savedRecord_ = kDefaultParameters;  // as last opened or saved
    std::string toldTitle_;                             // as the signals last told them
    bool toldModified_ = false;
    std::set<std::string> toldPictures_;  // files whose failure was told
    QString templateReadFrom_;            // where the template's picture was last looked for
};

}  // namespace quirn
