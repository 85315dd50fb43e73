#pragma once
// Clipping in double precision before anything reaches a device: a value far outside the plot
// area (or a scale that maps it to a huge pixel position) never reaches QPainter or a 16-bit
// metafile coordinate.

#include <QPointF>
#include <QRectF>
#include <vector>

namespace kestran {

class Canvas;

// Draws the polyline as the runs that lie inside rect. Non-finite points break the line. Runs
// much denser than the pixel grid are thinned to each column's first, lowest, highest and last
// point, which draws the same pixels. scratch is reused between calls to avoid allocation.
void DrawClippedPolyline(Canvas& canvas, const QPointF* points, int count, const QRectF& rect,
                         std::vector<QPointF>& scratch);

// The part of a polygon inside rect (Sutherland-Hodgman); non-finite points are dropped.
std::vector<QPointF> ClipPolygon(const std::vector<QPointF>& polygon, const QRectF& rect);

// Draws the clipped polygon when anything of it is left.
void DrawClippedPolygon(Canvas& canvas, const std::vector<QPointF>& polygon, const QRectF& rect);

// Reduces a run to first/min/max/last per pixel column (consecutive points only).
void ThinToColumns(const QPointF* points, int count, std::vector<QPointF>& out);

} // namespace kestran
