#include "view/ScaleSession.h"

#include <QDir>
#include <algorithm>

#include "model/TextCodec.h"
#include "peripherals/TemplateUnderlay.h"
#include "render/RenderScale.h"
#include "render/Saturate.h"
#include "render/SymbolImages.h"
#include "view/PanelText.h"

namespace quirn {

ScaleSession::ScaleSession(CQuirnDoc& doc, QObject* parent) : QObject(parent), doc_(doc) {
    state_.symbols = LoadSymbolImages();
    doc_.setInitialUpdateHandler([this] { OnInitialUpdate(); });
}

ScaleSession::~ScaleSession() {
    doc_.setInitialUpdateHandler({});
}

QString ScaleSession::DocumentTitle() const {
    return QString::fromStdString(doc_.GetTitle());
}

void ScaleSession::OnInitialUpdate() {
    hasRecord_ = true;
    state_.params = doc_.parameters();
    // The template reaches 1 mm beyond the plate on both sides and below its bottom edge.
    const ScaleParameters& p = state_.params;
    const std::int64_t axisHeight = std::int64_t{p.Los_niz} - p.Los_os;
    state_.templ.width = ClampToInt(std::int64_t{p.Lshk} + 200);
    state_.templ.anchor = At(-100 - p.Lshk / 2, -100 - axisHeight);

    doc_.SetPathName(Cp1251ToUtf8(ComposeDescription(p)), false);
    state_.zoom = 1;
    emit shown();
    ResetLayout();
}

void ScaleSession::Apply(const ScaleParameters& params) {
    state_.params = params;
    doc_.SetModifiedFlag(true);
    doc_.setParameters(params);
    doc_.SetPathName(Cp1251ToUtf8(ComposeDescription(params)), false);
    ResetLayout();
}

void ScaleSession::ResetLayout() {
    quirn::ResetLayout(state_);
    emit layoutReset();
    emit changed();
}

void ScaleSession::KeepPlaces(const std::vector<MovableElement>& moved) {
    bool kept = false;
    for (MovableElement e : moved) {
        const int i = Index(e);
        if (i < 0 || i >= kDrawnElementCount) continue;  // the template is not the record's
        const Point a = state_.layout.anchors[std::size_t(i)];
        state_.params.ext.places[std::size_t(i)] = Place{a.x, a.y};
        kept = true;
    }
    if (!kept) return;
    ScaleParameters record = doc_.parameters();
    record.ext.places = state_.params.ext.places;
    doc_.setParameters(record);
    doc_.SetModifiedFlag(true);
    emit changed();
}

void ScaleSession::ForgetPlaces() {
    const bool placed =
        std::any_of(state_.params.ext.places.begin(), state_.params.ext.places.end(),
                    [](const auto& place) { return place.has_value(); });
    state_.params.ext.places = {};
    if (placed) {
        ScaleParameters record = doc_.parameters();
        record.ext.places = {};
        doc_.setParameters(record);
        doc_.SetModifiedFlag(true);
    }
    ResetLayout();
}

void ScaleSession::setZoom(int zoom) {
    state_.zoom = zoom;
    emit changed();
}

void ScaleSession::setKsrn(double Ksrn) {
    state_.Ksrn = Ksrn;
    emit changed();
}

std::string ScaleSession::LoadTemplate(const QString& path) {
    TemplateLoadResult loaded = LoadTemplateImage(path);
    // A failure leaves the template as it was: none.
    if (!loaded.ok()) return loaded.message;
    TemplateUnderlay& t = state_.templ;
    t.image = std::move(loaded.image);
    t.path = path.toStdString();
    t.loaded = true;
    emit changed();
    return {};
}

void ScaleSession::RemoveTemplate() {
    TemplateUnderlay& t = state_.templ;
    t.loaded = false;
    t.image = QImage();
    t.path.clear();
    t.drawn = {};
    emit changed();
}

void ScaleSession::setTemplateWidth(int width) {
    // The panel echoes every drag of the template: only a real change is drawn again.
    if (state_.templ.width == width) return;
    state_.templ.width = width;
    emit changed();
}

void ScaleSession::setTemplateX(int x) {
    // The panel echoes every drag of the template: only a real change is drawn again.
    if (state_.templ.anchor.x == x) return;
    state_.templ.anchor.x = x;
    emit changed();
}

void ScaleSession::setTemplateY(int y) {
    // The panel echoes every drag of the template: only a real change is drawn again.
    if (state_.templ.anchor.y == y) return;
    state_.templ.anchor.y = y;
    emit changed();
}

ExportResult ScaleSession::ExportPicture(int dpi) const {
    // The title made a bare file name the way a save proposes one: it stays in the current
    // directory whatever the description holds.
    const QString name =
        QString::fromStdString(FileNameForDescription(DocumentTitle().toStdString())) +
        QStringLiteral(".bmp");
    // A copy, so that the sizes the mouse works with stay the screen's.
    RenderState printed = state_;
    return quirn::ExportPicture(printed, QDir::current().absoluteFilePath(name), dpi);
}

}  // namespace quirn
