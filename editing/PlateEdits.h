// SPDX-License-Identifier: GPL-3.0-or-later
// The named edits of the plate that the panels and the view make: fields applied, elements
// dragged, places forgotten. Each goes through the record's one entry as one step.
#pragma once

#include <QString>
#include <array>
#include <map>
#include <vector>

#include "model/Outcome.h"
#include "model/RecordFields.h"
#include "render/FreeItems.h"
#include "render/Scene.h"

namespace quirn {

class EditedRecord;

// Where a drag left what it moved: the drawn elements among moved at their anchors, the template
// at its place and width when it is among them.
struct ElementMoves {
    std::vector<MovableElement> moved;
    std::array<Point, kDrawnElementCount> anchors{};
    Point templateAnchor;
    int templateWidth = 0;
    // The free texts and pictures moved, at their new centres.
    std::map<FreeItem, Point> freeMoved = {};

    bool empty() const { return moved.empty() && freeMoved.empty(); }
};

// Fields typed in the panels: the record becomes `applied` and the elements go back to their
// defaults and the record's places. Named step, or "применение параметров".
void ApplyFields(EditedRecord& record, ScaleParameters applied, const QString& step = {});
// A problem of the scales that after has and before had not: a file's own faults are drawn as
// they always were, and an edit does not answer for them.
Outcome RefuseNewScaleFaults(const ScaleParameters& before, const ScaleParameters& after);
// The same for the fields each editor read: for each reading, its named fields are copied into
// the record. Refused, with nothing changed, when the change brings a new problem of the scales.
struct TypedFields {
    const ScaleParameters* read;
    FieldNames fields;
};
Outcome ApplyTypedFields(EditedRecord& record, const std::vector<TypedFields>& typed,
                         const QString& step);
// A drag ended: the elements it moved stand where it left them, and the drawn ones' places
// become part of the record.
void MoveElements(EditedRecord& record, const ElementMoves& moves);
// "Сбросить расположение": every element back at its default, the places forgotten; how many
// the record had.
int ForgetPlaces(EditedRecord& record);

}  // namespace quirn
