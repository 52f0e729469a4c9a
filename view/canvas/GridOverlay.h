// SPDX-License-Identifier: GPL-3.0-or-later
// The millimetre grid the view lays over the drawing on the screen only: it is painted over the
// window's picture and never reaches the renderer, so that exports and prints never carry it.
#pragma once

#include <QPoint>
#include <QSize>

#include "render/Scene.h"

class QPainter;

namespace quirn {

// Fine lines every millimetre from 400 % up, every 5 mm from 50 % and none below, stronger ones
// every 10 mm, all counted from the pointer axis; pale and translucent, so that the plate stays
// readable. The painter paints on the view's client area of size logical pixels, scrolled by
// scroll (logical pixels).
void PaintMillimetreGrid(QPainter& painter, const CanvasGeometry& g, int zoomPercent, QPoint scroll,
                         QSize size, double devicePixelRatio);

}  // namespace quirn
