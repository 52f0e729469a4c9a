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
#include "peripherals/Printing.h"
#include "peripherals/ScreenCalibration.h"
#include "render/RenderScale.h"
#include "render/RenderState.h"
#include "view/Dragging.h"
#include "view/ParameterBar.h"
#include "view/WindowPicture.h"

class QPrinter;

namespace quirn {

class RealRazmer;

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

    // "Записать рисунок в файл": the scale as printed into "<title>.bmp" in the current
    // directory at the application printer's resolution. Only a failure is reported.
    void OnExportPicture();
    // Button 2: loads a template picture when none is loaded, removes it otherwise.
    void OnTemplateButton();
    // A template field's text changed: re-read into the width, X or Y.
    void OnTemplateFieldChanged(BarControl field);
    // A spinner stepped to value: store it and write it into the field beside it.
    void OnTemplateSpinnerStep(BarControl spinner, int value);

    // The screen calibration's file, opened by bare name in the current directory.
    static constexpr const char* kScreenIniName = "Screen.ini";
    // "Реальный размер экрана": asks for the real screen width, applies the new correction at
    // once and keeps it in Screen.ini.
    void OnRealScreenSize();
    const ScreenCalibration& calibration() const { return calibration_; }
    // The calibration dialog, one for the life of the view.
    RealRazmer& calibrationDialog();
    // The width in millimetres that the screen the view is on reports.
    int ReportedScreenWidthMm() const;

    // Printing on the application's printer, which the frame owns.
    void setApplicationPrinter(ApplicationPrinter* printer) { printer_ = printer; }
    void OnFilePrint(bool withDialog);
    // Shows the page as printed; previewPages (1 or 2) is how many pages the preview shows
    // side by side, and the count the user left it at is returned.
    int OnFilePrintPreview(int previewPages);
    // Page margins, refused below what the printer can print.
    void OnFilePageSetup();
    const PageMargins& margins() const { return margins_; }

    // Where the view asks for a template file and reports a failure; dialogs unless replaced.
    void setTemplateFileChooser(std::function<QString()> chooser) {
        chooseTemplateFile_ = std::move(chooser);
    }
    void setWarningHandler(std::function<void(const QString&)> warn) { warn_ = std::move(warn); }

    RenderState& state() { return state_; }
    const RenderState& state() const { return state_; }
    // The window's picture, kept between paints.
    const WindowPicture& picture() const { return picture_; }
    const DragState& drag() const { return drag_; }
    void setSymbolImages(SymbolImages images) { state_.symbols = std::move(images); }
    // The display correction factor of the screen calibration.
    void setKsrn(double Ksrn);

    // The screen this view is on, as the renderer's reference device sees it: its width in
    // device pixels over its reported physical width, and the view's outer width.
    ReferenceDevice CurrentScreenDevice() const;
    // The screen as the renderer takes it for this view: the metric and the view's outer width.
    ReferenceDevice ViewDevice() const;
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
    // Lays the scale out for the window and takes the canvas geometry it is shown at.
    void Refresh();
    // The canvas pixels the window shows, and canvas pixels as the window's logical pixels.
    QRect WindowOnCanvas() const;
    QRect CanvasToClient(const QRect& canvasPixels) const;
    // The canvas pixels covered by every element being dragged.
    std::vector<QRect> DraggedAreas() const;
    void UpdateScrollSizes(int totalWidth, int totalHeight);
    void ShowZoom();
    // The cursor in drawing units, stored as the last cursor position.
    Point CursorAt(const QPoint& client);
    void ShowTemplateAnchor();
    void ShowTemplateWidth();
    void SaveInitialParameters() const;
    void Warn(const QString& text);
    QString AskTemplateFile();
    QPrinter* Printer();
    QString DocumentTitle() const;

    CQuirnDoc& doc_;
    ParameterBar& bar_;
    RenderState state_;
    WindowPicture picture_;
    DragState drag_;
    Point lastCursor_;
    QPoint scroll_;
    bool hasRecord_ = false;
    std::function<void(FileError)> initialParametersFailed_;

    ScreenCalibration calibration_;
    RealRazmer* realRazmer_ = nullptr;
    PageMargins margins_;
    ApplicationPrinter* printer_ = nullptr;
    std::function<QString()> chooseTemplateFile_;
    std::function<void(const QString&)> warn_;
};

}  // namespace quirn
