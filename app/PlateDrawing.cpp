// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/PlateDrawing.h"

#include <QCoreApplication>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QtMath>
#include <algorithm>
#include <cmath>

#include "render/Graduation.h"
#include "view/panel/ParameterBar.h"

namespace quirn {
namespace {

using C = BarControl;

// The plate drawn, in millimetres about the pointer axis: near the program's default plate, with
// the mounting holes raised off the pointer axis so that both distances to them show.
struct Plate {
    double halfWidth = 35.0;
    double bottom = -4.0;  // the pointer axis lies 4 mm above the bottom edge
    double top = 52.0;
    double bevel = 10.0;
    double cutOut = 8.0;
    double holeX = 17.0;
    double holeY = 5.0;
    double holeRadius = 1.5;
    double outerRadius = 55.0;
    double tickRadius = 36.0;
    double halfAngle = 42.5;
    double bigTick = 5.0;
    double smallTick = 3.0;
    int divisions = 20;
    int bigEvery = 5;
};

constexpr double kPixelsPerMm = 6.5;
// The enlarged ticks: pixels per millimetre, and where their base line runs.
constexpr double kInsetPixelsPerMm = 19.5;
constexpr double kInsetBaseY = 310.0;

const QColor kPlateColour(Qt::black);
const QColor kDashedColour(110, 110, 110);
const QColor kDimensionColour(29, 78, 216);
const QColor kLabelColour(20, 50, 140);

QPointF At(double x, double y) {
    return {x * kPixelsPerMm, -y * kPixelsPerMm};
}

QPointF Polar(double radius, double degrees) {
    const double a = qDegreesToRadians(degrees);
    return At(radius * std::cos(a), radius * std::sin(a));
}

QRectF Circle(QPointF centre, double radiusPx) {
    return {centre.x() - radiusPx, centre.y() - radiusPx, 2 * radiusPx, 2 * radiusPx};
}

QPen Pen(const QColor& colour, double width, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, width, style);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

class Sketch {
  public:
    explicit Sketch(QGraphicsScene& scene) : scene_(scene) {}

    void Path(const QPainterPath& path, const QPen& pen, const QBrush& fill = Qt::NoBrush) {
        scene_.addPath(path, pen, fill);
    }
    void Line(QPointF a, QPointF b, const QPen& pen) { scene_.addLine(QLineF(a, b), pen); }
    void Extension(QPointF a, QPointF b) { Line(a, b, Pen(kDimensionColour, 0.8)); }

    // A dimension line from a to b with an arrowhead at each end.
    void Dimension(QPointF a, QPointF b) {
        Line(a, b, Pen(kDimensionColour, 1.0));
        Arrowhead(a, b);
        Arrowhead(b, a);
    }
    // A thin line from a feature, marked with a dot, to its label.
    void Leader(QPointF feature, QPointF label) {
        Line(feature, label, Pen(kDimensionColour, 0.8));
        scene_.addEllipse(Circle(feature, 2.0), Qt::NoPen, kDimensionColour);
    }
    // A caption placed by its anchor point and alignment, optionally turned to read upward.
    void Label(const QString& text, QPointF anchor, Qt::Alignment align, bool upward = false) {
        auto* item = scene_.addSimpleText(text, font_);
        item->setBrush(kLabelColour);
        const QRectF box = item->boundingRect();
        const double across = box.width();
        const double down = box.height();
        double x = align & Qt::AlignRight ? -across : align & Qt::AlignHCenter ? -across / 2 : 0;
        double y = align & Qt::AlignBottom ? -down : align & Qt::AlignVCenter ? -down / 2 : 0;
        if (upward) {
            // Turned a quarter to the left about its origin: its width runs up the page.
            item->setRotation(-90);
            item->setPos(anchor + QPointF(y, -x));
        } else {
            item->setPos(anchor + QPointF(x, y));
        }
        labels_.push_back(item);
    }
    void Numeral(const QString& text, QPointF centre) {
        auto* item = scene_.addSimpleText(text, font_);
        item->setPos(centre - item->boundingRect().center());
    }
    void Tick(double radius, double length, double width, double degrees, double pixelsPerMm) {
        // A rectangle from radius outward, width across, turned to its angle.
        const double a = qDegreesToRadians(degrees);
        const QPointF along(std::cos(a), -std::sin(a));
        const QPointF side(std::sin(a), std::cos(a));
        const QPointF base = along * radius * pixelsPerMm;
        const QPointF tip = along * (radius + length) * pixelsPerMm;
        const QPointF half = side * width * pixelsPerMm / 2;
        QPainterPath path;
        path.addPolygon(QPolygonF({base - half, tip - half, tip + half, base + half}));
        path.closeSubpath();
        Path(path, Qt::NoPen, kPlateColour);
    }

    const std::vector<QGraphicsSimpleTextItem*>& labels() const { return labels_; }

  private:
    void Arrowhead(QPointF tip, QPointF from) {
        const QLineF back(tip, from);
        if (back.length() < 1e-6) return;
        const QPointF unit = (from - tip) / back.length();
        const QPointF normal(-unit.y(), unit.x());
        const double length = std::min(7.0, back.length() / 2);
        QPainterPath head;
        head.addPolygon(QPolygonF(
            {tip, tip + unit * length + normal * 2.5, tip + unit * length - normal * 2.5}));
        head.closeSubpath();
        Path(head, Qt::NoPen, kDimensionColour);
    }

    QGraphicsScene& scene_;
    QFont font_{QStringLiteral("Liberation Sans"), 9};
    std::vector<QGraphicsSimpleTextItem*> labels_;
};

void DrawPlate(Sketch& s, const Plate& p) {
    const double w = p.halfWidth;
    QPainterPath outline(At(-p.cutOut, 0));
    for (const QPointF& corner :
         {At(-p.cutOut, p.bottom), At(-w, p.bottom), At(-w, p.top - p.bevel),
          At(-w + p.bevel, p.top), At(w - p.bevel, p.top), At(w, p.top - p.bevel), At(w, p.bottom),
          At(p.cutOut, p.bottom), At(p.cutOut, 0)})
        outline.lineTo(corner);
    outline.arcTo(Circle({}, p.cutOut * kPixelsPerMm), 0, 180);
    s.Path(outline, Pen(kPlateColour, 1.6));

    // The arched top of a radial plate, which meets the sides where the circle crosses them.
    const double meet = std::sqrt(p.outerRadius * p.outerRadius - w * w);
    const double from = qRadiansToDegrees(std::atan2(meet, w));
    QPainterPath arched(At(w, p.top - p.bevel));
    arched.lineTo(At(w, meet));
    arched.arcTo(Circle({}, p.outerRadius * kPixelsPerMm), from, 180 - 2 * from);
    arched.lineTo(At(-w, p.top - p.bevel));
    s.Path(arched, Pen(kDashedColour, 1.2, Qt::DashLine));

    for (const double x : {-p.holeX, p.holeX}) {
        const QPointF centre = At(x, p.holeY);
        QPainterPath hole;
        hole.addEllipse(Circle(centre, p.holeRadius * kPixelsPerMm));
        s.Path(hole, Pen(kPlateColour, 1.2), Qt::white);
        const double arm = p.holeRadius * kPixelsPerMm;
        s.Line(centre - QPointF(arm, 0), centre + QPointF(arm, 0), Pen(kPlateColour, 0.8));
        s.Line(centre - QPointF(0, arm), centre + QPointF(0, arm), Pen(kPlateColour, 0.8));
    }
    s.Line(At(-2.5, 0), At(2.5, 0), Pen(kPlateColour, 1.0));
    s.Line(At(0, -2.5), At(0, 2.5), Pen(kPlateColour, 1.0));

    for (int i = 0; i <= p.divisions; ++i) {
        const double degrees = ArcDegrees(p.halfAngle, ArcPlace::Division(i, p.divisions));
        const bool big = i % p.bigEvery == 0;
        s.Tick(p.tickRadius, big ? p.bigTick : p.smallTick, big ? 0.5 : 0.3, degrees, kPixelsPerMm);
    }
    const double numeralRadius = p.tickRadius + p.bigTick + 3.0;
    const auto numeral = [&](const QString& text, double fraction) {
        s.Numeral(text,
                  Polar(numeralRadius, ArcDegrees(p.halfAngle, ArcPlace::Fraction(fraction))));
    };
    numeral(QStringLiteral("0"), 0.0);
    numeral(QStringLiteral("5"), 0.5);
    numeral(QStringLiteral("10"), 1.0);
}

void MarkPlate(Sketch& s, const Plate& p) {
    const double w = p.halfWidth;
    const double right = w + 13.0;  // where the right-hand captions start
    const double left = -w - 12.0;  // where the left-hand captions end
    const auto rightLabel = [&](C id, double y) {
        s.Label(ParameterBar::Caption(id), At(right, y), Qt::AlignLeft | Qt::AlignVCenter);
    };
    const auto leftLabel = [&](const QString& text, double y) {
        s.Label(text, At(left, y), Qt::AlignRight | Qt::AlignVCenter);
    };

    // The bevel, over the top right corner.
    s.Extension(At(w - p.bevel, p.top + 0.5), At(w - p.bevel, p.top + 5.0));
    s.Extension(At(w, p.top - p.bevel + 0.5), At(w, p.top + 5.0));
    s.Dimension(At(w - p.bevel, p.top + 4.0), At(w, p.top + 4.0));
    s.Label(ParameterBar::Caption(C::CornerBevel), At(w + 1.5, p.top + 4.0),
            Qt::AlignLeft | Qt::AlignVCenter);

    // The tick radius and the half-angle about the pointer axis.
    const double reach = p.tickRadius + p.bigTick + 1.0;
    const QPen centreLine = Pen(kDimensionColour, 0.8, Qt::DashDotLine);
    s.Line(At(0, 0), Polar(reach, 90.0), centreLine);
    s.Line(At(0, 0), Polar(reach, 90.0 - p.halfAngle), centreLine);
    s.Dimension(At(0, 0), Polar(p.tickRadius, 62.0));
    s.Leader(Polar(p.tickRadius * 0.8, 62.0), At(right - 1, 34.0));
    rightLabel(C::TickRadius, 34.0);
    QPainterPath angle;
    angle.arcMoveTo(Circle({}, 16.0 * kPixelsPerMm), 90.0 - p.halfAngle);
    angle.arcTo(Circle({}, 16.0 * kPixelsPerMm), 90.0 - p.halfAngle, p.halfAngle);
    s.Path(angle, Pen(kDimensionColour, 1.0));
    s.Leader(Polar(16.0, 90.0 - p.halfAngle / 2), At(right - 1, 22.0));
    rightLabel(C::HalfAngle, 22.0);

    // The mounting holes' line above the pointer axis and above the bottom edge.
    s.Extension(At(p.holeX + p.holeRadius + 0.5, p.holeY), At(w + 10.5, p.holeY));
    s.Extension(At(p.cutOut + 0.5, 0), At(w + 6.5, 0));
    s.Extension(At(w + 0.5, p.bottom), At(w + 10.5, p.bottom));
    s.Dimension(At(w + 5.5, 0), At(w + 5.5, p.holeY));
    s.Dimension(At(w + 9.5, p.bottom), At(w + 9.5, p.holeY));
    s.Leader(At(w + 5.5, p.holeY / 2), At(right - 1, 10.0));
    rightLabel(C::MountingAboveAxis, 10.0);
    s.Leader(At(w + 9.5, p.bottom / 2), At(right - 1, -2.0));
    rightLabel(C::MountingAboveBottom, -2.0);

    // The outer radius of a radial plate, the cut-out, the pointer axis and the two outlines.
    s.Dimension(At(0, 0), Polar(p.outerRadius, 116.0));
    s.Leader(Polar(p.outerRadius * 0.93, 116.0), At(left + 1, 52.0));
    leftLabel(ParameterBar::Caption(C::OuterRadius), 52.0);
    s.Leader(At(-w, 30.0), At(left + 1, 40.0));
    leftLabel(ParameterBar::Caption(C::SquareShape), 40.0);
    s.Leader(Polar(p.outerRadius, 126.0), At(left + 1, 46.0));
    leftLabel(ParameterBar::Caption(C::RadialShape), 46.0);
    s.Dimension(At(0, 0), Polar(p.cutOut, 135.0));
    s.Leader(Polar(p.cutOut * 0.6, 135.0), At(left + 1, 15.0));
    leftLabel(ParameterBar::Caption(C::InnerRadius), 15.0);
    s.Leader(At(0, 0), At(left + 1, -1.0));
    leftLabel(QCoreApplication::translate("quirn::PlateDrawing", "ось стрелки"), -1.0);

    // The plate's height at the left.
    const double heightAt = -w - 6.0;
    s.Extension(At(-w - 0.5, p.bottom), At(heightAt - 1.0, p.bottom));
    s.Extension(At(-w + p.bevel - 0.5, p.top), At(heightAt - 1.0, p.top));
    s.Dimension(At(heightAt, p.bottom), At(heightAt, p.top));
    s.Label(ParameterBar::Caption(C::PlateHeight), At(heightAt - 0.8, (p.bottom + p.top) / 2),
            Qt::AlignHCenter | Qt::AlignBottom, true);

    // The holes' spacing and the plate's width below it.
    const double spacingAt = p.bottom - 5.0;
    const double widthAt = p.bottom - 13.0;
    for (const double x : {-p.holeX, p.holeX})
        s.Extension(At(x, p.holeY - p.holeRadius - 0.5), At(x, spacingAt - 1.0));
    s.Dimension(At(-p.holeX, spacingAt), At(p.holeX, spacingAt));
    s.Label(ParameterBar::Caption(C::MountingHoleSpacing), At(0, spacingAt - 0.5),
            Qt::AlignHCenter | Qt::AlignTop);
    for (const double x : {-w, w}) s.Extension(At(x, p.bottom - 0.5), At(x, widthAt - 1.0));
    s.Dimension(At(-w, widthAt), At(w, widthAt));
    s.Label(ParameterBar::Caption(C::PlateWidth), At(0, widthAt - 0.5),
            Qt::AlignHCenter | Qt::AlignTop);
}

// A big and a small tick on the tick radius, with the arc along them, enlarged.
void DrawTicksEnlarged(Sketch& s) {
    constexpr double mm = kInsetPixelsPerMm;
    constexpr double base = kInsetBaseY;
    struct Enlarged {
        double x;
        double length;
        double width;
        C lengthId;
        C widthId;
    };
    const Enlarged ticks[] = {{-110.0, 5.0, 1.0, C::BigTickLength, C::BigTickWidth},
                              {110.0, 3.0, 0.6, C::SmallTickLength, C::SmallTickWidth}};

    s.Label(QCoreApplication::translate("quirn::PlateDrawing", "Деления крупно"),
            {0, base - 5.0 * mm - 45.0}, Qt::AlignHCenter | Qt::AlignBottom);
    // The arc is drawn along the tick radius, as thick as its field says.
    s.Path(
        [&] {
            QPainterPath band;
            band.addRect(QRectF(-230.0, base - 0.25 * mm, 460.0, 0.5 * mm));
            return band;
        }(),
        Qt::NoPen, QColor(170, 170, 170));
    s.Line({-250.0, base}, {250.0, base}, Pen(kDimensionColour, 0.8, Qt::DashDotLine));
    s.Label(ParameterBar::Caption(C::TickRadius), {-256.0, base},
            Qt::AlignRight | Qt::AlignVCenter);
    s.Leader({200.0, base + 0.25 * mm}, {225.0, base + 24.0});
    s.Label(ParameterBar::Caption(C::ArcShown), {228.0, base + 24.0},
            Qt::AlignLeft | Qt::AlignVCenter);

    for (const Enlarged& t : ticks) {
        const double half = t.width * mm / 2;
        const double tip = base - t.length * mm;
        QPainterPath tick;
        tick.addRect(QRectF(t.x - half, tip, 2 * half, t.length * mm));
        s.Path(tick, Qt::NoPen, kPlateColour);

        // The length beside the tick, on its outer side.
        const double side = t.x < 0 ? -1.0 : 1.0;
        const double along = t.x + side * (half + 22.0);
        s.Extension({t.x + side * (half + 2.0), tip}, {along + side * 4.0, tip});
        s.Dimension({along, base}, {along, tip});
        s.Label(ParameterBar::Caption(t.lengthId), {along + side * 6.0, (base + tip) / 2},
                (side < 0 ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);

        // The width across its tip.
        const double over = tip - 14.0;
        for (const double x : {t.x - half, t.x + half})
            s.Extension({x, tip - 2.0}, {x, over - 4.0});
        s.Dimension({t.x - half, over}, {t.x + half, over});
        s.Label(ParameterBar::Caption(t.widthId), {t.x, over - 6.0},
                Qt::AlignHCenter | Qt::AlignBottom);
    }
}

}  // namespace

PlateDrawing::PlateDrawing(QWidget* parent) : QGraphicsView(parent) {
    auto* scene = new QGraphicsScene(this);
    scene->setBackgroundBrush(Qt::white);
    Sketch sketch(*scene);
    const Plate plate;
    DrawPlate(sketch, plate);
    MarkPlate(sketch, plate);
    // Below the plate's width, clear of its caption.
    DrawTicksEnlarged(sketch);
    setScene(scene);
    setSceneRect(scene->itemsBoundingRect().adjusted(-16, -16, 16, 16));
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    setAlignment(Qt::AlignCenter);
    for (const QGraphicsSimpleTextItem* label : sketch.labels()) labels_ << label->text();
}

QStringList PlateDrawing::labels() const {
    return labels_;
}

void PlateDrawing::resizeEvent(QResizeEvent* event) {
    QGraphicsView::resizeEvent(event);
    const QRectF drawing = sceneRect();
    const QSize room = viewport()->size();
    resetTransform();
    if (drawing.width() > room.width() || drawing.height() > room.height())
        fitInView(drawing, Qt::KeepAspectRatio);
}

}  // namespace quirn
