// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/ScaleSession.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>

#include "peripherals/PlacedPictures.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"
#include "render/SymbolImages.h"
#include "view/dialogs/OutcomeText.h"
#include "view/panel/PanelText.h"

namespace quirn {
namespace {

// An hour's work on one plate, a millimetre at a time, stays undoable.
constexpr int kHistoryLimit = 500;

}  // namespace

ScaleSession::ScaleSession(Document& doc, QObject* parent)
    : QObject(parent), doc_(doc), toldModified_(doc.isModified()) {
    doc_.setUntitledName(tr("Безымянный").toStdString());
    toldTitle_ = doc_.title();
    scene_.symbols = LoadSymbolImages();
    history_.setUndoLimit(kHistoryLimit);
}

QString ScaleSession::DocumentTitle() const {
    return QString::fromStdString(doc_.title());
}

void ScaleSession::Changed() {
    ++revision_;
    emit changed();
}

void ScaleSession::Show(const ScaleParameters& record) {
    hasRecord_ = true;
    scene_.params = record;
    doc_.setDescription(ComposeDescription(record));
    TellDocument();
    scene_.zoomPercent = 100;
    savedRecord_ = record;
    history_.clear();
    toldPictures_.clear();
    LoadPictures(PictureReread::All);
    LoadTemplatePicture(PictureReread::All);
    ++revision_;
    emit shown();
    ResetLayout();
}

void ScaleSession::LoadPictures(PictureReread reread) {
    const std::string path = doc_.filePath();
    const std::string folder =
        path.empty() ? std::string()
                     : QFileInfo(QFile::decodeName(path.c_str())).absolutePath().toStdString();
    if (reread == PictureReread::All || folder != scene_.documentFolder) scene_.pictures.clear();
    scene_.documentFolder = folder;
    for (const Outcome& fault : RefreshPictures(scene_)) {
        const std::string& file = fault.args.front();
        if (!toldPictures_.insert(file).second) continue;
        emit pictureNotice(OutcomeText(fault));
    }
}

void ScaleSession::Apply(const ScaleParameters& params, const QString& step) {
    const SceneEdits before = Snapshot();
    scene_.params = params;
    doc_.setDescription(ComposeDescription(params));
    LoadPictures(PictureReread::Changed);
    LoadTemplatePicture(PictureReread::Changed);
    ResetLayout();
    Record(step.isEmpty() ? tr("применение параметров") : step, before);
}

void ScaleSession::Record(const QString& text, const SceneEdits& before, StepKind kind) {
    SceneEdits after = Snapshot();
    UpdateModified();
    TellDocument();
    if (after == before) return;
    history_.push(new EditStep(text, before, std::move(after), kind,
                               [this](const SceneEdits& s) { Restore(s); }));
}

void ScaleSession::Restore(const SceneEdits& s) {
    static_cast<SceneEdits&>(scene_) = s;
    LoadPictures(PictureReread::Changed);
    LoadTemplatePicture(PictureReread::Changed);
    doc_.setDescription(ComposeDescription(s.params));
    UpdateModified();
    TellDocument();
    ++revision_;
    emit restored();
    emit layoutReset();
    emit changed();
}

void ScaleSession::UpdateModified() {
    doc_.setModified(scene_.params != savedRecord_);
}

void ScaleSession::TellDocument() {
    if (doc_.title() != toldTitle_) {
        toldTitle_ = doc_.title();
        emit titleChanged();
    }
    if (doc_.isModified() != toldModified_) {
        toldModified_ = doc_.isModified();
        emit modifiedChanged();
    }
}

void ScaleSession::ResetLayout() {
    scene_.layout = DefaultLayout(scene_.params);
    ++revision_;
    emit layoutReset();
    emit changed();
}

void ScaleSession::MoveElements(const ElementMoves& moves) {
    const SceneEdits before = Snapshot();
    for (MovableElement e : moves.moved) {
        switch (e) {
            case MovableElement::TemplateBody:
                if (auto& t = scene_.params.ext.templateRecord)
                    t->corner = {moves.templateAnchor.x, moves.templateAnchor.y};
                break;
            case MovableElement::TemplateEdge:
                // The line keeps a width of at least 0.01 mm.
                if (auto& t = scene_.params.ext.templateRecord)
                    t->width = std::max(moves.templateWidth, 1);
                break;
            default: {
                const auto i = std::size_t(Index(e));
                const Point a = moves.anchors[i];
                scene_.layout.anchors[i] = a;
                scene_.params.ext.places[i] = Place{a.x, a.y};
                // A place is where the label's top stands.
                if (e == MovableElement::OriginLabel)
                    scene_.layout.originLabelAnchor = OriginLabelAnchor::Top;
                break;
            }
        }
    }
    std::vector<FreeItem> freeMoved;
    for (const auto& [item, centre] : moves.freeMoved) {
        ScaleExtensions& ext = scene_.params.ext;
        const Place place{centre.x, centre.y};
        if (item.kind == FreeItem::Kind::Text && ext.texts.contains(item.number))
            ext.texts.at(item.number).centre = place;
        else if (item.kind == FreeItem::Kind::Picture && ext.pictures.contains(item.number))
            ext.pictures.at(item.number).centre = place;
        else
            continue;
        freeMoved.push_back(item);
    }
    Changed();
    Record(DragStepText(moves.moved, freeMoved), before);
}

void ScaleSession::ForgetPlaces() {
    const SceneEdits before = Snapshot();
    scene_.params.ext.places = {};
    ResetLayout();
    Record(tr("сброс расположения"), before);
}

void ScaleSession::setZoomPercent(int percent) {
    scene_.zoomPercent = percent;
    Changed();
}

void ScaleSession::setDisplayCorrection(double displayCorrection) {
    scene_.displayCorrection = displayCorrection;
    Changed();
}

}  // namespace quirn
