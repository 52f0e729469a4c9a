// SPDX-License-Identifier: GPL-3.0-or-later
// A picture of black shapes held as outlines, so that every device draws it at its own
// resolution: paths in vector output, crisp edges in raster output.
#pragma once

#include <QPainterPath>
#include <QSize>
#include <QString>
#include <memory>
#include <vector>

namespace quirn {

class VectorPicture {
  public:
    // Reads an SVG drawing whose view box is in the picture's units. Its strokes and fills
    // become outlines filled black, whatever their colour. Null when the file cannot be read.
    static VectorPicture FromSvg(const QString& path);

    bool isNull() const { return shapes_ == nullptr; }
    // The view box's size, rounded to whole units.
    QSize size() const { return shapes_ ? shapes_->size : QSize(); }
    // Outlines in the picture's units, y down, each filled black by its own fill rule.
    const std::vector<QPainterPath>& outlines() const;

    // By identity: a picture is never changed once read, and outlines do not compare cheaply.
    bool operator==(const VectorPicture& other) const { return shapes_ == other.shapes_; }

  private:
    struct Shapes {
        QSize size;
        std::vector<QPainterPath> outlines;
    };
    std::shared_ptr<const Shapes> shapes_;
};

}  // namespace quirn
