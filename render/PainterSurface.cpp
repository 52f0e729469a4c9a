// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/PainterSurface.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "render/DeviceClip.h"
#include "render/DeviceCulling.h"
#include "render/Saturate.h"
#include "render/VectorPicture.h"
#include "render/ZoneHatching.h"

namespace quirn {
namespace {

constexpr int kReferencePixelSize = FontMeasure::kReferencePixelSize;
// Above this many device pixels per em the raster engine no longer caches glyphs.
constexpr double kLargestCachedGlyph = 64.0;
constexpr double kWidestPen = 32767.0;

}  // namespace

PainterSurface::PainterSurface(QPainter& painter, const DrawingTransform& transform,
                               bool monochrome)
    : painter_(painter),
      transform_(transform),
      monochrome_(monochrome),
      fonts_(monochrome),
      outlineText_(painter.paintEngine() != nullptr &&
                   painter.paintEngine()->type() == QPaintEngine::Raster) {
    painter_.save();
    QRectF visible;
    if (const QPaintDevice* device = painter_.device()) {
        bool invertible = false;
        const QTransform toLogical = painter_.combinedTransform().inverted(&invertible);
        const QRectF area(0.0, 0.0, device->width(), device->height());
        visible = invertible ? toLogical.mapRect(area) : area;
    }
    // Only the painter's clip changes pixels; whatever misses it is left out before any work.
    culling_ = DeviceCulling(visible, painter_.hasClipping()
                                          ? visible.intersected(painter_.clipBoundingRect())
                                          : visible);
    // Geometry stays crisp on every canvas, as pixel-exact as the 1-bit one; only text of
    // ordinary screen sizes is smoothed, and only on the colour canvas.
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, !monochrome_);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setBackgroundMode(Qt::TransparentMode);
    setPen(penWidth_);
    setBlackBrush(false);
}

void PainterSurface::restrictTo(const QRect& area) {
    drawHeldGlyphs();
    culling_.restrictTo(area);
    restrictedArea_ = area;
    const QRect device = culling_.visible().toAlignedRect();
    turnedCellClip_ = QRegion(area) + QRect(device.topLeft(), QSize(1, 1)) +
                      QRect(device.bottomRight(), QSize(1, 1));
}

PainterSurface::~PainterSurface() {
    drawHeldGlyphs();
    painter_.restore();
}

QPointF PainterSurface::toDevice(Point p) const {
    return transform_.toDevice(p);
}

QRectF PainterSurface::toDevice(const Box& box) const {
    return transform_.toDevice(box);
}

void PainterSurface::setPen(int width) {
    penWidth_ = width;
    // A pen far wider than the device covers all of it wherever it runs near; capping the width
    // keeps the stroker's work bounded.
    const QRectF& visible = culling_.visible();
    const double cap = 4.0 * (visible.width() + visible.height()) + 4.0;
    double deviceWidth = std::min(std::abs(double(width) * transform_.pixelsPerUnit()), cap);
    // QPen refuses a width of 32768 pixels or more and keeps one pixel instead.
    deviceWidth = std::isnan(deviceWidth) ? 0.0 : std::min(deviceWidth, kWidestPen);
    culling_.setPenPixels(std::max(deviceWidth, 1.0));
    QPen pen(inkColour());
    if (deviceWidth < 1.0) {
        pen.setWidth(0);  // cosmetic: exactly one device pixel, however thin the request
    } else {
        pen.setWidthF(deviceWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    }
    painter_.setPen(pen);
}

void PainterSurface::setBlackBrush(bool black) {
    blackBrush_ = black;
    painter_.setBrush(black ? QBrush(inkColour()) : QBrush(Qt::white));
}

void PainterSurface::setInk(std::uint32_t rgb) {
    ink_ = rgb & 0xFFFFFFu;
    setPen(penWidth_);
    setBlackBrush(blackBrush_);
}

void PainterSurface::setHatchedZones(bool hatched) {
    hatchedZones_ = hatched;
    setPen(penWidth_);
    setBlackBrush(blackBrush_);
}

QColor PainterSurface::inkColour() const {
    if (hatchedZones_) return ink_ == 0xFFFFFFu ? Qt::white : Qt::black;
    return QColor::fromRgb(QRgb(0xFF000000u | ink_));
}

bool PainterSurface::blackInk() const {
    return inkColour() == QColor(Qt::black);
}

// Each segment cut to the device; round caps at the cuts lie outside what shows.
void PainterSurface::drawClippedSegments(const QPolygonF& chain) {
    const QRectF rect = clipRect();
    for (qsizetype i = 1; i < chain.size(); ++i) {
        if (const auto part = ClipSegment(chain[i - 1], chain[i], rect))
            painter_.drawLine(part->first, part->second);
    }
}

void PainterSurface::drawGlyphs(const GlyphRun& glyphs) {
    ++glyphRuns_;
    DrawGlyphRun(painter_, glyphs, restrictedArea_);
}

void PainterSurface::drawHeldGlyphs() {
    if (std::optional<GlyphRun> run = held_.release()) drawGlyphs(*run);
}

void PainterSurface::settleHeldGlyphs(const QPolygonF& whiteCell) {
    if (std::optional<GlyphRun> run = held_.settle(whiteCell)) drawGlyphs(*run);
}

void PainterSurface::fillWhite(const Box& box) {
    drawHeldGlyphs();
    black_.drewOther();
    const QRectF area = toDevice(box).intersected(clipRect());
    if (!area.isEmpty()) painter_.fillRect(area, Qt::white);
}

void PainterSurface::line(Point from, Point to) {
    drawHeldGlyphs();
    if (blackInk() && black_.allBlack()) return;
    const QPolygonF chain{toDevice(from), toDevice(to)};
    if (culling_.missesPainted(chain.boundingRect())) return;
    if (nearDevice(chain)) {
        painter_.drawLine(chain[0], chain[1]);
    } else {
        drawClippedSegments(chain);
    }
}

void PainterSurface::polyline(std::span<const Point> points) {
    drawHeldGlyphs();
    if (points.empty() || (blackInk() && black_.allBlack())) return;
    QPolygonF device;
    device.reserve(qsizetype(points.size()));
    for (const Point& p : points) device << toDevice(p);
    if (culling_.missesPainted(device.boundingRect())) return;
    if (nearDevice(device)) {
        painter_.drawPolyline(device);
    } else {
        drawClippedSegments(device);
    }
}

void PainterSurface::arc(const Box& bounds, Point start, Point end) {
    drawHeldGlyphs();
    if (blackInk() && black_.allBlack()) return;
    const QRectF rect = toDevice(bounds);
    if (rect.isEmpty() || culling_.missesPainted(rect)) return;
    // Angles of the two rays in y-up space; QPainterPath measures counterclockwise as seen on
    // the device, which is the same sense once y is flipped, so the angles carry over as they are.
    const double cx = (double(bounds.left) + double(bounds.right)) / 2.0;
    const double cy = (double(bounds.top) + double(bounds.bottom)) / 2.0;
    const double a0 = std::atan2(start.y - cy, start.x - cx) * 180.0 / std::numbers::pi;
    const double a1 = std::atan2(end.y - cy, end.x - cx) * 180.0 / std::numbers::pi;
    double sweep = std::fmod(a1 - a0, 360.0);
    if (sweep <= 0.0) sweep += 360.0;  // coinciding rays give the whole circle
    if (!nearDevice(QPolygonF(rect))) {
        // A circle far larger than the device: only its chords near the device can show.
        const QRectF area = clipRect();
        const QPointF c = rect.center();
        const double radius = rect.width() / 2.0;
        const double dx = std::max({area.left() - c.x(), 0.0, c.x() - area.right()});
        const double dy = std::max({area.top() - c.y(), 0.0, c.y() - area.bottom()});
        const double farX = std::max(std::abs(c.x() - area.left()), std::abs(c.x() - area.right()));
        const double farY = std::max(std::abs(c.y() - area.top()), std::abs(c.y() - area.bottom()));
        if (radius < std::hypot(dx, dy) || radius > std::hypot(farX, farY)) return;
        const std::vector<QPointF> points = ArcPoints(c, radius, a0, sweep);
        drawClippedSegments(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        return;
    }
    QPainterPath path;
    path.arcMoveTo(rect, a0);
    path.arcTo(rect, a0, sweep);
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    painter_.drawPath(path);
    painter_.restore();
}

void PainterSurface::ellipse(const Box& bounds) {
    drawHeldGlyphs();
    const QRectF rect = toDevice(bounds);
    if (!rect.intersects(clipRect()) && !rect.isEmpty()) return;
    if (blackBrush_ && blackInk() && black_.allBlack()) return;
    if (culling_.missesPainted(rect)) return;
    black_.drewOther();
    painter_.drawEllipse(rect);
}

void PainterSurface::polygon(std::span<const Point> points) {
    drawHeldGlyphs();
    if (points.empty()) return;
    QPolygonF device;
    device.reserve(qsizetype(points.size()));
    for (const Point& p : points) device << toDevice(p);
    if (blackBrush_) {
        if (blackInk() && black_.allBlack()) return;
        if (coversDevice(device)) {
            painter_.fillRect(clipRect(), inkColour());
            if (blackInk()) {
                black_.coveredDevice();
            } else {
                black_.drewOther();
            }
            return;
        }
    }
    const bool mayBeLarge = BlackCoverage::MayBeLarge(device.boundingRect(), culling_.visible());
    if (!nearDevice(device) || mayBeLarge) {
        device = ClipPolygon(device, clipRect());
        if (device.isEmpty()) return;
    }
    if (blackBrush_ && mayBeLarge) {
        const QRectF& visible = culling_.visible();
        if (!black_.admits(PolygonArea(device) / (visible.width() * visible.height()))) return;
    }
    if (culling_.missesPainted(device.boundingRect())) return;
    black_.drewOther();
    painter_.drawPolygon(device);
}

void PainterSurface::zone(std::span<const Point> points, std::uint32_t rgb, ZoneHatch hatch) {
    drawHeldGlyphs();
    if (points.size() < 3) return;
    QPolygonF device;
    device.reserve(qsizetype(points.size()));
    for (const Point& p : points) device << toDevice(p);
    if (!nearDevice(device)) device = ClipPolygon(device, clipRect());
    if (device.isEmpty() || culling_.missesPainted(device.boundingRect())) return;
    black_.drewOther();
    painter_.save();
    if (hatchedZones_) {
        if (hatch != ZoneHatch::Falling)
            HatchBand(painter_, device, ZoneHatch::Rising, transform_, culling_.painted());
        if (hatch != ZoneHatch::Rising)
            HatchBand(painter_, device, ZoneHatch::Falling, transform_, culling_.painted());
    } else {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(QColor::fromRgb(QRgb(0xFF000000u | rgb)));
        painter_.drawPolygon(device);
    }
    painter_.restore();
}

void PainterSurface::setFont(const FontChoice& font) {
    fonts_.setFont(font);
}

Extent PainterSurface::measureText(std::string_view text) {
    return fonts_.measureText(text);
}

Box PainterSurface::measureWrapped(const Box& box, std::string_view text) {
    return fonts_.measureWrapped(box, text);
}

// The characters of a line whose advances reach the device, with an em to spare for overhangs,
// and where the first of them starts, in the face's units: a long line shows a few of them.
PainterSurface::GlyphRange PainterSurface::glyphsOnDevice(const QTransform& cell,
                                                          const QString& text) {
    bool invertible = false;
    const QTransform toFace = cell.inverted(&invertible);
    if (!invertible) return {};
    const QRectF shown = toFace.map(QPolygonF(clipRect())).boundingRect();
    const double em = kReferencePixelSize;
    GlyphRange range;
    double x = 0.0;
    while (range.first < text.size() &&
           x + fonts_.face().charAdvance(text[range.first]) < shown.left() - em)
        x += fonts_.face().charAdvance(text[range.first++]);
    range.start = x;
    range.last = range.first;
    while (range.last < text.size() && x <= shown.right() + em)
        x += fonts_.face().charAdvance(text[range.last++]);
    range.end = x;
    return range;
}

void PainterSurface::drawLine(Point topLeft, const QString& text) {
    const double ascent = fonts_.face().metrics.ascent();
    const double cellHeight = ascent + fonts_.face().metrics.descent();
    const double pxPerRef = fonts_.unitsPerRefPx() * transform_.pixelsPerUnit();
    // Drawn in device space turned by the escapement (y down, so counterclockwise is negative),
    // which keeps the glyphs upright instead of mirrored by a y-up transform.
    const double width = fonts_.advance(text);
    QTransform cell;
    cell.translate(toDevice(topLeft).x(), toDevice(topLeft).y());
    cell.rotate(-double(fonts_.font().escapement) / 10.0);
    cell.scale(pxPerRef * fonts_.stretch(), pxPerRef);
    const QPolygonF cellOnDevice = cell.map(QPolygonF(QRectF(0.0, 0.0, width, cellHeight)));
    // A text whose cell lies off the device shows nothing (its glyphs may be enormous).
    if (!cellOnDevice.boundingRect().intersects(clipRect())) return;
    // Glyphs may overhang their cell a little; a fraction of the cell's height covers that.
    if (Misses(cellOnDevice.boundingRect(), cellHeight * pxPerRef / 2.0 + 2.0, culling_.painted()))
        return;
    black_.drewOther();
    // A numeral far longer than the device shows only the digits that reach it, and only that
    // stretch of its cell; its characters' places are exact sums of their advances, so those
    // are drawn alone.
    GlyphRange range{0, text.size(), 0.0, width};
    if (IsNumeral(text)) range = glyphsOnDevice(cell, text);
    const QRectF shownCell(range.start, 0.0, range.end - range.start, cellHeight);
    if (!nearDevice(cell.map(QPolygonF(shownCell)))) {
        drawGiantLine(cell, cellOnDevice, text);
        return;
    }
    const QString shown = range.first == 0 && range.last == text.size()
                              ? text
                              : text.mid(range.first, range.last - range.first);
    settleHeldGlyphs(cell.map(QPolygonF(shownCell)));
    painter_.save();
    const bool exact = cell.type() > QTransform::TxScale && !turnedCellClip_.isEmpty();
    if (exact) painter_.setClipRegion(turnedCellClip_);
    painter_.setTransform(cell, true);
    painter_.fillRect(shownCell, Qt::white);
    painter_.restore();
    GlyphRun glyphs{cell,
                    fonts_.face().font,
                    QPointF(range.start, ascent),
                    shown,
                    textDrawing_ == TextDrawing::Outlines ||
                        (outlineText_ && kReferencePixelSize * pxPerRef > kLargestCachedGlyph),
                    exact,
                    {},
                    inkColour()};
    // A numeral's digits stand between the baseline and the cap height, a little inside its
    // advances: the next numeral's white cell may cover them whole.
    if (holdNumeralGlyphs_ && IsNumeral(text)) {
        const double cap = fonts_.face().metrics.capHeight();
        const QRectF ink(range.start - 0.1 * cap, ascent - 1.1 * cap,
                         range.end - range.start + 0.2 * cap, 1.2 * cap);
        // Only what lies on the device can show.
        glyphs.ink = ClipPolygon(cell.map(QPolygonF(ink)), culling_.visible());
        held_.hold(std::move(glyphs));
        return;
    }
    drawGlyphs(glyphs);
}

// Glyphs far larger than the device: the raster engine would flatten their curves at full size.
// The outlines are cut to the device in the face's own small coordinates first, where that is
// cheap, and only the part that shows is filled.
void PainterSurface::drawGiantLine(const QTransform& cell, const QPolygonF& cellOnDevice,
                                   const QString& text) {
    settleHeldGlyphs(coversDevice(cellOnDevice) ? QPolygonF(clipRect())
                                                : ClipPolygon(cellOnDevice, clipRect()));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::white);
    if (coversDevice(cellOnDevice)) {
        painter_.fillRect(clipRect(), Qt::white);  // a plain fill, many times faster
    } else {
        painter_.drawPolygon(ClipPolygon(cellOnDevice, clipRect()));
    }
    // Other texts than numerals are shaped whole: their characters' places are not the sums of
    // their advances. There are only the four labels of them.
    const GlyphRange range =
        IsNumeral(text) ? glyphsOnDevice(cell, text) : GlyphRange{0, text.size(), 0.0, 0.0};
    if (range.last > range.first) {
        QPainterPath outline;
        outline.addText(QPointF(range.start, fonts_.face().metrics.ascent()), fonts_.face().font,
                        text.mid(range.first, range.last - range.first));
        giantGlyphs_ += range.last - range.first;
        // The contours, flattened at the face's own size, are cut to the device after the turn
        // and scaling; a general path intersection would cost seconds per line. The cuts run
        // along the clip's edges, outside what shows, and leave the winding inside unchanged.
        QPainterPath cut;
        cut.setFillRule(Qt::WindingFill);
        const QRectF area = clipRect();
        for (const QPolygonF& contour : outline.toSubpathPolygons()) {
            const QPolygonF part = ClipPolygon(cell.map(contour), area);
            if (part.size() < 3) continue;
            cut.addPolygon(part);
            cut.closeSubpath();
        }
        painter_.fillPath(cut, inkColour());
    }
    painter_.restore();
}

void PainterSurface::textOut(Point topLeft, std::string_view text) {
    drawLine(topLeft, ToQString(text));
}

void PainterSurface::drawWrapped(const Box& box, std::string_view text) {
    const int boxWidth = ClampToInt(std::int64_t{box.right} - box.left);
    const std::vector<QString> lines = fonts_.wrapLines(ToQString(text), boxWidth);
    const int cell = measureText({}).height;
    std::int64_t top = box.top;
    for (const QString& l : lines) {
        const std::int64_t left = box.left + (std::int64_t{boxWidth} - fonts_.widthInUnits(l)) / 2;
        drawLine(Point{ClampToInt(left), ClampToInt(top)}, l);
        top -= cell;
    }
}

bool PainterSurface::mayShow(std::span<const RealPoint> convexPolygon) const {
    QPolygonF device;
    for (const RealPoint& p : convexPolygon) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return true;
        device << QPointF(transform_.origin.x() + p.x * transform_.pixelsPerUnit(),
                          transform_.origin.y() - p.y * transform_.pixelsPerUnit());
    }
    return culling_.mayShow(device);
}

double PainterSurface::smallestVisibleTurn() const {
    return culling_.smallestVisibleTurn(transform_.origin);
}

void PainterSurface::drawImage(const QImage& image, const Box& dest) {
    drawHeldGlyphs();
    if (image.isNull()) return;
    const QRectF target = toDevice(dest);
    if (Misses(target, 1.0, culling_.painted())) return;
    black_.drewOther();
    if (nearDevice(QPolygonF(target))) {
        painter_.drawImage(target, image);
        return;
    }
    // Only the part of the picture that falls on the device, taken from the matching part of
    // the source.
    const QRectF shown = target.intersected(clipRect());
    if (shown.isEmpty() || target.width() <= 0.0 || target.height() <= 0.0) return;
    const double kx = image.width() / target.width();
    const double ky = image.height() / target.height();
    const QRectF source((shown.left() - target.left()) * kx, (shown.top() - target.top()) * ky,
                        shown.width() * kx, shown.height() * ky);
    painter_.drawImage(shown, image, source);
}

void PainterSurface::drawVector(const VectorPicture& picture, const Box& dest) {
    drawHeldGlyphs();
    const QSize size = picture.size();
    if (picture.isNull() || size.isEmpty()) return;
    const QRectF target = toDevice(dest);
    if (target.isEmpty() || Misses(target, 1.0, culling_.painted())) return;
    black_.drewOther();
    const QTransform place =
        QTransform::fromScale(target.width() / size.width(), target.height() / size.height()) *
        QTransform::fromTranslate(target.left(), target.top());
    // Far larger than the device: the outlines, flattened at the picture's own size, are cut to
    // the device after scaling, as giant glyphs are; the winding inside stays as it was.
    const bool whole = nearDevice(QPolygonF(target));
    painter_.save();
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(Qt::black);
    for (const QPainterPath& outline : picture.outlines()) {
        if (whole) {
            painter_.drawPath(place.map(outline));
            continue;
        }
        QPainterPath cut;
        cut.setFillRule(outline.fillRule());
        for (const QPolygonF& contour : outline.toSubpathPolygons()) {
            const QPolygonF part = ClipPolygon(place.map(contour), clipRect());
            if (part.size() < 3) continue;
            cut.addPolygon(part);
            cut.closeSubpath();
        }
        painter_.drawPath(cut);
    }
    painter_.restore();
}

void PainterSurface::drawSvg(QSvgRenderer& drawing, const Box& dest) {
    drawHeldGlyphs();
    const QRectF target = toDevice(dest);
    if (!drawing.isValid() || target.isEmpty() || Misses(target, 1.0, culling_.painted())) return;
    black_.drewOther();
    // The drawing sets its own pens, brushes and smoothing; the 1-bit canvas is thresholded
    // after painting, so its smoothed edges still come out black or white.
    painter_.save();
    drawing.render(&painter_, target);
    painter_.restore();
}

void PainterSurface::drawUnderlay(const QImage& image, Point corner, Extent size, double angle,
                                  int dim) {
    drawHeldGlyphs();
    if (image.isNull() || size.width <= 0 || size.height <= 0) return;
    const double k = transform_.pixelsPerUnit();
    const QPointF at = toDevice(corner);
    // The image's pixels onto the device: its bottom row at the corner, scaled, then turned
    // (counterclockwise on the plate is clockwise with y down).
    QTransform place;
    place.translate(at.x(), at.y());
    place.rotate(-angle);
    place.scale(size.width * k / image.width(), size.height * k / image.height());
    place.translate(0.0, -image.height());
    const QRectF reach = place.mapRect(QRectF(image.rect()));
    if (Misses(reach, 1.0, culling_.painted())) return;
    black_.drewOther();
    painter_.save();
    painter_.setCompositionMode(QPainter::CompositionMode_Multiply);
    // Multiplied in at part strength, the picture is lightened toward white where the plate is
    // white, and ink stays ink.
    painter_.setOpacity(1.0 - std::clamp(dim, 0, 100) / 100.0);
    painter_.setWorldTransform(place, true);
    painter_.drawImage(QPointF(0.0, 0.0), image);
    painter_.restore();
}

}  // namespace quirn
