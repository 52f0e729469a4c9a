// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/canvas/CollisionFrames.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

#include "render/Collisions.h"
#include "render/DrawingTransform.h"

namespace quirn {
namespace {

const QColor kFrame(255, 0, 0);

}  // namespace

const std::vector<ItemCell>& CollisionFrames::framed(const PictureSource& source) {
    if (framedOf_ && *framedOf_ == source.revision) return framed_;
    framed_.clear();
    for (const Collision& c : FindCollisions(source.scene, source.laid))
        framed_.push_back(c.item.cell);
    framedOf_ = source.revision;
    return framed_;
}

void PaintCollisionFrames(QPainter& painter, const CanvasGeometry& g, QPoint scroll,
                          double devicePixelRatio, const std::vector<ItemCell>& cells) {
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
    for (const ItemCell& cell : cells) {
        QPolygonF frame;
        for (std::size_t i = 0; i < 4; ++i) {
            // A pixel and a half outside each side, clear of the glyphs the cell holds.
            const QPointF c = client(cell[i]);
            const QPointF previous = client(cell[(i + 3) % 4]);
            const QPointF next = client(cell[(i + 1) % 4]);
            frame << c + 1.5 * (unit(c - previous) + unit(c - next));
        }
        painter.drawPolygon(frame);
    }
    painter.restore();
}

}  // namespace quirn
