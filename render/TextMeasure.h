// SPDX-License-Identifier: GPL-3.0-or-later
// Measuring texts in drawing units, which laying out the scale needs before anything is drawn.
#pragma once

#include <string_view>

#include "render/DrawingGeometry.h"

namespace quirn {

class TextMeasure {
  public:
    virtual ~TextMeasure() = default;

    // Texts are UTF-8: the record's texts as DisplayText shows them.
    virtual void setFont(const FontChoice& font) = 0;
    // Width of a single line and the font's cell height.
    virtual Extent measureText(std::string_view text) = 0;
    // Word wrapping measure pass: keeps left and top, moves right to the longest line and bottom
    // down to hold every line; a word wider than the box stands alone on its line.
    virtual Box measureWrapped(const Box& box, std::string_view text) = 0;
};

}  // namespace quirn
