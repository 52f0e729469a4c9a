// SPDX-License-Identifier: GPL-3.0-or-later
// The texts and pictures the user placed anywhere on the plate, each about its own centre.
#pragma once

#include <array>
#include <compare>

#include "render/DrawingSurface.h"
#include "render/Scene.h"
#include "render/TextMeasure.h"

namespace quirn {

// A free text or a picture by its number in the record.
struct FreeItem {
    enum class Kind { Text, Picture };
    Kind kind = Kind::Text;
    int number = 0;
    auto operator<=>(const FreeItem&) const = default;
};

// Each picture at its centre and width, its height from its proportions; one that could not be
// read is a thin crossed box of its width (square when its proportions are unknown).
void DrawPictures(const Scene& scene, DrawingSurface& surface);
// Each free text's box centred on its centre and turned about it, counterclockwise.
void DrawFreeTexts(const Scene& scene, DrawingSurface& surface);

// The box a picture of this width and proportions covers about its centre.
Box PictureBox(const PlacedPicture& picture, const PictureContent* content);
// The picture read for the record's picture number, unless its line now names another file.
const PictureContent* PictureContentOf(const Scene& scene, int number,
                                       const PlacedPicture& picture);

// The face a free text is drawn in, turned as the text is.
FontChoice FreeTextFont(const ScaleParameters& p, const FreeText& item);
// The corners of a free text's box as drawn, measured in its face and turned about its centre:
// top-left, top-right, bottom-right, bottom-left of the upright text. None for an empty text,
// which is not drawn.
std::optional<std::array<RealPoint, 4>> FreeTextCorners(const ScaleParameters& p,
                                                        const FreeText& item, TextMeasure& measure);

}  // namespace quirn
