// SPDX-License-Identifier: GPL-3.0-or-later
// A drawing surface that draws nothing: it records every call with its arguments, for tests and
// for checking what the renderer asks of a surface.
//
// Text metrics are deterministic: a text is (characters x character width) wide and cellHeight
// high, where the character width is the font's averageWidth, or cellHeight x 904 / 2288 when the
// face chooses (the proportions of a natural average width to a cell height).
#pragma once

#include <string>
#include <vector>

#include "render/DrawingSurface.h"

namespace quirn {

enum class DrawOp {
    SetPen,
    SetBlackBrush,
    SetInk,
    FillWhite,
    Line,
    Polyline,
    Arc,
    Ellipse,
    Polygon,
    Zone,
    SetFont,
    TextOut,
    DrawWrapped,
    DrawImage,
    DrawVector,
};

struct DrawCall {
    DrawOp op = DrawOp::SetPen;
    int value = 0;              // pen width, 1 for a black brush, an ink, a zone's colour
    Box box;                    // fill, arc and ellipse bounds, wrap box, image destination
    std::vector<Point> points;  // line ends, arc start and end, chain and polygon points, text
                                // top-left
    FontChoice font;            // the font in force for texts, the new font for SetFont
    std::string text;
    Extent imageSize;                     // of the image or picture handed to drawImage/drawVector
    ZoneHatch hatch = ZoneHatch::Rising;  // of a zone

    bool operator==(const DrawCall&) const = default;
};

class RecordingSurface : public DrawingSurface {
  public:
    void setPen(int width) override;
    void setBlackBrush(bool black) override;
    void setInk(std::uint32_t rgb) override;
    void fillWhite(const Box& box) override;
    void line(Point from, Point to) override;
    void polyline(std::span<const Point> points) override;
    void arc(const Box& bounds, Point start, Point end) override;
    void ellipse(const Box& bounds) override;
    void polygon(std::span<const Point> points) override;
    void zone(std::span<const Point> points, std::uint32_t rgb, ZoneHatch hatch) override;
    void setFont(const FontChoice& font) override;
    Extent measureText(std::string_view text) override;
    void textOut(Point topLeft, std::string_view text) override;
    Box measureWrapped(const Box& box, std::string_view text) override;
    void drawWrapped(const Box& box, std::string_view text) override;
    void drawImage(const QImage& image, const Box& dest) override;
    void drawVector(const VectorPicture& picture, const Box& dest) override;

    const std::vector<DrawCall>& calls() const { return calls_; }
    std::vector<DrawCall> callsOf(DrawOp op) const;
    // The width of one character in the current font.
    int characterWidth() const;
    void clear() { calls_.clear(); }

  private:
    void record(DrawCall call) { calls_.push_back(std::move(call)); }

    std::vector<DrawCall> calls_;
    FontChoice font_;
};

}  // namespace quirn
