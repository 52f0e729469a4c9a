// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/TemplateEdits.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "editing/EditedRecord.h"
#include "editing/PlateEdits.h"
#include "editing/PlateFiles.h"
#include "model/LawTable.h"
#include "model/NumberText.h"
#include "model/PlateFrame.h"
#include "model/TextCodec.h"
#include "peripherals/TemplateUnderlay.h"
#include "render/Saturate.h"
#include "scan/TickReview.h"

namespace quirn {
namespace {

// How the line names a file: relative to the document's folder, or in full while the document
// has none; Windows-1251 like every text of the file, nothing when it cannot hold the name.
std::optional<std::string> TemplateFileName(const std::string& folder, const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    const QString named =
        folder.empty() ? full : QDir(QString::fromStdString(folder)).relativeFilePath(full);
    return Utf8ToCp1251Exactly(named.toStdString());
}

// Turned by degrees counterclockwise about pivot.
Place Turned(Place p, RealPoint pivot, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    const double dx = p.x - pivot.x, dy = p.y - pivot.y;
    return {ClampToInt(std::llround(pivot.x + dx * std::cos(a) - dy * std::sin(a))),
            ClampToInt(std::llround(pivot.y + dx * std::sin(a) + dy * std::cos(a)))};
}

// An angle brought into (-180, 180].
double Normalised(double degrees) {
    double a = std::fmod(degrees, 360.0);
    if (a <= -180.0) a += 360.0;
    if (a > 180.0) a -= 360.0;
    return a;
}

// A click's angle about the pointer axis from the middle of the arc, clockwise (towards the
// right end) positive, in (-180, 180]; y up.
double AngleFromMiddle(Point at) {
    double theta = std::atan2(double(at.y), double(at.x)) * 180.0 / std::numbers::pi;
    if (theta < -90.0) theta += 360.0;  // below the axis on the left: beyond the left end
    return 90.0 - theta;
}

// Where on the arc a tick fromMiddle degrees right of its middle lies, as a fraction from the
// left end (0) to the right (1), to a ten-thousandth of the arc, finer than any click.
double ArcFraction(double fromMiddle, double halfAngle) {
    return std::round((halfAngle + fromMiddle) / (2.0 * halfAngle) * 10000.0) / 10000.0;
}

// Beyond the arc's ends the refusal names the half-angle that would take the tick in, rounded up
// to a tenth of a degree; a thousandth over a tenth is a click's own rounding, which the arc's
// fraction absorbs.
Outcome OnArcOf(double fromMiddle, double halfAngle) {
    const double f = ArcFraction(fromMiddle, halfAngle);
    if (f >= 0.0 && f <= 1.0) return {};
    const double needed = std::ceil(std::abs(fromMiddle) * 10.0 - 0.01) / 10.0;
    return Outcome::Failed(Fault::CalibrationBeyondArc,
                           {TrimmedNumber(needed, 1), TrimmedNumber(halfAngle, 3)});
}

// A further scale's key set is written to its file line: the law only when it changes.
void SetTable(ScaleParameters& p, int scale, std::vector<TablePoint> points,
              std::optional<ScaleLaw> law) {
    if (scale == 1) {
        p.points = std::move(points);
        if (law) p.law = *law;
    } else {
        FurtherScale& further = p.ext.further[std::size_t(scale - 2)];
        further.set(&ScaleSetup::points, std::move(points));
        if (law) further.set(&ScaleSetup::law, *law);
    }
}

const ScaleSetup& SetupOf(const ScaleParameters& p, int scale) {
    return scale == 1 ? p : p.ext.further[std::size_t(scale - 2)].values;
}

}  // namespace

TemplateEdits::TemplateEdits(EditedRecord& record, PlateFiles& files, QObject* parent)
    : QObject(parent), record_(record), files_(files) {}

template <class Change>
void TemplateEdits::ChangeTemplate(const QString& text, StepKind kind, Change change) {
    if (!record_.params().ext.templateRecord) return;
    record_.Edit(text, [&change](SceneEdits& s) { change(*s.params.ext.templateRecord); },
                 {LayoutAfterEdit::Kept, kind});
}

Outcome TemplateEdits::Load(const QString& path) {
    Result<QImage> loaded = LoadTemplateImage(path);
    // A failure leaves the template as it was: none.
    if (!loaded.ok()) return loaded.outcome;
    const std::optional<std::string> file = TemplateFileName(files_.documentFolder(), path);
    if (!file) return Outcome::Failed(Fault::FileNameNotStorable, {path.toStdString()});
    // A scan that tells its resolution is true size at once.
    TemplateRecord line = Start();
    line.width = TrueWidth(loaded.value).value_or(line.width);
    line.file = *file;
    // Read once: the picture goes with the line that names it.
    files_.TakeTemplate(line.file, std::move(loaded.value), files_.TemplatePath(line.file));
    record_.Edit(tr("загрузка шаблона"),
                 [&line](SceneEdits& s) { s.params.ext.templateRecord = line; });
    return {};
}

TemplateRecord TemplateEdits::Start() const {
    const PlateFrame frame = FrameOf(record_.params());
    TemplateRecord start;
    start.width = ClampToInt(frame.width + 200);
    start.corner = {ClampToInt(-100 - std::int64_t{frame.halfWidth}),
                    ClampToInt(std::int64_t{frame.bottom} - 100)};
    return start;
}

void TemplateEdits::Remove() {
    record_.Edit(tr("удаление шаблона"),
                 [](SceneEdits& s) { s.params.ext.templateRecord.reset(); });
}

// The panel echoes every drag of the template, and every undo that moves it: only a real
// change is drawn again and becomes a step.
void TemplateEdits::setWidth(int width) {
    ChangeTemplate(DragStepText({MovableElement::TemplateEdge}), StepKind::TemplateWidth,
                   [width](TemplateRecord& t) { t.width = std::max(width, 1); });
}

void TemplateEdits::setX(int x) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::TemplateX,
                   [x](TemplateRecord& t) { t.corner.x = x; });
}

void TemplateEdits::setY(int y) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::TemplateY,
                   [y](TemplateRecord& t) { t.corner.y = y; });
}

void TemplateEdits::setDim(int percent) {
    ChangeTemplate(tr("осветление шаблона"), StepKind::TemplateDim,
                   [percent](TemplateRecord& t) { t.dim = std::clamp(percent, 0, 100); });
}

void TemplateEdits::setLock(TemplateLock lock) {
    const std::optional<TemplateRecord>& t = record_.params().ext.templateRecord;
    if (!t || t->lock == lock) return;
    ChangeTemplate(
        lock == TemplateLock::Locked ? tr("закрепление шаблона") : tr("открепление шаблона"),
        StepKind::Single, [lock](TemplateRecord& r) { r.lock = lock; });
}

void TemplateEdits::Level(Point from, Point to) {
    if (from == to) return;
    double slope =
        std::atan2(double(to.y) - from.y, double(to.x) - from.x) * 180.0 / std::numbers::pi;
    // Whichever point was clicked first, the template turns the shorter way.
    if (slope > 90.0) slope -= 180.0;
    if (slope <= -90.0) slope += 180.0;
    const RealPoint pivot{(double(from.x) + to.x) / 2.0, (double(from.y) + to.y) / 2.0};
    ChangeTemplate(tr("поворот шаблона"), StepKind::Single, [&](TemplateRecord& t) {
        t.corner = Turned(t.corner, pivot, -slope);
        // Six decimals are what the line keeps.
        t.angle = std::round(Normalised(t.angle - slope) * 1e6) / 1e6;
    });
}

void TemplateEdits::Centre(Point at) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::Single,
                   [at](TemplateRecord& t) {
                       t.corner = {ClampToInt(std::int64_t{t.corner.x} - at.x),
                                   ClampToInt(std::int64_t{t.corner.y} - at.y)};
                   });
}

Outcome TemplateEdits::OnArc(Point at) const {
    return OnArcOf(AngleFromMiddle(at), record_.params().halfAngle);
}

Outcome TemplateEdits::AddCalibrationPoint(int scale, Point at, double value,
                                           CalibrationPoint which) {
    const ScaleParameters& p = record_.params();
    if (scale < 1 || scale > 1 + int(p.ext.further.size())) return {};
    if (Outcome off = OnArc(at); !off.ok()) return off;
    const TablePoint point{value, ArcFraction(AngleFromMiddle(at), p.halfAngle)};
    std::vector<TablePoint> points = SetupOf(p, scale).points;
    if (which == CalibrationPoint::First) {
        points.clear();
        beforeCalibration_ = record_.shared();
    }
    // In order of value, as the table is drawn; a value clicked again is moved.
    const auto same = std::find_if(points.begin(), points.end(),
                                   [value](const TablePoint& q) { return q.value == value; });
    if (same != points.end()) points.erase(same);
    points.insert(std::upper_bound(
                      points.begin(), points.end(), point,
                      [](const TablePoint& a, const TablePoint& b) { return a.value < b.value; }),
                  point);
    const bool table = points.size() >= 2;
    record_.Edit(
        tr("точка калибровки"),
        [&](SceneEdits& s) {
            SetTable(s.params, scale, std::move(points),
                     table ? std::optional(ScaleLaw::Table) : std::nullopt);
        },
        {LayoutAfterEdit::Kept,
         which == CalibrationPoint::First ? StepKind::CalibrationStart : StepKind::Single});
    return {};
}

void TemplateEdits::TakeBackFirstPoint(int scale) {
    if (!beforeCalibration_) return;
    const ScaleParameters before = *beforeCalibration_;
    beforeCalibration_.reset();
    if (scale < 1 || scale > 1 + int(record_.params().ext.further.size()) ||
        before.ext.further.size() != record_.params().ext.further.size())
        return;
    record_.Edit(tr("точка калибровки"),
                 [&](SceneEdits& s) {
                     if (scale == 1) {
                         SetTable(s.params, 1, before.points, before.law);
                     } else {
                         const auto k = std::size_t(scale - 2);
                         s.params.ext.further[k] = before.ext.further[k];
                     }
                 },
                 {LayoutAfterEdit::Kept, StepKind::CalibrationStart});
}

Outcome TemplateEdits::CalibrateFromScan(int scale, const TickReview& review) {
    const ScaleParameters& p = record_.params();
    if (scale < 1 || scale > 1 + int(p.ext.further.size()) || !p.ext.templateRecord) return {};
    // The scan's arc is the plate's: one wider than the record's widens it, to a hundredth of a
    // degree, so that every tick found lies on it.
    double halfAngle = p.halfAngle;
    for (const ReviewedTick& tick : review.ticks())
        halfAngle = std::max(halfAngle, std::ceil(std::abs(90.0 - tick.angle) * 100.0) / 100.0);
    std::vector<TablePoint> points;
    for (const ReviewedTick& tick : review.ticks())
        points.push_back({tick.value, ArcFraction(90.0 - tick.angle, halfAngle)});
    std::sort(points.begin(), points.end(),
              [](const TablePoint& a, const TablePoint& b) { return a.value < b.value; });
    TemplateRecord placed = ScanTemplate(review.found(), p.ext.templateRecord->file);
    placed.dim = p.ext.templateRecord->dim;
    return record_.Edit(
        tr("калибровка по найденным делениям"),
        [&](SceneEdits& s) {
            s.params.ext.templateRecord = placed;
            s.params.halfAngle = halfAngle;
            SetTable(s.params, scale, std::move(points), ScaleLaw::Table);
        },
        {}, RefuseNewScaleFaults);
}

}  // namespace quirn
