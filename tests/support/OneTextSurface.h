// SPDX-License-Identifier: GPL-3.0-or-later
// A painter surface that draws one text alone, wherever the drawing code writes it: what a test
// of a numeral's face or ink measures, with the ticks, arcs and other texts of the same drawing
// left out.
#pragma once

#include <string>
#include <utility>

#include "render/PainterSurface.h"

namespace quirn::test {

// Grey: antialiased; OneBit: as on the 1-bit canvas.
enum class TextPixels { Grey, OneBit };

class OneTextSurface : public PainterSurface {
  public:
    OneTextSurface(QPainter& painter, const DrawingTransform& transform, std::string wanted,
                   TextPixels pixels = TextPixels::Grey)
        : PainterSurface(painter, transform, pixels == TextPixels::OneBit),
          wanted_(std::move(wanted)) {}

    void textOut(Point topLeft, std::string_view text) override {
        if (text == wanted_) PainterSurface::textOut(topLeft, text);
    }
    void fillWhite(const Box&) override {}
    void line(Point, Point) override {}
    void polyline(std::span<const Point>) override {}
    void arc(const Box&, Point, Point) override {}
    void ellipse(const Box&) override {}
    void polygon(std::span<const Point>) override {}
    void zone(std::span<const Point>, std::uint32_t, ZoneHatch) override {}
    void drawWrapped(const Box&, std::string_view) override {}

  private:
    std::string wanted_;
};

}  // namespace quirn::test
