// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing surface over a QPainter: serves the screen canvas, the 1-bit canvas, printer
// pages, SVG and PDF alike. What can be left out is decided by DeviceCulling, numerals' glyphs
// are held back by HeldNumeral, and zones are hatched by ZoneHatching.
#pragma once

#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QRegion>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

#include "render/DeviceCulling.h"
#include "render/DrawingSurface.h"
#include "render/DrawingTransform.h"
#include "render/FontMeasure.h"
#include "render/HeldNumeral.h"

class QPainter;

namespace quirn {

// How texts reach the device: as glyphs of their font, or as filled outlines that need no font
// (a vector file written so carries none).
enum class TextDrawing { Glyphs, Outlines };

class PainterSurface : public DrawingSurface {
  public:
    // Draws through transform onto the painter's device; monochrome turns antialiasing off for
    // the 1-bit canvas.
    PainterSurface(QPainter& painter, const DrawingTransform& transform, bool monochrome);
    ~PainterSurface() override;

    PainterSurface(const PainterSurface&) = delete;
    PainterSurface& operator=(const PainterSurface&) = delete;

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
    void drawSvg(QSvgRenderer& drawing, const Box& dest) override;
    void drawUnderlay(const QImage& image, Point corner, Extent size, double angle,
                      int dim) override;
    double smallestVisibleTurn() const override;
    bool mayShow(std::span<const RealPoint> convexPolygon) const override;

    // Zones hatched in black rather than filled in colour, and every ink but white black: for
    // pictures of one bit per pixel and grey print.
    void setHatchedZones(bool hatched);
    // Glyphs by default.
    void setTextDrawing(TextDrawing drawing) { textDrawing_ = drawing; }

    // Only the device pixels in area are being painted (the painter is clipped to them): what
    // misses them is left out before any work.
    void restrictTo(const QRect& area);

    // Glyphs drawn as outlines cut to the device because they are far larger than it: the work
    // that grows with absurd font sizes, counted so that it can be bounded.
    qsizetype giantGlyphs() const { return giantGlyphs_; }
    // Lines of glyphs filled or drawn, and whether a numeral's glyphs may be held back until the
    // next drawing shows whether they can be seen (on by default; off, every numeral is drawn
    // whole, which must give the same picture).
    qsizetype glyphRuns() const { return glyphRuns_; }
    void setHoldNumeralGlyphs(bool hold) { holdNumeralGlyphs_ = hold; }

  private:
    // What the ink draws in on this device.
    QColor inkColour() const;
    bool blackInk() const;
    QPointF toDevice(Point p) const;
    QRectF toDevice(const Box& box) const;
    QRectF clipRect() const { return culling_.clipRect(); }
    bool nearDevice(const QPolygonF& points) const { return culling_.nearDevice(points); }
    bool coversDevice(const QPolygonF& polygon) const { return culling_.coversDevice(polygon); }
    void drawClippedSegments(const QPolygonF& chain);
    // Characters first..last-1 of a line, spanning start..end in the face's units.
    struct GlyphRange {
        qsizetype first = 0;
        qsizetype last = 0;
        double start = 0.0;
        double end = 0.0;
    };
    GlyphRange glyphsOnDevice(const QTransform& cell, const QString& text);
    void drawLine(Point topLeft, const QString& text);
    void drawGiantLine(const QTransform& cell, const QPolygonF& cellOnDevice, const QString& text);
    void drawGlyphs(const GlyphRun& glyphs);
    // Draws a held numeral's glyphs before anything else is drawn over them.
    void drawHeldGlyphs();
    // A white cell is about to be filled: held glyphs it covers are dropped, others drawn first.
    void settleHeldGlyphs(const QPolygonF& whiteCell);

    QPainter& painter_;
    DeviceCulling culling_;
    BlackCoverage black_;
    // The painter's clip while a turned text cell is filled, when only a part of the device is
    // painted: that part and the device's two far corners. The raster engine cuts a turned
    // rectangle at its clip's bounds before scan conversion, and only the device's own bounds
    // cut it as painting the whole device does.
    QRegion turnedCellClip_;
    QRect restrictedArea_;
    DrawingTransform transform_;
    bool monochrome_;
    bool hatchedZones_ = false;
    FontMeasure fonts_;
    bool outlineText_;  // raster devices fill large text as outlines; vector ones keep text
    TextDrawing textDrawing_ = TextDrawing::Glyphs;
    int penWidth_ = 1;
    bool blackBrush_ = false;
    std::uint32_t ink_ = kBlackInk;
    qsizetype giantGlyphs_ = 0;
    HeldNumeral held_;
    bool holdNumeralGlyphs_ = true;
    qsizetype glyphRuns_ = 0;
};

}  // namespace quirn
