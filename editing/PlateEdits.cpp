// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/PlateEdits.h"

#include <QCoreApplication>
#include <algorithm>

#include "editing/EditedRecord.h"
#include "model/ScaleLaw.h"

namespace quirn {
namespace {

QString Tr(const char* text) {
    return QCoreApplication::translate("quirn::PlateEdits", text);
}

}  // namespace

void ApplyFields(EditedRecord& record, ScaleParameters applied, const QString& step) {
    record.Edit(
        step.isEmpty() ? Tr(QT_TRANSLATE_NOOP("quirn::PlateEdits", "применение параметров")) : step,
        [&applied](SceneEdits& s) { s.params = std::move(applied); }, {LayoutAfterEdit::Reset});
}

Outcome ApplyTypedFields(EditedRecord& record, const std::vector<TypedFields>& typed,
                         const QString& step) {
    return record.Edit(
        step,
        [&typed](SceneEdits& s) {
            for (const TypedFields& t : typed) CopyFields(*t.read, s.params, t.fields);
        },
        {LayoutAfterEdit::Reset}, RefuseNewScaleFaults);
}

Outcome RefuseNewScaleFaults(const ScaleParameters& before, const ScaleParameters& after) {
    Outcome check = CheckScales(after);
    return check.ok() || check == CheckScales(before) ? Outcome{} : check;
}

void MoveElements(EditedRecord& record, const ElementMoves& moves) {
    std::vector<FreeItem> freeMoved;
    for (const auto& [item, centre] : moves.freeMoved) {
        const ScaleExtensions& ext = record.params().ext;
        if ((item.kind == FreeItem::Kind::Text && ext.texts.contains(item.number)) ||
            (item.kind == FreeItem::Kind::Picture && ext.pictures.contains(item.number)))
            freeMoved.push_back(item);
    }
    record.Edit(DragStepText(moves.moved, freeMoved), [&moves](SceneEdits& s) {
        for (MovableElement e : moves.moved) {
            switch (e) {
                case MovableElement::TemplateBody:
                    if (auto& t = s.params.ext.templateRecord)
                        t->corner = {moves.templateAnchor.x, moves.templateAnchor.y};
                    break;
                case MovableElement::TemplateEdge:
                    // The line keeps a width of at least 0.01 mm.
                    if (auto& t = s.params.ext.templateRecord)
                        t->width = std::max(moves.templateWidth, 1);
                    break;
                default: {
                    const auto i = std::size_t(Index(e));
                    const Point a = moves.anchors[i];
                    s.layout.anchors[i] = a;
                    s.params.ext.places[i] = Place{a.x, a.y};
                    // A place is where the label's top stands.
                    if (e == MovableElement::OriginLabel)
                        s.layout.originLabelAnchor = OriginLabelAnchor::Top;
                    break;
                }
            }
        }
        for (const auto& [item, centre] : moves.freeMoved) {
            ScaleExtensions& ext = s.params.ext;
            const Place place{centre.x, centre.y};
            if (item.kind == FreeItem::Kind::Text && ext.texts.contains(item.number))
                ext.texts.at(item.number).centre = place;
            else if (item.kind == FreeItem::Kind::Picture && ext.pictures.contains(item.number))
                ext.pictures.at(item.number).centre = place;
        }
    });
}

int ForgetPlaces(EditedRecord& record) {
    const auto& places = record.params().ext.places;
    const int forgotten = int(std::count_if(places.begin(), places.end(),
                                            [](const auto& place) { return place.has_value(); }));
    record.Edit(Tr(QT_TRANSLATE_NOOP("quirn::PlateEdits", "сброс расположения")),
                [](SceneEdits& s) { s.params.ext.places = {}; }, {LayoutAfterEdit::Reset});
    return forgotten;
}

}  // namespace quirn
