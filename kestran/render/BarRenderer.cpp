#include "canvas/Clip.h"
#include "render/PlotContext.h"

namespace kestran::plot {

namespace {

ColorRef Shade(ColorRef c, double f) {
    auto ch = [&](int shift) {
        return ColorRef(std::clamp(int(((c >> shift) & 0xFF) * f), 0, 255)) << shift;
    };
    return ch(0) | ch(8) | ch(16);
}

bool Horizontal(int barType) {
    return barType == codes::Bar2DHorizontal || barType == codes::Bar3DHorizontal;
}

bool ThreeD(int barType) {
    return barType == codes::Bar3DVertical || barType == codes::Bar3DHorizontal;
}

// Device spacing of bar positions: the smallest gap between distinct positions.
double Spacing(const std::vector<double>& positions, double fallback) {
    std::vector<double> v;
    v.reserve(positions.size());
    for (double p : positions) {
        if (std::isfinite(p)) {
            v.push_back(p);
        }
    }
    std::sort(v.begin(), v.end());
    double best = fallback;
    for (size_t i = 1; i < v.size(); ++i) {
        const double d = v[i] - v[i - 1];
        if (d > 0.5 && d < best) {
            best = d;
        }
    }
    return best;
}

// One bar between positions p0..p1 (across) and values v0..v1 (along the value axis), in device units.
void DrawBar(Context& c, double p0, double p1, double v0, double v1, const BarStyle& style,
             double depth = -1) {
    const bool horizontal = Horizontal(c.plot.barType);
    const QRectF r = horizontal ? QRectF(QPointF(v0, p0), QPointF(v1, p1)).normalized()
                                : QRectF(QPointF(p0, v0), QPointF(p1, v1)).normalized();
    if (!std::isfinite(r.left()) || !std::isfinite(r.top()) || !std::isfinite(r.right()) ||
        !std::isfinite(r.bottom())) {
        return;
    }
    c.canvas.SetPen({0, 1, codes::PenSolid});
    c.canvas.SetBrush(BrushSpec{style.color, style.hatch, false, style.opaque});
    DrawClippedPolygon(c.canvas, {r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft()}, c.frame.plot);
    if (depth < 0) {
        depth = ThreeD(c.plot.barType) ? std::min(12.0, std::abs(p1 - p0) * 0.4) : 0.0;
    }
    if (depth <= 0) {
        return;
    }
    const QPointF d(depth, -depth);
    c.canvas.SetBrush(BrushSpec{Shade(style.color, 0.8), -1, false, false});
    DrawClippedPolygon(c.canvas, {r.topLeft(), r.topLeft() + d, r.topRight() + d, r.topRight()},
                       c.frame.plot);
    c.canvas.SetBrush(BrushSpec{Shade(style.color, 0.6), -1, false, false});
    DrawClippedPolygon(c.canvas, {r.topRight(), r.topRight() + d, r.bottomRight() + d, r.bottomRight()},
                       c.frame.plot);
}

struct BarLayout {
    bool horizontal;
    const ScaleMap* position; // the axis the bars stand on
    const ScaleMap* value;
    double width; // device width of one bar slot
    double base;  // device position of the value axis origin
};

BarLayout Layout(Context& c) {
    BarLayout l;
    l.horizontal = Horizontal(c.plot.barType);
    l.position = l.horizontal ? &c.scale.y : &c.scale.x;
    l.value = l.horizontal ? &c.scale.x : &c.scale.y;
    std::vector<double> pos(size_t(c.data.Count()));
    for (int i = 0; i < c.data.Count(); ++i) {
        pos[size_t(i)] = l.position->ToDevice(l.horizontal ? c.data.Y(i, 0) : c.data.X(i));
    }
    const double extent = std::abs(l.position->D1() - l.position->D0());
    const double width = std::isfinite(c.plot.barWidth) ? std::clamp(c.plot.barWidth, 0.0, 10.0) : 0.75;
    l.width = width * Spacing(pos, extent / 10.0);
    l.base = BaseDevice(*l.value, l.horizontal ? c.plot.baseX : c.plot.baseY);
    return l;
}

// The slot across the position axis for a bar at device position p.
std::pair<double, double> Slot(const PlotRecord& plot, double p, double width) {
    if (plot.justify == codes::JustifyMin) {
        return {p, p + width};
    }
    if (plot.justify == codes::JustifyMax) {
        return {p - width, p};
    }
    return {p - width / 2, p + width / 2};
}

double PositionOf(const Context& c, const BarLayout& l, int i) {
    return l.position->ToDevice(l.horizontal ? c.data.Y(i, 0) : c.data.X(i));
}

double ValueOf(const Context& c, const BarLayout& l, int i) {
    return l.value->ToDevice(l.horizontal ? c.data.X(i) : c.data.Y(i, 0));
}

int GroupCount(const Context& c) {
    return std::max(1, std::min(c.data.Groups(), int(c.plot.colors.size())));
}

// Group values of one point along the value axis: for horizontal bars the position is the X value
// and each group's value is its Y, like vertical bars turned on their side.
double GroupPosition(const Context& c, const BarLayout& l, int i) {
    return l.position->ToDevice(c.data.X(i));
}

} // namespace

void DrawBars(Context& c) {
    const BarLayout l = Layout(c);
    const BarStyle style{c.plot.color, c.plot.hatch, c.plot.opaque};
    for (int i = 0; i < c.data.Count(); ++i) {
        const auto [p0, p1] = Slot(c.plot, PositionOf(c, l, i), l.width);
        DrawBar(c, p0, p1, l.base, ValueOf(c, l, i), style);
    }
}

BarStyle GroupStyle(const PlotRecord& p, int g) {
    const size_t k = size_t(g);
    return {k < p.colors.size() ? p.colors[k] : 0, k < p.hatches.size() ? p.hatches[k] : -1,
            k < p.opaques.size() && p.opaques[k] != 0};
}

void DrawGroupBars(Context& c) {
    BarLayout l = Layout(c);
    // Group bars always stand on the X values; with horizontal bars the X axis runs along the values.
    std::vector<double> pos(size_t(c.data.Count()));
    for (int i = 0; i < c.data.Count(); ++i) {
        pos[size_t(i)] = l.position->ToDevice(c.data.X(i));
    }
    const double width = std::isfinite(c.plot.barWidth) ? std::clamp(c.plot.barWidth, 0.0, 10.0) : 1.0;
    l.width = width * Spacing(pos, std::abs(l.position->D1() - l.position->D0()) / 10.0);
    const int m = GroupCount(c);
    for (int i = 0; i < c.data.Count(); ++i) {
        const auto [p0, p1] = Slot(c.plot, GroupPosition(c, l, i), l.width);
        double stack = 0.0;
        double stackTop = BaseDevice(*l.value, 0.0); // stacks grow from 0, up or down
        for (int gi = 0; gi < m; ++gi) {
            const int g = c.plot.groupKind == codes::GroupDeepBars ? m - 1 - gi : gi;
            const double v = c.data.Y(i, g);
            if (!std::isfinite(v)) {
                continue;
            }
            switch (c.plot.groupKind) {
            case codes::GroupStackedBars:
                stack += v;
                DrawBar(c, p0, p1, stackTop, l.value->ToDevice(stack), GroupStyle(c.plot, g));
                stackTop = l.value->ToDevice(stack);
                break;
            case codes::GroupDeepBars: {
                const double shift = std::min(8.0, l.width / 3) * g;
                const double across = l.horizontal ? -shift : shift;
                DrawBar(c, p0 + across, p1 + across, l.base - shift * (l.horizontal ? -1 : 1),
                        l.value->ToDevice(v) - shift * (l.horizontal ? -1 : 1), GroupStyle(c.plot, g));
                break;
            }
            default: {
                const double w = (p1 - p0) / m;
                DrawBar(c, p0 + w * g, p0 + w * (g + 1), l.base, l.value->ToDevice(v), GroupStyle(c.plot, g));
                break;
            }
            }
        }
    }
}

void DrawFloatingBars(Context& c) {
    const BarLayout l = Layout(c);
    const BarStyle style{c.plot.color, c.plot.hatch, c.plot.opaque};
    const bool two = c.data.Groups() >= 2;
    for (int i = 0; i < c.data.Count(); ++i) {
        const auto [p0, p1] = Slot(c.plot, l.position->ToDevice(c.data.X(i)), l.width);
        const double low = c.data.Y(i, 0);
        const double high = two ? c.data.Y(i, 1) : low;
        DrawBar(c, p0, p1, two ? l.value->ToDevice(low) : l.base, l.value->ToDevice(high), style);
    }
}

} // namespace kestran::plot
