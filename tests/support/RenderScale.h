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

// The canvas as a one-bit bitmap file: 62-byte header, rows bottom-up, bit 1 white, both
// resolutions in pixels per metre from the canvas's true width. Empty when the picture is too
// large for the format's 32-bit sizes or the canvas is empty.
QByteArray EncodeMonochromeBmp(const Canvas& canvas);

}  // namespace quirn
