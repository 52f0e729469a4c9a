// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/PanelFields.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "view/panel/PanelReading.h"
#include "view/panel/PanelRows.h"
#include "editing/ScaleSession.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

PanelFields::PanelFields(ParameterBar& bar, ScaleSession& session, UserPrompts& prompts,
                         QObject* parent)
    : QObject(parent), bar_(bar), session_(session), prompts_(prompts) {
    Connect();
    session_.applyGroup().Add(this, this);
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

    connect(&session_, &ScaleSession::shown, this, [this] { Fill(); });
    connect(&session_, &ScaleSession::restored, this, [this] { Fill(); });
}

void PanelFields::Fill() {
    FillPanelFields(bar_, session_.scene().params);
    EnableByChoices();
    TakeAppliedReading();
}

void PanelFields::EnableByChoices() {
    using C = BarControl;
    const bool square = bar_.isChecked(C::SquareShape);
    bar_.setControlEnabled(C::PlateHeight, square);
    bar_.setControlEnabled(C::OuterRadius, !square);
    bar_.setControlEnabled(C::ArcWidth, bar_.isChecked(C::ArcShown));
}

std::optional<QString> PanelFields::ReadInto(ScaleParameters& record) const {
    const PanelReading reading = ReadPanelFields(bar_, record);
    if (reading.refusal) return reading.refusal;
    if (auto refusal = CheckTypedLimits(bar_, reading.record, appliedReading_)) return refusal;
    record = reading.record;
    return std::nullopt;
}

void PanelFields::TakeAppliedReading() {
    // Read back rather than compared with the record: a file's 1.23456 shows as "1.235", which
    // is not an edit.
    appliedReading_ = ReadPanelFields(bar_, session_.scene().params).record;
    for (const PanelRow& row : PanelRows()) {
        // Setting the text clears the field's undo history.
        if (QLineEdit* edit = row.field.empty() ? nullptr : bar_.edit(row.id))
            if (edit->isUndoAvailable() || edit->isRedoAvailable()) edit->setText(edit->text());
    }
    ShowUnapplied();
}

bool PanelFields::HasUnappliedEdits() const {
    if (!session_.hasRecord()) return false;
    const PanelReading now = ReadPanelFields(bar_, appliedReading_);
    // Only the panel's own fields count: the scales window and drags change the rest.
    return now.refusal.has_value() || now.record != appliedReading_;
}

void PanelFields::ShowUnapplied() {
    const bool unapplied = HasUnappliedEdits();
    if (unapplied == unappliedShown_) return;
    unappliedShown_ = unapplied;
    ShowUnappliedMark(*bar_.button(BarControl::Apply), unapplied);
}

bool PanelFields::ResolveUnappliedEdits() {
    return session_.applyGroup().ResolveUnappliedEdits(prompts_);
}

void PanelFields::ShowRefusal(const QString& text) {
    prompts_.Warn(text);
}

QString PanelFields::StepName() const {
    return tr("применение параметров");
}

void PanelFields::applyParameters() {
    // The panel keeps the texts as typed; only the drawing and the layout start afresh.
    session_.applyGroup().Apply(this);
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
