// SPDX-License-Identifier: GPL-3.0-or-later
// The strip of parameter fields docked above the drawing. It has no logic of its own: the view
// reads and writes its controls by id and handles their signals.
#pragma once

#include <QRect>
#include <QWidget>
#include <map>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quirn {

// Control ids, as the command table knows them.
enum class BarControl : int {
    Apply = 1,
    TemplateButton = 2,
    Unit = 1001,
    Range = 1002,
    Alfa = 1003,
    plateWidth = 1004,
    plateHeight = 1005,
    tickRadius = 1006,
    bigTickLength = 1007,
    bigTickWidth = 1008,
    smallTickLength = 1009,
    smallTickWidth = 1010,
    divisions = 1011,
    SquareShape = 1012,
    RadialShape = 1013,
    outerRadius = 1014,
    Skos = 1015,
    Name = 1016,
    mountingHoleSpacing = 1017,
    innerRadius = 1018,
    bigDivisions = 1019,
    InnerRadius = 1020,
    OuterRadius = 1021,
    ExportPicture = 1022,
    Arc = 1023,
    numberedDivisions = 1024,
    arcWidth = 1025,
    LosOs = 1026,
    LosNiz = 1027,
    TemplateWidth = 1028,
    TemplateX = 1029,
    TemplateY = 1030,
    TemplateWidthSpinner = 1031,
    TemplateXSpinner = 1032,
    TemplateYSpinner = 1033,
    ZoomReadout = 1034,
    CursorReadout = 1035,
};

class ParameterBar : public QWidget {
    Q_OBJECT
  public:
    // The panel measures 672 x 141 dialog units.
    static constexpr int kWidthUnits = 672;
    static constexpr int kHeightUnits = 141;

    explicit ParameterBar(QWidget* parent = nullptr);

    // A control's caption on the panel (empty for one without), and what its tooltip says it
    // is, in the language in force.
    static QString Caption(BarControl id);
    static QString ToolTip(BarControl id);

    // Null when id names no control of that kind.
    QWidget* control(BarControl id) const;
    QLineEdit* edit(BarControl id) const;
    QPushButton* button(BarControl id) const;
    QRadioButton* radio(BarControl id) const;
    QCheckBox* checkBox(BarControl id) const;
    QSpinBox* spinner(BarControl id) const;

    QString text(BarControl id) const;
    void setText(BarControl id, const QString& text);
    bool isChecked(BarControl id) const;
    void setChecked(BarControl id, bool checked);
    void setControlEnabled(BarControl id, bool enabled);

    // A rectangle in dialog units as pixels on this widget's screen: one horizontal unit is
    // 1.5 px and one vertical unit 1.625 px at 96 dpi.
    QRect DialogRect(int x, int y, int width, int height) const;

  protected:
    // Enter presses "Применить параметры" and Esc the template button, as a dialog's default
    // and cancel buttons would.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void AddGroupBox(const QString& title, int x, int y, int width, int height);
    // captionOf: the control the label names, whose tooltip it shares.
    void AddLabel(const QString& text, int x, int y, int width, Qt::Alignment align,
                  std::optional<BarControl> captionOf = std::nullopt);
    QLineEdit* AddEdit(BarControl id, int x, int y, int width, int height);
    void AddParameterEdit(BarControl id, int labelX, int x, int y, bool millimetres);
    QPushButton* AddButton(BarControl id, int x, int y, int width, int height);
    QRadioButton* AddRadio(BarControl id, int x, int y, int width, int height);
    QSpinBox* AddSpinner(BarControl id, int x, int y, int width, int height);
    QLineEdit* AddReadout(BarControl id, int x, int y, int width, int height);

    std::map<BarControl, QWidget*> controls_;
};

}  // namespace quirn
