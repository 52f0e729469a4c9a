// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/RecordingSurface.h"

#include <QImage>
#include <algorithm>
#include <cstdint>

#include "render/Saturate.h"
#include "render/VectorPicture.h"

namespace quirn {

namespace {

DrawCall Call(DrawOp op) {
    DrawCall call;
    call.op = op;
    return call;
}

}  // namespace

void RecordingSurface::setPen(int width) {
    DrawCall call = Call(DrawOp::SetPen);
    call.value = width;
    record(std::move(call));
}

void RecordingSurface::setBlackBrush(bool black) {
    DrawCall call = Call(DrawOp::SetBlackBrush);
    call.value = black ? 1 : 0;
    record(std::move(call));
}

void RecordingSurface::setInk(std::uint32_t rgb) {
    DrawCall call = Call(DrawOp::SetInk);
    call.value = static_cast<int>(rgb);
    record(std::move(call));
}

void RecordingSurface::fillWhite(const Box& box) {
    DrawCall call = Call(DrawOp::FillWhite);
    call.box = box;
    record(std::move(call));
}

void RecordingSurface::line(Point from, Point to) {
    DrawCall call = Call(DrawOp::Line);
    call.points = {from, to};
    record(std::move(call));
}

void RecordingSurface::polyline(std::span<const Point> points) {
    DrawCall call = Call(DrawOp::Polyline);
    call.points.assign(points.begin(), points.end());
    record(std::move(call));
}

void RecordingSurface::arc(const Box& bounds, Point start, Point end) {
    DrawCall call = Call(DrawOp::Arc);
    call.box = bounds;
    call.points = {start, end};
    record(std::move(call));
}

void RecordingSurface::ellipse(const Box& bounds) {
    DrawCall call = Call(DrawOp::Ellipse);
    call.box = bounds;
    record(std::move(call));
}

void RecordingSurface::polygon(std::span<const Point> points) {
    DrawCall call = Call(DrawOp::Polygon);
    call.points.assign(points.begin(), points.end());
    record(std::move(call));
}

void RecordingSurface::zone(std::span<const Point> points, std::uint32_t rgb, ZoneHatch hatch) {
    DrawCall call = Call(DrawOp::Zone);
    call.value = static_cast<int>(rgb);
    call.hatch = hatch;
    call.points.assign(points.begin(), points.end());
    record(std::move(call));
}

void RecordingSurface::setFont(const FontChoice& font) {
    font_ = font;
    DrawCall call = Call(DrawOp::SetFont);
    call.font = font;
    record(std::move(call));
}

int RecordingSurface::characterWidth() const {
    if (font_.averageWidth != 0) return ClampToInt(std::abs(std::int64_t{font_.averageWidth}));
    return ClampToInt(std::abs(std::int64_t{font_.cellHeight}) * 904 / 2288);
}

namespace {

// Characters of a UTF-8 text: the bytes that do not continue a character.
std::int64_t CharacterCount(std::string_view text) {
    return std::count_if(text.begin(), text.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

}  // namespace

Extent RecordingSurface::measureText(std::string_view text) {
    return {ClampToInt(CharacterCount(text) * characterWidth()),
            ClampToInt(std::abs(std::int64_t{font_.cellHeight}))};
}

void RecordingSurface::textOut(Point topLeft, std::string_view text) {
    DrawCall call = Call(DrawOp::TextOut);
    call.points = {topLeft};
    call.font = font_;
    call.text = text;
    record(std::move(call));
}

Box RecordingSurface::measureWrapped(const Box& box, std::string_view text) {
    // Greedy breaking at spaces; a word wider than the box stands alone on its line.
    const std::int64_t room = std::int64_t{box.right} - box.left;
    const std::int64_t charWidth = characterWidth();
    std::int64_t longest = 0;
    std::int64_t lines = 0;
    std::int64_t current = -1;  // characters on the line being filled, -1 before its first word
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t space = text.find(' ', pos);
        if (space == std::string_view::npos) space = text.size();
        const std::int64_t word = CharacterCount(text.substr(pos, space - pos));
        if (word > 0) {
            if (current >= 0 && (current + 1 + word) * charWidth <= room) {
                current += 1 + word;
            } else {
                if (current >= 0) longest = std::max(longest, current * charWidth);
                ++lines;
                current = word;
            }
        }
        pos = space + 1;
    }
    if (current >= 0) longest = std::max(longest, current * charWidth);
    return {box.left, box.top, ClampToInt(box.left + longest),
            ClampToInt(box.top - lines * std::abs(std::int64_t{font_.cellHeight}))};
}

void RecordingSurface::drawWrapped(const Box& box, std::string_view text) {
    DrawCall call = Call(DrawOp::DrawWrapped);
    call.box = box;
    call.font = font_;
    call.text = text;
    record(std::move(call));
}

void RecordingSurface::drawImage(const QImage& image, const Box& dest) {
    DrawCall call = Call(DrawOp::DrawImage);
    call.box = dest;
    call.imageSize = {image.width(), image.height()};
    record(std::move(call));
}

void RecordingSurface::drawVector(const VectorPicture& picture, const Box& dest) {
    DrawCall call = Call(DrawOp::DrawVector);
    call.box = dest;
    call.imageSize = {picture.size().width(), picture.size().height()};
    record(std::move(call));
}

std::vector<DrawCall> RecordingSurface::callsOf(DrawOp op) const {
    std::vector<DrawCall> found;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(found),
                 [op](const DrawCall& c) { return c.op == op; });
    return found;
}

}  // namespace quirn
