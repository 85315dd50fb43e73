#include "canvas/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kestran {

namespace {

bool Finite(const QPointF& p) {
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Walks the pixels of a polyline in order: keeps the dash state, drops a pixel that repeats the
// one before it and joins neighbouring pixels of a column into runs. Pieces that stay in one row
// or one column (grid lines, axes, dense data) go by whole runs, dashes included.
template <class Sink> class Walker {
public:
    Walker(const QRect& bounds, const std::vector<int>& pattern, Sink& sink)
        : bounds_(bounds), pattern_(pattern), sink_(sink) {
        for (int v : pattern_) {
            period_ += std::max(v, 1);
        }
        if (period_ > 0) {
            left_ = std::max(pattern_[0], 1);
        }
    }

    // a and b with their pixels.
    void Segment(const QPointF& a, QPoint pa, const QPointF& b, QPoint pb) {
        const int ax = pa.x(), ay = pa.y(), bx = pb.x(), by = pb.y();
        const double dx = b.x() - a.x(), dy = b.y() - a.y();
        if (ax == bx && period_ == 0) { // the usual piece of dense data, on its own
            if (ay != by) {
                Column(ax, ay < by ? ay : by + 1, ay < by ? by - 1 : ay);
            }
        } else if (ax == bx) {
            Flush();
            const bool inside = ax >= bounds_.left() && ax <= bounds_.right();
            Straight(ay, by, bounds_.top(), bounds_.bottom(), [&](int y0, int y1) {
                if (inside) {
                    sink_.Run({ax, y0, y1});
                }
            });
        } else if (std::abs(dy) > std::abs(dx)) {
            Along(a.y(), b.y(), ay, by, bounds_.top(), bounds_.bottom(), dx / dy, a.x(), false);
        } else if (ay == by) { // the centre of every column it crosses lies in this row
            const bool inside = ay >= bounds_.top() && ay <= bounds_.bottom();
            Straight(ax, bx, bounds_.left(), bounds_.right(), [&](int x0, int x1) {
                if (inside) {
                    sink_.Row(ay, x0, x1);
                }
            });
        } else {
            Along(a.x(), b.x(), ax, bx, bounds_.left(), bounds_.right(), dy / dx, a.y(), true);
        }
    }

    void Flush() {
        if (pending_) {
            sink_.Run(run_);
            pending_ = false;
        }
    }

private:
    // Steps i0, i0 +- 1, ... up to i1 (left out) within lo..hi, in one row or column: span(a, b)
    // gets each stretch the pattern draws, a <= b. Both ends in one column make the rows from the
    // start's up to the end's: however a run of points within a column wanders, it so covers the
    // rows from its lowest to its highest point, less the last point's row when nothing before
    // reached it.
    template <class Span> void Straight(int i0, int i1, int lo, int hi, Span span) {
        if (i0 == i1) {
            return;
        }
        const int step = i1 > i0 ? 1 : -1;
        const long long n = std::abs(static_cast<long long>(i1) - i0);
        // The steps k = 0 .. n-1 (at i0 + k * step) that fall within lo..hi.
        const long long k0 =
            std::max(0LL, step > 0 ? static_cast<long long>(lo) - i0 : i0 - static_cast<long long>(hi));
        const long long k1 =
            std::min(n - 1, step > 0 ? static_cast<long long>(hi) - i0 : i0 - static_cast<long long>(lo));
        if (k0 > k1) {
            Skip(n);
            return;
        }
        Skip(k0);
        Dash(int(k1 - k0 + 1), [&](int k, int count) {
            const int a = i0 + int(k0 + k) * step, b = a + (count - 1) * step;
            span(std::min(a, b), std::max(a, b));
        });
        Skip(n - 1 - k1);
        lastX_ = lastY_ = kNone;
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
            // Only the start's own step can have its centre outside the segment.
            const double s = i == i0 ? std::clamp(i + 0.5, smin, smax) : i + 0.5;
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
        if (period_ == 0) {
            Column(x, y, y); // a repeat joins the run it repeats
            return;
        }
        if (x == lastX_ && y == lastY_) {
            return;
        }
        lastX_ = x;
        lastY_ = y;
        Dash(1, [&](int, int) { Column(x, y, y); });
    }

    // n steps of the pattern: on(k, count) for each stretch of them that it draws.
    template <class On> void Dash(int n, On on) {
        if (period_ == 0) {
            on(0, n);
            return;
        }
        for (int k = 0; k < n;) {
            const int take = std::min(left_, n - k);
            if (index_ % 2 == 0) {
                on(k, take);
            }
            k += take;
            if ((left_ -= take) == 0) {
                Next();
            }
        }
    }

    void Skip(long long steps) {
        if (period_ == 0 || steps <= 0) {
            return;
        }
        steps %= period_;
        while (steps >= left_) {
            steps -= left_;
            Next();
        }
        left_ -= int(steps);
        lastX_ = lastY_ = kNone;
    }

    void Next() {
        if (++index_ == int(pattern_.size())) {
            index_ = 0;
        }
        left_ = std::max(pattern_[size_t(index_)], 1);
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
        Flush();
        run_ = {x, y0, y1};
        pending_ = true;
    }

    static constexpr int kNone = std::numeric_limits<int>::min();
    const QRect bounds_;
    const std::vector<int>& pattern_;
    Sink& sink_;
    long long period_ = 0;
    int index_ = 0, left_ = 0; // dash entry and the pixels left in it
    int lastX_ = kNone, lastY_ = kNone;
    PixelRun run_{0, 0, 0};
    bool pending_ = false;
};

// Pixels written straight into an image.
class ImageSink {
public:
    ImageSink(QImage& image, QPoint offset, int width, QRgb color, const QRect& limit)
        : bits_(image.bits()), stride_(image.bytesPerLine()),
          area_(limit.translated(offset) & QRect(QPoint(0, 0), image.size())), offset_(offset), width_(width),
          color_(color) {}

    void Run(const PixelRun& r) { Fill(r.x, r.y0, r.x, r.y1); }
    void Row(int y, int x0, int x1) { Fill(x0, y, x1, y); }

private:
    // The pixels x0..x1 by y0..y1, each stamped.
    void Fill(int x0, int y0, int x1, int y1) {
        const int back = width_ / 2;
        x0 = std::max(x0 + offset_.x() - back, area_.left());
        x1 = std::min(x1 + offset_.x() - back + width_ - 1, area_.right());
        y0 = std::max(y0 + offset_.y() - back, area_.top());
        y1 = std::min(y1 + offset_.y() - back + width_ - 1, area_.bottom());
        if (x0 > x1) {
            return;
        }
        for (int y = y0; y <= y1; ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(bits_ + qsizetype(y) * stride_);
            std::fill(line + x0, line + x1 + 1, color_);
        }
    }

    uchar* bits_;
    qsizetype stride_;
    QRect area_; // the image's pixels that may be written
    QPoint offset_;
    int width_;
    QRgb color_;
};

// Column-major bit per pixel of a rectangle.
class Bitmap {
public:
    Bitmap(const QRect& box, std::vector<quint64>& bits)
        : box_(box), words_((box.height() + 63) / 64), bits_(bits) {
        bits_.assign(size_t(box.width()) * size_t(words_), 0);
    }

    void Row(int y, int x0, int x1) {
        for (int x = x0; x <= x1; ++x) {
            Run({x, y, y});
        }
    }

    void Run(const PixelRun& r) {
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

template <class Sink>
void Raster(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
            Sink& sink) {
    Walker<Sink> walker(bounds, pattern, sink);
    auto pixel = [](const QPointF& p) { return QPoint(PixelOf(p.x()), PixelOf(p.y())); };
    QPoint previous = count > 0 ? pixel(points[0]) : QPoint();
    for (int i = 0; i + 1 < count; ++i) {
        const QPoint next = pixel(points[i + 1]);
        if (Finite(points[i]) && Finite(points[i + 1])) {
            walker.Segment(points[i], previous, points[i + 1], next);
        }
        previous = next;
    }
    walker.Flush();
}

} // namespace

void RasterToImage(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                   QImage& image, QPoint offset, int width, QRgb color, const QRect& limit) {
    ImageSink sink(image, offset, width, color, limit);
    Raster(points, count, bounds, pattern, sink);
}

void RasterRuns(const QPointF* points, int count, const QRect& bounds, const std::vector<int>& pattern,
                std::vector<quint64>& bits, std::vector<PixelRun>& runs) {
    runs.clear();
    const QRect box = BoxOf(points, count, bounds);
    if (box.isEmpty()) {
        return;
    }
    Bitmap bitmap(box, bits);
    Raster(points, count, box, pattern, bitmap);
    bitmap.Collect(runs);
}

} // namespace kestran
