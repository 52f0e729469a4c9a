// SPDX-License-Identifier: GPL-3.0-or-later
// A canvas of any size of which only chosen rectangles are painted, in memory that follows the
// rectangles rather than the canvas.
//
// Each rectangle is painted on a device as large as the whole canvas, clipped to the rectangle:
// the drawing surface cuts shapes to the device and the raster engine starts its scan conversion
// at the device's edges, so only a device of the canvas's own size gives the canvas's own pixels.
// The device's memory is address space only; the rectangle's rows are the only pages touched,
// and they stay until released, so that painting the same place again costs no page faults.
// Canvases beyond the raster engine's reach (32767 pixels a side, 2 GiB a device) are painted
// through windows of it, each with the origin moved; windows start on whole bytes.
#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <cstddef>
#include <functional>

#include "render/DrawingTransform.h"
#include "render/Scene.h"

class QPainter;

namespace quirn {

class SparseCanvas {
  public:
    // format: Format_Grayscale8 for print and export, Format_RGB32 for the screen, any of them or
    // Format_RGB16 for colour export; one whose bytes 0xFF are white.
    SparseCanvas(const CanvasGeometry& geometry, QImage::Format format);
    ~SparseCanvas();
    SparseCanvas(const SparseCanvas&) = delete;
    SparseCanvas& operator=(const SparseCanvas&) = delete;

    const CanvasGeometry& geometry() const { return geometry_; }
    // Reserves the address space; false when there is none to be had. Painting without it uses a
    // device of the rectangle's own size, whose pixels may differ from the canvas's by a few.
    bool reserve();

    // Draws on the device through the canvas's mapping as the device sees it; only the device
    // pixels in area are painted.
    using Draw = std::function<void(QPainter& painter, const DrawingTransform& transform,
                                    const QRect& area)>;
    // One painted row: width pixels of the canvas from (x, y), in the canvas's format.
    using TakeRow = std::function<void(const uchar* pixels, int x, int y, int width)>;
    // Paints the canvas pixels within rect (clipped to the canvas), white first, and hands
    // every row of them to take, if given, top to bottom within each window.
    void paint(const QRect& rect, const Draw& draw, const TakeRow& take = {});
    // The painted pixels of rect in place, without a copy, as long as they are neither painted
    // again nor released; null unless rect lies within the canvas and within one window of it,
    // and the address space is reserved.
    QImage pixels(const QRect& rect) const;
    // Hands the memory of the rows of rect back to the system.
    void release(const QRect& rect);
    // Whether the whole canvas is one device, so that pixels painted at one place stay there
    // until painted again or released; otherwise windows of it share the memory.
    bool oneWindow() const {
        return windowWidth_ == geometry_.pixelWidth && windowHeight_ == geometry_.pixelHeight;
    }

  private:
    void paintWindow(const QRect& window, const QRect& part, const Draw& draw, const TakeRow& take);
    void paintAlone(const QRect& part, const Draw& draw, const TakeRow& take);

    CanvasGeometry geometry_;
    QImage::Format format_;
    int bytesPerPixel_ = 1;
    int windowWidth_ = 0;
    int windowHeight_ = 0;
    qsizetype windowStride_ = 0;
    uchar* memory_ = nullptr;
    std::size_t mapped_ = 0;
};

}  // namespace quirn
