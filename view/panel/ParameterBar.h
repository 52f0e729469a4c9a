// SPDX-License-Identifier: GPL-3.0-or-later
// The strip of parameter fields docked above the drawing, built from the panel's table (see
// PanelRows.h) with layouts, so that it follows its texts' widths in any language. It has no logic
// of its own: the bindings read and write its controls by id and handle their signals.
#pragma once

#include <QWidget>
#include <map>
#include <optional>

#include "view/panel/PanelRows.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;

namespace quirn {

class ParameterBar : public QWidget {
    Q_OBJECT
  public:
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
    QSlider* slider(BarControl id) const;

    QString text(BarControl id) const;
    void setText(BarControl id, const QString& text);
    bool isChecked(BarControl id) const;
    void setChecked(BarControl id, bool checked);
    void setControlEnabled(BarControl id, bool enabled);

  protected:
    // Enter presses "Применить параметры" and Esc the template button, as a dialog's default
    // and cancel buttons would.
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // The grid of each area, made by the constructor.
    using AreaGrids = std::map<PanelArea, QGridLayout*>;
    AreaGrids BuildAreas();
    void AddRow(const PanelRow& row, QGridLayout& grid);
    QWidget* MakeControl(const PanelRow& row);
    // captionOf: the control the label names, whose tooltip it shares.
    QWidget* MakeLabel(const QString& text, std::optional<BarControl> captionOf = std::nullopt);

    std::map<BarControl, QWidget*> controls_;
};

}  // namespace quirn
