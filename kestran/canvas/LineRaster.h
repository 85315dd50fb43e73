#pragma once
// Thin lines drawn pixel by pixel by the engine itself on pixel devices: far faster than handing
// every segment to QPainter, and with a pixel rule simple enough to reason about.
//
// The rule: pixel (i, j) holds the points with floor(x) = i and floor(y) = j. A segment covers
// one pixel per step along its longer direction, from its start's step up to its end's, the end's
// left out, as a flat-capped QPainter line does: the pixel under the line at the step's centre
// (only the start's step may have its centre outside the segment; it is clamped in). A segment
// whose ends lie in one pixel column covers that column's rows from the start's up to the end's,
// the end's left out. A polyline covers the union of its segments. So however a run of points
// within one column wanders, it covers the rows from its lowest to its highest point, less the
// last point's row when the run never leaves that row after reaching it: the column reduction in
// Clip.h keeps the five points that decide this. A dash pattern advances one step per pixel, in
// the order the pixels come along the line.

#include <algorithm>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <vector>

namespace kestran {

// The pixel column (or row) of a coordinate: floor, held within a range every device fits in
// with room to spare. The column reduction in Clip.cpp groups points by the same function.
inline int PixelOf(double v) {
    constexpr double kLimit = 1 << 30;
    v = std::min(kLimit, std::max(-kLimit, v)); // in this order NaN becomes -kLimit
    const int i = int(v);
    return i - (v < i);
}

// Rows y0..y1 of column x.
struct PixelRun {
    int x, y0, y1;
};

// Writes the pixels straight into an RGB32 or ARGB32 image, each stamped as a width x width
// square (from width / 2 up and left), moved by offset, and nothing outside limit (in the
// points' pixels, before the offset). pattern: on and off lengths in pixels, in turn; empty
// draws solid.
void RasterToImage(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                   QImage& image, QPoint offset, int width, QRgb color, const QRect& limit);

// The same pixels, each once: runs top down, columns left to right. bits is scratch memory the
// caller keeps between calls.
void RasterRuns(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                std::vector<quint64>& bits, std::vector<PixelRun>& runs);

} // namespace kestran
