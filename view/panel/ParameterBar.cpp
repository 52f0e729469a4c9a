// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/panel/ParameterBar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QVBoxLayout>

#include "view/canvas/ZoomSteps.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

// Rejects text wider than its box, so that a field holds only what it can show, and optionally
// anything but digits.
class BoxFitValidator : public QRegularExpressionValidator {
  public:
    BoxFitValidator(QLineEdit* edit, const QString& pattern)
        : QRegularExpressionValidator(QRegularExpression(pattern), edit), edit_(edit) {}

    State validate(QString& input, int& pos) const override {
        const State state = QRegularExpressionValidator::validate(input, pos);
        if (state == Invalid) return state;
        const int frame = edit_->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, edit_);
        const QMargins margins = edit_->textMargins();
        // The line edit keeps two pixels of its own at either side, and one for the caret.
        const int room = edit_->width() - 2 * frame - margins.left() - margins.right() - 5;
        return edit_->fontMetrics().horizontalAdvance(input) > room ? Invalid : state;
    }

  private:
    QLineEdit* edit_;
};

// A field's box holds a value of seven digits, as "-123.45" or "1000000".
constexpr auto kBoxSample = "0000000";

// The group boxes, and the gaps between the panel's parts and its controls, in pixels.
constexpr int kGroupMargin = 6;
constexpr int kRowGap = 0;
constexpr int kColumnGap = 4;
constexpr int kPartGap = 6;

QGridLayout* Grid() {
    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(kColumnGap);
    grid->setVerticalSpacing(kRowGap);
    return grid;
}

// The grid within a group box titled title.
QGridLayout* GroupGrid(const QString& title, QWidget* parent, QBoxLayout& into) {
    auto* box = new QGroupBox(title, parent);
    QGridLayout* grid = Grid();
    grid->setContentsMargins(kGroupMargin, 0, kGroupMargin, kGroupMargin / 2);
    box->setLayout(grid);
    into.addWidget(box);
    return grid;
}

// A grid that keeps its natural width, placed by the stretches either side.
QGridLayout* LooseGrid(QBoxLayout& into, int stretchBefore, int stretchAfter) {
    auto* line = new QHBoxLayout;
    line->addStretch(stretchBefore);
    QGridLayout* grid = Grid();
    line->addLayout(grid);
    line->addStretch(stretchAfter);
    into.addLayout(line);
    return grid;
}

}  // namespace

QString ParameterBar::Caption(BarControl id) {
    const PanelRow* row = PanelRowOf(id);
    return row != nullptr && row->caption != nullptr ? tr(row->caption) : QString();
}

QString ParameterBar::ToolTip(BarControl id) {
    const PanelRow* row = PanelRowOf(id);
    if (row == nullptr) return {};
    // The wheel's reach is the view's own zoom steps.
    if (id == BarControl::ZoomReadout)
        return tr(row->tip).arg(ZoomSteps().front()).arg(ZoomSteps().back());
    return tr(row->tip);
}

ParameterBar::ParameterBar(QWidget* parent) : QWidget(parent) {
    // An 8-point sans serif of Tahoma's or Arial's widths, as the panel has always been set in.
    QFont panelFont = font();
    panelFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                           QStringLiteral("Arial"), panelFont.family()});
    panelFont.setPointSize(8);
    setFont(panelFont);

    const AreaGrids grids = BuildAreas();
    std::map<std::string_view, QButtonGroup*> pairs;  // each radio pair is a group of its own
    QWidget* previous = nullptr;
    for (const PanelRow& row : PanelRows()) {
        AddRow(row, *grids.at(row.place.area));
        QWidget* made = controls_.at(row.id);
        if (auto* radio = qobject_cast<QRadioButton*>(made)) {
            QButtonGroup*& group = pairs[row.field];
            if (group == nullptr) group = new QButtonGroup(this);
            group->addButton(radio);
        }
        // The table's order is the tab order.
        if (previous != nullptr) setTabOrder(previous, made);
        previous = made;
    }
    button(BarControl::Apply)->setDefault(true);
    // As tall as its rows need, never taller: the view takes the rest.
    setFixedHeight(sizeHint().height());
}

ParameterBar::AreaGrids ParameterBar::BuildAreas() {
    // The readouts along the top; the general group with the buttons under it at the left, the
    // ticks' group with the template's controls under it at the right.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(kGroupMargin, 0, kGroupMargin, kRowGap);
    outer->setSpacing(0);
    AreaGrids grids;
    grids[PanelArea::Readouts] = LooseGrid(*outer, 1, 1);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(kPartGap);
    outer->addLayout(columns);
    auto* left = new QVBoxLayout;
    left->setSpacing(kPartGap);
    auto* right = new QVBoxLayout;
    right->setSpacing(kRowGap);
    columns->addLayout(left);
    columns->addLayout(right);
    grids[PanelArea::General] = GroupGrid(tr("Общие параметры шкалы"), this, *left);
    grids[PanelArea::Buttons] = LooseGrid(*left, 1, 1);
    grids[PanelArea::Buttons]->setHorizontalSpacing(4 * kPartGap);
    left->addStretch(1);
    grids[PanelArea::Ticks] = GroupGrid(tr("Параметры делений шкалы"), this, *right);
    grids[PanelArea::Template] = LooseGrid(*right, 0, 1);
    right->addStretch(1);
    return grids;
}

void ParameterBar::AddRow(const PanelRow& row, QGridLayout& grid) {
    const PanelPlace& at = row.place;
    int column = at.column;
    if (IsTypedField(row.widget) || row.widget == PanelWidget::Slider) {
        if (row.caption != nullptr) {
            QWidget* caption = MakeLabel(Caption(row.id), row.id);
            if (row.widget == PanelWidget::TemplateField)
                static_cast<QLabel*>(caption)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid.addWidget(caption, at.row, column);
        }
        ++column;
    }
    QWidget* control = MakeControl(row);
    controls_[row.id] = control;
    control->setToolTip(ToolTip(row.id));
    // A radio or check box answers clicks on its mark and caption only: it keeps their width.
    const bool choice = qobject_cast<QAbstractButton*>(control) != nullptr &&
                        qobject_cast<QPushButton*>(control) == nullptr;
    grid.addWidget(control, at.row, column, 1, at.span, choice ? Qt::AlignLeft : Qt::Alignment());
    column += at.span;
    switch (row.unit) {
        case PanelUnit::None:
            break;
        case PanelUnit::Millimetres:
            grid.addWidget(MakeLabel(tr("мм")), at.row, column);
            break;
        case PanelUnit::Degrees:
            grid.addWidget(MakeLabel(tr("град.")), at.row, column);
            break;
    }
}

QWidget* ParameterBar::MakeLabel(const QString& text, std::optional<BarControl> captionOf) {
    auto* label = new QLabel(text, this);
    // The caption tells what its field is, as the field does.
    if (captionOf) label->setToolTip(ToolTip(*captionOf));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

QWidget* ParameterBar::MakeControl(const PanelRow& row) {
    switch (row.widget) {
        case PanelWidget::Button: {
            auto* button = new QPushButton(Caption(row.id), this);
            // Enter on a focused push button presses that button.
            button->setAutoDefault(true);
            return button;
        }
        case PanelWidget::RadioWhenZero:
        case PanelWidget::RadioWhenSet: {
            auto* radio = new QRadioButton(Caption(row.id), this);
            radio->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
            return radio;
        }
        case PanelWidget::CheckBox:
            return new QCheckBox(Caption(row.id), this);
        case PanelWidget::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, this);
            slider->setRange(0, 100);
            slider->setPageStep(10);
            return slider;
        }
        case PanelWidget::Spinner: {
            auto* spinner = new QSpinBox(this);
            // Arrows only: the position is shown in the field beside it, not in the spinner.
            if (auto* text = spinner->findChild<QLineEdit*>()) {
                text->setReadOnly(true);
                text->hide();
            }
            spinner->setFixedWidth(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this));
            spinner->setFocusProxy(nullptr);
            spinner->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
            return spinner;
        }
        case PanelWidget::Readout: {
            auto* readout = new QLineEdit(this);
            readout->setReadOnly(true);
            readout->setFrame(false);
            readout->setAlignment(Qt::AlignCenter);
            const QString widest = QString::fromStdString(row.id == BarControl::ZoomReadout
                                                              ? ZoomReadoutText(1000)
                                                              : CursorReadoutText(-99999, -99999));
            readout->setMinimumWidth(fontMetrics().horizontalAdvance(widest) + kGroupMargin);
            // Transparent, as the panel beneath it.
            QPalette look = readout->palette();
            look.setColor(QPalette::Base, Qt::transparent);
            readout->setPalette(look);
            return readout;
        }
        default:
            break;
    }
    auto* field = new QLineEdit(this);
    field->setAlignment(Qt::AlignCenter);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    // The line edit keeps two pixels of its own at either side, and one for the caret.
    field->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1String(kBoxSample)) + 2 * frame +
                         5);
    // Only the count fields take nothing but digits; the name and the unit scroll, every other
    // field holds only what fits in its box.
    switch (row.widget) {
        case PanelWidget::Digits:
            field->setValidator(new BoxFitValidator(field, QStringLiteral("[0-9]*")));
            break;
        case PanelWidget::Decimal:
        case PanelWidget::Length:
        case PanelWidget::Count:
            field->setValidator(new BoxFitValidator(field, QStringLiteral(".*")));
            break;
        default:
            break;
    }
    return field;
}

QWidget* ParameterBar::control(BarControl id) const {
    const auto found = controls_.find(id);
    return found == controls_.end() ? nullptr : found->second;
}

QLineEdit* ParameterBar::edit(BarControl id) const {
    return qobject_cast<QLineEdit*>(control(id));
}
QPushButton* ParameterBar::button(BarControl id) const {
    return qobject_cast<QPushButton*>(control(id));
}
QRadioButton* ParameterBar::radio(BarControl id) const {
    return qobject_cast<QRadioButton*>(control(id));
}
QSlider* ParameterBar::slider(BarControl id) const {
    return qobject_cast<QSlider*>(control(id));
}

QCheckBox* ParameterBar::checkBox(BarControl id) const {
    return qobject_cast<QCheckBox*>(control(id));
}
QSpinBox* ParameterBar::spinner(BarControl id) const {
    return qobject_cast<QSpinBox*>(control(id));
}

QString ParameterBar::text(BarControl id) const {
    if (QLineEdit* field = edit(id)) return field->text();
    if (auto* button = qobject_cast<QAbstractButton*>(control(id))) return button->text();
    return {};
}

void ParameterBar::setText(BarControl id, const QString& text) {
    if (QLineEdit* field = edit(id))
        field->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(control(id)))
        button->setText(text);
}

bool ParameterBar::isChecked(BarControl id) const {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    return button != nullptr && button->isChecked();
}

void ParameterBar::setChecked(BarControl id, bool checked) {
    auto* button = qobject_cast<QAbstractButton*>(control(id));
    if (button == nullptr) return;
    // An exclusive group refuses to clear its checked button directly.
    QButtonGroup* group = button->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (exclusive && !checked) group->setExclusive(false);
    button->setChecked(checked);
    if (exclusive && !checked) group->setExclusive(true);
}

void ParameterBar::setControlEnabled(BarControl id, bool enabled) {
    if (QWidget* widget = control(id)) widget->setEnabled(enabled);
}

void ParameterBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (QPushButton* apply = button(BarControl::Apply); apply && apply->isEnabled())
                apply->click();
            return;
        case Qt::Key_Escape:
            if (QPushButton* load = button(BarControl::TemplateButton); load && load->isEnabled())
                load->click();
            return;
        default:
            QWidget::keyPressEvent(event);
    }
}

}  // namespace quirn
