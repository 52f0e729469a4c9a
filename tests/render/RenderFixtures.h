// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the renderer tests: a scene laid out as after Apply, painted on a recorder.
#pragma once

#include <vector>

#include "model/ScaleParameters.h"
#include "render/RecordingSurface.h"
#include "render/ScaleDrawing.h"
#include "support/RenderScale.h"

namespace quirn::test {

inline LaidOutScene LaidOut(const ScaleParameters& params = kDefaultParameters) {
    LaidOutScene scene;
    scene.params = params;
    scene.layout = DefaultLayout(params);
    return scene;
}

// Laid out with the recorder's measures, then painted on a fresh recorder: the calls are the
// painting's alone. The screen's bottom line spans the canvas last rendered, if any.
inline RecordingSurface Painted(LaidOutScene& scene, PaintMode mode = PaintMode::Print) {
    RecordingSurface measure;
    scene.laid = LayOutScale(scene, measure);
    const CanvasGeometry canvas = mode == PaintMode::Print
                                      ? ComputeCanvasGeometry(scene, {}, PaintMode::Print)
                                      : scene.canvas.geometry;
    RecordingSurface surface;
    PaintScale(scene, scene.laid, canvas, surface, mode);
    return surface;
}

inline std::vector<std::string> TextsOf(const std::vector<DrawCall>& calls) {
    std::vector<std::string> texts;
    for (const DrawCall& c : calls) texts.push_back(c.text);
    return texts;
}

}  // namespace quirn::test
