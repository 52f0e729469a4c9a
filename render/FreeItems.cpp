// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FreeItems.h"

#include <array>
#include <cmath>
#include <numbers>

#include "model/TextCodec.h"
#include "render/Labels.h"
#include "render/Saturate.h"
#include "render/Typefaces.h"

namespace quirn {
namespace {

using I = std::int64_t;

void DrawCrossedBox(const Box& box, DrawingSurface& surface) {
    surface.setBlackBrush(false);
    surface.setPen(5);
    const std::array<Point, 5> frame{Point{box.left, box.top}, Point{box.right, box.top},
                                     Point{box.right, box.bottom}, Point{box.left, box.bottom},
                                     Point{box.left, box.top}};
    surface.polyline(frame);
    surface.line({box.left, box.top}, {box.right, box.bottom});
    surface.line({box.left, box.bottom}, {box.right, box.top});
}

// Tenths of a degree, whole turns dropped: the same direction for any angle a file may hold.
int Escapement(double degrees) {
    if (!std::isfinite(degrees)) return 0;
    return ClampToInt(std::lround(std::fmod(degrees, 360.0) * 10.0));
}

// Where the corner (dx, dy) of the upright box, from its centre, goes once the box is turned by
// the font's escapement about that centre; still from the centre.
RealPoint Turned(int escapement, double dx, double dy) {
    const double turn = double(escapement) / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(turn);
    const double s = std::sin(turn);
    return {dx * c - dy * s, dx * s + dy * c};
}

}  // namespace

const PictureContent* PictureContentOf(const Scene& scene, int number,
                                       const PlacedPicture& picture) {
    const auto found = scene.pictures.find(number);
    if (found == scene.pictures.end() || found->second.file != picture.file) return nullptr;
    return &found->second;
}

FontChoice FreeTextFont(const ScaleParameters& p, const FreeText& item) {
    // Its own face, else the name label's, at the size the face gives.
    std::optional<Typeface> face = item.font;
    if (!face) {
        face = TypefaceOf(p, TextRole::Name);
        if (face) face->percent = 100;
    }
    FontChoice font = InTypeface(NameFont(p), face);
    font.escapement = Escapement(item.angle);
    return font;
}

std::optional<std::array<RealPoint, 4>> FreeTextCorners(const ScaleParameters& p,
                                                        const FreeText& item,
                                                        TextMeasure& measure) {
    const std::string text = DisplayText(item.text, item.textUtf8);
    if (text.empty()) return std::nullopt;
    const FontChoice font = FreeTextFont(p, item);
    measure.setFont(font);
    const Extent e = measure.measureText(text);
    const double w = e.width / 2.0;
    const double h = e.height / 2.0;
    std::array<RealPoint, 4> corners{RealPoint{-w, h}, RealPoint{w, h}, RealPoint{w, -h},
                                     RealPoint{-w, -h}};
    for (RealPoint& corner : corners) {
        const RealPoint turned = Turned(font.escapement, corner.x, corner.y);
        corner = {item.centre.x + turned.x, item.centre.y + turned.y};
    }
    return corners;
}

Box PictureBox(const PlacedPicture& picture, const PictureContent* content) {
    const I width = picture.width;
    I height = width;
    if (content != nullptr && content->size.width() > 0.0 && content->size.height() > 0.0)
        height = std::llround(double(width) * content->size.height() / content->size.width());
    const I left = I{picture.centre.x} - width / 2;
    const I bottom = I{picture.centre.y} - height / 2;
    return {ClampToInt(left), ClampToInt(bottom + height), ClampToInt(left + width),
            ClampToInt(bottom)};
}

void DrawPictures(const Scene& scene, DrawingSurface& surface) {
    for (const auto& [number, picture] : scene.params.ext.pictures) {
        if (picture.width <= 0) continue;
        const PictureContent* content = PictureContentOf(scene, number, picture);
        const Box box = PictureBox(picture, content);
        if (content == nullptr || content->isNull()) {
            DrawCrossedBox(box, surface);
        } else if (content->drawing != nullptr) {
            surface.drawSvg(*content->drawing, box);
        } else {
            surface.drawImage(content->image, box);
        }
    }
}

void DrawFreeTexts(const Scene& scene, DrawingSurface& surface) {
    const ScaleParameters& p = scene.params;
    for (const auto& [number, item] : p.ext.texts) {
        const std::string text = DisplayText(item.text, item.textUtf8);
        if (text.empty()) continue;
        const FontChoice font = FreeTextFont(p, item);
        const InkScope ink(surface, item.colour);
        surface.setFont(font);
        const Extent e = surface.measureText(text);
        // The top-left corner of the upright box, (-w/2, h/2) from the centre, turned with it.
        const RealPoint corner = Turned(font.escapement, -e.width / 2.0, e.height / 2.0);
        surface.textOut(At(I{item.centre.x} + std::llround(corner.x),
                           I{item.centre.y} + std::llround(corner.y)),
                        text);
    }
}

}  // namespace quirn
