// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/HeldNumeral.h"

#include <QPainter>
#include <QPainterPath>

#include "render/DeviceCulling.h"

namespace quirn {

void DrawGlyphRun(QPainter& painter, const GlyphRun& run, const QRect& restrictedArea) {
    painter.save();
    if (run.exact) painter.setClipRect(restrictedArea);
    painter.setTransform(run.cell, true);
    if (run.outline) {
        // Large raster text: filling the outlines is ten times faster than drawText, which
        // renders glyphs this size afresh on every call.
        QPainterPath outline;
        outline.addText(run.origin, run.font, run.text);
        painter.fillPath(outline, run.colour);
    } else {
        painter.setFont(run.font);
        painter.setPen(QPen(run.colour, 0));
        painter.drawText(run.origin, run.text);
    }
    painter.restore();
}

std::optional<GlyphRun> HeldNumeral::release() {
    std::optional<GlyphRun> run = std::move(held_);
    held_.reset();
    return run;
}

std::optional<GlyphRun> HeldNumeral::settle(const QPolygonF& whiteCell) {
    if (!held_) return std::nullopt;
    // Two pixels inside the cell: the fill takes every pixel whose centre it holds, and glyphs
    // are filled alike, so no pixel of theirs can show past it.
    if (held_->ink.isEmpty() || CoversWithMargin(whiteCell, held_->ink, 2.0)) {
        held_.reset();
        return std::nullopt;
    }
    return release();
}

}  // namespace quirn
