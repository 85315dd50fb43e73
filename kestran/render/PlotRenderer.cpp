#include "canvas/Clip.h"
#include "EngineCodes.h"
#include "render/LineStream.h"
#include "render/Markers.h"
#include "render/PlotContext.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>

namespace kestran {

namespace {

using namespace plot;

constexpr int kMaxSplinePoints = 4000; // beyond this a spline is indistinguishable from the line
constexpr int kSplineSteps = 8;

// Drawing memory kept from one plot and one draw to the next: given back after each plot, it
// cost the kernel's time to map it again at the next. Line plots need no more than a run of
// reduced points; fills, splines and stacked lines hold all their device points.
struct Scratch {
    std::vector<QPointF> points, below, run;
};

Scratch& KeptScratch() {
    static Scratch scratch;
    return scratch;
}

// One plot of a huge data set should not hold its memory for the rest of the program.
void Trim(std::vector<QPointF>& v) {
    constexpr size_t kKeptPoints = 1 << 16;
    if (v.capacity() > kKeptPoints) {
        std::vector<QPointF>().swap(v);
    }
}

// A line straight from the data set (LineStream.h).
void StreamLine(Context& c, const PenSpec& pen) {
    c.canvas.SetPen(pen);
    PolylineClipper line(c.canvas, c.frame.plot, c.run, WorthReducing(c.data, c.scale.x, c.frame.plot));
    FeedLine(c.data, c.scale, c.frame.plot, line);
    line.Finish();
}

// Device points of one group, with stacked offsets when `stackBelow` groups are summed in.
void DevicePoints(Context& c, int group, int stackGroups = 0) {
    const int n = c.data.Count();
    c.points.resize(size_t(n));
    for (int i = 0; i < n; ++i) {
        double y = c.data.Y(i, group);
        for (int g = 0; g < stackGroups; ++g) {
            y += c.data.Y(i, g);
        }
        c.points[size_t(i)] = QPointF(c.scale.x.ToDevice(c.data.X(i)), c.scale.y.ToDevice(y));
        if (!std::isfinite(c.data.X(i)) || !std::isfinite(y)) {
            c.points[size_t(i)] = QPointF(NAN, NAN);
        }
    }
}

// Catmull-Rom through the points (device space).
std::vector<QPointF> Spline(const std::vector<QPointF>& p) {
    std::vector<QPointF> out;
    const size_t n = p.size();
    out.reserve(n * kSplineSteps);
    for (size_t i = 0; i + 1 < n; ++i) {
        const QPointF p0 = p[i > 0 ? i - 1 : i], p1 = p[i], p2 = p[i + 1], p3 = p[i + 2 < n ? i + 2 : i + 1];
        for (int s = 0; s < kSplineSteps; ++s) {
            const double t = double(s) / kSplineSteps, t2 = t * t, t3 = t2 * t;
            out.push_back(0.5 * (2 * p1 + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                                 (-p0 + 3 * p1 - 3 * p2 + p3) * t3));
        }
    }
    if (n > 0) {
        out.push_back(p.back());
    }
    return out;
}

void FillUnder(Context& c, const std::vector<QPointF>& line, ColorRef color) {
    const double base = BaseDevice(c.scale.y, c.plot.baseY);
    std::vector<QPointF> poly;
    poly.reserve(line.size() + 2);
    for (const QPointF& p : line) {
        if (std::isfinite(p.x()) && std::isfinite(p.y())) {
            poly.push_back(p);
        }
    }
    if (poly.size() < 2) {
        return;
    }
    poly.push_back(QPointF(poly.back().x(), base));
    poly.push_back(QPointF(poly.front().x(), base));
    c.canvas.SetPen({0, 0, codes::PenNull});
    c.canvas.SetBrush(BrushSpec{color, -1, false, false});
    DrawClippedPolygon(c.canvas, poly, c.frame.plot);
}

void DrawMarks(Context& c, ColorRef color) {
    const std::vector<int>& marked = c.data.MarkedPoints();
    if (marked.empty()) {
        return;
    }
    c.canvas.SetPen({color, 1, codes::PenSolid});
    for (int i : marked) {
        const QPointF p = i < c.data.Count() ? DevicePoint(c, i, 0) : QPointF(NAN, NAN);
        if (c.frame.plot.contains(p)) {
            DrawMarker(c.canvas, codes::ShapeBox, p, 9, false, color);
        }
    }
}

void DrawLine(Context& c, const PenSpec& pen, bool areaFill, bool spline) {
    spline = spline && c.data.Count() > 2 && c.data.Count() <= kMaxSplinePoints;
    if (!areaFill && !spline) {
        StreamLine(c, pen);
        return;
    }
    DevicePoints(c, 0);
    const std::vector<QPointF>* line = &c.points;
    std::vector<QPointF> smooth;
    if (spline && std::all_of(c.points.begin(), c.points.end(),
                              [](const QPointF& p) { return std::isfinite(p.x()); })) {
        smooth = Spline(c.points);
        line = &smooth;
    }
    if (areaFill) {
        FillUnder(c, *line, pen.color);
    }
    c.canvas.SetPen(pen);
    DrawClippedPolyline(c.canvas, line->data(), int(line->size()), c.frame.plot, c.run);
}

// Markers of one group at every point inside the plot.
void DrawMarkers(Context& c, int group, int shape, ColorRef color, int size, bool filled) {
    if (shape == codes::ShapeNone) {
        return;
    }
    c.canvas.SetPen({color, 1, codes::PenSolid});
    const auto [from, to] = VisibleRange(c.data, c.scale.x);
    for (int i = from; i < to; ++i) {
        const QPointF p = DevicePoint(c, i, group);
        if (c.frame.plot.contains(p)) {
            DrawMarker(c.canvas, shape, p, size, filled, color);
        }
    }
}

void DrawStackedLines(Context& c) {
    const int m = std::max(1, std::min(c.data.Groups(), int(c.plot.colors.size())));
    std::vector<QPointF>& below = KeptScratch().below;
    below.clear();
    for (int g = 0; g < m; ++g) {
        DevicePoints(c, g, g);
        const size_t k = size_t(g);
        const PenSpec pen{c.plot.colors[k], k < c.plot.widths.size() ? c.plot.widths[k] : 1,
                          k < c.plot.styles.size() ? c.plot.styles[k] : 0};
        if (c.plot.areaFill) {
            std::vector<QPointF> poly;
            for (const QPointF& p : c.points) {
                if (std::isfinite(p.x())) {
                    poly.push_back(p);
                }
            }
            if (g == 0) {
                const double base = BaseDevice(c.scale.y, c.plot.baseY);
                if (!poly.empty()) {
                    poly.push_back({poly.back().x(), base});
                    poly.push_back({poly.front().x(), base});
                }
            } else {
                for (auto it = below.rbegin(); it != below.rend(); ++it) {
                    if (std::isfinite(it->x())) {
                        poly.push_back(*it);
                    }
                }
            }
            c.canvas.SetPen({0, 0, codes::PenNull});
            c.canvas.SetBrush(BrushSpec{pen.color, -1, false, false});
            DrawClippedPolygon(c.canvas, poly, c.frame.plot);
        }
        c.canvas.SetPen(pen);
        DrawClippedPolyline(c.canvas, c.points.data(), int(c.points.size()), c.frame.plot, c.run);
        below = c.points;
    }
}

void VerticalRange(Context& c, double x, double lo, double hi, double cap) {
    const QPointF a(c.scale.x.ToDevice(x), c.scale.y.ToDevice(lo));
    const QPointF b(a.x(), c.scale.y.ToDevice(hi));
    const QPointF line[2] = {a, b};
    DrawClippedPolyline(c.canvas, line, 2, c.frame.plot, c.run);
    if (cap > 0) {
        for (const QPointF& e : {a, b}) {
            const QPointF t[2] = {e - QPointF(cap / 2, 0), e + QPointF(cap / 2, 0)};
            DrawClippedPolyline(c.canvas, t, 2, c.frame.plot, c.run);
        }
    }
}

void DrawHighLowClose(Context& c) {
    c.canvas.SetPen(c.plot.pen);
    const int groups = c.data.Groups();
    for (int i = 0; i < c.data.Count() && groups >= 2; ++i) {
        VerticalRange(c, c.data.X(i), c.data.Y(i, 1), c.data.Y(i, 0), 0);
    }
    if (groups >= 3) {
        DrawMarkers(c, 2, c.plot.shape == codes::ShapeNone ? codes::ShapeDot : c.plot.shape, c.plot.color,
                    c.plot.size, c.plot.filled);
    }
}

void DrawErrorBars(Context& c) {
    c.canvas.SetPen(c.plot.pen);
    const int groups = c.data.Groups();
    const double cap = std::clamp(c.plot.size, 0, 200);
    for (int i = 0; i < c.data.Count() && groups >= 2; ++i) {
        const double v = c.data.Y(i, 0);
        const double lo = groups >= 3 ? c.data.Y(i, 1) : v - std::abs(c.data.Y(i, 1));
        const double hi = groups >= 3 ? c.data.Y(i, 2) : v + std::abs(c.data.Y(i, 1));
        VerticalRange(c, c.data.X(i), lo, hi, cap);
    }
    DrawMarkers(c, 0, codes::ShapeDot, c.plot.pen.color, 4, true);
}

} // namespace

bool IsSimplePlot(PlotKind kind) {
    return kind == PlotKind::Line || kind == PlotKind::Bar || kind == PlotKind::Scatter ||
           kind == PlotKind::LineMarker;
}

void DrawPlot(const PlotRecord& plot, const DataSet* data, const GraphFrame& frame, Canvas& canvas) {
    if (!data || data->Count() == 0 || frame.plot.width() <= 0 || frame.plot.height() <= 0) {
        return;
    }
    Scratch& scratch = KeptScratch();
    Context c{plot, *data, frame, Attach(plot.scale, frame.plot), canvas, scratch.points, scratch.run};
    switch (plot.kind) {
    case PlotKind::Line:
        DrawLine(c, plot.pen, plot.areaFill, plot.spline);
        DrawMarks(c, plot.pen.color);
        break;
    case PlotKind::Bar:
        DrawBars(c);
        DrawMarks(c, 0);
        break;
    case PlotKind::Scatter:
        if (plot.drop) {
            canvas.SetPen({plot.color, 1, codes::PenSolid});
            const double base = BaseDevice(c.scale.y, c.plot.baseY);
            for (int i = 0; i < data->Count(); ++i) {
                const QPointF p = DevicePoint(c, i, 0);
                const QPointF line[2] = {p, QPointF(p.x(), base)};
                DrawClippedPolyline(canvas, line, 2, frame.plot, c.run);
            }
        }
        DrawMarkers(c, 0, plot.shape, plot.color, plot.size, plot.filled);
        DrawMarks(c, plot.color);
        break;
    case PlotKind::LineMarker:
        StreamLine(c, plot.pen);
        DrawMarkers(c, 0, plot.shape, plot.color, plot.size, plot.filled);
        DrawMarks(c, plot.color);
        break;
    case PlotKind::GroupBar:
        DrawGroupBars(c);
        break;
    case PlotKind::FloatingBar:
        DrawFloatingBars(c);
        break;
    case PlotKind::StackedLine:
        DrawStackedLines(c);
        break;
    case PlotKind::HighLowClose:
        DrawHighLowClose(c);
        break;
    case PlotKind::ErrorBar:
        DrawErrorBars(c);
        break;
    case PlotKind::Pie:
        break;
    }
    Trim(scratch.points);
    Trim(scratch.below);
    Trim(scratch.run);
}

void DrawPlotSample(const PlotRecord& plot, int group, const QRectF& box, Canvas& canvas) {
    const QPointF mid = box.center();
    const QPointF line[2] = {{box.left(), mid.y()}, {box.right(), mid.y()}};
    const QRectF swatch = box.adjusted(box.width() * 0.2, 1, -box.width() * 0.2, -1);
    auto bar = [&](const BarStyle& s) {
        canvas.SetPen({0, 1, codes::PenSolid});
        canvas.SetBrush(BrushSpec{s.color, s.hatch, false, s.opaque});
        canvas.Rectangle(swatch);
    };
    const size_t k = size_t(std::max(group, 0));
    switch (plot.kind) {
    case PlotKind::Bar:
    case PlotKind::FloatingBar:
        bar({plot.color, plot.hatch, plot.opaque});
        break;
    case PlotKind::GroupBar:
    case PlotKind::Pie:
        bar(GroupStyle(plot, group));
        break;
    case PlotKind::Scatter:
        canvas.SetPen({plot.color, 1, codes::PenSolid});
        DrawMarker(canvas, plot.shape, mid, std::min(plot.size, int(box.height())), plot.filled, plot.color);
        break;
    case PlotKind::LineMarker:
        canvas.SetPen(plot.pen);
        canvas.Polyline(line, 2);
        canvas.SetPen({plot.color, 1, codes::PenSolid});
        DrawMarker(canvas, plot.shape, mid, std::min(plot.size, int(box.height())), plot.filled, plot.color);
        break;
    case PlotKind::StackedLine:
        canvas.SetPen({k < plot.colors.size() ? plot.colors[k] : 0,
                       k < plot.widths.size() ? plot.widths[k] : 1,
                       k < plot.styles.size() ? plot.styles[k] : 0});
        canvas.Polyline(line, 2);
        break;
    default:
        canvas.SetPen(plot.pen);
        canvas.Polyline(line, 2);
        break;
    }
}

} // namespace kestran
