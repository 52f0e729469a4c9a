// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/ScaleSession.h"

#include <QDir>
#include <algorithm>

#include "peripherals/TemplateUnderlay.h"
#include "render/RenderScale.h"
#include "render/Saturate.h"
#include "render/SymbolImages.h"
#include "view/PanelText.h"

namespace quirn {
namespace {

// An hour's work on one plate, a millimetre at a time, stays undoable.
constexpr int kHistoryLimit = 500;

}  // namespace

ScaleSession::ScaleSession(Document& doc, QObject* parent) : QObject(parent), doc_(doc) {
    state_.symbols = LoadSymbolImages();
    history_.setUndoLimit(kHistoryLimit);
    savedRecord_ = doc_.parameters();
    doc_.setInitialUpdateHandler([this] { OnInitialUpdate(); });
    // A save makes the saved record the one undo measures against.
    doc_.setModifiedChangedHandler([this] {
        if (!doc_.IsModified()) savedRecord_ = doc_.parameters();
        emit modifiedChanged();
    });
}

ScaleSession::~ScaleSession() {
    doc_.setInitialUpdateHandler({});
    doc_.setModifiedChangedHandler({});
}

QString ScaleSession::DocumentTitle() const {
    return QString::fromStdString(doc_.GetTitle());
}

void ScaleSession::OnInitialUpdate() {
    hasRecord_ = true;
    state_.params = doc_.parameters();
    // The template reaches 1 mm beyond the plate on both sides and below its bottom edge.
    const ScaleParameters& p = state_.params;
    const std::int64_t axisHeight = std::int64_t{p.mountingAboveBottom} - p.mountingAboveAxis;
    state_.templ.width = ClampToInt(std::int64_t{p.plateWidth} + 200);
    state_.templ.anchor = At(-100 - p.plateWidth / 2, -100 - axisHeight);

    doc_.SetDescription(ComposeDescription(p));
    state_.zoom = 1;
    savedRecord_ = doc_.parameters();
    history_.clear();
    emit shown();
    ResetLayout();
}

void ScaleSession::Apply(const ScaleParameters& params, const QString& step) {
    const EditSnapshot before = Snapshot();
    state_.params = params;
    doc_.setParameters(params);
    doc_.SetDescription(ComposeDescription(params));
    ResetLayout();
    Record(step.isEmpty() ? tr("применение параметров") : step, before);
}

EditSnapshot ScaleSession::Snapshot() const {
    const TemplateUnderlay& t = state_.templ;
    return {state_.params, doc_.parameters(), state_.layout, t.loaded, t.image,
            t.path,        t.width,           t.anchor};
}

void ScaleSession::Record(const QString& text, const EditSnapshot& before, StepKind kind) {
    EditSnapshot after = Snapshot();
    UpdateModified();
    if (after == before) return;
    history_.push(new EditStep(text, before, std::move(after), kind,
                               [this](const EditSnapshot& s) { Restore(s); }));
}

void ScaleSession::Restore(const EditSnapshot& s) {
    state_.params = s.params;
    doc_.setParameters(s.record);
    doc_.SetDescription(ComposeDescription(s.params));
    state_.layout = s.layout;
    TemplateUnderlay& t = state_.templ;
    t.loaded = s.templateLoaded;
    t.image = s.templateImage;
    t.path = s.templatePath;
    t.width = s.templateWidth;
    t.anchor = s.templateAnchor;
    if (!t.loaded) t.drawn = {};
    UpdateModified();
    emit restored();
    emit layoutReset();
    emit changed();
}

void ScaleSession::UpdateModified() {
    doc_.SetModifiedFlag(doc_.parameters() != savedRecord_);
}

void ScaleSession::ResetLayout() {
    quirn::ResetLayout(state_);
    emit layoutReset();
    emit changed();
}

void ScaleSession::KeepPlaces(const std::vector<MovableElement>& moved,
                              const EditSnapshot& before) {
    bool kept = false;
    for (MovableElement e : moved) {
        const int i = Index(e);
        if (i < 0 || i >= kDrawnElementCount) continue;  // the template is not the record's
        const Point a = state_.layout.anchors[std::size_t(i)];
        state_.params.ext.places[std::size_t(i)] = Place{a.x, a.y};
        kept = true;
    }
    if (kept) {
        ScaleParameters record = doc_.parameters();
        record.ext.places = state_.params.ext.places;
        doc_.setParameters(record);
        emit changed();
    }
    Record(DragStepText(moved), before);
}

void ScaleSession::ForgetPlaces() {
    const EditSnapshot before = Snapshot();
    const bool placed =
        std::any_of(state_.params.ext.places.begin(), state_.params.ext.places.end(),
                    [](const auto& place) { return place.has_value(); });
    state_.params.ext.places = {};
    if (placed) {
        ScaleParameters record = doc_.parameters();
        record.ext.places = {};
        doc_.setParameters(record);
    }
    ResetLayout();
    Record(tr("сброс расположения"), before);
}

void ScaleSession::setZoom(int zoom) {
    state_.zoom = zoom;
    emit changed();
}

void ScaleSession::setKsrn(double displayCorrection) {
    state_.displayCorrection = displayCorrection;
    emit changed();
}

Outcome ScaleSession::LoadTemplate(const QString& path) {
    Result<QImage> loaded = LoadTemplateImage(path);
    // A failure leaves the template as it was: none.
    if (!loaded.ok()) return loaded.outcome;
    const EditSnapshot before = Snapshot();
    TemplateUnderlay& t = state_.templ;
    t.image = std::move(loaded.value);
    t.path = path.toStdString();
    t.loaded = true;
    emit changed();
    Record(tr("загрузка шаблона"), before);
    return {};
}

void ScaleSession::RemoveTemplate() {
    const EditSnapshot before = Snapshot();
    TemplateUnderlay& t = state_.templ;
    t.loaded = false;
    t.image = QImage();
    t.path.clear();
    t.drawn = {};
    emit changed();
    Record(tr("удаление шаблона"), before);
}

// The panel echoes every drag of the template, and every undo that moves it: only a real
// change is drawn again and becomes a step.
void ScaleSession::setTemplateWidth(int width) {
    if (state_.templ.width == width) return;
    const EditSnapshot before = Snapshot();
    state_.templ.width = width;
    emit changed();
    Record(DragStepText({MovableElement::TemplateEdge}), before, StepKind::TemplateWidth);
}

void ScaleSession::setTemplateX(int x) {
    if (state_.templ.anchor.x == x) return;
    const EditSnapshot before = Snapshot();
    state_.templ.anchor.x = x;
    emit changed();
    Record(DragStepText({MovableElement::TemplateBody}), before, StepKind::TemplateX);
}

void ScaleSession::setTemplateY(int y) {
    if (state_.templ.anchor.y == y) return;
    const EditSnapshot before = Snapshot();
    state_.templ.anchor.y = y;
    emit changed();
    Record(DragStepText({MovableElement::TemplateBody}), before, StepKind::TemplateY);
}

Outcome ScaleSession::ExportPicture(int dpi) const {
    // The description made a bare file name the way a first save proposes one: it stays in the
    // current directory whatever the description holds.
    const QString name =
        QString::fromStdString(FileNameForDescription(doc_.description())) + QStringLiteral(".bmp");
    // A copy, so that the sizes the mouse works with stay the screen's.
    RenderState printed = state_;
    return quirn::ExportPicture(printed, QDir::current().absoluteFilePath(name), dpi);
}

}  // namespace quirn
