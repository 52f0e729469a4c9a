// SPDX-License-Identifier: GPL-3.0-or-later
// The whole scale on one canvas, as the tests look at it: a fresh canvas for the device and mode,
// the scene laid out and painted on it. The program paints through windows and bands instead.
#pragma once

#include <QByteArray>
#include <QImage>
#include <string>

#include "render/Scene.h"

namespace quirn {

struct Canvas {
    QImage image;  // colour on screen, one bit per pixel for print
    CanvasGeometry geometry;
};

enum class RenderStatus { Ok, CanvasTooLarge };

struct RenderResult {
    RenderStatus status = RenderStatus::Ok;
    std::string message;  // why the canvas was refused, naming the limit (UTF-8)
    Canvas canvas;        // empty when refused
    ScaleLayout laid;
    bool ok() const { return status == RenderStatus::Ok; }
};

// Lays the scene out, then draws the whole scale on a canvas of its own.
RenderResult RenderScale(const Scene& scene, const ReferenceDevice& device, PaintMode mode);

namespace test {

// A scene as a test builds it, with what the last rendering or painting of it gave: the layout
// and, after a rendering, the canvas.
struct LaidOutScene : Scene {
    ScaleLayout laid;
    Canvas canvas;
};

// Renders the scene and keeps the layout and the canvas in it (the canvas empty when refused).
RenderResult RenderScale(LaidOutScene& scene, const ReferenceDevice& device, PaintMode mode);

}  // namespace test

// The picture as grey levels of black and white only, whatever it was drawn or stored in.
QImage BlackAndWhite(const QImage& source);

}  // namespace quirn
