// The drawing surface over a QPainter: serves the screen canvas, the 1-bit canvas, printer
// pages, SVG and PDF alike.
#pragma once

#include <QFont>
#include <QPointF>

#include "render/DrawingSurface.h"

class QPainter;

namespace quirn {

class PainterSurface : public DrawingSurface {
public:
    // The pointer axis sits at device point originPx; one drawing unit spans pixelsPerUnit device
    // pixels, y up. monochrome turns antialiasing off for the 1-bit canvas.
    PainterSurface(QPainter& painter, QPointF originPx, double pixelsPerUnit, bool monochrome);
    ~PainterSurface() override;

    void setPen(int width) override;
    void setBlackBrush(bool black) override;
    void fillWhite(const Box& box) override;
    void line(Point from, Point to) override;
    void polyline(std::span<const Point> points) override;
    void arc(const Box& bounds, Point start, Point end) override;
    void ellipse(const Box& bounds) override;
    void polygon(std::span<const Point> points) override;
    void setFont(const FontSpec& font) override;
    Extent measureText(std::string_view text) override;
    void textOut(Point topLeft, std::string_view text) override;
    Box measureWrapped(const Box& box, std::string_view text) override;
    void drawWrapped(const Box& box, std::string_view text) override;
    void drawImage(const QImage& image, const Box& dest) override;

private:
    QPainter& painter_;
    QPointF origin_;
    double scale_;
    bool monochrome_;
    int penWidth_ = 1;
    bool blackBrush_ = false;
    FontSpec font_;
};

}  // namespace quirn
