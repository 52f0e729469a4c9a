// SPDX-License-Identifier: GPL-3.0-or-later
// The panel's template controls bound to the scale being edited: the button loads a picture to lay
// under the drawing or removes it, the width, X and Y fields and their spinners size and place it,
// and they follow the template as the mouse drags or widens it. The slider dims it, the check box
// locks it against the mouse, and two buttons start clicking on it: to level it, and to calibrate
// the scale the scales window shows from it.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/ScaleExtensions.h"
#include "view/panel/ParameterBar.h"

namespace quirn {

class ScaleSession;
class TemplateEdits;
class ScaleView;
class UserPrompts;

class TemplateClicks;

class TemplateControls : public QObject {
    Q_OBJECT
  public:
    // The picture is chosen, and a failure to load it told, through prompts.
    TemplateControls(ParameterBar& bar, ScaleSession& session, ScaleView& view,
                     UserPrompts& prompts, QObject* parent = nullptr);

    // Loads a template picture when none is loaded, removes it otherwise.
    void loadOrRemoveTemplate();
    // The clicking on the template the two buttons start.
    TemplateClicks& clicks() const { return *clicks_; }
    // "Выровнять шаблон" and "Калибровка по шаблону" of the scale the scales window shows, from
    // the panel's buttons or the menu.
    void startLevel();
    void startCalibration();
    // "Найти деления" for the scale being calibrated, or the one the scales window shows.
    void findTicks();
    // Which scale (1..) a calibration is for: scale 1 unless told otherwise.
    void setCurrentScale(std::function<int()> currentScale) {
        currentScale_ = std::move(currentScale);
    }

  private:
    // A template field and the spinner that steps it, and what they set.
    struct Coordinate {
        BarControl field;
        BarControl spinner;
        void (TemplateEdits::*store)(int);
    };
    static const Coordinate kCoordinates[3];

    void Connect(ScaleView& view);
    // The template's width and place into the fields, and the spinners to follow.
    void Fill();
    void ShowButton();
    // The controls that need a template shown are enabled only with one.
    void EnableControls();
    // Whether writing a field hands its value to the session as typing would.
    enum class FieldEcho { Notify, Quiet };
    void ShowCoordinate(const Coordinate& coordinate, std::int64_t value,
                        FieldEcho echo = FieldEcho::Notify);
    // Hands what the user set to the session without writing it back into the controls.
    void Store(const std::function<void()>& store);
    // A field's text changed: re-read into the width, X or Y.
    void readField(const Coordinate& coordinate);
    // A spinner stepped to value: store it and write it into the field beside it.
    void stepSpinner(const Coordinate& coordinate, int value);

    ParameterBar& bar_;
    ScaleSession& session_;
    UserPrompts& prompts_;
    TemplateClicks* clicks_ = nullptr;
    std::optional<TemplateRecord> shownRecord_;  // as the fields show it
    bool storing_ = false;
    std::function<int()> currentScale_;
};

}  // namespace quirn
