// SPDX-License-Identifier: GPL-3.0-or-later
// Everything the renderer reads, and what laying it out gives, as plain values.
#pragma once

#include <QImage>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/ScaleParameters.h"
#include "render/DrawingSurface.h"
#include "render/VectorPicture.h"

class QSvgRenderer;

namespace quirn {

enum class MovableElement {
    DataSymbol,
    DiamondSymbol,
    OthersSymbol,
    NameLabel,
    UnitLabel,
    OriginLabel,
    StandardLabel,
    TemplateBody,
    TemplateEdge,
};

// The seven elements drawn by the renderer (the template ones are not).
inline constexpr int kDrawnElementCount = 7;
constexpr int Index(MovableElement e) {
    return static_cast<int>(e);
}

// Where the origin label's anchor is meant: at its top once the user placed it, at its bottom
// after a reset (the default height), in which case laying out lifts it by the label's height.
enum class OriginLabelAnchor { Top, Bottom };

// Where the movable elements stand: the defaults for the plate and the record's places, at
// every Apply and document load.
struct Layout {
    int halfPlateWidth = 0;
    int bottomMargin = 1000;
    std::array<Point, kDrawnElementCount> anchors{};
    OriginLabelAnchor originLabelAnchor = OriginLabelAnchor::Top;
    bool operator==(const Layout&) const = default;
};

// The scanned picture laid under the drawing on screen, as read for the record's template line
// (which says where it stands, how wide, turned and dimmed): the file as the record names it and
// its image, null when the file could not be read.
struct TemplatePicture {
    std::string file;
    QImage image;
    // The image compares by identity: a loaded picture is never edited in place, and comparing
    // pixels would cost a scan of a scanned template at every change.
    bool operator==(const TemplatePicture& other) const {
        return file == other.file && image.cacheKey() == other.image.cacheKey();
    }
};

// On the screen, the new drawing may step aside so that a scan's own ticks show under it: the
// plate's outline alone stays, to show where the plate lies.
enum class DrawingShown { Whole, OutlineOnly };

// Where the template stands: the lower-left corner of the upright picture, which it is turned
// about, counterclockwise in degrees, its size in drawing units and its dimming in percent.
struct TemplatePlacement {
    Point corner;
    Extent size;
    double angle = 0.0;
    int dim = 0;
    bool operator==(const TemplatePlacement&) const = default;
};

// A dial symbol: the user's own bitmap, one pixel a drawing unit, or a drawing that ships with
// the program, its view box in drawing units. A null symbol is drawn as nothing with size zero.
struct SymbolPicture {
    QImage image;
    VectorPicture vector;  // drawn rather than the image when there is one

    SymbolPicture() = default;
    // Either form stands for a symbol as it is.
    SymbolPicture(QImage bitmap) : image(std::move(bitmap)) {}
    SymbolPicture(VectorPicture drawing) : vector(std::move(drawing)) {}

    bool isNull() const { return vector.isNull() && image.isNull(); }
    QSize size() const { return vector.isNull() ? image.size() : vector.size(); }
    bool operator==(const SymbolPicture&) const = default;
};

struct SymbolImages {
    SymbolPicture data;
    SymbolPicture diamond;  // the rhombus, "Romb" in its files
    SymbolPicture others;
    bool operator==(const SymbolImages&) const = default;
};

// A picture file the plate carries, as read when the document was shown: a raster image over
// white, or a drawing kept as vectors in its own colours. Neither: the file was missing or
// unreadable, and a crossed box stands in for it.
struct PictureContent {
    std::string file;  // as the record named it when it was read
    QImage image;
    std::shared_ptr<QSvgRenderer> drawing;
    QSizeF size;  // the picture's own proportions; empty when unknown

    bool isNull() const { return image.isNull() && drawing == nullptr; }
    // By identity, as the template's image: a picture read is never changed.
    bool operator==(const PictureContent& other) const {
        return file == other.file && image.cacheKey() == other.image.cacheKey() &&
               drawing == other.drawing && size == other.size;
    }
};
// By the picture's number in the record.
using PictureContents = std::map<int, PictureContent>;

// The device a canvas is made for. Its nominal metric is pixelsAcross pixels per
// tenthsOfMmAcross tenths of a millimetre (a 600 dpi printer is 600 per 254).
struct ReferenceDevice {
    std::int64_t pixelsAcross = 600;
    std::int64_t tenthsOfMmAcross = 254;
    int windowOuterWidthPx = 0;  // the view window's outer width; screen mode only

    static ReferenceDevice ForDpi(int dpi) { return {dpi, 254, 0}; }
    bool operator==(const ReferenceDevice&) const = default;
};

// Size and mapping of a canvas: one drawing unit spans viewportExt / windowExt device pixels,
// and the pointer axis sits at pixel (originX, originY) from the canvas's top-left corner.
struct CanvasGeometry {
    int canvasWidth = 0;   // drawing units
    int canvasHeight = 0;  // drawing units
    int pixelWidth = 0;
    int pixelHeight = 0;
    int originX = 0;
    int originY = 0;
    std::int64_t viewportExt = 1;
    std::int64_t windowExt = 1;

    double pixelsPerUnit() const { return double(viewportExt) / double(windowExt); }
    bool operator==(const CanvasGeometry&) const = default;
};

// What the user edits: the parameters (the template's line among them) and where the elements
// stand. Undo and redo put it back as one value.
struct SceneEdits {
    ScaleParameters params;
    Layout layout;
    bool operator==(const SceneEdits&) const = default;
};

// Everything a picture of the scale depends on, as a value.
struct Scene : SceneEdits {
    // The screen's zoom in percent: 25, 50, 100, 200 ... 1000. Print and export never read it.
    int zoomPercent = 100;
    double displayCorrection = 1.0;
    SymbolImages symbols;
    // The record's pictures as read from the document's folder (UTF-8; empty for a document
    // never saved: the current folder).
    PictureContents pictures;
    std::string documentFolder;
    // The picture of the record's template line, read from the document's folder.
    TemplatePicture templatePicture;
    DrawingShown drawingShown = DrawingShown::Whole;
    // Screen-only marks over the template while a calibration is clicked: the pointer axis as
    // found on the scan and every tick clicked so far.
    std::vector<Point> calibrationMarks;
};

// How the scale is painted: for the screen, over the template, or for print and export.
enum class PaintMode { Screen, Print };

// What laying out gives: the anchors (the origin label lifted when its anchor is meant for its
// bottom), the sizes of the drawn elements, where the template stands when it is shown, and where
// the origin label wraps.
struct ScaleLayout {
    Layout layout;
    std::array<Extent, kDrawnElementCount> sizes{};
    std::optional<Box> originLabelWrap;
    std::optional<TemplatePlacement> templatePlace;
    int axisHeight = 0;
    bool operator==(const ScaleLayout&) const = default;
};

}  // namespace quirn
