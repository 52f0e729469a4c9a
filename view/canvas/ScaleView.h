// SPDX-License-Identifier: GPL-3.0-or-later
// The scrolling view of the scale being edited: shows the canvas at true size with zoom and
// scrolling, painted from a picture of the window kept between paints, reads the cursor
// position and lets the user drag the labels, symbols, free texts, pictures and template. Rulers
// in millimetres run along its top and left edges; a millimetre grid over the drawing is shown
// when asked for.
#pragma once

#include <QAbstractScrollArea>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "render/Scene.h"
#include "view/canvas/CollisionFrames.h"
#include "view/canvas/Dragging.h"
#include "view/canvas/WindowPicture.h"
#include "view/canvas/ZoomSteps.h"

namespace quirn {

class Ruler;
class ScaleSession;

class ScaleView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    ScaleView(ScaleSession& session, QWidget* parent = nullptr);

    ScaleSession& session() const { return session_; }
    const DragState& drag() const { return drag_; }
    // The scene as the window shows it: the session's, with the elements being dragged where the
    // drag has them; laid out for the screen, on the canvas of the window. Laid out again only
    // when the session's scene or the drag changed.
    PictureSource Shown() const;
    // The window's picture, kept between paints.
    const WindowPicture& picture() const { return picture_; }

    // The screen this view is on, as the renderer's reference device sees it: its width in
    // device pixels over its reported physical width, and the view's outer width.
    ReferenceDevice CurrentScreenDevice() const;
    // The screen as the renderer takes it for this view: the metric and the view's outer width.
    ReferenceDevice ViewDevice() const;
    // The width in millimetres that the screen the view is on reports.
    int ReportedScreenWidthMm() const;
    // The scroll position the mouse mapping uses, in logical pixels.
    QPoint scrollPosition() const { return scroll_; }
    // The millimetre grid over the drawing, on the screen only.
    bool gridShown() const { return gridShown_; }
    void setGridShown(bool shown);
    // The red frames around elements that would not print cleanly, on the screen only; shown
    // unless hidden for a look at the bare drawing.
    bool collisionFramesShown() const { return framesShown_; }
    void setCollisionFramesShown(bool shown);

    // "Увеличить" and "Уменьшить": one zoom step, keeping the point of the drawing at the middle
    // of the window where it is.
    void zoomStep(ZoomDirection direction);
    // "По размеру окна": the largest zoom step at which the whole plate fits the window, with
    // the plate in the middle of it.
    void fitToWindow();
    // That step; the least one when none fits.
    int FittingZoom() const;

  signals:
    // The cursor is over the drawing at (x, y) drawing units.
    void cursorMoved(int x, int y);
    // The wheel or a zoom command changed the zoom.
    void zoomChanged();
    // A drag moved the template, or changed its width, as the window shows it (Shown()); the
    // session has it once the button is up.
    void templateMoved();
    void templateWidened();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void UpdateScrollSizes(int totalWidth, int totalHeight);
    // The scroll bars fitted to the canvas at g.
    void UpdateScrollSizes(const CanvasGeometry& g);
    // Zooms to percent with the drawing's point `under` shown at the client point `at`.
    void ZoomTo(int percent, Point under, QPoint at);
    // Panning with the middle button: where it went down and the scroll position then.
    bool Pan(QMouseEvent* event);
    // Lays the scene shown out when it changed, and takes the canvas geometry it is shown at.
    void Refresh() const;
    // The canvas pixels the window shows, and canvas pixels as the window's logical pixels.
    QRect WindowOnCanvas() const;
    QRect CanvasToClient(const QRect& canvasPixels) const;
    // The canvas pixels covered by every element being dragged.
    std::vector<QRect> DraggedAreas() const;
    // The cursor in drawing units.
    Point CursorAt(const QPoint& client) const;

    // The elements being dragged: those the drag moved, where it left them.
    ElementMoves DragMoves() const;

    ScaleSession& session_;
    DragState drag_;
    std::uint64_t dragStep_ = 0;  // goes up whenever the drag changes what the window shows
    // What the window shows, and the revision it was laid out at: a cache of the session's scene
    // and the drag, filled when asked for.
    mutable Scene shownScene_;
    mutable ScaleLayout shownLaid_;
    mutable std::optional<ShownRevision> shownRevision_;
    mutable CanvasGeometry geometry_;
    // As the drag's first grab found them, to tell what it moved.
    std::array<Point, kDrawnElementCount> pressAnchors_{};
    TemplatePlacement pressTemplate_;
    QPoint scroll_;
    std::optional<QPoint> panFrom_;  // while the middle button pans
    QPoint panScroll_;
    WindowPicture picture_;
    CollisionFrames collisions_;
    Ruler* topRuler_ = nullptr;
    Ruler* leftRuler_ = nullptr;
    bool gridShown_ = false;
    bool framesShown_ = true;
};

}  // namespace quirn
