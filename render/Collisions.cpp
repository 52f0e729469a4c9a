// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/Collisions.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <cmath>
#include <numbers>

#include "model/PlateFrame.h"
#include "model/ScaleLaw.h"
#include "render/DeviceClip.h"
#include "render/FontMeasure.h"
#include "render/PlateOutline.h"
#include "render/ScaleDrawing.h"
#include "render/Scales.h"

namespace quirn {
namespace {

using I = std::int64_t;

// Cells that share less than this area (in square drawing units: 1 mm by 0.01 mm) only touch.
constexpr double kTouchingArea = 100.0;
// A cell is taken this far inside itself when it is held against the plate's edge, so that an
// element brought onto the plate, flush with its edge, does not cross it.
constexpr double kEdgeSlack = 5.0;
constexpr double kHoleMarkRadius = 150.0;

// A surface that draws nothing and keeps the cells of the texts it is given, as measured with
// the screen's faces.
class TextCells : public DrawingSurface {
  public:
    void setPen(int) override {}
    void setBlackBrush(bool) override {}
    void setInk(std::uint32_t) override {}
    void fillWhite(const Box&) override {}
    void line(Point, Point) override {}
    void polyline(std::span<const Point>) override {}
    void arc(const Box&, Point, Point) override {}
    void ellipse(const Box&) override {}
    void polygon(std::span<const Point>) override {}
    void zone(std::span<const Point>, std::uint32_t, ZoneHatch) override {}
    void drawImage(const QImage&, const Box&) override {}
    void drawVector(const VectorPicture&, const Box&) override {}
    void drawWrapped(const Box&, std::string_view) override {}
    void setFont(const FontChoice& font) override {
        font_ = font;
        measure_.setFont(font);
    }
    Extent measureText(std::string_view text) override { return measure_.measureText(text); }
    Box measureWrapped(const Box& box, std::string_view text) override {
        return measure_.measureWrapped(box, text);
    }
    // The cell hangs from its top-left corner, turned counterclockwise by the escapement.
    void textOut(Point topLeft, std::string_view text) override {
        const Extent e = measure_.measureText(text);
        const double turn = double(font_.escapement) / 10.0 * std::numbers::pi / 180.0;
        const RealPoint along{std::cos(turn), std::sin(turn)};
        const RealPoint down{std::sin(turn), -std::cos(turn)};
        const RealPoint p{double(topLeft.x), double(topLeft.y)};
        const double w = e.width;
        const double h = e.height;
        PlateItem item;
        item.kind = PlateItemKind::ScaleText;
        item.scale = scale;
        item.text = std::string(text);
        item.cell = {RealPoint{p.x, p.y}, RealPoint{p.x + w * along.x, p.y + w * along.y},
                     RealPoint{p.x + w * along.x + h * down.x, p.y + w * along.y + h * down.y},
                     RealPoint{p.x + h * down.x, p.y + h * down.y}};
        items.push_back(std::move(item));
    }

    int scale = 0;
    std::vector<PlateItem> items;

  private:
    FontMeasure measure_{false};
    FontChoice font_;
};

QPolygonF Polygon(const std::array<RealPoint, 4>& cell) {
    QPolygonF polygon;
    for (const RealPoint& p : cell) polygon << QPointF(p.x, p.y);
    return polygon;
}

bool Overlap(const QPolygonF& a, const QPolygonF& b) {
    if (!a.boundingRect().intersects(b.boundingRect())) return false;
    return PolygonArea(a.intersected(b)) > kTouchingArea;
}

// The cell drawn a little inside itself, each corner toward the middle.
QPolygonF Inset(const QPolygonF& cell) {
    QPointF middle;
    for (const QPointF& p : cell) middle += p / double(cell.size());
    QPolygonF inside;
    for (const QPointF& p : cell) {
        const QPointF toMiddle = middle - p;
        const double length = std::hypot(toMiddle.x(), toMiddle.y());
        inside << (length > 2 * kEdgeSlack ? p + toMiddle * (kEdgeSlack / length) : middle);
    }
    return inside;
}

// The plate inside its nominal edge, less the pointer's cut-out.
QPainterPath PlateArea(const ScaleParameters& p, int halfPlateWidth) {
    const PlateFrame frame = FrameOf(p);
    const double hw = halfPlateWidth;
    const double bottom = double(frame.bottom);
    QPainterPath plate;
    if (frame.shape == PlateShape::Square) {
        const double top = double(frame.top);
        const double cornerBevel = double(frame.bevel);
        plate.addPolygon(QPolygonF{{-hw, bottom},
                                   {-hw, top - cornerBevel},
                                   {cornerBevel - hw, top},
                                   {hw - cornerBevel, top},
                                   {hw, top - cornerBevel},
                                   {hw, bottom}});
    } else {
        const double r = double(frame.outerRadius);
        QPainterPath circle;
        circle.addEllipse(QPointF(0, 0), r, r);
        QPainterPath band;
        band.addRect(QRectF(QPointF(-hw, bottom), QPointF(hw, std::max(r, bottom))));
        plate = circle.intersected(band);
    }
    plate.closeSubpath();
    const double rin = p.innerRadius;
    QPainterPath cutOut;
    cutOut.addEllipse(QPointF(0, 0), rin, rin);
    cutOut.addRect(QRectF(QPointF(-rin, bottom - 1), QPointF(rin, 0)));
    cutOut.setFillRule(Qt::WindingFill);
    return plate.subtracted(cutOut.simplified());
}

std::vector<QPolygonF> HoleMarks(const ScaleParameters& p) {
    std::vector<QPolygonF> marks;
    const double k = double(p.mountingHoleSpacing) / 2;
    for (const double x : {-k, k}) {
        QPolygonF circle;
        for (int i = 0; i < 32; ++i) {
            const double a = i * 2 * std::numbers::pi / 32;
            circle << QPointF(x + kHoleMarkRadius * std::cos(a),
                              double(p.mountingAboveAxis) + kHoleMarkRadius * std::sin(a));
        }
        marks.push_back(circle);
    }
    return marks;
}

std::vector<PlateItem> Items(const Scene& scene, const ScaleLayout& laid) {
    std::vector<PlateItem> items;
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const auto e = static_cast<MovableElement>(i);
        const Extent size = laid.sizes[std::size_t(i)];
        if (size.width <= 0 || size.height <= 0) continue;
        const Box b =
            ElementBox(e, laid.layout.anchors[std::size_t(i)], size,
                       e == MovableElement::OriginLabel ? laid.originLabelWrap : std::nullopt);
        PlateItem item;
        item.element = e;
        item.cell = {RealPoint{double(b.left), double(b.top)},
                     RealPoint{double(b.right), double(b.top)},
                     RealPoint{double(b.right), double(b.bottom)},
                     RealPoint{double(b.left), double(b.bottom)}};
        items.push_back(std::move(item));
    }
    TextCells texts;
    for (const ResolvedScale& s : ResolveScales(scene.params)) {
        texts.scale = s.number;
        DrawScale(texts, s, LookOf(scene.params, s.number));
    }
    items.insert(items.end(), texts.items.begin(), texts.items.end());
    return items;
}

}  // namespace

std::vector<Collision> FindCollisions(const Scene& scene, const ScaleLayout& laid) {
    const std::vector<PlateItem> items = Items(scene, laid);
    std::vector<QPolygonF> cells;
    for (const PlateItem& item : items) cells.push_back(Polygon(item.cell));
    const QPainterPath plate = PlateArea(scene.params, laid.layout.halfPlateWidth);
    const std::vector<QPolygonF> holes = HoleMarks(scene.params);
    std::vector<Collision> found;
    for (std::size_t i = 0; i < items.size(); ++i) {
        Collision c{items[i]};
        for (std::size_t k = 0; k < items.size() && !c.overlapsAnother; ++k)
            c.overlapsAnother = k != i && Overlap(cells[i], cells[k]);
        for (const QPolygonF& hole : holes)
            c.overlapsAnother = c.overlapsAnother || Overlap(cells[i], hole);
        QPainterPath cell;
        cell.addPolygon(Inset(cells[i]));
        cell.closeSubpath();
        c.crossesEdge = !plate.contains(cell);
        if (c.overlapsAnother || c.crossesEdge) found.push_back(std::move(c));
    }
    return found;
}

}  // namespace quirn
