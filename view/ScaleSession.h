// The scale being edited: the working copy of the parameters and everything else the renderer
// works on, and the commands that change them. It has no widgets: the view shows it and moves
// its elements, the panel binding feeds it from the parameter panel.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

#include "model/CQuirnDoc.h"
#include "peripherals/PictureExport.h"
#include "render/RenderState.h"

namespace quirn {

class ScaleSession : public QObject {
    Q_OBJECT
  public:
    // Loads the symbol images and hooks the document's initial update. The working copy stays
    // empty until the first initial update.
    explicit ScaleSession(CQuirnDoc& doc, QObject* parent = nullptr);
    ~ScaleSession() override;

    CQuirnDoc& document() const { return doc_; }
    RenderState& state() { return state_; }
    const RenderState& state() const { return state_; }
    // Whether a document has been shown: before that the working copy is worth nothing.
    bool hasRecord() const { return hasRecord_; }
    QString DocumentTitle() const;

    // A document was attached: copy its record, reset the template geometry, the title, the
    // zoom and the layout.
    void OnInitialUpdate();
    // Parameters read from the panel: into the working copy and the document, which is then
    // modified and titled after them; the layout starts afresh.
    void Apply(const ScaleParameters& params);
    // Elements at their defaults for the plate, or where the user placed them.
    void ResetLayout();
    // The user dragged these elements to where the layout now has them: their places become
    // part of the record, in the working copy and the document, which is then modified.
    void KeepPlaces(const std::vector<MovableElement>& moved);
    // "Сбросить расположение": every element back at its default, the places forgotten.
    void ForgetPlaces();
    void setZoom(int zoom);
    // The display correction factor of the screen calibration.
    void setKsrn(double Ksrn);

    // The template underlay: loaded from a picture file (the message says why not), removed,
    // or placed and sized in drawing units.
    std::string LoadTemplate(const QString& path);
    void RemoveTemplate();
    void setTemplateWidth(int width);
    void setTemplateX(int x);
    void setTemplateY(int y);

    // "Записать рисунок в файл": the scale as printed, into "<title>.bmp" in the current
    // directory at dpi.
    ExportResult ExportPicture(int dpi) const;

  signals:
    // A document's record was taken in.
    void shown();
    // The layout went back to its defaults: drags end, the zoom readout is rewritten.
    void layoutReset();
    // Something the drawing shows changed.
    void changed();

  private:
    CQuirnDoc& doc_;
    RenderState state_;
    bool hasRecord_ = false;
};

}  // namespace quirn
