#include "Clip.h"

#include "Canvas.h"

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

void Flush(Canvas& canvas, std::vector<QPointF>& run, const QRectF& rect, std::vector<QPointF>& thin) {
    if (run.size() >= 2) {
        if (run.size() > size_t(std::max(64.0, rect.width() * 3))) {
            ThinToColumns(run.data(), int(run.size()), thin);
            canvas.Polyline(thin.data(), int(thin.size()));
        } else {
            canvas.Polyline(run.data(), int(run.size()));
        }
    }
    run.clear();
}

} // namespace

void ThinToColumns(const QPointF* points, int count, std::vector<QPointF>& out) {
    out.clear();
    int i = 0;
    while (i < count) {
        const double column = std::floor(points[i].x());
        int lo = i, hi = i, j = i + 1;
        while (j < count && std::floor(points[j].x()) == column) {
            if (points[j].y() < points[lo].y()) {
                lo = j;
            }
            if (points[j].y() > points[hi].y()) {
                hi = j;
            }
            ++j;
        }
        const int last = j - 1;
        const int order[4] = {i, std::min(lo, hi), std::max(lo, hi), last};
        int previous = -1;
        for (int k : order) {
            if (k != previous) {
                out.push_back(points[k]);
                previous = k;
            }
        }
        i = j;
    }
}

void DrawClippedPolyline(Canvas& canvas, const QPointF* points, int count, const QRectF& rect,
                         std::vector<QPointF>& scratch) {
    scratch.clear();
    std::vector<QPointF> thin;
    const QRectF r = rect.normalized();
    for (int i = 0; i + 1 < count; ++i) {
        const QPointF& a = points[i];
        const QPointF& b = points[i + 1];
        if (!Finite(a) || !Finite(b)) {
            Flush(canvas, scratch, r, thin);
            continue;
        }
        double t0, t1;
        if (!ClipSegment(a, b, r, t0, t1)) {
            Flush(canvas, scratch, r, thin);
            continue;
        }
        const QPointF start = t0 > 0.0 ? At(a, b, t0) : a;
        if (scratch.empty() || t0 > 0.0) {
            Flush(canvas, scratch, r, thin);
            scratch.push_back(start);
        }
        scratch.push_back(t1 < 1.0 ? At(a, b, t1) : b);
        if (t1 < 1.0) {
            Flush(canvas, scratch, r, thin);
        }
    }
    Flush(canvas, scratch, r, thin);
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
