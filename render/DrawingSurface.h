// SPDX-License-Identifier: GPL-3.0-or-later
// The narrow drawing interface the renderer talks to. Every coordinate is a whole number of
// drawing units (0.01 mm) with the origin at the pointer axis, x right and y up.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "render/DrawingGeometry.h"
#include "render/TextMeasure.h"

class QImage;
class QSvgRenderer;

namespace quirn {

class VectorPicture;

// How a zone is hatched where colours cannot show, as seen on the plate: lines rising to the
// right, falling to the right, or both.
enum class ZoneHatch { Rising, Falling, Crossed };

// The ink of a plate that uses none: black, as 0xRRGGBB.
inline constexpr std::uint32_t kBlackInk = 0x000000u;

class DrawingSurface : public TextMeasure {
  public:
    // Solid pen in the ink; a width under one device pixel still draws one pixel; wide pens have
    // round ends.
    virtual void setPen(int width) = 0;
    // Brush for circles and polygons: white (the default) or solid in the ink ("black").
    virtual void setBlackBrush(bool black) = 0;
    // The colour, 0xRRGGBB, that pens, black brushes and texts draw in from now on; black until
    // set. On a surface of black and white only every ink but white draws black, so that a pale
    // colour does not vanish.
    virtual void setInk(std::uint32_t rgb) = 0;

    virtual void fillWhite(const Box& box) = 0;
    virtual void line(Point from, Point to) = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    // Circular arc inside the bounding square, counterclockwise from the ray through start to
    // the ray through end.
    virtual void arc(const Box& bounds, Point start, Point end) = 0;
    virtual void ellipse(const Box& bounds) = 0;
    virtual void polygon(std::span<const Point> points) = 0;
    // A coloured zone: the polygon filled without an outline in 0xRRGGBB, or, on a surface of
    // black and white only, hatched in thin black lines that leave most of it white.
    virtual void zone(std::span<const Point> points, std::uint32_t rgb, ZoneHatch hatch) = 0;

    // Texts are UTF-8, as for measuring; setFont also sets the font drawn with.
    // Opaque text on a white cell whose top-left corner is at topLeft; the escapement turns the
    // text about that point.
    virtual void textOut(Point topLeft, std::string_view text) = 0;
    // Draws the text word-wrapped into box, every line centred.
    virtual void drawWrapped(const Box& box, std::string_view text) = 0;

    // Whether anything drawn within the convex polygon could show on the device. The renderer
    // leaves out what cannot before measuring it: a text far off the device costs nothing however
    // long it is. True when the surface cannot tell.
    virtual bool mayShow(std::span<const RealPoint> convexPolygon) const {
        (void)convexPolygon;
        return true;
    }

    // The turn about the pointer axis, in radians, below which no point the device shows moves by
    // a whole device pixel; 0 when the surface cannot tell. Ticks closer than that are thinned.
    virtual double smallestVisibleTurn() const { return 0.0; }

    // The whole image scaled into dest (left/bottom corner upward), upright and opaque.
    virtual void drawImage(const QImage& image, const Box& dest) = 0;
    // The picture's black shapes scaled into dest (left/bottom corner upward), at the device's
    // own resolution and, on a raster device, with hard edges.
    virtual void drawVector(const VectorPicture& picture, const Box& dest) = 0;
    // A scanned picture laid under the drawing on the screen: upright, its lower-left corner at
    // corner and size drawing units large, then turned by angle degrees counterclockwise about
    // that corner. It multiplies what is drawn, so that ink stays ink and every white cell shows
    // the picture, lightened toward white by dim percent. Only a screen draws it.
    virtual void drawUnderlay(const QImage& image, Point corner, Extent size, double angle,
                              int dim) {
        (void)image;
        (void)corner;
        (void)size;
        (void)angle;
        (void)dim;
    }
    // A drawing in its own colours scaled into dest (left/bottom corner upward): as vectors on a
    // vector device. A surface that only measures or records leaves it out.
    virtual void drawSvg(QSvgRenderer& drawing, const Box& dest) {
        (void)drawing;
        (void)dest;
    }
};

// Draws in an ink while it lives and in black again after it. Without an ink the surface is not
// told anything: a plate in black alone asks exactly what it always asked.
class InkScope {
  public:
    InkScope(DrawingSurface& surface, std::optional<std::uint32_t> ink)
        : surface_(surface), ink_(ink) {
        if (ink_) surface_.setInk(*ink_);
    }
    ~InkScope() {
        if (ink_) surface_.setInk(kBlackInk);
    }
    InkScope(const InkScope&) = delete;
    InkScope& operator=(const InkScope&) = delete;

  private:
    DrawingSurface& surface_;
    std::optional<std::uint32_t> ink_;
};

}  // namespace quirn
