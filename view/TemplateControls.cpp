// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/TemplateControls.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include "peripherals/TemplateUnderlay.h"
#include "view/OutcomeText.h"
#include "view/PanelText.h"
#include "view/ScaleSession.h"
#include "view/ScaleView.h"
#include "view/UserPrompts.h"

namespace quirn {
namespace {

const char* const kLoadCaption =
    QT_TRANSLATE_NOOP("quirn::TemplateControls", "Загрузить шаблон (.bmp)");
const char* const kRemoveCaption = QT_TRANSLATE_NOOP("quirn::TemplateControls", "Удалить шаблон");

}  // namespace

const TemplateControls::Coordinate TemplateControls::kCoordinates[3] = {
    {BarControl::TemplateWidth, BarControl::TemplateWidthSpinner, &ScaleSession::setTemplateWidth},
    {BarControl::TemplateX, BarControl::TemplateXSpinner, &ScaleSession::setTemplateX},
    {BarControl::TemplateY, BarControl::TemplateYSpinner, &ScaleSession::setTemplateY},
};

TemplateControls::TemplateControls(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                                   UserPrompts& prompts, QObject* parent)
    : QObject(parent), bar_(bar), session_(session), prompts_(prompts) {
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
    connect(&session_, &ScaleSession::shown, this, [this] {
        bar_.spinner(BarControl::TemplateWidthSpinner)->setRange(0, 10000);
        bar_.spinner(BarControl::TemplateXSpinner)->setRange(-10000, 10000);
        bar_.spinner(BarControl::TemplateYSpinner)->setRange(-10000, 10000);
        Fill();
    });
    connect(&session_, &ScaleSession::restored, this, [this] {
        Fill();
        ShowButton();
    });
    // Where the view shows the template: a drag's place, which reaches the session at the
    // release. The fields follow quietly rather than hand it over themselves.
    connect(&view, &ScaleView::templateMoved, this, [this, &view] {
        const Point anchor = view.Shown().scene.templ.anchor;
        ShowCoordinate(kCoordinates[1], anchor.x, FieldEcho::Quiet);
        ShowCoordinate(kCoordinates[2], anchor.y, FieldEcho::Quiet);
    });
    connect(&view, &ScaleView::templateWidened, this, [this, &view] {
        ShowCoordinate(kCoordinates[0], view.Shown().scene.templ.width, FieldEcho::Quiet);
    });
}

void TemplateControls::Fill() {
    const TemplateUnderlay& t = session_.scene().templ;
    ShowCoordinate(kCoordinates[0], t.width);
    ShowCoordinate(kCoordinates[1], t.anchor.x);
    ShowCoordinate(kCoordinates[2], t.anchor.y);
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
                 tr(session_.scene().templ.loaded ? kRemoveCaption : kLoadCaption));
}

void TemplateControls::loadOrRemoveTemplate() {
    if (!session_.scene().templ.loaded) {
        const QString path = prompts_.ChooseTemplateFile();
        if (path.isEmpty()) return;
        const Outcome loaded = session_.LoadTemplate(path);
        if (!loaded.ok()) {
            prompts_.Warn(OutcomeText(loaded));
            return;
        }
    } else {
        session_.RemoveTemplate();
    }
    ShowButton();
}

void TemplateControls::readField(const Coordinate& coordinate) {
    // The spinner stays where it was: the next step continues from its own position.
    (session_.*coordinate.store)(TemplateFieldValue(bar_.text(coordinate.field).toStdString()));
}

void TemplateControls::stepSpinner(const Coordinate& coordinate, int value) {
    (session_.*coordinate.store)(value);
    // The field's change handler then stores the value it reads back.
    bar_.setText(coordinate.field, QString::fromStdString(TemplateFieldText(value)));
}

}  // namespace quirn
