// SPDX-License-Identifier: GPL-3.0-or-later
// Shared set-up of the renderer tests: a state laid out as after Apply, painted on a recorder.
#pragma once

#include <vector>

#include "model/ScaleParameters.h"
#include "render/RecordingSurface.h"
#include "render/ScaleDrawing.h"

namespace quirn::test {

inline RenderState LaidOut(const ScaleParameters& params = kDefaultParameters) {
    RenderState state;
    state.params = params;
    ResetLayout(state);
    return state;
}

// Laid out with the recorder's measures, then painted on a fresh recorder: the calls are the
// painting's alone.
inline RecordingSurface Painted(RenderState& state, bool forScreen = false) {
    RecordingSurface measure;
    AdoptLayout(state, LayOutScale(state, measure));
    RecordingSurface surface;
    PaintScale(state, surface, forScreen);
    return surface;
}

inline std::vector<std::string> TextsOf(const std::vector<DrawCall>& calls) {
    std::vector<std::string> texts;
    for (const DrawCall& c : calls) texts.push_back(c.text);
    return texts;
}

}  // namespace quirn::test
