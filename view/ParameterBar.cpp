// SPDX-License-Identifier: GPL-3.0-or-later
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

// What each control is called on the panel, if anything, and what its tooltip says it is.
struct ControlText {
    BarControl id;
    const char* caption;
    const char* tip;
};

using C = BarControl;
constexpr ControlText kControlTexts[] = {
    {C::Apply, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Применить параметры"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Применить введённые параметры к шкале (Enter)")},
    {C::ExportPicture, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Записать рисунок в файл"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "Записать шкалу в однобитный рисунок BMP с разрешением принтера в текущую папку; "
         "имя файла - описание шкалы")},
    {C::Name, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Название (марка) прибора"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Обозначение (марка) прибора, печатается на шкале")},
    {C::Unit, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Единицы измерения"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Единица измерения, печатается на шкале (V, mA, kΩ...)")},
    {C::Range, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Диапазон шкалы"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "Значение на правом конце шкалы 1; при законе «омметр» - значение в середине "
         "шкалы")},
    {C::Alfa, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Половинный угол шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Половина угла дуги шкалы в градусах: деления идут от этого угла слева от "
                       "вертикали через ось стрелки до такого же угла справа")},
    {C::innerRadius, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Внутренний радиус шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Радиус полукруглого выреза внизу посередине пластины, вокруг оси стрелки")},
    {C::mountingHoleSpacing,
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Межцентр. расстояние крепежа"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Расстояние между центрами двух крепёжных отверстий")},
    {C::SquareShape, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Квадратная шкала"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Прямоугольная пластина заданной ширины и высоты со скосами верхних углов")},
    {C::RadialShape, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Радиусная шкала"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Пластина, ограниченная сверху дугой внешнего радиуса вокруг оси стрелки")},
    {C::plateHeight, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Высота шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Высота пластины от нижнего края до верхнего (только квадратная шкала)")},
    {C::Skos, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Величина скоса по верхним углам"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "Сколько срезается с каждого из двух верхних углов пластины, по горизонтали и по "
         "вертикали поровну (только квадратная шкала)")},
    {C::outerRadius, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Внешний радиус шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Радиус верхней дуги пластины вокруг оси стрелки (только радиусная шкала)")},
    {C::plateWidth, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Ширина шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Ширина пластины от левого края до правого")},
    {C::tickRadius, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Радиус делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Радиус окружности вокруг оси стрелки, от которой идут деления")},
    {C::InnerRadius, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Внутренний радиус, числа снаружи"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Деления идут от радиуса делений наружу, числа стоят снаружи")},
    {C::OuterRadius, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Внешний радиус, числа внутри"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Деления идут от радиуса делений внутрь, числа стоят внутри")},
    {C::bigTickLength, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Длина больших делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Длина больших делений вдоль радиуса")},
    {C::smallTickLength, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Длина малых делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Длина малых делений вдоль радиуса")},
    {C::divisions, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Общее число делений"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "Число промежутков между соседними делениями на всей шкале (самих делений на "
         "одно больше)")},
    {C::bigDivisions, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Число больших делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Число промежутков между большими делениями на всей шкале")},
    {C::numberedDivisions, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Число делений с числами"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Число промежутков между числами: чисел на одно больше, их значения идут "
                       "поровну от начала шкалы до конца")},
    {C::bigTickWidth, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Ширина больших делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Толщина линии больших делений")},
    {C::smallTickWidth, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Ширина малых делений"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Толщина линии малых делений")},
    {C::Arc, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Дуга под/над делениями"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Провести дугу вдоль делений по радиусу делений")},
    {C::arcWidth, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Толщина линии дуги вдоль делений")},
    {C::LosOs, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Расст. ось крепежа - ось стрелки"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "На сколько линия центров крепёжных отверстий выше оси стрелки (ниже - со знаком "
         "минус)")},
    {C::LosNiz, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Расст. ось крепежа - низ шкалы"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "На сколько линия центров крепёжных отверстий выше нижнего края пластины")},
    {C::TemplateButton, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Загрузить шаблон (.bmp)"),
     QT_TRANSLATE_NOOP(
         "quirn::ParameterBar",
         "Подложить под чертёж картинку старой шкалы (шаблон) или убрать её; шаблон не "
         "печатается (Esc)")},
    {C::TemplateWidth, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Ширина шаблона"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Ширина шаблона на чертеже; высота меняется в той же пропорции")},
    {C::TemplateX, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Координата X"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Расстояние левого нижнего угла шаблона от оси стрелки по горизонтали")},
    {C::TemplateY, QT_TRANSLATE_NOOP("quirn::ParameterBar", "Координата Y"),
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Расстояние левого нижнего угла шаблона от оси стрелки по вертикали")},
    {C::TemplateWidthSpinner, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Изменить ширину шаблона на 0.01 мм")},
    {C::TemplateXSpinner, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Сдвинуть шаблон по горизонтали на 0.01 мм")},
    {C::TemplateYSpinner, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar", "Сдвинуть шаблон по вертикали на 0.01 мм")},
    {C::ZoomReadout, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Масштаб изображения; колесо мыши меняет его от 100 до 1000%")},
    {C::CursorReadout, nullptr,
     QT_TRANSLATE_NOOP("quirn::ParameterBar",
                       "Положение курсора в миллиметрах от оси стрелки: X вправо, Y вверх")},
};

const ControlText* TextOf(BarControl id) {
    for (const ControlText& text : kControlTexts)
        if (text.id == id) return &text;
    return nullptr;
}

}  // namespace

QString ParameterBar::Caption(BarControl id) {
    const ControlText* text = TextOf(id);
    return text != nullptr && text->caption != nullptr ? tr(text->caption) : QString();
}

QString ParameterBar::ToolTip(BarControl id) {
    const ControlText* text = TextOf(id);
    return text != nullptr ? tr(text->tip) : QString();
}

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
    QPushButton* apply = AddButton(C::Apply, 50, 121, 100, 14);
    apply->setDefault(true);
    AddButton(C::ExportPicture, 210, 121, 100, 14);

    // Left column of the first group: labels from x 12, fields at x 130.
    AddParameterEdit(C::Name, 12, 130, 19, false);
    AddParameterEdit(C::Unit, 12, 130, 32, false);
    AddParameterEdit(C::Range, 12, 130, 45, false);
    AddParameterEdit(C::Alfa, 12, 130, 58, false);
    AddLabel(tr("град."), 162, 58, 18, Qt::AlignLeft);
    AddParameterEdit(C::innerRadius, 12, 130, 71, true);
    AddParameterEdit(C::mountingHoleSpacing, 12, 130, 84, true);

    auto* shapes = new QButtonGroup(this);
    shapes->addButton(AddRadio(C::SquareShape, 220, 22, 90, 8));
    shapes->addButton(AddRadio(C::RadialShape, 220, 61, 90, 8));
    // Right column of the first group: labels from x 180, fields at x 304.
    AddParameterEdit(C::plateHeight, 180, 304, 32, true);
    AddParameterEdit(C::Skos, 180, 304, 45, true);
    AddParameterEdit(C::outerRadius, 180, 304, 71, true);
    AddParameterEdit(C::plateWidth, 180, 304, 84, true);

    // Second group: labels from x 362 and x 516, fields at x 470 and x 620.
    AddParameterEdit(C::tickRadius, 362, 470, 19, true);
    auto* radii = new QButtonGroup(this);
    radii->addButton(AddRadio(C::InnerRadius, 364, 35, 137, 10));
    radii->addButton(AddRadio(C::OuterRadius, 364, 46, 121, 10));
    AddParameterEdit(C::bigTickLength, 362, 470, 71, true);
    AddParameterEdit(C::smallTickLength, 362, 470, 84, true);
    AddParameterEdit(C::divisions, 516, 620, 32, false);
    AddParameterEdit(C::bigDivisions, 516, 620, 45, false);
    AddParameterEdit(C::numberedDivisions, 516, 620, 58, false);
    AddParameterEdit(C::bigTickWidth, 516, 620, 71, true);
    AddParameterEdit(C::smallTickWidth, 516, 620, 84, true);

    auto* arc = new QCheckBox(Caption(C::Arc), this);
    arc->setGeometry(DialogRect(364, 60, 101, 8));
    controls_[C::Arc] = arc;
    AddParameterEdit(C::arcWidth, 0, 470, 58, true);

    AddParameterEdit(C::LosOs, 12, 130, 97, true);
    AddParameterEdit(C::LosNiz, 180, 304, 97, true);

    // Only these two take nothing but digits.
    for (BarControl id : {C::bigDivisions, C::numberedDivisions})
        edit(id)->setValidator(new BoxFitValidator(edit(id), QStringLiteral("[0-9]*")));

    // The template underlay.
    AddButton(C::TemplateButton, 390, 105, 100, 14);
    AddLabel(Caption(C::TemplateWidth), 356, 123, 92, Qt::AlignRight, C::TemplateWidth);
    AddEdit(C::TemplateWidth, 450, 123, 30, 12);
    AddSpinner(C::TemplateWidthSpinner, 480, 123, 10, 12);
    AddLabel(tr("мм"), 492, 123, 12, Qt::AlignLeft);
    AddLabel(Caption(C::TemplateX), 506, 106, 62, Qt::AlignRight, C::TemplateX);
    AddEdit(C::TemplateX, 570, 106, 30, 12);
    AddLabel(Caption(C::TemplateY), 506, 123, 62, Qt::AlignRight, C::TemplateY);
    AddEdit(C::TemplateY, 570, 123, 30, 12);
    AddSpinner(C::TemplateXSpinner, 600, 106, 10, 12);
    AddSpinner(C::TemplateYSpinner, 600, 123, 10, 12);
    AddLabel(tr("мм"), 612, 106, 12, Qt::AlignLeft);
    AddLabel(tr("мм"), 612, 123, 12, Qt::AlignLeft);

    AddReadout(C::ZoomReadout, 340, 0, 60, 12);
    AddReadout(C::CursorReadout, 270, 0, 70, 12);

    for (const auto& [id, control] : controls_) control->setToolTip(ToolTip(id));
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

void ParameterBar::AddLabel(const QString& text, int x, int y, int width, Qt::Alignment align,
                            std::optional<BarControl> captionOf) {
    auto* label = new QLabel(text, this);
    // The caption tells what its field is, as the field does.
    if (captionOf) label->setToolTip(ToolTip(*captionOf));
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

void ParameterBar::AddParameterEdit(BarControl id, int labelX, int x, int y, bool millimetres) {
    if (const QString label = Caption(id); !label.isEmpty())
        AddLabel(label, labelX, y, x - 2 - labelX, Qt::AlignLeft, id);
    QLineEdit* field = AddEdit(id, x, y, 30, 12);
    // The name and the unit scroll; every other field holds only what fits in its box.
    if (id != BarControl::Name && id != BarControl::Unit)
        field->setValidator(new BoxFitValidator(field, QStringLiteral(".*")));
    if (millimetres) AddLabel(tr("мм"), x + 32, y, 12, Qt::AlignLeft);
}

QPushButton* ParameterBar::AddButton(BarControl id, int x, int y, int width, int height) {
    auto* button = new QPushButton(Caption(id), this);
    button->setGeometry(DialogRect(x, y, width, height));
    // Enter on a focused push button presses that button.
    button->setAutoDefault(true);
    controls_[id] = button;
    return button;
}

QRadioButton* ParameterBar::AddRadio(BarControl id, int x, int y, int width, int height) {
    auto* radio = new QRadioButton(Caption(id), this);
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
