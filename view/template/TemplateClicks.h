// SPDX-License-Identifier: GPL-3.0-or-later
// Clicking on the template to level it or to calibrate a scale from it. While a mode is on, left
// clicks on the view go to it rather than to dragging, Esc ends it, and the status line says what
// to click next.
//
// Levelling takes two points that should lie level and turns the template so that they do.
// Calibration first takes the old pointer's pivot, which the template is moved onto the pointer
// axis by, then one old tick after another with the value the user types for each: each becomes
// a point of the scale's table law at once, one step of the history each. The value asked for
// is proposed from the numbering of the values given, and the question stands off the arc.
#pragma once

#include <QObject>
#include <QRect>
#include <QString>
#include <vector>

#include "render/DrawingGeometry.h"

namespace quirn {

class ScaleSession;
class ScaleView;
class UserPrompts;

class TemplateClicks : public QObject {
    Q_OBJECT
  public:
    enum class Mode { None, Level, Pivot, Ticks };

    TemplateClicks(ScaleSession& session, ScaleView& view, UserPrompts& prompts,
                   QObject* parent = nullptr);

    Mode mode() const { return mode_; }
    // Each needs a template shown; without one the user is told so and nothing starts.
    void StartLevel();
    void StartCalibration(int scale);
    // Esc: the mode ends. A calibration of fewer than two points leaves the law as it was, with
    // no step left to bring its lone point back, and says so.
    void End();
    // A left click at a point of the drawing (drawing units), as the view would pass it on. A
    // tick beyond the arc's ends is refused with a warning.
    void Click(Point at);
    // The value the next tick most likely bears: the values given carried on evenly (after 0, 1,
    // 2 comes 3; after 0, 5 comes 10); one value is followed by the scale's numbered step, and
    // the first is the scale's start.
    double ProposedValue() const;
    // "Найти деления": every tick found on the template's scan at once, for the user to correct;
    // accepted, they calibrate the scale being calibrated (or scale, when none is) as one step,
    // and any calibration being clicked ends.
    void FindTicks(int scale);

  signals:
    // What the status line should say; empty when the mode ended.
    void statusText(const QString& text);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool Begin(Mode mode);
    void Tell();
    void ShowMarks();
    // Where the old plate's ticks about the axis show on the screen, at the radius of a tick
    // clicked at `at`.
    QRect ArcOnScreen(Point at) const;

    ScaleSession& session_;
    ScaleView& view_;
    UserPrompts& prompts_;
    Mode mode_ = Mode::None;
    int scale_ = 1;
    std::vector<Point> marks_;  // the first level point, or the pivot and the ticks
    // Each tick taken in this calibration with where the history stood after it: one undone
    // shows no mark and no longer counts, one redone again does.
    struct Tick {
        int step;
        Point at;
        double value;
    };
    std::vector<Tick> ticks_;
    int TicksInForce() const;
};

}  // namespace quirn
