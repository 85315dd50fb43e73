#pragma once
// Thin lines drawn pixel by pixel by the engine itself on pixel devices: far faster than handing
// every segment to QPainter, and with a pixel rule simple enough to reason about.
//
// The rule: pixel (i, j) holds the points with floor(x) = i and floor(y) = j. A segment covers the
// pixels of its two ends and, along its longer direction, one pixel per row (or column): the one
// under the line at the row's centre, the centre clamped into the segment. A polyline covers the
// union of its segments. So a segment whose ends lie in one pixel column covers exactly that
// column's rows between its ends, and a run of points within one column covers the same pixels as
// its first, lowest, highest and last point alone: the column reduction in Clip.cpp relies on it.
// A dash pattern advances one step per pixel, in the order the pixels come along the line.

#include <algorithm>
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

class RunSink {
public:
    virtual ~RunSink() = default;
    virtual void Run(const PixelRun& run) = 0;
};

// Runs within bounds, neighbouring pixels of one column joined; a pixel may come more than once.
// pattern: on and off lengths in pixels, in turn; empty draws solid.
void RasterPolyline(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                    RunSink& sink);

// The same pixels, each once: runs top down, columns left to right. bits is scratch memory the
// caller keeps between calls.
void RasterRuns(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                std::vector<quint64>& bits, std::vector<PixelRun>& runs);

} // namespace kestran
