#include "view/CollisionFrames.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "render/DrawingTransform.h"
#include "render/FontMeasure.h"
#include "render/RenderScale.h"
#include "render/Scales.h"

namespace quirn {
namespace {

// Cells that overlap or cross an edge by no more than this many drawing units (0.05 mm, under a
// pixel at every zoom below 6) merely touch: rounding alone makes neighbours do so.
constexpr double kHair = 5.0;
// The mounting holes' radius, as the plate's outline draws them.
constexpr double kHoleRadius = 150.0;
const QColor kFrame(255, 0, 0);

// Records the cell of every text the graduation draws, measured in the faces it is drawn in.
class CellRecorder : public DrawingSurface {
  public:
    std::vector<ElementCell> cells;

    void setPen(int) override {}
    void setBlackBrush(bool) override {}
    void fillWhite(const Box&) override {}
    void line(Point, Point) override {}
    void polyline(std::span<const Point>) override {}
    void arc(const Box&, Point, Point) override {}
    void ellipse(const Box&) override {}
    void polygon(std::span<const Point>) override {}
    void zone(std::span<const Point>, std::uint32_t) override {}
    void drawImage(const QImage&, const Box& dest) override { add(dest); }
    void setFont(const FontSpec& font) override {
        font_ = font;
        measure_.setFont(font);
    }
    Extent measureText(std::string_view text) override { return measure_.measureText(text); }
    Box measureWrapped(const Box& box, std::string_view text) override {
        return measure_.measureWrapped(box, text);
    }
    void drawWrapped(const Box& box, std::string_view) override { add(box); }
    // The cell hangs from topLeft and runs along the escapement, counterclockwise.
    void textOut(Point topLeft, std::string_view text) override {
        const Extent e = measureText(text);
        if (e.width <= 0 || e.height <= 0) return;
        const double turn = font_.escapement / 10.0 * std::numbers::pi / 180.0;
        const RealPoint along{std::cos(turn) * e.width, std::sin(turn) * e.width};
        const RealPoint down{std::sin(turn) * e.height, -std::cos(turn) * e.height};
        const RealPoint a{double(topLeft.x), double(topLeft.y)};
        cells.push_back({{a,
                          {a.x + along.x, a.y + along.y},
                          {a.x + along.x + down.x, a.y + along.y + down.y},
                          {a.x + down.x, a.y + down.y}}});
    }

  private:
    void add(const Box& b) {
        if (b.left == b.right || b.top == b.bottom) return;
        cells.push_back({{RealPoint{double(b.left), double(b.top)},
                          {double(b.right), double(b.top)},
                          {double(b.right), double(b.bottom)},
                          {double(b.left), double(b.bottom)}}});
    }

    FontMeasure measure_;
    FontSpec font_;
};

struct Span {
    double low = 0.0;
    double high = 0.0;
};

Span Project(const std::array<RealPoint, 4>& corners, RealPoint axis) {
    Span s{INFINITY, -INFINITY};
    for (const RealPoint& c : corners) {
        const double v = c.x * axis.x + c.y * axis.y;
        s.low = std::min(s.low, v);
        s.high = std::max(s.high, v);
    }
    return s;
}

// Whether two convex cells overlap deeper than a hair along every axis that could part them.
bool Overlap(const ElementCell& a, const ElementCell& b) {
    for (const ElementCell* cell : {&a, &b}) {
        for (std::size_t i = 0; i < 4; ++i) {
            const RealPoint p = cell->corners[i];
            const RealPoint q = cell->corners[(i + 1) % 4];
            const double length = std::hypot(q.x - p.x, q.y - p.y);
            if (!(length > 0.0)) continue;
            const RealPoint normal{(p.y - q.y) / length, (q.x - p.x) / length};
            const Span sa = Project(a.corners, normal);
            const Span sb = Project(b.corners, normal);
            if (std::min(sa.high, sb.high) - std::max(sa.low, sb.low) <= kHair) return false;
        }
    }
    return true;
}

// Whether a convex cell reaches deeper than a hair into the disc.
bool ReachesDisc(const ElementCell& cell, RealPoint centre, double radius) {
    double nearest = INFINITY;
    bool inside = true;
    double sense = 0.0;
    for (std::size_t i = 0; i < 4; ++i) {
        const RealPoint p = cell.corners[i];
        const RealPoint q = cell.corners[(i + 1) % 4];
        const RealPoint d{q.x - p.x, q.y - p.y};
        const double cross = d.x * (centre.y - p.y) - d.y * (centre.x - p.x);
        if (cross != 0.0) {
            if (sense == 0.0) sense = cross;
            if ((cross > 0.0) != (sense > 0.0)) inside = false;
        }
        const double squared = d.x * d.x + d.y * d.y;
        const double t =
            squared > 0.0
                ? std::clamp(((centre.x - p.x) * d.x + (centre.y - p.y) * d.y) / squared, 0.0, 1.0)
                : 0.0;
        nearest = std::min(nearest, std::hypot(p.x + t * d.x - centre.x, p.y + t * d.y - centre.y));
    }
    return inside || nearest < radius - kHair;
}

// The edges the plate is cut along, in drawing units, as its outline draws them inside their
// lines: the outline, the pointer cut-out and the two mounting holes.
struct PlateEdges {
    bool radial = false;
    double half = 0.0;
    double bottom = 0.0;
    double top = 0.0;      // a square plate's
    double chamfer = 0.0;  // a square plate's top corners
    double outerRadius = 0.0;
    double cutOutRadius = 0.0;
    std::array<RealPoint, 2> holes{};

    PlateEdges(const ScaleParameters& p, int halfPlateWidth)
        : radial(p.shape != 0),
          half(halfPlateWidth),
          bottom(-(double(p.Los_niz) - p.Los_os)),
          top(double(p.Hshk) + bottom),
          chamfer(std::max(double(p.skos), 0.0)),
          outerRadius(p.Rout),
          cutOutRadius(p.Rin),
          holes{{{-double(p.Lkrep / 2), double(p.Los_os)},
                 {double(p.Lkrep / 2), double(p.Los_os)}}} {}

    bool outside(RealPoint c) const {
        if (std::abs(c.x) > half + kHair || c.y < bottom - kHair) return true;
        if (radial) return std::hypot(c.x, c.y) > outerRadius + kHair;
        if (c.y > top + kHair) return true;
        return chamfer > 0.0 &&
               (std::abs(c.x) + c.y - (half + top - chamfer)) / std::numbers::sqrt2 > kHair;
    }

    bool crossedBy(const ElementCell& cell) const {
        // The outer shape is convex: a cell lies within it when all its corners do.
        for (const RealPoint& c : cell.corners)
            if (outside(c)) return true;
        if (cutOutRadius > 0.0) {
            const ElementCell slot{{RealPoint{-cutOutRadius, 0.0},
                                    {cutOutRadius, 0.0},
                                    {cutOutRadius, bottom},
                                    {-cutOutRadius, bottom}}};
            if (Overlap(cell, slot) || ReachesDisc(cell, {0.0, 0.0}, cutOutRadius)) return true;
        }
        for (const RealPoint& hole : holes)
            if (ReachesDisc(cell, hole, kHoleRadius)) return true;
        return false;
    }
};

double Left(const ElementCell& c) {
    return std::min({c.corners[0].x, c.corners[1].x, c.corners[2].x, c.corners[3].x});
}
double Right(const ElementCell& c) {
    return std::max({c.corners[0].x, c.corners[1].x, c.corners[2].x, c.corners[3].x});
}

}  // namespace

bool ElementCell::operator==(const ElementCell& other) const {
    for (std::size_t i = 0; i < 4; ++i)
        if (corners[i].x != other.corners[i].x || corners[i].y != other.corners[i].y) return false;
    return true;
}

std::vector<ElementCell> ScaleTextCells(const ScaleParameters& p) {
    CellRecorder recorder;
    DrawScales(recorder, p);
    return std::move(recorder.cells);
}

std::vector<ElementCell> PlacedCells(const RenderState& state) {
    std::vector<ElementCell> cells;
    for (int i = 0; i < kDrawnElementCount; ++i) {
        const Extent size = state.drawnSizes[std::size_t(i)];
        if (size.width == 0 || size.height == 0) continue;  // hidden, or no picture
        const auto e = static_cast<MovableElement>(i);
        const Box b =
            ElementBox(e, state.layout.anchors[std::size_t(i)], size,
                       e == MovableElement::OriginLabel ? state.originLabelWrap : std::nullopt);
        cells.push_back({{RealPoint{double(b.left), double(b.top)},
                          {double(b.right), double(b.top)},
                          {double(b.right), double(b.bottom)},
                          {double(b.left), double(b.bottom)}}});
    }
    return cells;
}

std::vector<bool> Collisions(const std::vector<ElementCell>& cells, const ScaleParameters& p,
                             int halfPlateWidth) {
    const PlateEdges edges(p, halfPlateWidth);
    std::vector<bool> colliding(cells.size(), false);
    for (std::size_t i = 0; i < cells.size(); ++i) colliding[i] = edges.crossedBy(cells[i]);
    // Swept from left to right: a graduation holds a thousand numerals or more.
    std::vector<std::size_t> order(cells.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return Left(cells[a]) < Left(cells[b]); });
    for (std::size_t k = 0; k < order.size(); ++k) {
        const ElementCell& a = cells[order[k]];
        const double right = Right(a);
        for (std::size_t m = k + 1; m < order.size() && Left(cells[order[m]]) < right; ++m) {
            if (!Overlap(a, cells[order[m]])) continue;
            colliding[order[k]] = colliding[order[m]] = true;
        }
    }
    return colliding;
}

const std::vector<ElementCell>& CollisionFrames::framed(const RenderState& state) {
    LayoutKey key{state.params, state.layout, state.drawnSizes, state.originLabelWrap};
    if (framedOf_ && *framedOf_ == key) return framed_;
    const int half = state.layout.halfPlateWidth;
    if (!scalesOf_ || *scalesOf_ != state.params || scalesHalf_ != half) {
        scaleCells_ = ScaleTextCells(state.params);
        scaleCellsCollide_ = Collisions(scaleCells_, state.params, half);
        scalesOf_ = state.params;
        scalesHalf_ = half;
    }
    const std::vector<ElementCell> placed = PlacedCells(state);
    // The placed cells are checked among themselves and with the plate, then against the
    // graduation's, whose own collisions are kept.
    std::vector<bool> placedCollide = Collisions(placed, state.params, half);
    std::vector<bool> scaleCollide = scaleCellsCollide_;
    for (std::size_t i = 0; i < placed.size(); ++i)
        for (std::size_t k = 0; k < scaleCells_.size(); ++k)
            if (Overlap(placed[i], scaleCells_[k])) placedCollide[i] = scaleCollide[k] = true;
    framed_.clear();
    for (std::size_t i = 0; i < placed.size(); ++i)
        if (placedCollide[i]) framed_.push_back(placed[i]);
    for (std::size_t k = 0; k < scaleCells_.size(); ++k)
        if (scaleCollide[k]) framed_.push_back(scaleCells_[k]);
    framedOf_ = std::move(key);
    return framed_;
}

void PaintCollisionFrames(QPainter& painter, const CanvasGeometry& g, QPoint scroll,
                          double devicePixelRatio, const std::vector<ElementCell>& cells) {
    if (cells.empty()) return;
    const DrawingTransform transform = DrawingTransform::OfCanvas(g);
    const double perUnit = transform.pixelsPerUnit() / devicePixelRatio;
    const QPointF origin = transform.origin / devicePixelRatio - QPointF(scroll);
    const auto client = [&](RealPoint p) {
        return QPointF(origin.x() + p.x * perUnit, origin.y() - p.y * perUnit);
    };
    const auto unit = [](QPointF v) {
        const double length = std::hypot(v.x(), v.y());
        return length > 0.0 ? v / length : QPointF();
    };
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(kFrame, 0);  // one device pixel whatever the zoom
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    for (const ElementCell& cell : cells) {
        QPolygonF frame;
        for (std::size_t i = 0; i < 4; ++i) {
            // A pixel and a half outside each side, clear of the glyphs the cell holds.
            const QPointF c = client(cell.corners[i]);
            const QPointF previous = client(cell.corners[(i + 3) % 4]);
            const QPointF next = client(cell.corners[(i + 1) % 4]);
            frame << c + 1.5 * (unit(c - previous) + unit(c - next));
        }
        painter.drawPolygon(frame);
    }
    painter.restore();
}

}  // namespace quirn
