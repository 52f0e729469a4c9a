// SPDX-License-Identifier: GPL-3.0-or-later
// The session's template: the record's template line is where it stands, how wide, turned and
// dimmed, and which file it shows; the scene keeps only the picture read from that file.
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "model/LawTable.h"
#include "model/TextCodec.h"
#include "peripherals/TemplateUnderlay.h"
#include "render/Saturate.h"
#include "view/dialogs/OutcomeText.h"
#include "editing/ScaleSession.h"

namespace quirn {
namespace {

// The file a template line names, found from the document's folder (UTF-8; empty: the current
// folder). Files written on Windows separate folders with backslashes.
QString TemplatePath(const std::string& folder, const std::string& file) {
    const QString name =
        QString::fromStdString(Cp1251ToUtf8(file)).replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QDir base = folder.empty() ? QDir::current() : QDir(QString::fromStdString(folder));
    return QDir::cleanPath(base.absoluteFilePath(name));
}

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

// Where on the arc a click at `at` lies, as a fraction from the left end (0) to the right (1):
// from its angle about the pointer axis, counterclockwise from the right, y up. Kept to the arc
// and to a ten-thousandth of it, finer than any click.
double ArcFraction(Point at, double halfAngle) {
    double theta = std::atan2(double(at.y), double(at.x)) * 180.0 / std::numbers::pi;
    if (theta < -90.0) theta += 360.0;  // below the axis on the left: beyond the left end
    const double f = ((halfAngle + 90.0) - theta) / (2.0 * halfAngle);
    return std::round(std::clamp(f, 0.0, 1.0) * 10000.0) / 10000.0;
}

}  // namespace

void ScaleSession::LoadTemplatePicture(PictureReread reread) {
    const std::optional<TemplateRecord>& record = scene_.params.ext.templateRecord;
    if (!record) {
        scene_.templatePicture = {};
        templateReadFrom_.clear();
        return;
    }
    const QString path = TemplatePath(scene_.documentFolder, record->file);
    if (reread == PictureReread::Changed && path == templateReadFrom_) return;
    templateReadFrom_ = path;
    scene_.templatePicture = {record->file, {}};
    Outcome fault;
    if (!QFileInfo(path).isFile()) {
        fault = Outcome::Failed(Fault::TemplateNotFound, {path.toStdString()});
    } else {
        Result<QImage> loaded = LoadTemplateImage(path);
        fault = loaded.outcome;
        if (loaded.ok()) scene_.templatePicture.image = std::move(loaded.value);
    }
    if (!fault.ok() && toldPictures_.insert(path.toStdString()).second)
        emit pictureNotice(OutcomeText(fault));
}

template <class Change>
void ScaleSession::ChangeTemplate(const QString& text, StepKind kind, Change change) {
    std::optional<TemplateRecord>& record = scene_.params.ext.templateRecord;
    if (!record) return;
    TemplateRecord changed = *record;
    change(changed);
    if (changed == *record) return;
    const SceneEdits before = Snapshot();
    record = std::move(changed);
    Changed();
    Record(text, before, kind);
}

Outcome ScaleSession::LoadTemplate(const QString& path) {
    Result<QImage> loaded = LoadTemplateImage(path);
    // A failure leaves the template as it was: none.
    if (!loaded.ok()) return loaded.outcome;
    const std::optional<std::string> file = TemplateFileName(scene_.documentFolder, path);
    if (!file) return Outcome::Failed(Fault::FileNameNotStorable, {path.toStdString()});
    const SceneEdits before = Snapshot();
    // A scan that tells its resolution is true size at once.
    TemplateRecord record = TemplateStart();
    record.width = TrueWidth(loaded.value).value_or(record.width);
    record.file = *file;
    scene_.params.ext.templateRecord = record;
    scene_.templatePicture = {record.file, std::move(loaded.value)};
    templateReadFrom_ = TemplatePath(scene_.documentFolder, record.file);
    Changed();
    Record(tr("загрузка шаблона"), before);
    return {};
}

TemplateRecord ScaleSession::TemplateStart() const {
    const ScaleParameters& p = scene_.params;
    const std::int64_t axisHeight = std::int64_t{p.mountingAboveBottom} - p.mountingAboveAxis;
    TemplateRecord start;
    start.width = ClampToInt(std::int64_t{p.plateWidth} + 200);
    start.corner = {ClampToInt(-100 - std::int64_t{p.plateWidth} / 2),
                    ClampToInt(-100 - axisHeight)};
    return start;
}

void ScaleSession::RemoveTemplate() {
    if (!scene_.params.ext.templateRecord) return;
    const SceneEdits before = Snapshot();
    scene_.params.ext.templateRecord.reset();
    LoadTemplatePicture(PictureReread::Changed);
    Changed();
    Record(tr("удаление шаблона"), before);
}

// The panel echoes every drag of the template, and every undo that moves it: only a real
// change is drawn again and becomes a step.
void ScaleSession::setTemplateWidth(int width) {
    ChangeTemplate(DragStepText({MovableElement::TemplateEdge}), StepKind::TemplateWidth,
                   [width](TemplateRecord& t) { t.width = std::max(width, 1); });
}

void ScaleSession::setTemplateX(int x) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::TemplateX,
                   [x](TemplateRecord& t) { t.corner.x = x; });
}

void ScaleSession::setTemplateY(int y) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::TemplateY,
                   [y](TemplateRecord& t) { t.corner.y = y; });
}

void ScaleSession::setTemplateDim(int percent) {
    ChangeTemplate(tr("осветление шаблона"), StepKind::TemplateDim,
                   [percent](TemplateRecord& t) { t.dim = std::clamp(percent, 0, 100); });
}

void ScaleSession::LevelTemplate(Point from, Point to) {
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

void ScaleSession::CentreTemplate(Point at) {
    ChangeTemplate(DragStepText({MovableElement::TemplateBody}), StepKind::Single,
                   [at](TemplateRecord& t) {
                       t.corner = {ClampToInt(std::int64_t{t.corner.x} - at.x),
                                   ClampToInt(std::int64_t{t.corner.y} - at.y)};
                   });
}

void ScaleSession::setTemplateLock(TemplateLock lock) {
    if (scene_.templateLock == lock) return;
    scene_.templateLock = lock;
    // The view grabs from the scene it shows: it must take the new setting.
    Changed();
}

void ScaleSession::setCalibrationMarks(std::vector<Point> marks) {
    if (scene_.calibrationMarks == marks) return;
    scene_.calibrationMarks = std::move(marks);
    Changed();
}

void ScaleSession::AddCalibrationPoint(int scale, Point at, double value, CalibrationPoint which) {
    ScaleParameters& p = scene_.params;
    if (scale < 1 || scale > 1 + int(p.ext.further.size())) return;
    const SceneEdits before = Snapshot();
    const TablePoint point{value, ArcFraction(at, p.halfAngle)};
    std::vector<TablePoint> points;
    if (scale == 1) {
        points = p.points;
    } else {
        points = p.ext.further[std::size_t(scale - 2)].values.points;
    }
    if (which == CalibrationPoint::First) points.clear();
    // In order of value, as the table is drawn; a value clicked again is moved.
    const auto same = std::find_if(points.begin(), points.end(),
                                   [value](const TablePoint& q) { return q.value == value; });
    if (same != points.end()) points.erase(same);
    points.insert(std::upper_bound(
                      points.begin(), points.end(), point,
                      [](const TablePoint& a, const TablePoint& b) { return a.value < b.value; }),
                  point);
    const bool table = points.size() >= 2;
    if (scale == 1) {
        p.points = std::move(points);
        if (table) p.law = ScaleLaw::Table;
    } else {
        FurtherScale& further = p.ext.further[std::size_t(scale - 2)];
        further.set(&ScaleSetup::points, std::move(points));
        if (table) further.set(&ScaleSetup::law, ScaleLaw::Table);
    }
    Changed();
    Record(tr("точка калибровки"), before);
}

}  // namespace quirn
