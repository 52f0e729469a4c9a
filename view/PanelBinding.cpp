// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/PanelBinding.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "model/NumberText.h"
#include "model/ParameterFields.h"
#include "model/TextKeys.h"
#include "peripherals/Printing.h"
#include "peripherals/TemplateUnderlay.h"
#include "view/PanelReading.h"
#include "view/PanelText.h"
#include "view/ScaleSession.h"
#include "view/ScaleView.h"
#include "view/Warning.h"

namespace quirn {
namespace {

QString Qt8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

const char* const kLoadCaption =
    QT_TRANSLATE_NOOP("quirn::PanelBinding", "Загрузить шаблон (.bmp)");
const char* const kRemoveCaption = QT_TRANSLATE_NOOP("quirn::PanelBinding", "Удалить шаблон");
// The field table names the panel's controls by their ids.
constexpr bool Same(BarControl control, int id) {
    return static_cast<int>(control) == id;
}
static_assert(Same(BarControl::Unit, panel_id::Unit) && Same(BarControl::Range, panel_id::Range) &&
              Same(BarControl::Alfa, panel_id::Alfa) &&
              Same(BarControl::plateWidth, panel_id::plateWidth) &&
              Same(BarControl::plateHeight, panel_id::plateHeight) &&
              Same(BarControl::tickRadius, panel_id::tickRadius) &&
              Same(BarControl::bigTickLength, panel_id::bigTickLength) &&
              Same(BarControl::bigTickWidth, panel_id::bigTickWidth) &&
              Same(BarControl::smallTickLength, panel_id::smallTickLength) &&
              Same(BarControl::smallTickWidth, panel_id::smallTickWidth) &&
              Same(BarControl::divisions, panel_id::divisions) &&
              Same(BarControl::SquareShape, panel_id::SquareShape) &&
              Same(BarControl::RadialShape, panel_id::RadialShape) &&
              Same(BarControl::outerRadius, panel_id::outerRadius) &&
              Same(BarControl::Skos, panel_id::Skos) && Same(BarControl::Name, panel_id::Name) &&
              Same(BarControl::mountingHoleSpacing, panel_id::mountingHoleSpacing) &&
              Same(BarControl::innerRadius, panel_id::innerRadius) &&
              Same(BarControl::bigDivisions, panel_id::bigDivisions) &&
              Same(BarControl::InnerRadius, panel_id::InnerRadius) &&
              Same(BarControl::OuterRadius, panel_id::OuterRadius) &&
              Same(BarControl::Arc, panel_id::Arc) &&
              Same(BarControl::numberedDivisions, panel_id::numberedDivisions) &&
              Same(BarControl::arcWidth, panel_id::arcWidth) &&
              Same(BarControl::LosOs, panel_id::LosOs) &&
              Same(BarControl::LosNiz, panel_id::LosNiz));

// As the document picker is titled.
const char* const kPickerCaption = QT_TRANSLATE_NOOP("quirn::PanelBinding", "Открыть");

}  // namespace

PanelBinding::PanelBinding(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                           QObject* parent)
    : QObject(parent), bar_(bar), session_(session), view_(view) {
    Connect();
    session_.applyGroup().Add(this, this);
}

void PanelBinding::Connect() {
    using C = BarControl;
    connect(bar_.button(C::Apply), &QPushButton::clicked, this, [this] { OnApplyParameters(); });
    connect(bar_.radio(C::SquareShape), &QRadioButton::clicked, this, [this] { OnSquareShape(); });
    connect(bar_.radio(C::RadialShape), &QRadioButton::clicked, this, [this] { OnRadialShape(); });
    connect(bar_.checkBox(C::Arc), &QCheckBox::clicked, this, [this] { OnArcToggle(); });
    connect(bar_.button(C::ExportPicture), &QPushButton::clicked, this,
            [this] { OnExportPicture(); });
    connect(bar_.button(C::TemplateButton), &QPushButton::clicked, this,
            [this] { OnTemplateButton(); });
    for (C field : {C::TemplateWidth, C::TemplateX, C::TemplateY})
        connect(bar_.edit(field), &QLineEdit::textChanged, this,
                [this, field] { OnTemplateFieldChanged(field); });
    for (C spinner : {C::TemplateWidthSpinner, C::TemplateXSpinner, C::TemplateYSpinner})
        connect(bar_.spinner(spinner), &QSpinBox::valueChanged, this,
                [this, spinner](int value) { OnTemplateSpinnerStep(spinner, value); });

    // Any change of a field may make the panel differ from what was applied.
    for (const ParameterField& field : StandardFields()) {
        const auto id = static_cast<C>(field.panelControl);
        if (QLineEdit* edit = bar_.edit(id)) {
            connect(edit, &QLineEdit::textChanged, this, [this] { ShowUnapplied(); });
            edit->installEventFilter(this);
        }
        for (const auto button : {static_cast<QAbstractButton*>(bar_.checkBox(id)),
                                  static_cast<QAbstractButton*>(bar_.radio(id))})
            if (button != nullptr)
                connect(button, &QAbstractButton::toggled, this, [this] { ShowUnapplied(); });
    }

    connect(&session_, &ScaleSession::shown, this, [this] { OnShown(); });
    connect(&session_, &ScaleSession::restored, this, [this] { OnRestored(); });
    connect(&session_, &ScaleSession::layoutReset, this, [this] { ShowZoom(); });
    connect(&view_, &ScaleView::zoomChanged, this, [this] { ShowZoom(); });
    connect(&view_, &ScaleView::cursorMoved, this, [this](int x, int y) { ShowCursor(x, y); });
    connect(&view_, &ScaleView::templateMoved, this, [this] { ShowTemplateAnchor(); });
    connect(&view_, &ScaleView::templateWidened, this, [this] { ShowTemplateWidth(); });
}

void PanelBinding::OnShown() {
    bar_.spinner(BarControl::TemplateWidthSpinner)->setRange(0, 10000);
    bar_.spinner(BarControl::TemplateXSpinner)->setRange(-10000, 10000);
    bar_.spinner(BarControl::TemplateYSpinner)->setRange(-10000, 10000);
    FillParameterBar();
}

void PanelBinding::OnRestored() {
    FillParameterBar();
    ShowTemplateButton();
}

void PanelBinding::ShowTemplateButton() {
    bar_.setText(BarControl::TemplateButton,
                 tr(session_.scene().templ.loaded ? kRemoveCaption : kLoadCaption));
}

std::optional<QString> PanelBinding::ReadInto(ScaleParameters& record) const {
    const PanelReading reading = ReadPanelFields(bar_, record);
    if (reading.refusal) return reading.refusal;
    if (auto refusal = CheckTypedLimits(bar_, reading.record, appliedReading_)) return refusal;
    record = reading.record;
    return std::nullopt;
}

void PanelBinding::TakeAppliedReading() {
    // Read back rather than compared with the record: a file's 1.23456 shows as "1.235", which
    // is not an edit.
    appliedReading_ = ReadPanelFields(bar_, session_.scene().params).record;
    for (const ParameterField& field : StandardFields()) {
        // Setting the text clears the field's undo history.
        if (QLineEdit* edit = bar_.edit(static_cast<BarControl>(field.panelControl)))
            if (edit->isUndoAvailable() || edit->isRedoAvailable()) edit->setText(edit->text());
    }
    ShowUnapplied();
}

bool PanelBinding::HasUnappliedEdits() const {
    if (!session_.hasRecord()) return false;
    const PanelReading now = ReadPanelFields(bar_, appliedReading_);
    // Only the panel's own fields count: the scales window and drags change the rest.
    return now.refusal.has_value() || now.record != appliedReading_;
}

void PanelBinding::ShowUnapplied() {
    const bool unapplied = HasUnappliedEdits();
    if (unapplied == unappliedShown_) return;
    unappliedShown_ = unapplied;
    ShowUnappliedMark(*bar_.button(BarControl::Apply), unapplied);
}

bool PanelBinding::ResolveUnappliedEdits() {
    return session_.applyGroup().ResolveUnappliedEdits(&view_);
}

void PanelBinding::setApplyQuestion(std::function<SaveAnswer()> ask) {
    session_.applyGroup().setApplyQuestion(std::move(ask));
}

void PanelBinding::ShowRefusal(const QString& text) {
    Warn(text);
}

QString PanelBinding::StepName() const {
    return tr("применение параметров");
}

bool PanelBinding::eventFilter(QObject* watched, QEvent* event) {
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

void PanelBinding::ShowZoom() {
    bar_.setText(BarControl::ZoomReadout,
                 QString::fromStdString(ZoomReadoutText(session_.scene().zoom)));
}

void PanelBinding::ShowCursor(int x, int y) {
    bar_.setText(BarControl::CursorReadout, QString::fromStdString(CursorReadoutText(x, y)));
}

void PanelBinding::ShowTemplateAnchor() {
    // Where the view shows it: a drag's place, which reaches the session at the release. The
    // fields follow quietly rather than hand it over themselves.
    const Point anchor = view_.Shown().scene.templ.anchor;
    for (auto [id, value] :
         {std::pair{BarControl::TemplateX, anchor.x}, std::pair{BarControl::TemplateY, anchor.y}}) {
        const QSignalBlocker quiet(bar_.edit(id));
        bar_.setText(id, QString::fromStdString(TemplateFieldText(value)));
    }
    for (auto [id, value] : {std::pair{BarControl::TemplateXSpinner, anchor.x},
                             std::pair{BarControl::TemplateYSpinner, anchor.y}}) {
        QSpinBox* spinner = bar_.spinner(id);
        const QSignalBlocker quiet(spinner);
        spinner->setValue(SpinnerPosition(value));
    }
}

void PanelBinding::ShowTemplateWidth() {
    const int width = view_.Shown().scene.templ.width;
    {
        const QSignalBlocker quiet(bar_.edit(BarControl::TemplateWidth));
        bar_.setText(BarControl::TemplateWidth, QString::fromStdString(TemplateFieldText(width)));
    }
    QSpinBox* spinner = bar_.spinner(BarControl::TemplateWidthSpinner);
    const QSignalBlocker quiet(spinner);
    spinner->setValue(SpinnerPosition(width));
}

void PanelBinding::Warn(const QString& text) {
    ShowWarning(warn_, &view_, text);
}

void PanelBinding::FillParameterBar() {
    using C = BarControl;
    const ScaleParameters& p = session_.scene().params;
    for (const ParameterField& field : StandardFields()) {
        const auto id = static_cast<C>(field.panelControl);
        switch (field.form) {
            case PanelForm::Text:
                bar_.setText(id, Qt8(PlateDisplayText(p, field.key)));
                break;
            case PanelForm::Decimal3:
            case PanelForm::Decimal2:
                bar_.setText(id,
                             Qt8(TrimmedNumber(p.*std::get<double ScaleParameters::*>(field.member),
                                               field.form == PanelForm::Decimal3 ? 3 : 2)));
                break;
            case PanelForm::Length:
                bar_.setText(
                    id,
                    Qt8(LengthText(p.*std::get<std::int32_t ScaleParameters::*>(field.member))));
                break;
            case PanelForm::Count:
                bar_.setText(id, Qt8(std::to_string(
                                     p.*std::get<std::int32_t ScaleParameters::*>(field.member))));
                break;
            case PanelForm::CheckedWhenZero: {
                const bool zero = p.*std::get<std::int32_t ScaleParameters::*>(field.member) == 0;
                bar_.setChecked(id, zero);
                bar_.setChecked(static_cast<C>(field.panelOther), !zero);
                break;
            }
            case PanelForm::CheckedWhenSet:
                bar_.setChecked(id,
                                p.*std::get<std::int32_t ScaleParameters::*>(field.member) != 0);
                break;
        }
    }

    const TemplateUnderlay& t = session_.scene().templ;
    bar_.setText(C::TemplateWidth, Qt8(TemplateFieldText(t.width)));
    bar_.setText(C::TemplateX, Qt8(TemplateFieldText(t.anchor.x)));
    bar_.setText(C::TemplateY, Qt8(TemplateFieldText(t.anchor.y)));
    for (auto [id, value] :
         {std::pair{C::TemplateWidthSpinner, t.width}, std::pair{C::TemplateXSpinner, t.anchor.x},
          std::pair{C::TemplateYSpinner, t.anchor.y}}) {
        QSpinBox* spinner = bar_.spinner(id);
        const QSignalBlocker quiet(spinner);  // a step is the user's, not the fill's
        spinner->setValue(SpinnerPosition(value));
    }

    bar_.setControlEnabled(C::plateHeight, p.shape == 0);
    bar_.setControlEnabled(C::outerRadius, p.shape != 0);
    bar_.setControlEnabled(C::arcWidth, p.arcShown != 0);
    TakeAppliedReading();
}

void PanelBinding::OnSquareShape() {
    bar_.setControlEnabled(BarControl::plateHeight, true);
    bar_.setControlEnabled(BarControl::outerRadius, false);
}

void PanelBinding::OnRadialShape() {
    bar_.setControlEnabled(BarControl::plateHeight, false);
    bar_.setControlEnabled(BarControl::outerRadius, true);
}

void PanelBinding::OnArcToggle() {
    bar_.setControlEnabled(BarControl::arcWidth, bar_.isChecked(BarControl::Arc));
}

void PanelBinding::OnApplyParameters() {
    // The panel keeps the texts as typed; only the drawing and the layout start afresh.
    session_.applyGroup().Apply(this);
}

void PanelBinding::OnExportPicture() {
    if (!ResolveUnappliedEdits()) return;
    const int dpi = printer_ != nullptr ? printer_->dpi() : ApplicationPrinter().dpi();
    const ExportResult result = session_.ExportPicture(dpi);
    if (!result.ok()) Warn(QString::fromStdString(result.message));
}

QString PanelBinding::AskTemplateFile() {
    if (chooseTemplateFile_) return chooseTemplateFile_();
    QFileDialog dialog(&view_, tr(kPickerCaption));
    // Qt's own dialog rather than the desktop's, which would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(TemplateFileFilters());
    // The first filter reads "Файлы изображений *.bmp" without its pattern repeated.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void PanelBinding::OnTemplateButton() {
    if (!session_.scene().templ.loaded) {
        const QString path = AskTemplateFile();
        if (path.isEmpty()) return;
        const std::string failure = session_.LoadTemplate(path);
        if (!failure.empty()) {
            Warn(QString::fromStdString(failure));
            return;
        }
    } else {
        session_.RemoveTemplate();
    }
    ShowTemplateButton();
}

void PanelBinding::OnTemplateFieldChanged(BarControl field) {
    const std::int32_t value = TemplateFieldValue(bar_.text(field).toStdString());
    // The spinner stays where it was: the next step continues from its own position.
    switch (field) {
        case BarControl::TemplateWidth:
            session_.setTemplateWidth(value);
            break;
        case BarControl::TemplateX:
            session_.setTemplateX(value);
            break;
        case BarControl::TemplateY:
            session_.setTemplateY(value);
            break;
        default:
            break;
    }
}

void PanelBinding::OnTemplateSpinnerStep(BarControl spinner, int value) {
    BarControl field = BarControl::TemplateWidth;
    switch (spinner) {
        case BarControl::TemplateWidthSpinner:
            session_.setTemplateWidth(value);
            break;
        case BarControl::TemplateXSpinner:
            field = BarControl::TemplateX;
            session_.setTemplateX(value);
            break;
        case BarControl::TemplateYSpinner:
            field = BarControl::TemplateY;
            session_.setTemplateY(value);
            break;
        default:
            return;
    }
    // The field's change handler then stores the value it reads back.
    bar_.setText(field, QString::fromStdString(TemplateFieldText(value)));
}

}  // namespace quirn
