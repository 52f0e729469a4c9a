// The scrolling view of the drawing. It owns the working copy of the parameters and everything
// else the renderer works on, shows the canvas at true size with zoom and scrolling, reads the
// cursor position, lets the user drag the labels, symbols and template, and serves the
// parameter panel.
#pragma once

#include <QAbstractScrollArea>
#include <functional>
#include <string>

#include "model/CQuirnDoc.h"
#include "model/FileAccess.h"
#include "render/RenderScale.h"
#include "render/RenderState.h"
#include "view/Dragging.h"
#include "view/ParameterBar.h"

namespace quirn {

// The device the screen canvas is made for: the screen's width in device pixels over its
// reported physical width, and the view's outer width.
struct ScreenMetric {
    std::int64_t pixelsAcross = 0;
    std::int64_t tenthsOfMmAcross = 0;
    bool operator==(const ScreenMetric&) const = default;
};

class CQuirnView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    // Loads the symbol images and hooks the document's initial update. The working copy stays
    // empty until the first initial update.
    CQuirnView(CQuirnDoc& doc, ParameterBar& bar, QWidget* parent = nullptr);
    // Writes the working copy to Initial.qrn when a document was ever shown; a failure goes to
    // the handler set below.
    ~CQuirnView() override;
    void setInitialParametersFailureHandler(std::function<void(FileError)> handler) {
        initialParametersFailed_ = std::move(handler);
    }

    // A document was attached: copy its record, reset the template geometry, the title, the
    // zoom, the panel and the layout.
    void OnInitialUpdate();

    // Read the panel into the working copy and the document, then redraw.
    void OnApplyParameters();
    void OnSquareShape();
    void OnRadialShape();
    void OnArcToggle();

    // Elements back at their defaults, drags cancelled, zoom readout rewritten.
    void ResetLayout();

    // Writes the working copy into the panel.
    void FillParameterBar();

    // The picture export and the template underlay's controls; their behaviour is provided by
    // the peripherals and hooked in here.
    void OnExportPicture();
    void OnTemplateButton();
    void OnTemplateFieldChanged(BarControl field);
    void OnTemplateSpinnerStep(BarControl spinner, int value);

    RenderState& state() { return state_; }
    const RenderState& state() const { return state_; }
    const RenderResult& lastRender() const { return lastRender_; }
    const DragState& drag() const { return drag_; }
    void setSymbolImages(SymbolImages images) { state_.symbols = std::move(images); }
    // The display correction factor of the screen calibration.
    void setKsrn(double Ksrn);

    // The screen this view is on, as the renderer's reference device sees it.
    ScreenMetric CurrentScreenMetric() const;
    // The scroll position the mouse mapping uses, in logical pixels.
    QPoint scrollPosition() const { return scroll_; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ConnectPanel();
    void UpdateScrollSizes(int totalWidth, int totalHeight);
    void ShowZoom();
    // The cursor in drawing units, stored as the last cursor position.
    Point CursorAt(const QPoint& client);
    void ShowTemplateAnchor();
    void ShowTemplateWidth();
    void SaveInitialParameters() const;

    CQuirnDoc& doc_;
    ParameterBar& bar_;
    RenderState state_;
    RenderResult lastRender_;
    DragState drag_;
    Point lastCursor_;
    QPoint scroll_;
    bool hasRecord_ = false;
    std::function<void(FileError)> initialParametersFailed_;
};

}  // namespace quirn
