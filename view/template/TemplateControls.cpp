// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/template/TemplateControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

#include "editing/ScaleSession.h"
#include "peripherals/TemplateUnderlay.h"
#include "view/canvas/ScaleView.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"
#include "view/panel/PanelText.h"
#include "view/template/TemplateClicks.h"

namespace quirn {
namespace {

const char* const kLoadCaption = QT_TRANSLATE_NOOP("quirn::TemplateControls", "Загрузить шаблон");
const char* const kRemoveCaption = QT_TRANSLATE_NOOP("quirn::TemplateControls", "Удалить шаблон");

}  // namespace

const TemplateControls::Coordinate TemplateControls::kCoordinates[3] = {
    {BarControl::TemplateWidth, BarControl::TemplateWidthSpinner, &TemplateEdits::setWidth},
    {BarControl::TemplateX, BarControl::TemplateXSpinner, &TemplateEdits::setX},
    {BarControl::TemplateY, BarControl::TemplateYSpinner, &TemplateEdits::setY},
};

TemplateControls::TemplateControls(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                                   UserPrompts& prompts, QObject* parent)
    : QObject(parent),
      bar_(bar),
      session_(session),
      prompts_(prompts),
      clicks_(new TemplateClicks(session, view, prompts, this)) {
    Connect(view);
}

void TemplateControls::Connect(ScaleView& view) {
    connect(bar_.button(BarControl::TemplateButton), &QPushButton::clicked, this,
            [this] { loadOrRemoveTemplate(); });
    for (const Coordinate& c : kCoordinates) {
        connect(bar_.edit(c.field), &QLineEdit::textChanged, this, [this, &c] { readField(c); });
        connect(bar_.spinner(c.spinner), &QSpinBox::valueChanged, this,
                [this, &c](int value) { stepSpinner(c, value); });
    }
    connect(bar_.button(BarControl::TemplateLevel), &QPushButton::clicked, this,
            [this] { startLevel(); });
    connect(bar_.button(BarControl::TemplateCalibrate), &QPushButton::clicked, this,
            [this] { startCalibration(); });
    connect(
        bar_.slider(BarControl::TemplateDim), &QSlider::valueChanged, this,
        [this](int percent) { Store([this, percent] { session_.templates().setDim(percent); }); });
    connect(
        bar_.checkBox(BarControl::TemplateLock), &QCheckBox::toggled, this, [this](bool locked) {
            Store([this, locked] {
                session_.templates().setLock(locked ? TemplateLock::Locked : TemplateLock::Free);
            });
        });
    // Turned, centred, dragged, loaded, undone elsewhere: the fields follow the template's line.
    connect(&session_.record(), &EditedRecord::changed, this,
            [this](std::uint64_t, RecordChange why) {
                if (why == RecordChange::Opened) {
                    // A range that moves a spinner must not step the template with it.
                    for (const Coordinate& c : kCoordinates) {
                        QSpinBox* spinner = bar_.spinner(c.spinner);
                        const QSignalBlocker quiet(spinner);
                        spinner->setRange(
                            c.spinner == BarControl::TemplateWidthSpinner ? 1 : -kSpinnerReach,
                            kSpinnerReach);
                    }
                } else if (why == RecordChange::Edited &&
                           (storing_ ||
                            session_.record().params().ext.templateRecord == shownRecord_)) {
                    return;
                }
                Fill();
                ShowButton();
            });
    // Where the view shows the template: a drag's place, which reaches the session at the
    // release. The fields follow quietly rather than hand it over themselves.
    connect(&view, &ScaleView::templateMoved, this, [this, &view] {
        const auto& place = view.Shown().laid.templatePlace;
        if (!place) return;
        ShowCoordinate(kCoordinates[1], place->corner.x, FieldEcho::Quiet);
        ShowCoordinate(kCoordinates[2], place->corner.y, FieldEcho::Quiet);
    });
    connect(&view, &ScaleView::templateWidened, this, [this, &view] {
        const auto& place = view.Shown().laid.templatePlace;
        if (place) ShowCoordinate(kCoordinates[0], place->size.width, FieldEcho::Quiet);
    });
}

void TemplateControls::Fill() {
    shownRecord_ = session_.scene().params.ext.templateRecord;
    // Without a template the fields show where one would start.
    const TemplateRecord t = shownRecord_.value_or(session_.templates().Start());
    ShowCoordinate(kCoordinates[0], t.width, FieldEcho::Quiet);
    ShowCoordinate(kCoordinates[1], t.corner.x, FieldEcho::Quiet);
    ShowCoordinate(kCoordinates[2], t.corner.y, FieldEcho::Quiet);
    QSlider* dim = bar_.slider(BarControl::TemplateDim);
    const QSignalBlocker quiet(dim);
    dim->setValue(t.dim);
    QCheckBox* lock = bar_.checkBox(BarControl::TemplateLock);
    const QSignalBlocker quietLock(lock);
    lock->setChecked(shownRecord_ && shownRecord_->lock == TemplateLock::Locked);
}

void TemplateControls::startLevel() {
    clicks_->StartLevel();
}

void TemplateControls::startCalibration() {
    clicks_->StartCalibration(currentScale_ ? currentScale_() : 1);
}

void TemplateControls::findTicks() {
    clicks_->FindTicks(currentScale_ ? currentScale_() : 1);
}

void TemplateControls::EnableControls() {
    const bool shown = session_.scene().params.ext.templateRecord.has_value();
    for (const BarControl c :
         {BarControl::TemplateWidth, BarControl::TemplateWidthSpinner, BarControl::TemplateX,
          BarControl::TemplateY, BarControl::TemplateXSpinner, BarControl::TemplateYSpinner,
          BarControl::TemplateLevel, BarControl::TemplateCalibrate, BarControl::TemplateDim,
          BarControl::TemplateLock})
        bar_.setControlEnabled(c, shown);
}

void TemplateControls::ShowCoordinate(const Coordinate& coordinate, std::int64_t value,
                                      FieldEcho echo) {
    // The field's text notifies its change handler unless told to be quiet; the spinner only
    // follows, as a step is the user's.
    {
        const QSignalBlocker quiet(echo == FieldEcho::Quiet ? bar_.edit(coordinate.field)
                                                            : nullptr);
        bar_.setText(coordinate.field, QString::fromStdString(TemplateFieldText(value)));
    }
    QSpinBox* spinner = bar_.spinner(coordinate.spinner);
    const QSignalBlocker quiet(spinner);
    spinner->setValue(SpinnerPosition(value));
}

void TemplateControls::ShowButton() {
    bar_.setText(BarControl::TemplateButton,
                 tr(session_.scene().params.ext.templateRecord ? kRemoveCaption : kLoadCaption));
    EnableControls();
}

void TemplateControls::loadOrRemoveTemplate() {
    if (!session_.scene().params.ext.templateRecord) {
        const QString path = prompts_.ChooseTemplateFile();
        if (path.isEmpty()) return;
        const Outcome loaded = session_.templates().Load(path);
        if (!loaded.ok()) {
            prompts_.Warn(OutcomeText(loaded));
            return;
        }
    } else {
        clicks_->End();
        session_.templates().Remove();
    }
    Fill();
    ShowButton();
}

void TemplateControls::Store(const std::function<void()>& store) {
    // What the user is typing or sliding is not written back under their hands.
    storing_ = true;
    store();
    storing_ = false;
    shownRecord_ = session_.scene().params.ext.templateRecord;
}

void TemplateControls::readField(const Coordinate& coordinate) {
    // The spinner follows what is typed: the next step continues from the value in force.
    const int value = TemplateFieldValue(bar_.text(coordinate.field).toStdString());
    Store([&] { (session_.templates().*coordinate.store)(value); });
    QSpinBox* spinner = bar_.spinner(coordinate.spinner);
    const QSignalBlocker quiet(spinner);
    spinner->setValue(SpinnerPosition(value));
}

void TemplateControls::stepSpinner(const Coordinate& coordinate, int value) {
    Store([&] { (session_.templates().*coordinate.store)(value); });
    // The field's change handler then stores the value it reads back.
    bar_.setText(coordinate.field, QString::fromStdString(TemplateFieldText(value)));
}

}  // namespace quirn
