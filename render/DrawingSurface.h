// The narrow drawing interface the renderer talks to. Every coordinate is a whole number of
// drawing units (0.01 mm) with the origin at the pointer axis, x right and y up.
#pragma once

#include <span>
#include <string_view>

class QImage;

namespace quirn {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Extent {
    int width = 0;
    int height = 0;
    bool operator==(const Extent&) const = default;
};

// A point of drawing space in real numbers, for bounds that may reach beyond the int range.
struct RealPoint {
    double x = 0.0;
    double y = 0.0;
};

// A rectangle by its edges in y-up drawing space: top is the larger y for an upright box.
struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Box&) const = default;
};

// A font as the renderer asks for it: "Arial", cell height (internal leading included),
// average character width (0 = the face's natural width), weight, and escapement in tenths
// of a degree counterclockwise in y-up space.
struct FontSpec {
    int cellHeight = 0;
    int averageWidth = 0;
    int weight = 400;
    int escapement = 0;
    bool operator==(const FontSpec&) const = default;
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Solid black pen; a width under one device pixel still draws one pixel; wide pens have
    // round ends.
    virtual void setPen(int width) = 0;
    // Brush for circles and polygons: white (the default) or solid black.
    virtual void setBlackBrush(bool black) = 0;

    virtual void fillWhite(const Box& box) = 0;
    virtual void line(Point from, Point to) = 0;
    virtual void polyline(std::span<const Point> points) = 0;
    // Circular arc inside the bounding square, counterclockwise from the ray through start to
    // the ray through end.
    virtual void arc(const Box& bounds, Point start, Point end) = 0;
    virtual void ellipse(const Box& bounds) = 0;
    virtual void polygon(std::span<const Point> points) = 0;

    // Texts are Windows-1251 bytes.
    virtual void setFont(const FontSpec& font) = 0;
    // Width of a single line and the font's cell height.
    virtual Extent measureText(std::string_view text) = 0;
    // Opaque text on a white cell whose top-left corner is at topLeft; the escapement turns the
    // text about that point.
    virtual void textOut(Point topLeft, std::string_view text) = 0;
    // Word wrapping measure pass: keeps left and top, moves right to the longest line and bottom
    // down to hold every line; a word wider than the box stands alone on its line.
    virtual Box measureWrapped(const Box& box, std::string_view text) = 0;
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
};

}  // namespace quirn
