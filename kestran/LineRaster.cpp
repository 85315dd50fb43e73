#include "LineRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestran {

namespace {

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Walks the pixels of a polyline in order: keeps the dash state, drops a pixel that repeats the
// one before it and joins neighbouring pixels of a column into runs.
class Walker {
public:
    Walker(const QRect& bounds, const std::vector<int>& pattern, RunSink& sink)
        : bounds_(bounds), pattern_(pattern), sink_(sink) {
        for (int v : pattern_) {
            period_ += std::max(v, 0);
        }
        if (period_ > 0) {
            left_ = pattern_[0];
        }
    }

    void Segment(const QPointF& a, const QPointF& b) {
        const int ax = PixelOf(a.x()), ay = PixelOf(a.y()), bx = PixelOf(b.x()), by = PixelOf(b.y());
        if (ax == bx) {
            InColumn(ax, ay, by);
            return;
        }
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        if (std::abs(dy) > std::abs(dx)) {
            Along(a.y(), b.y(), ay, by, bounds_.top(), bounds_.bottom(), dx / dy, a.x(), false);
        } else {
            Along(a.x(), b.x(), ax, bx, bounds_.left(), bounds_.right(), dy / dx, a.y(), true);
        }
    }

    void Finish() {
        if (pending_) {
            sink_.Run(run_);
            pending_ = false;
        }
    }

private:
    // Both ends in one column: the rows from the start's up to the end's, the end's left out.
    // However a run of points within a column wanders, it so covers the rows from its lowest to
    // its highest point, less the last point's row when nothing before reached it.
    void InColumn(int x, int y0, int y1) {
        if (y0 == y1) {
            return;
        }
        const int step = y1 > y0 ? 1 : -1;
        if (period_ == 0) {
            Column(x, step > 0 ? y0 : y1 + 1, step > 0 ? y1 - 1 : y0);
            return;
        }
        const int first = std::clamp(y0, bounds_.top() - 1, bounds_.bottom() + 1);
        const int last = std::clamp(y1 - step, bounds_.top() - 1, bounds_.bottom() + 1);
        Skip(std::abs(first - y0));
        for (int y = first;; y += step) {
            Pixel(x, y);
            if (y == last) {
                break;
            }
        }
    }

    // One pixel per step along the longer direction, from the start's step up to the end's (left
    // out), each under the line at the step's centre clamped into the segment. Steps outside the
    // bounds count for the dashes but are not walked.
    void Along(double s0, double s1, int i0, int i1, int lo, int hi, double slope, double c0, bool flat) {
        const int step = i1 > i0 ? 1 : -1;
        const int end = i1 - step; // the last step covered
        const double smin = std::min(s0, s1), smax = std::max(s0, s1);
        const int first = step > 0 ? std::max(i0, lo) : std::min(i0, hi);
        const int last = step > 0 ? std::min(end, hi) : std::max(end, lo);
        if ((last - first) * step < 0) {
            Skip(std::abs(i1 - i0));
            return;
        }
        Skip(std::abs(first - i0));
        for (int i = first;; i += step) {
            const double s = std::clamp(i + 0.5, smin, smax);
            const int across = PixelOf(c0 + (s - s0) * slope);
            if (flat) {
                Pixel(i, across);
            } else {
                Pixel(across, i);
            }
            if (i == last) {
                break;
            }
        }
        Skip(std::abs(end - last));
    }

    void Pixel(int x, int y) {
        if (x == lastX_ && y == lastY_) {
            return;
        }
        lastX_ = x;
        lastY_ = y;
        bool on = true;
        if (period_ > 0) {
            on = index_ % 2 == 0;
            if (--left_ == 0) {
                index_ = (index_ + 1) % int(pattern_.size());
                left_ = pattern_[size_t(index_)];
            }
        }
        if (on) {
            Column(x, y, y);
        }
    }

    void Skip(long long steps) {
        if (period_ == 0 || steps <= 0) {
            return;
        }
        steps %= period_;
        while (steps >= left_) {
            steps -= left_;
            index_ = (index_ + 1) % int(pattern_.size());
            left_ = pattern_[size_t(index_)];
        }
        left_ -= int(steps);
        lastX_ = lastY_ = kNone;
    }

    void Column(int x, int y0, int y1) {
        if (x < bounds_.left() || x > bounds_.right()) {
            return;
        }
        y0 = std::max(y0, bounds_.top());
        y1 = std::min(y1, bounds_.bottom());
        if (y0 > y1) {
            return;
        }
        if (pending_ && run_.x == x && y0 <= run_.y1 + 1 && y1 >= run_.y0 - 1) {
            run_.y0 = std::min(run_.y0, y0);
            run_.y1 = std::max(run_.y1, y1);
            return;
        }
        Finish();
        run_ = {x, y0, y1};
        pending_ = true;
    }

    static constexpr int kNone = std::numeric_limits<int>::min();
    const QRect bounds_;
    const std::vector<int>& pattern_;
    RunSink& sink_;
    long long period_ = 0;
    int index_ = 0, left_ = 0; // dash entry and the pixels left in it
    int lastX_ = kNone, lastY_ = kNone;
    PixelRun run_{0, 0, 0};
    bool pending_ = false;
};

// Column-major bit per pixel of a rectangle.
class Bitmap : public RunSink {
public:
    Bitmap(const QRect& box, std::vector<quint64>& bits)
        : box_(box), words_((box.height() + 63) / 64), bits_(bits) {
        bits_.assign(size_t(box.width()) * size_t(words_), 0);
    }

    void Run(const PixelRun& r) override {
        quint64* column = bits_.data() + size_t(r.x - box_.left()) * size_t(words_);
        const int y0 = r.y0 - box_.top(), y1 = r.y1 - box_.top();
        for (int w = y0 / 64; w <= y1 / 64; ++w) {
            const int from = std::max(y0, w * 64) - w * 64, to = std::min(y1, w * 64 + 63) - w * 64;
            const quint64 high = to == 63 ? ~0ULL : (2ULL << to) - 1;
            column[w] |= high & (~0ULL << from);
        }
    }

    void Collect(std::vector<PixelRun>& runs) const {
        for (int c = 0; c < box_.width(); ++c) {
            const quint64* column = bits_.data() + size_t(c) * size_t(words_);
            int y = 0;
            while ((y = Next(column, y, false)) >= 0) {
                const int end = Next(column, y, true);
                const int last = end < 0 ? box_.height() - 1 : end - 1;
                runs.push_back({box_.left() + c, box_.top() + y, box_.top() + last});
                if (end < 0) {
                    break;
                }
                y = end;
            }
        }
    }

private:
    // The first row from y on whose bit is set (or clear, with `clear`); -1 when none.
    int Next(const quint64* column, int y, bool clear) const {
        for (int w = y / 64; w < words_; ++w) {
            quint64 v = clear ? ~column[w] : column[w];
            if (w == y / 64) {
                v &= ~0ULL << (y % 64);
            }
            if (v != 0) {
                const int row = w * 64 + __builtin_ctzll(v);
                return row < box_.height() ? row : -1;
            }
        }
        return -1;
    }

    const QRect box_;
    const int words_;
    std::vector<quint64>& bits_;
};

QRect BoxOf(const QPointF* points, int count, const QRect& bounds) {
    double x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (int i = 0; i < count; ++i) {
        if (Finite(points[i])) {
            x0 = std::min(x0, points[i].x());
            x1 = std::max(x1, points[i].x());
            y0 = std::min(y0, points[i].y());
            y1 = std::max(y1, points[i].y());
        }
    }
    if (x0 > x1) {
        return QRect();
    }
    return QRect(QPoint(PixelOf(x0), PixelOf(y0)), QPoint(PixelOf(x1), PixelOf(y1))) & bounds;
}

} // namespace

void RasterPolyline(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                    RunSink& sink) {
    Walker walker(bounds, pattern, sink);
    for (int i = 0; i + 1 < count; ++i) {
        if (Finite(points[i]) && Finite(points[i + 1])) {
            walker.Segment(points[i], points[i + 1]);
        }
    }
    walker.Finish();
}

void RasterRuns(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                std::vector<quint64>& bits, std::vector<PixelRun>& runs) {
    runs.clear();
    const QRect box = BoxOf(points, count, bounds);
    if (box.isEmpty()) {
        return;
    }
    Bitmap bitmap(box, bits);
    RasterPolyline(points, count, box, pattern, bitmap);
    bitmap.Collect(runs);
}

} // namespace kestran
