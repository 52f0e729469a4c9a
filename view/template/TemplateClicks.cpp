// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/template/TemplateClicks.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QUndoStack>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "editing/PlateFiles.h"
#include "editing/ScaleSession.h"
#include "model/NumberText.h"
#include "model/ScaleLaw.h"
#include "peripherals/ScanFile.h"
#include "render/Saturate.h"
#include "view/canvas/ScaleView.h"
#include "view/canvas/ViewMapping.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

TemplateClicks::TemplateClicks(ScaleSession& session, ScaleView& view, UserPrompts& prompts,
                               QObject* parent)
    : QObject(parent), session_(session), view_(view), prompts_(prompts) {
    view_.installEventFilter(this);
    view_.viewport()->installEventFilter(this);
    // Another document shown: whatever was being clicked belongs to the one before.
    connect(&session_.record(), &EditedRecord::changed, this,
            [this](std::uint64_t, RecordChange why) {
                if (why != RecordChange::Opened) return;
                mode_ = Mode::None;
                marks_.clear();
                ticks_.clear();
                ShowMarks();
                Tell();
            });
    connect(&session_.history(), &QUndoStack::indexChanged, this, [this] {
        if (mode_ != Mode::Ticks || ticks_.empty()) return;
        ShowMarks();
        Tell();
    });
}

int TemplateClicks::TicksInForce() const {
    const int index = session_.history().index();
    return static_cast<int>(std::count_if(ticks_.begin(), ticks_.end(),
                                          [index](const Tick& t) { return t.step <= index; }));
}

bool TemplateClicks::Begin(Mode mode) {
    if (session_.scene().templatePicture.image.isNull()) {
        prompts_.Warn(tr("Сначала загрузите шаблон: щёлкать нужно по нему."));
        return false;
    }
    if (mode_ != Mode::None) End();
    mode_ = mode;
    marks_.clear();
    ticks_.clear();
    ShowMarks();
    view_.setFocus();
    Tell();
    return true;
}

void TemplateClicks::StartLevel() {
    Begin(Mode::Level);
}

void TemplateClicks::StartCalibration(int scale) {
    scale_ = scale;
    Begin(Mode::Pivot);
}

void TemplateClicks::End() {
    if (mode_ == Mode::None) return;
    const bool calibrating = mode_ == Mode::Ticks || mode_ == Mode::Pivot;
    const int points = TicksInForce();
    const int firstStep = ticks_.empty() ? -1 : ticks_.front().step;
    mode_ = Mode::None;
    marks_.clear();
    ticks_.clear();
    ShowMarks();
    Tell();
    if (!calibrating) return;
    if (points >= 2) {
        emit statusText(tr("Калибровка шкалы %1 закончена, точек: %2.").arg(scale_).arg(points));
        return;
    }
    // A single point cannot make a law: it is taken back, if it is still the last step.
    if (points == 1 && session_.history().index() == firstStep)
        session_.templates().TakeBackFirstPoint(scale_);
    prompts_.Inform(tr("Для калибровки нужны хотя бы две отметки (концы шкалы); закон шкалы %1 "
                       "не изменён.")
                        .arg(scale_));
}

void TemplateClicks::Click(Point at) {
    switch (mode_) {
        case Mode::None:
            return;
        case Mode::Level:
            if (marks_.empty()) {
                marks_.push_back(at);
                ShowMarks();
                Tell();
                return;
            }
            session_.templates().Level(marks_.front(), at);
            End();
            return;
        case Mode::Pivot:
            session_.templates().Centre(at);
            marks_ = {Point{0, 0}};
            mode_ = Mode::Ticks;
            ShowMarks();
            Tell();
            return;
        case Mode::Ticks: {
            // Ticks undone are gone for good once another is taken.
            const int taken = TicksInForce();
            ticks_.resize(static_cast<std::size_t>(taken));
            if (const Outcome off = session_.templates().OnArc(at); !off.ok()) {
                prompts_.Warn(OutcomeText(off));
                return;
            }
            const std::optional<double> value =
                prompts_.AskTickValue({scale_, ProposedValue(), ArcOnScreen(at)});
            if (!value) return;
            const Outcome added = session_.templates().AddCalibrationPoint(
                scale_, at, *value,
                taken == 0 ? TemplateEdits::CalibrationPoint::First
                           : TemplateEdits::CalibrationPoint::Further);
            if (!added.ok()) {
                prompts_.Warn(OutcomeText(added));
                return;
            }
            ticks_.push_back({session_.history().index(), at, *value});
            ShowMarks();
            Tell();
            return;
        }
    }
}

void TemplateClicks::FindTicks(int scale) {
    const std::optional<TemplateRecord>& line = session_.record().params().ext.templateRecord;
    if (!line || session_.scene().templatePicture.image.isNull()) {
        prompts_.Warn(tr("Сначала загрузите шаблон: щёлкать нужно по нему."));
        return;
    }
    if (mode_ == Mode::Pivot || mode_ == Mode::Ticks) scale = scale_;
    const std::vector<ResolvedScale> scales = ResolveScales(session_.record().params());
    if (scale < 1 || scale > int(scales.size())) return;
    const Result<FoundScan> scan =
        FindOnScanFile(session_.plateFiles().TemplatePath(line->file).toStdString());
    if (!scan.ok()) {
        prompts_.Warn(OutcomeText(scan.outcome));
        return;
    }
    // The big ticks numbered evenly over the scale's values, to start with.
    const ScaleParameters& g = scales[std::size_t(scale - 1)].graduation;
    TickReview review(scan.value.found, {g.start, g.range});
    if (!prompts_.ReviewTicks(scan.value.grey, scale, review)) return;
    const double halfAngle = session_.record().params().halfAngle;
    const Outcome done = session_.templates().CalibrateFromScan(scale, review);
    if (!done.ok()) {
        prompts_.Warn(OutcomeText(done));
        return;
    }
    const double widened = session_.record().params().halfAngle;
    // The ticks clicked before are replaced by those found.
    mode_ = Mode::None;
    marks_.clear();
    ticks_.clear();
    ShowMarks();
    QString told =
        tr("Калибровка шкалы %1 закончена, точек: %2.").arg(scale).arg(review.ticks().size());
    if (widened != halfAngle)
        told += QLatin1Char(' ') + tr("Половина угла шкалы расширена до %1°, как на скане.")
                                       .arg(QString::fromStdString(TrimmedNumber(widened, 2)));
    emit statusText(told);
}

double TemplateClicks::ProposedValue() const {
    std::vector<double> given;
    const int index = session_.history().index();
    for (const Tick& tick : ticks_)
        if (tick.step <= index) given.push_back(tick.value);
    if (given.size() >= 2) return 2.0 * given.back() - given[given.size() - 2];
    const std::vector<ResolvedScale> scales = ResolveScales(session_.record().params());
    if (scale_ < 1 || scale_ > int(scales.size())) return given.empty() ? 0.0 : given.back();
    const ScaleParameters& g = scales[std::size_t(scale_ - 1)].graduation;
    if (given.empty()) return g.start;
    const double step =
        g.numberedDivisions > 0 ? (g.range - g.start) / g.numberedDivisions : g.range - g.start;
    return given.back() + (step != 0.0 ? step : 1.0);
}

QRect TemplateClicks::ArcOnScreen(Point at) const {
    const double radius = std::hypot(double(at.x), double(at.y));
    const double half = session_.record().params().halfAngle;
    // The ticks and their numerals a sixth of the radius either side of the tick clicked: the
    // arc's ends and its top at both radii, as degrees counterclockwise from the right and radius.
    std::vector<std::pair<double, double>> polar;
    for (const double r : {radius * 5.0 / 6.0, radius * 7.0 / 6.0})
        for (const double a : {90.0 - half, 90.0 + half}) polar.emplace_back(a, r);
    polar.emplace_back(90.0, radius * 7.0 / 6.0);
    if (half > 90.0) {
        polar.emplace_back(0.0, radius * 7.0 / 6.0);
        polar.emplace_back(180.0, radius * 7.0 / 6.0);
    }
    const QPoint scroll = view_.scrollPosition();
    const PictureSource shown = view_.Shown();
    const double dpr = view_.viewport()->devicePixelRatioF();
    QRectF box;
    for (const auto& [degrees, r] : polar) {
        const double a = degrees * std::numbers::pi / 180.0;
        const QPointF p = DrawingToView(
            shown.geometry,
            {ClampToInt(std::llround(r * std::cos(a))), ClampToInt(std::llround(r * std::sin(a)))},
            {scroll.x(), scroll.y()}, dpr);
        box = box.isNull() ? QRectF(p, QSizeF(1, 1)) : box.united(QRectF(p, QSizeF(1, 1)));
    }
    const QRect onView = box.toAlignedRect().intersected(view_.viewport()->rect());
    if (onView.isEmpty()) return {};
    return {view_.viewport()->mapToGlobal(onView.topLeft()), onView.size()};
}

void TemplateClicks::ShowMarks() {
    std::vector<Point> shown = marks_;
    const int index = session_.history().index();
    for (const Tick& tick : ticks_)
        if (tick.step <= index) shown.push_back(tick.at);
    session_.view().setCalibrationMarks(std::move(shown));
}

void TemplateClicks::Tell() {
    switch (mode_) {
        case Mode::None:
            emit statusText({});
            return;
        case Mode::Level:
            emit statusText(marks_.empty()
                                ? tr("Щёлкните на шаблоне первую из двух точек, которые должны "
                                     "лежать на одной горизонтали (Esc — отмена).")
                                : tr("Щёлкните вторую точку той же горизонтали (Esc — отмена)."));
            return;
        case Mode::Pivot:
            emit statusText(tr("Калибровка шкалы %1: щёлкните на шаблоне ось старой стрелки "
                               "(Esc — отмена).")
                                .arg(scale_));
            return;
        case Mode::Ticks:
            emit statusText(tr("Калибровка шкалы %1: щёлкните отметку %2 и введите её значение; "
                               "нужны хотя бы концы шкалы (Esc — закончить).")
                                .arg(scale_)
                                .arg(QString::fromStdString(TrimmedNumber(ProposedValue(), 6))));
            return;
    }
}

bool TemplateClicks::eventFilter(QObject* watched, QEvent* event) {
    if (mode_ == Mode::None) return QObject::eventFilter(watched, event);
    switch (event->type()) {
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) break;
            End();
            return true;
        case QEvent::MouseButtonPress: {
            if (watched != view_.viewport()) break;
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() != Qt::LeftButton) break;
            const QPoint client = mouse->position().toPoint();
            const QPoint scroll = view_.scrollPosition();
            Click(ViewToDrawing(view_.Shown().geometry, {client.x(), client.y()},
                                {scroll.x(), scroll.y()}, view_.viewport()->devicePixelRatioF()));
            return true;
        }
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            // The press went to the mode: the view has no drag to end.
            if (watched == view_.viewport() &&
                static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
                return true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace quirn
