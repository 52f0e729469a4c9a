// SPDX-License-Identifier: GPL-3.0-or-later
// A numeral's glyphs held back until the next drawing shows whether they can be seen: when the
// next thing drawn is a numeral whose white cell covers them, they would never show and are not
// drawn. Numerals by the thousand on one plate, each covering the last but a sliver, then cost no
// more than their cells.
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QPolygonF>
#include <QRect>
#include <QString>
#include <QTransform>
#include <optional>

class QPainter;

namespace quirn {

// The glyphs of one line of text, as drawn on its cell.
struct GlyphRun {
    QTransform cell;
    QFont font;
    QPointF origin;  // the baseline's start in the cell
    QString text;
    bool outline = false;  // filled as outlines rather than drawn as text
    bool exact = false;    // clipped to the restricted area
    QPolygonF ink;         // on the device, where the glyphs lie
    QColor colour = Qt::black;
};

// Draws the run; an exact one is clipped to restrictedArea.
void DrawGlyphRun(QPainter& painter, const GlyphRun& run, const QRect& restrictedArea);

class HeldNumeral {
  public:
    void hold(GlyphRun run) { held_ = std::move(run); }
    // The held glyphs, which must now be drawn; nothing when none are held.
    std::optional<GlyphRun> release();
    // A white cell is about to be filled: the held glyphs are dropped when it covers them, and
    // given back to be drawn first otherwise.
    std::optional<GlyphRun> settle(const QPolygonF& whiteCell);

  private:
    std::optional<GlyphRun> held_;
};

}  // namespace quirn
