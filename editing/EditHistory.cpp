// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditHistory.h"

#include <QCoreApplication>
#include <set>

namespace quirn {

EditStep::EditStep(const QString& text, Snapshot before, Snapshot after, StepKind kind,
                   Restore restore)
    : QUndoCommand(text),
      before_(std::move(before)),
      after_(std::move(after)),
      kind_(kind),
      restore_(std::move(restore)) {}

void EditStep::undo() {
    restore_(before_);
    done_ = false;
}

void EditStep::redo() {
    if (!done_) restore_(after_);
    done_ = true;
}

bool EditStep::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const EditStep*>(other);
    if (next == nullptr || next->kind_ != kind_ || kind_ == StepKind::Single) return false;
    after_ = next->after_;
    // Typed back to where it started: nothing is left to undo.
    setObsolete(*after_ == *before_);
    return true;
}

void EditStep::Rewrite(const std::function<void(ScaleParameters&)>& rewrite) {
    for (Snapshot* snapshot : {&before_, &after_}) {
        auto renamed = std::make_shared<SceneEdits>(**snapshot);
        rewrite(renamed->params);
        *snapshot = std::move(renamed);
    }
}

QString DragStepText(const std::vector<MovableElement>& moved,
                     const std::vector<FreeItem>& freeMoved) {
    std::set<QString> kinds;
    for (const MovableElement e : moved) {
        switch (e) {
            case MovableElement::DataSymbol:
            case MovableElement::DiamondSymbol:
            case MovableElement::OthersSymbol:
                kinds.insert(QCoreApplication::translate("EditHistory", "перемещение символа"));
                break;
            case MovableElement::NameLabel:
            case MovableElement::UnitLabel:
            case MovableElement::OriginLabel:
            case MovableElement::StandardLabel:
                kinds.insert(QCoreApplication::translate("EditHistory", "перемещение надписи"));
                break;
            case MovableElement::TemplateBody:
                kinds.insert(QCoreApplication::translate("EditHistory", "перемещение шаблона"));
                break;
            case MovableElement::TemplateEdge:
                kinds.insert(
                    QCoreApplication::translate("EditHistory", "изменение ширины шаблона"));
                break;
        }
    }
    for (const FreeItem& item : freeMoved)
        kinds.insert(item.kind == FreeItem::Kind::Text
                         ? QCoreApplication::translate("EditHistory", "перемещение надписи")
                         : QCoreApplication::translate("EditHistory", "перемещение рисунка"));
    if (kinds.size() == 1) return *kinds.begin();
    return QCoreApplication::translate("EditHistory", "перемещение");
}

}  // namespace quirn
