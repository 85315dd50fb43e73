#pragma once
// Clipping in double precision before anything reaches a device: a value far outside the plot
// area (or a scale that maps it to a huge pixel position) never reaches QPainter or a 16-bit
// metafile coordinate.

#include <QPointF>
#include <QRectF>
#include <vector>

namespace kestran {

class Canvas;

// Draws a polyline, fed point by point, as the runs that lie inside rect: a non-finite point
// breaks the line and each segment is clipped in double precision. Unless the canvas needs every
// point (Canvas::NeedsEveryPoint), each run of consecutive points within one pixel column is
// drawn as at most five of them, in their order: its first point, the first in its lowest row,
// the first in its highest row, the last outside the last point's row, and the last point. On a
// canvas that draws pixel by pixel (LineRaster.h) the run covers the column's rows from its
// lowest to its highest, less the last point's row when the run never leaves that row after
// reaching it; the five points keep exactly that, so the pixels are those of the whole run,
// while the work and memory of a draw follow the width of the plot, not the size of the data.
class PolylineClipper {
public:
    // run: memory for the run being built, kept by the caller from one line to the next.
    // Without `reduce` every point is drawn: the same pixels, cheaper for sparse data.
    PolylineClipper(Canvas& canvas, const QRectF& rect, std::vector<QPointF>& run, bool reduce = true);
    void Add(const QPointF* points, int count);
    void Add(const QPointF& p) { Add(&p, 1); }
    void Finish(); // draws what is left; also before the canvas's pen changes

    // Points summed up by the caller, so that dense sorted data need not come point by point:
    // `count` points that follow the last one added, all inside the rectangle and in its pixel
    // column. Allowed while TakesSpan(): the last point added is drawn, inside the rectangle, in
    // the column being reduced.
    struct Kept {
        QPointF point;
        int index = 0; // within its column; in a Span, within the span
        int row = 0;
    };
    struct Span {
        Kept lowest, highest; // the first in the lowest and in the highest row
        Kept elsewhere;       // the last outside the last point's row; index -1 when none
        Kept last;
        int count = 0;
    };
    void AddSpan(const Span& span);
    bool Reduces() const { return reduce_; }
    bool TakesSpan() const { return reduce_ && previousInside_ && columnOpen_; }

private:
    void AddClipped(const QPointF& p);
    void Emit(const QPointF& p);
    void Extend(const Kept& p);
    void OpenColumn(const QPointF& p, int column, int row);
    void CloseColumn();
    void Flush();

    Canvas& canvas_;
    const QRectF rect_;
    std::vector<QPointF>& run_;
    const bool reduce_;
    QPointF previous_;
    bool havePrevious_ = false, previousInside_ = false;
    // The run's last column, whose first point is already in run_.
    bool columnOpen_ = false;
    int column_ = 0;
    int count_ = 0;
    Kept lowest_, highest_, lastElsewhere_, last_;
};

// The whole polyline through a PolylineClipper.
void DrawClippedPolyline(Canvas& canvas, const QPointF* points, int count, const QRectF& rect,
                         std::vector<QPointF>& scratch);

// The part of a polygon inside rect (Sutherland-Hodgman); non-finite points are dropped.
std::vector<QPointF> ClipPolygon(const std::vector<QPointF>& polygon, const QRectF& rect);

// Draws the clipped polygon when anything of it is left.
void DrawClippedPolygon(Canvas& canvas, const std::vector<QPointF>& polygon, const QRectF& rect);

} // namespace kestran
