#pragma once
// Scatter and marker shapes (codes::Shape) centred on a point.

#include "canvas/Canvas.h"

namespace kestran {

// Uses the canvas's current pen; sets the brush to the colour (filled) or hollow.
void DrawMarker(Canvas& canvas, int shape, const QPointF& centre, int size, bool filled, ColorRef color);

} // namespace kestran
