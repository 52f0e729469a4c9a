// SPDX-License-Identifier: GPL-3.0-or-later
// Zones on devices of black and white only: thin black diagonal lines across the band.
#pragma once

#include <QPolygonF>
#include <QRectF>

#include "render/DrawingSurface.h"
#include "render/DrawingTransform.h"

class QPainter;

namespace quirn {

// Lines at a fixed distance on the plate rather than on the device, rising or falling to the
// right, cut to the band; only those crossing the painted part are drawn.
void HatchBand(QPainter& painter, const QPolygonF& band, ZoneHatch direction,
               const DrawingTransform& transform, const QRectF& painted);

}  // namespace quirn
