// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/DeviceClip.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace quirn {

std::optional<std::pair<QPointF, QPointF>> ClipSegment(QPointF a, QPointF b, const QRectF& rect) {
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    double t0 = 0.0;
    double t1 = 1.0;
    // Liang-Barsky: narrow [t0, t1] by each of the four edges.
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - rect.left(), rect.right() - a.x(), a.y() - rect.top(),
                         rect.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return std::nullopt;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return std::nullopt;
            t1 = std::min(t1, t);
        }
    }
    return std::pair{QPointF(a.x() + t0 * dx, a.y() + t0 * dy),
                     QPointF(a.x() + t1 * dx, a.y() + t1 * dy)};
}

namespace {

// Keeps the side of one edge where inside(p) holds.
template <class Inside, class Cross>
QPolygonF ClipAgainst(const QPolygonF& in, Inside inside, Cross cross) {
    QPolygonF out;
    if (in.isEmpty()) return out;
    // Each edge adds at most one point: one allocation for all of them.
    out.reserve(in.size() + 1);
    QPointF previous = in.back();
    bool previousInside = inside(previous);
    for (const QPointF& current : in) {
        const bool currentInside = inside(current);
        if (currentInside != previousInside) out << cross(previous, current);
        if (currentInside) out << current;
        previous = current;
        previousInside = currentInside;
    }
    return out;
}

}  // namespace

QPolygonF ClipPolygon(const QPolygonF& polygon, const QRectF& rect) {
    auto atX = [](double x) {
        return [x](QPointF a, QPointF b) {
            const double t = (x - a.x()) / (b.x() - a.x());
            return QPointF(x, a.y() + t * (b.y() - a.y()));
        };
    };
    auto atY = [](double y) {
        return [y](QPointF a, QPointF b) {
            const double t = (y - a.y()) / (b.y() - a.y());
            return QPointF(a.x() + t * (b.x() - a.x()), y);
        };
    };
    const double l = rect.left(), r = rect.right(), t = rect.top(), b = rect.bottom();
    QPolygonF out = ClipAgainst(
        polygon, [l](QPointF p) { return p.x() >= l; }, atX(l));
    out = ClipAgainst(
        out, [r](QPointF p) { return p.x() <= r; }, atX(r));
    out = ClipAgainst(
        out, [t](QPointF p) { return p.y() >= t; }, atY(t));
    out = ClipAgainst(
        out, [b](QPointF p) { return p.y() <= b; }, atY(b));
    return out;
}

std::vector<QPointF> ArcPoints(QPointF centre, double radius, double a0Degrees,
                               double sweepDegrees) {
    // A chord of angle d strays radius * (1 - cos(d / 2)) from the circle.
    const double r = std::max(std::abs(radius), 1.0);
    const double step = 2.0 * std::acos(std::max(-1.0, 1.0 - 0.25 / r));
    const double sweep = sweepDegrees * std::numbers::pi / 180.0;
    const auto count = static_cast<long long>(std::clamp(std::ceil(sweep / step), 1.0, 4.0e6));
    std::vector<QPointF> points;
    points.reserve(std::size_t(count) + 1);
    const double a0 = a0Degrees * std::numbers::pi / 180.0;
    for (long long i = 0; i <= count; ++i) {
        const double a = a0 + sweep * double(i) / double(count);
        // Counterclockwise on the screen means upward, so y falls as the angle grows.
        points.emplace_back(centre.x() + radius * std::cos(a), centre.y() - radius * std::sin(a));
    }
    return points;
}

double PolygonArea(const QPolygonF& polygon) {
    double twice = 0.0;
    for (qsizetype i = 0; i < polygon.size(); ++i) {
        const QPointF a = polygon[i];
        const QPointF b = polygon[(i + 1) % polygon.size()];
        twice += a.x() * b.y() - b.x() * a.y();
    }
    return std::abs(twice) / 2.0;
}

}  // namespace quirn
