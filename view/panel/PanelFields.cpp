// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/PanelFields.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "editing/ScaleSession.h"
#include "view/dialogs/UserPrompts.h"
#include "view/panel/PanelReading.h"
#include "view/panel/PanelRows.h"

namespace quirn {

PanelFields::PanelFields(ParameterBar& bar, ScaleSession& session, UserPrompts& prompts,
                         QObject* parent)
    : QObject(parent), bar_(bar), session_(session), prompts_(prompts) {
    Connect();
    ApplyGroup::Of(session_).Add(this, this);
}

void PanelFields::Connect() {
    using C = BarControl;
    connect(bar_.button(C::Apply), &QPushButton::clicked, this, [this] { applyParameters(); });
    for (const C choice : {C::SquareShape, C::RadialShape, C::ArcShown})
        connect(qobject_cast<QAbstractButton*>(bar_.control(choice)), &QAbstractButton::clicked,
                this, [this] { EnableByChoices(); });

    // Any change of a field may make the panel differ from what was applied.
    for (const PanelRow& row : PanelRows()) {
        if (row.field.empty()) continue;
        if (QLineEdit* edit = bar_.edit(row.id)) {
            connect(edit, &QLineEdit::textChanged, this, [this] { ShowUnapplied(); });
            edit->installEventFilter(this);
        } else if (auto* button = qobject_cast<QAbstractButton*>(bar_.control(row.id))) {
            connect(button, &QAbstractButton::toggled, this, [this] { ShowUnapplied(); });
        }
    }
}

void PanelFields::FillPage(const ScaleParameters& record) {
    FillPanelFields(bar_, record);
    EnableByChoices();
    ForgetFieldUndo();
}

void PanelFields::ForgetFieldUndo() {
    for (const PanelRow& row : PanelRows()) {
        // Setting the text clears the field's undo history.
        if (QLineEdit* edit = row.field.empty() ? nullptr : bar_.edit(row.id))
            if (edit->isUndoAvailable() || edit->isRedoAvailable()) edit->setText(edit->text());
    }
}

void PanelFields::Applied(std::shared_ptr<const ScaleParameters> record) {
    ForgetFieldUndo();
    TakeBaseline(std::move(record));
}

void PanelFields::EnableByChoices() {
    using C = BarControl;
    const bool square = bar_.isChecked(C::SquareShape);
    bar_.setControlEnabled(C::PlateHeight, square);
    bar_.setControlEnabled(C::OuterRadius, !square);
    bar_.setControlEnabled(C::ArcWidth, bar_.isChecked(C::ArcShown));
}

Outcome PanelFields::ReadInto(ScaleParameters& record) const {
    if (Outcome refusal = ReadPanelFields(bar_, record); !refusal.ok()) return refusal;
    return CheckTypedLimits(bar_, record, filledReading());
}

void PanelFields::ShowUnapplied() {
    const bool unapplied = HasUnappliedEdits();
    if (unapplied == unappliedShown_) return;
    unappliedShown_ = unapplied;
    ShowUnappliedMark(*bar_.button(BarControl::Apply), unapplied);
}

bool PanelFields::ResolveUnappliedEdits() {
    return ApplyGroup::Of(session_).ResolveUnappliedEdits(prompts_);
}

void PanelFields::ShowRefusal(const QString& text) {
    prompts_.Warn(text);
}

QString PanelFields::StepName() const {
    return tr("применение параметров");
}

void PanelFields::applyParameters() {
    // The panel keeps the texts as typed; only the drawing and the layout start afresh.
    ApplyGroup::Of(session_).Apply(this, prompts_);
}

bool PanelFields::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) return false;
    const auto* edit = qobject_cast<const QLineEdit*>(watched);
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (edit == nullptr) return false;
    const bool undo = key->matches(QKeySequence::Undo) && !edit->isUndoAvailable();
    const bool redo = (key->matches(QKeySequence::Redo) ||
                       key->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_Y)) &&
                      !edit->isRedoAvailable();
    if (!undo && !redo) return false;
    // Not overridden: the window's undo and redo commands take the keys.
    event->ignore();
    return true;
}

}  // namespace quirn
