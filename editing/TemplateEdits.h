// SPDX-License-Identifier: GPL-3.0-or-later
// The template laid under the drawing and the calibration from it, as named edits of the record:
// the record's template line says where the scan stands, how wide, turned and dimmed, and which
// file it shows; a calibration's clicks become points of a scale's table law.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

#include "editing/EditHistory.h"
#include "model/Outcome.h"
#include "render/Scene.h"

namespace quirn {

class EditedRecord;
class PlateFiles;
class TickReview;

class TemplateEdits : public QObject {
    Q_OBJECT
  public:
    TemplateEdits(EditedRecord& record, PlateFiles& files, QObject* parent = nullptr);

    // Loaded from a picture file at the file's own resolution (the outcome says why not).
    Outcome Load(const QString& path);
    // Where a template without a resolution of its own starts: 1 mm beyond the plate on both
    // sides, its lower-left corner 1 mm below the plate's bottom edge.
    TemplateRecord Start() const;
    void Remove();
    // Placed and sized in drawing units, dimmed in percent; typed or stepped values merge.
    void setWidth(int width);
    void setX(int x);
    void setY(int y);
    void setDim(int percent);
    // Saved with the template: a locked one is neither dragged nor widened by the mouse.
    void setLock(TemplateLock lock);
    // Turns the template about the middle of the two points (drawing units) so that the line
    // through them is level.
    void Level(Point from, Point to);
    // Moves the template so that what lies at `at` comes to the pointer axis.
    void Centre(Point at);

    // Whether a tick clicked at `at` (about the pointer axis) lies on the scale's arc; beyond its
    // ends the refusal names the half-angle that would take it in.
    Outcome OnArc(Point at) const;
    // A measured tick of scale (1..) at `at` with its value becomes a point of the scale's table
    // law, one step each; the first point of a calibration replaces the table the scale had, and
    // the law becomes the table from the second point on. A tick beyond the arc is refused.
    enum class CalibrationPoint { First, Further };
    Outcome AddCalibrationPoint(int scale, Point at, double value, CalibrationPoint which);
    // A calibration ended on its first point alone, that point still the last step: the scale's
    // table and law as they were before it, merged into that step so that the history keeps
    // neither.
    void TakeBackFirstPoint(int scale);
    // A calibration from the ticks found on the template's scan and corrected by the user, as
    // one step: the template at its true size with the found pivot on the axis and the plate
    // level, the ticks the points of the scale's table law, the half-angle widened to take in
    // ticks beyond the arc. Values that make no law are refused and nothing changes.
    Outcome CalibrateFromScan(int scale, const TickReview& review);

  private:
    template <class Change>
    void ChangeTemplate(const QString& text, StepKind kind, Change change);

    EditedRecord& record_;
    PlateFiles& files_;
    std::shared_ptr<const ScaleParameters> beforeCalibration_;  // as the first point found it
};

}  // namespace quirn
