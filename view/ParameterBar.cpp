#include "view/ParameterBar.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStyle>
#include <cmath>

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

}  // namespace

ParameterBar::ParameterBar(QWidget* parent) : QWidget(parent) {
    // The layout is measured in units of an 8-point sans serif of Tahoma's or Arial's widths;
    // a wider face would not fit the labels into their columns.
    QFont dialogFont = font();
    dialogFont.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("Arial"), dialogFont.family()});
    dialogFont.setPointSize(8);
    setFont(dialogFont);
    setFixedHeight(DialogRect(0, 0, kWidthUnits, kHeightUnits).height());
    setMinimumWidth(DialogRect(0, 0, kWidthUnits, kHeightUnits).width());

    AddGroupBox(tr("Общие параметры шкалы"), 6, 9, 344, 104);
    AddGroupBox(tr("Параметры делений шкалы"), 356, 9, 310, 91);

    // Creation order is the tab order.
    QPushButton* apply = AddButton(BarControl::Apply, tr("Применить параметры"), 50, 121, 100, 14);
    apply->setDefault(true);
    AddButton(BarControl::ExportPicture, tr("Записать рисунок в файл"), 210, 121, 100, 14);

    using C = BarControl;
    // Left column of the first group: labels from x 12, fields at x 130.
    AddParameterEdit(C::Name, tr("Название (марка) прибора"), 12, 130, 19, false);
    AddParameterEdit(C::Unit, tr("Единицы измерения"), 12, 130, 32, false);
    AddParameterEdit(C::Range, tr("Диапазон шкалы"), 12, 130, 45, false);
    AddParameterEdit(C::Alfa, tr("Половинный угол шкалы"), 12, 130, 58, false);
    AddLabel(tr("град."), 162, 58, 18, Qt::AlignLeft);
    AddParameterEdit(C::Rin, tr("Внутренний радиус шкалы"), 12, 130, 71, true);
    AddParameterEdit(C::Lkrep, tr("Межцентр. расстояние крепежа"), 12, 130, 84, true);

    auto* shapes = new QButtonGroup(this);
    shapes->addButton(AddRadio(C::SquareShape, tr("Квадратная шкала"), 220, 22, 90, 8));
    shapes->addButton(AddRadio(C::RadialShape, tr("Радиусная шкала"), 220, 61, 90, 8));
    // Right column of the first group: labels from x 180, fields at x 304.
    AddParameterEdit(C::Hshk, tr("Высота шкалы"), 180, 304, 32, true);
    AddParameterEdit(C::Skos, tr("Величина скоса по верхним углам"), 180, 304, 45, true);
    AddParameterEdit(C::Rout, tr("Внешний радиус шкалы"), 180, 304, 71, true);
    AddParameterEdit(C::Lshk, tr("Ширина шкалы"), 180, 304, 84, true);

    // Second group: labels from x 362 and x 516, fields at x 470 and x 620.
    AddParameterEdit(C::Rdel, tr("Радиус делений"), 362, 470, 19, true);
    auto* radii = new QButtonGroup(this);
    radii->addButton(
        AddRadio(C::InnerRadius, tr("Внутренний радиус, числа снаружи"), 364, 35, 137, 10));
    radii->addButton(
        AddRadio(C::OuterRadius, tr("Внешний радиус, числа внутри"), 364, 46, 121, 10));
    AddParameterEdit(C::Lbig, tr("Длина больших делений"), 362, 470, 71, true);
    AddParameterEdit(C::Lsm, tr("Длина малых делений"), 362, 470, 84, true);
    AddParameterEdit(C::Nfull, tr("Общее число делений"), 516, 620, 32, false);
    AddParameterEdit(C::Nbig, tr("Число больших делений"), 516, 620, 45, false);
    AddParameterEdit(C::Nm, tr("Число делений с числами"), 516, 620, 58, false);
    AddParameterEdit(C::Hbig, tr("Ширина больших делений"), 516, 620, 71, true);
    AddParameterEdit(C::Hsm, tr("Ширина малых делений"), 516, 620, 84, true);

    auto* arc = new QCheckBox(tr("Дуга под/над делениями"), this);
    arc->setGeometry(DialogRect(364, 60, 101, 8));
    controls_[C::Arc] = arc;
    // The arc's distance is captioned by its check box.
    AddParameterEdit(C::Hduga, QString(), 0, 470, 58, true);
    edit(C::Hduga)->setAccessibleName(arc->text());

    AddParameterEdit(C::LosOs, tr("Расст. ось крепежа - ось стрелки"), 12, 130, 97, true);
    AddParameterEdit(C::LosNiz, tr("Расст. ось крепежа - низ шкалы"), 180, 304, 97, true);

    // Only these two take nothing but digits.
    for (BarControl id : {C::Nbig, C::Nm})
        edit(id)->setValidator(new BoxFitValidator(edit(id), QStringLiteral("[0-9]*")));

    // The template underlay.
    AddButton(C::TemplateButton, tr("Загрузить шаблон (.bmp)"), 390, 105, 100, 14);
    AddLabel(tr("Ширина шаблона"), 356, 123, 92, Qt::AlignRight);
    AddEdit(C::TemplateWidth, 450, 123, 30, 12);
    AddSpinner(C::TemplateWidthSpinner, 480, 123, 10, 12);
    AddLabel(tr("мм"), 492, 123, 12, Qt::AlignLeft);
    AddLabel(tr("Координата X"), 506, 106, 62, Qt::AlignRight);
    AddEdit(C::TemplateX, 570, 106, 30, 12);
    AddLabel(tr("Координата Y"), 506, 123, 62, Qt::AlignRight);
    AddEdit(C::TemplateY, 570, 123, 30, 12);
    AddSpinner(C::TemplateXSpinner, 600, 106, 10, 12);
    AddSpinner(C::TemplateYSpinner, 600, 123, 10, 12);
    AddLabel(tr("мм"), 612, 106, 12, Qt::AlignLeft);
    AddLabel(tr("мм"), 612, 123, 12, Qt::AlignLeft);

    AddReadout(C::ZoomReadout, 340, 0, 60, 12);
    AddReadout(C::CursorReadout, 270, 0, 70, 12);
}

QRect ParameterBar::DialogRect(int x, int y, int width, int height) const {
    const double sx = 1.5 * logicalDpiX() / 96.0;
    const double sy = 1.625 * logicalDpiY() / 96.0;
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    const int left = px(x * sx);
    const int top = px(y * sy);
    return QRect(left, top, px((x + width) * sx) - left, px((y + height) * sy) - top);
}

void ParameterBar::AddGroupBox(const QString& title, int x, int y, int width, int height) {
    auto* box = new QGroupBox(title, this);
    box->setGeometry(DialogRect(x, y, width, height));
}

void ParameterBar::AddLabel(const QString& text, int x, int y, int width, Qt::Alignment align) {
    auto* label = new QLabel(text, this);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(DialogRect(x, y, width, 12));
}

QLineEdit* ParameterBar::AddEdit(BarControl id, int x, int y, int width, int height) {
    auto* field = new QLineEdit(this);
    field->setGeometry(DialogRect(x, y, width, height));
    field->setAlignment(Qt::AlignCenter);
    controls_[id] = field;
    return field;
}

void ParameterBar::AddParameterEdit(BarControl id, const QString& label, int labelX, int x, int y,
                                    bool millimetres) {
    if (!label.isEmpty()) AddLabel(label, labelX, y, x - 2 - labelX, Qt::AlignLeft);
    QLineEdit* field = AddEdit(id, x, y, 30, 12);
    // Messages about the field name it by its caption.
    field->setAccessibleName(label);
    // The name and the unit scroll; every other field holds only what fits in its box.
    if (id != BarControl::Name && id != BarControl::Unit)
        field->setValidator(new BoxFitValidator(field, QStringLiteral(".*")));
    if (millimetres) AddLabel(tr("мм"), x + 32, y, 12, Qt::AlignLeft);
}

QPushButton* ParameterBar::AddButton(BarControl id, const QString& text, int x, int y, int width,
                                     int height) {
    auto* button = new QPushButton(text, this);
    button->setGeometry(DialogRect(x, y, width, height));
    // Enter on a focused push button presses that button.
    button->setAutoDefault(true);
    controls_[id] = button;
    return button;
}

QRadioButton* ParameterBar::AddRadio(BarControl id, const QString& text, int x, int y, int width,
                                     int height) {
    auto* radio = new QRadioButton(text, this);
    radio->setGeometry(DialogRect(x, y, width, height + 2));
    radio->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    controls_[id] = radio;
    return radio;
}

QSpinBox* ParameterBar::AddSpinner(BarControl id, int x, int y, int width, int height) {
    auto* spinner = new QSpinBox(this);
    spinner->setGeometry(DialogRect(x, y, width, height));
    // Arrows only: the position is shown in the field beside it, not in the spinner.
    if (auto* text = spinner->findChild<QLineEdit*>()) {
        text->setReadOnly(true);
        text->hide();
    }
    spinner->setFocusProxy(nullptr);
    spinner->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
    controls_[id] = spinner;
    return spinner;
}

QLineEdit* ParameterBar::AddReadout(BarControl id, int x, int y, int width, int height) {
    auto* readout = new QLineEdit(this);
    readout->setGeometry(DialogRect(x, y, width, height));
    readout->setReadOnly(true);
    readout->setFrame(false);
    // Transparent, so that the group box title beneath the zoom readout stays whole.
    QPalette look = readout->palette();
    look.setColor(QPalette::Base, Qt::transparent);
    readout->setPalette(look);
    controls_[id] = readout;
    return readout;
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
