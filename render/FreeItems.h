// SPDX-License-Identifier: GPL-3.0-or-later
// The texts and pictures the user placed anywhere on the plate, each about its own centre.
#pragma once

#include "render/DrawingSurface.h"
#include "render/Scene.h"

namespace quirn {

// Each picture at its centre and width, its height from its proportions; one that could not be
// read is a thin crossed box of its width (square when its proportions are unknown).
void DrawPictures(const Scene& scene, DrawingSurface& surface);
// Each free text's box centred on its centre and turned about it, counterclockwise.
void DrawFreeTexts(const Scene& scene, DrawingSurface& surface);

// The box a picture of this width and proportions covers about its centre.
Box PictureBox(const PlacedPicture& picture, const PictureContent* content);

}  // namespace quirn
