// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/VectorPicture.h"

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QSvgRenderer>
#include <climits>

namespace quirn {
namespace {

// A paint engine that draws nothing and keeps the outline of everything painted on it:
// fills as they are, strokes as the outlines of their pens, both in device coordinates.
class OutlineEngine : public QPaintEngine {
  public:
    OutlineEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState& changed) override {
        const DirtyFlags dirty = changed.state();
        if (dirty & DirtyPen) pen_ = changed.pen();
        if (dirty & DirtyBrush) brush_ = changed.brush();
        if (dirty & DirtyTransform) transform_ = changed.transform();
    }

    void drawPath(const QPainterPath& path) override {
        if (brush_.style() != Qt::NoBrush) keep(path);
        stroke(path);
    }

    void drawPolygon(const QPointF* points, int count, PolygonDrawMode mode) override {
        QPainterPath path;
        path.addPolygon(QPolygonF(QList<QPointF>(points, points + count)));
        if (mode == PolylineMode) {
            stroke(path);
            return;
        }
        path.closeSubpath();
        path.setFillRule(mode == OddEvenMode ? Qt::OddEvenFill : Qt::WindingFill);
        drawPath(path);
    }

    // Raster pictures inside the drawing have no outline; the shipped drawings hold none.
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}

    std::vector<QPainterPath> takeOutlines() { return std::move(outlines_); }

  private:
    void stroke(const QPainterPath& path) {
        if (pen_.style() == Qt::NoPen || pen_.brush().style() == Qt::NoBrush) return;
        QPainterPathStroker stroker(pen_);
        // A cosmetic pen is one device unit wide whatever the transform.
        if (pen_.isCosmetic()) {
            stroker.setWidth(std::max(pen_.widthF(), 1.0));
            keep(stroker.createStroke(transform_.map(path)), false);
            return;
        }
        keep(stroker.createStroke(path));
    }

    void keep(const QPainterPath& path, bool transformed = true) {
        if (path.isEmpty()) return;
        outlines_.push_back(transformed ? transform_.map(path) : path);
    }

    QPen pen_;
    QBrush brush_;
    QTransform transform_;
    std::vector<QPainterPath> outlines_;
};

class OutlineDevice : public QPaintDevice {
  public:
    explicit OutlineDevice(QSize size) : size_(size) {}
    ~OutlineDevice() override = default;

    QPaintEngine* paintEngine() const override { return &engine_; }
    std::vector<QPainterPath> takeOutlines() { return engine_.takeOutlines(); }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        constexpr int kDpi = 72;
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return size_.width() * 254 / (kDpi * 10);
            case PdmHeightMM:
                return size_.height() * 254 / (kDpi * 10);
            case PdmNumColors:
                return INT_MAX;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return kDpi;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return int(devicePixelRatioFScale());
        }
        return 0;
    }

  private:
    QSize size_;
    mutable OutlineEngine engine_;
};

}  // namespace

VectorPicture VectorPicture::FromSvg(const QString& path) {
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    const QRectF box = renderer.viewBoxF();
    const QSize size(qRound(box.width()), qRound(box.height()));
    if (size.isEmpty()) return {};
    OutlineDevice device(size);
    QPainter painter;
    if (!painter.begin(&device)) return {};
    renderer.render(&painter, QRectF(QPointF(0.0, 0.0), QSizeF(size)));
    painter.end();
    VectorPicture picture;
    picture.shapes_ = std::make_shared<const Shapes>(Shapes{size, device.takeOutlines()});
    return picture;
}

const std::vector<QPainterPath>& VectorPicture::outlines() const {
    static const std::vector<QPainterPath> kNone;
    return shapes_ ? shapes_->outlines : kNone;
}

}  // namespace quirn
