#include "render/LineStream.h"

#include "canvas/Clip.h"
#include "canvas/LineRaster.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace kestran {

namespace {

// Columns with fewer points go point by point.
constexpr int kSpanMin = 16;
// Below this many points per column on average, a column holds hardly more than the five points
// its reduction keeps.
constexpr int kReduceMin = 4;

template <class MapX, class MapY>
void FeedPoints(const DataSet& d, const MapX sx, const MapY sy, int from, int to, PolylineClipper& line) {
    const double* xs = d.Xs().data();
    const double* ys = d.Ys().data();
    const size_t stride = size_t(d.Groups());
    constexpr int kBatch = 256;
    QPointF batch[kBatch];
    for (int i = from; i < to;) {
        const int n = std::min(to - i, kBatch);
        for (int k = 0; k < n; ++k, ++i) {
            const double x = xs[i], y = ys[size_t(i) * stride];
            batch[k] = std::isfinite(x) && std::isfinite(y) ? QPointF(sx.ToDevice(x), sy.ToDevice(y))
                                                            : QPointF(NAN, NAN);
        }
        line.Add(batch, n);
    }
}

// Sorted X on a linear Y scale: each pixel column's points are found by galloping and bisection on
// X, and a column of many points inside the plot is summed up in a pass over its Y values that
// maps hardly any of them.
class ColumnFeeder {
public:
    ColumnFeeder(const DataSet& d, const ScalePair& scale, const QRectF& rect, PolylineClipper& line)
        : xs_(d.Xs().data()), ys_(d.Ys().data()), stride_(size_t(d.Groups())), sx_(scale.x),
          sy_(scale.y.AsLinear()), rect_(rect.normalized()), line_(line),
          band_((1 + 1e-9) / std::abs(sy_.factor)) {}

    void Feed(int from, int to) {
        for (int i = from; i < to;) {
            const int column = Column(i);
            const int end = ColumnEnd(i, to, column);
            line_.Add(Point(i));
            if (end - i <= kSpanMin || !line_.TakesSpan() || !Span(i + 1, end)) {
                for (int k = i + 1; k < end; ++k) {
                    line_.Add(Point(k));
                }
            }
            i = end;
        }
    }

private:
    double Y(int i) const { return ys_[size_t(i) * stride_]; }
    int Row(double y) const { return PixelOf(sy_.ToDevice(y)); }
    int Column(int i) const { return PixelOf(sx_.ToDevice(xs_[i])); }
    QPointF Point(int i) const {
        const double y = Y(i);
        return std::isfinite(y) ? QPointF(sx_.ToDevice(xs_[i]), sy_.ToDevice(y)) : QPointF(NAN, NAN);
    }

    // The first point from i on that lies in another column (columns run one way with X sorted).
    int ColumnEnd(int i, int to, int column) const {
        int lo = i, hi = i + 1;
        for (int step = 1; hi < to && Column(hi) == column; step *= 2) {
            lo = hi;
            hi = std::min(lo + step, to);
        }
        while (hi - lo > 1) {
            const int mid = lo + (hi - lo) / 2;
            (Column(mid) == column ? lo : hi) = mid;
        }
        return hi;
    }

    // Points [from, to) of the open column, when all are finite and inside the plot.
    bool Span(int from, int to) {
        double lo = INFINITY, hi = -INFINITY;
        bool nan = false;
        for (int k = from; k < to; ++k) {
            const double y = Y(k);
            lo = y < lo ? y : lo;
            hi = y > hi ? y : hi;
            nan |= y != y;
        }
        const QPointF first = Point(from), last = Point(to - 1);
        const double top = sy_.ToDevice(lo), bottom = sy_.ToDevice(hi);
        if (nan || !Inside(first.x(), rect_.left(), rect_.right()) ||
            !Inside(last.x(), rect_.left(), rect_.right()) || !Inside(top, rect_.top(), rect_.bottom()) ||
            !Inside(bottom, rect_.top(), rect_.bottom())) {
            return false;
        }
        const int rowLo = Row(lo), rowHi = Row(hi);
        PolylineClipper::Span span;
        span.count = to - from;
        span.lowest = First(from, to, rowLo <= rowHi ? lo : hi, std::min(rowLo, rowHi));
        span.highest = First(from, to, rowLo <= rowHi ? hi : lo, std::max(rowLo, rowHi));
        span.last = Kept(to - 1, from, Row(Y(to - 1)));
        span.elsewhere.index = -1;
        for (int k = to - 2; k >= from; --k) {
            const double y = Y(k);
            if (std::abs(y - Y(to - 1)) > band_ || Row(y) != span.last.row) {
                span.elsewhere = Kept(k, from, Row(y));
                break;
            }
        }
        line_.AddSpan(span);
        return true;
    }

    // The first point in [from, to) in the given row, whose value is `near`'s within a pixel.
    PolylineClipper::Kept First(int from, int to, double near, int row) const {
        int k = from;
        while (k < to - 1 && !(std::abs(Y(k) - near) <= band_ && Row(Y(k)) == row)) {
            ++k;
        }
        return Kept(k, from, row);
    }

    PolylineClipper::Kept Kept(int k, int from, int row) const { return {Point(k), k - from, row}; }
    static bool Inside(double v, double lo, double hi) { return v >= lo && v <= hi; }

    const double* xs_;
    const double* ys_;
    const size_t stride_;
    const ScaleMap& sx_;
    const ScaleMap::Linear sy_;
    const QRectF rect_;
    PolylineClipper& line_;
    const double band_; // Y values further apart than this lie in different rows
};

} // namespace

std::pair<int, int> VisibleRange(const DataSet& d, const ScaleMap& x) {
    const int n = d.Count();
    const DataSet::Order order = d.XOrder();
    if (n == 0 || order == DataSet::Order::None || (x.Log() && !(std::min(d.X(0), d.X(n - 1)) > 0.0))) {
        return {0, n}; // unsorted, or points a logarithmic scale draws at its edge
    }
    // The margin keeps every point that rounding could map onto an edge.
    double lo = x.Lo(), hi = x.Hi();
    if (x.Log()) {
        lo *= 1 - 1e-6;
        hi *= 1 + 1e-6;
    } else {
        const double margin = (hi - lo) * 1e-6;
        lo -= margin;
        hi += margin;
    }
    const double* xs = d.Xs().data();
    int from, to;
    if (order == DataSet::Order::Ascending) {
        from = int(std::lower_bound(xs, xs + n, lo) - xs);
        to = int(std::upper_bound(xs, xs + n, hi) - xs);
    } else {
        from = int(std::lower_bound(xs, xs + n, hi, std::greater<double>()) - xs);
        to = int(std::upper_bound(xs, xs + n, lo, std::greater<double>()) - xs);
    }
    return {std::max(from - 1, 0), std::min(to + 1, n)};
}

bool WorthReducing(const DataSet& d, const ScaleMap& x, const QRectF& plot) {
    const auto [from, to] = VisibleRange(d, x);
    return to - from > kReduceMin * std::abs(plot.width());
}

void FeedLine(const DataSet& d, const ScalePair& scale, const QRectF& plot, PolylineClipper& line) {
    const auto [from, to] = VisibleRange(d, scale.x);
    // Columns pay for their search only when many points share them.
    const bool dense = to - from > kSpanMin * std::abs(plot.width());
    if (dense && line.Reduces() && d.XOrder() != DataSet::Order::None && scale.y.IsLinear()) {
        ColumnFeeder(d, scale, plot, line).Feed(from, to);
    } else if (scale.x.IsLinear() && scale.y.IsLinear()) {
        FeedPoints(d, scale.x.AsLinear(), scale.y.AsLinear(), from, to, line);
    } else {
        FeedPoints(d, scale.x, scale.y, from, to, line);
    }
}

} // namespace kestran
