#include "canvas/Clip.h"

#include "canvas/Canvas.h"
#include "canvas/LineRaster.h"

#include <algorithm>
#include <cmath>

namespace kestran {

namespace {

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Liang-Barsky: the part of segment a-b inside r, as parameters t0 <= t1; false when none.
bool ClipSegment(const QPointF& a, const QPointF& b, const QRectF& r, double& t0, double& t1) {
    t0 = 0.0;
    t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) {
                return false;
            }
            t0 = std::max(t0, t);
        } else {
            if (t < t0) {
                return false;
            }
            t1 = std::min(t1, t);
        }
    }
    return std::isfinite(t0) && std::isfinite(t1);
}

QPointF At(const QPointF& a, const QPointF& b, double t) {
    return QPointF(a.x() + (b.x() - a.x()) * t, a.y() + (b.y() - a.y()) * t);
}

bool Inside(const QPointF& p, const QRectF& r) {
    return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
}

} // namespace

PolylineClipper::PolylineClipper(Canvas& canvas, const QRectF& rect, std::vector<QPointF>& run, bool reduce)
    : canvas_(canvas), rect_(rect.normalized()), run_(run), reduce_(reduce && !canvas.NeedsEveryPoint()) {
    run_.clear();
}

// A point in the column already open. Rows, not values, pick the lowest and highest: a later
// point in the same row as an extreme adds no pixel, and keeping the first of the row is what
// keeps the pixels.
inline void PolylineClipper::Extend(const Kept& p) {
    if (p.row < lowest_.row) {
        lowest_ = p;
    }
    if (p.row > highest_.row) {
        highest_ = p;
    }
    if (p.row != last_.row) {
        lastElsewhere_ = last_;
    }
    last_ = p;
}

void PolylineClipper::AddSpan(const Span& span) {
    if (span.count <= 0) {
        return;
    }
    auto at = [this](Kept k) {
        k.index += count_;
        return k;
    };
    if (span.lowest.row < lowest_.row) {
        lowest_ = at(span.lowest);
    }
    if (span.highest.row > highest_.row) {
        highest_ = at(span.highest);
    }
    if (span.elsewhere.index >= 0) {
        lastElsewhere_ = at(span.elsewhere);
    } else if (last_.row != span.last.row) {
        lastElsewhere_ = last_;
    }
    last_ = at(span.last);
    count_ += span.count;
    previous_ = span.last.point;
}

void PolylineClipper::Emit(const QPointF& p) {
    if (!reduce_) {
        run_.push_back(p);
        return;
    }
    const int column = PixelOf(p.x()), row = PixelOf(p.y());
    if (!columnOpen_ || column != column_) {
        OpenColumn(p, column, row);
    } else {
        Extend({p, count_++, row});
    }
}

void PolylineClipper::Add(const QPointF* points, int count) {
    for (int k = 0; k < count; ++k) {
        const QPointF& b = points[k];
        // Inside after inside, the usual case, is what clipping would give, without its divisions.
        if (previousInside_ && Inside(b, rect_)) {
            if (run_.empty()) {
                Emit(previous_);
            }
            // Written out here for the many points that stay in the column.
            const int column = PixelOf(b.x());
            if (reduce_ && columnOpen_ && column == column_) {
                Extend({b, count_++, PixelOf(b.y())});
            } else {
                Emit(b);
            }
            previous_ = b;
        } else {
            AddClipped(b);
        }
    }
}

void PolylineClipper::AddClipped(const QPointF& b) {
    if (!Finite(b)) {
        Flush();
        havePrevious_ = previousInside_ = false;
        return;
    }
    const QPointF a = previous_;
    const bool first = !havePrevious_;
    previous_ = b;
    havePrevious_ = true;
    previousInside_ = Inside(b, rect_);
    double t0, t1;
    if (first) {
        return;
    }
    if (!ClipSegment(a, b, rect_, t0, t1)) {
        Flush();
        return;
    }
    if (run_.empty() || t0 > 0.0) {
        Flush();
        Emit(t0 > 0.0 ? At(a, b, t0) : a);
    }
    Emit(t1 < 1.0 ? At(a, b, t1) : b);
    if (t1 < 1.0) {
        Flush();
    }
}

void PolylineClipper::OpenColumn(const QPointF& p, int column, int row) {
    CloseColumn();
    run_.push_back(p);
    columnOpen_ = true;
    column_ = column;
    count_ = 1;
    // The first point is in the run already; until others come, it stands for all of them.
    lowest_ = highest_ = lastElsewhere_ = last_ = Kept{p, 0, row};
}

void PolylineClipper::CloseColumn() {
    if (!columnOpen_) {
        return;
    }
    columnOpen_ = false;
    // The last point comes last; the other three in their order, each once.
    const Kept* order[3] = {&lowest_, &highest_, &lastElsewhere_};
    for (int i = 1; i < 3; ++i) {
        for (int j = i; j > 0 && order[j]->index < order[j - 1]->index; --j) {
            std::swap(order[j], order[j - 1]);
        }
    }
    int done = 0; // the column's first point is in the run already
    for (const Kept* k : {order[0], order[1], order[2], static_cast<const Kept*>(&last_)}) {
        if (k->index > done) {
            run_.push_back(k->point);
            done = k->index;
        }
    }
}

void PolylineClipper::Flush() {
    CloseColumn();
    if (run_.size() >= 2) {
        canvas_.Polyline(run_.data(), int(run_.size()));
    }
    run_.clear();
}

void PolylineClipper::Finish() {
    Flush();
}

void DrawClippedPolyline(Canvas& canvas, const QPointF* points, int count, const QRectF& rect,
                         std::vector<QPointF>& scratch) {
    PolylineClipper line(canvas, rect, scratch);
    for (int i = 0; i < count; ++i) {
        line.Add(points[i]);
    }
    line.Finish();
}

std::vector<QPointF> ClipPolygon(const std::vector<QPointF>& polygon, const QRectF& rect) {
    const QRectF r = rect.normalized();
    std::vector<QPointF> out;
    for (const QPointF& p : polygon) {
        if (Finite(p)) {
            out.push_back(p);
        }
    }
    // Each edge as (inside test, intersection with the edge line).
    for (int edge = 0; edge < 4 && !out.empty(); ++edge) {
        auto inside = [&](const QPointF& p) {
            switch (edge) {
            case 0:
                return p.x() >= r.left();
            case 1:
                return p.x() <= r.right();
            case 2:
                return p.y() >= r.top();
            default:
                return p.y() <= r.bottom();
            }
        };
        auto cross = [&](const QPointF& a, const QPointF& b) {
            double t;
            switch (edge) {
            case 0:
                t = (r.left() - a.x()) / (b.x() - a.x());
                break;
            case 1:
                t = (r.right() - a.x()) / (b.x() - a.x());
                break;
            case 2:
                t = (r.top() - a.y()) / (b.y() - a.y());
                break;
            default:
                t = (r.bottom() - a.y()) / (b.y() - a.y());
                break;
            }
            return At(a, b, std::isfinite(t) ? t : 0.0);
        };
        std::vector<QPointF> in;
        in.swap(out);
        for (size_t i = 0; i < in.size(); ++i) {
            const QPointF& cur = in[i];
            const QPointF& prev = in[(i + in.size() - 1) % in.size()];
            if (inside(cur)) {
                if (!inside(prev)) {
                    out.push_back(cross(prev, cur));
                }
                out.push_back(cur);
            } else if (inside(prev)) {
                out.push_back(cross(prev, cur));
            }
        }
    }
    return out;
}

void DrawClippedPolygon(Canvas& canvas, const std::vector<QPointF>& polygon, const QRectF& rect) {
    const std::vector<QPointF> clipped = ClipPolygon(polygon, rect);
    if (clipped.size() >= 3) {
        canvas.Polygon(clipped.data(), int(clipped.size()));
    }
}

} // namespace kestran
