#include "EngineCodes.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>

namespace kestran {

namespace {

void Bevel(Canvas& canvas, const QRectF& r, int thickness, ColorRef topLeft, ColorRef bottomRight) {
    for (int i = 0; i < thickness; ++i) {
        const QRectF q = r.adjusted(i + 0.5, i + 0.5, -i - 0.5, -i - 0.5);
        if (q.width() <= 0 || q.height() <= 0) {
            break;
        }
        const QPointF a[3] = {q.bottomLeft(), q.topLeft(), q.topRight()};
        const QPointF b[3] = {q.topRight(), q.bottomRight(), q.bottomLeft()};
        canvas.SetPen({topLeft, 1, codes::PenSolid});
        canvas.Polyline(a, 3);
        canvas.SetPen({bottomRight, 1, codes::PenSolid});
        canvas.Polyline(b, 3);
    }
}

void DrawTitle(const TitleRecord& t, const GraphFrame& f, Canvas& canvas) {
    canvas.SetFont(t.font);
    const QPointF at(f.window.left() + t.x * f.window.width(), f.window.top() + t.y * f.window.height());
    canvas.Text(at, t.text, t.anchor);
}

void CrossHair(Canvas& canvas, const QPointF& p, int kind, int size, const GraphFrame& f) {
    QRectF span = kind == codes::CursorGraphCrossHair ? f.window : f.plot;
    if (kind == codes::CursorSmallCrossHair) {
        const double r = std::clamp(size, 1, 500);
        span = QRectF(p.x() - r, p.y() - r, 2 * r, 2 * r);
    } else if (kind < 0 || kind > codes::CursorSmallCrossHair) {
        return;
    }
    if (!f.window.contains(p)) {
        return;
    }
    const QPointF h[2] = {{span.left(), p.y()}, {span.right(), p.y()}};
    const QPointF v[2] = {{p.x(), span.top()}, {p.x(), span.bottom()}};
    canvas.Polyline(h, 2);
    canvas.Polyline(v, 2);
}

void DrawCursor(const CursorRecord& c, const GraphFrame& f, Canvas& canvas) {
    if (!c.visible) {
        return;
    }
    const ScalePair s = Attach(c.scale, f.plot);
    const QPointF p(s.x.ToDevice(c.x), s.y.ToDevice(c.y));
    if (!std::isfinite(p.x()) || !std::isfinite(p.y())) {
        return;
    }
    canvas.SetPen(c.pen);
    CrossHair(canvas, p, c.kind, c.size, f);
}

void DrawDrag(const GraphRecord& g, const GraphFrame& f, Canvas& canvas) {
    const QPointF origin = f.window.topLeft();
    if (g.bandActive) {
        canvas.SetPen({0, 1, codes::PenDash});
        canvas.SetBrush(BrushSpec{0, -1, true, false});
        canvas.Rectangle(QRectF(g.dragStart + origin, g.dragEnd + origin).normalized());
    } else if (g.cursorDrag) {
        canvas.SetPen({0, 1, codes::PenSolid});
        CrossHair(canvas, g.dragEnd + origin, g.dragKind, 10, f);
    }
}

} // namespace

GraphFrame FrameOf(const GraphRecord& g, const PageRecord& p) {
    GraphFrame f;
    const double w = p.width, h = p.height;
    f.window = QRectF(g.frame.left() * w, g.frame.top() * h, g.frame.width() * w, g.frame.height() * h);
    f.plot = QRectF(f.window.left() + g.plotArea.left() * f.window.width(),
                    f.window.top() + g.plotArea.top() * f.window.height(),
                    g.plotArea.width() * f.window.width(), g.plotArea.height() * f.window.height());
    const auto floorOf = [](double v) {
        return std::isfinite(v) ? std::floor(std::clamp(v, -1e9, 1e9)) : 0.0;
    };
    f.plotPixels = QRectF(QPointF(floorOf(f.plot.left()), floorOf(f.plot.top())),
                          QPointF(floorOf(f.plot.right()) + 1, floorOf(f.plot.bottom()) + 1));
    f.majorTick = p.majorTick;
    f.minorTick = p.minorTick;
    return f;
}

ScalePair Attach(const ScalePair& scale, const QRectF& plot) {
    ScalePair s = scale;
    s.x.SetDevice(plot.left(), plot.right());
    s.y.SetDevice(plot.bottom(), plot.top());
    return s;
}

void DrawBorder(Canvas& canvas, const QRectF& r, int style, int thickness, ColorRef color) {
    thickness = std::clamp(thickness, 0, 50);
    const ColorRef light = 0xFFFFFF, dark = 0x808080;
    switch (style) {
    case codes::BorderHigh:
        Bevel(canvas, r, std::max(thickness, 2), light, dark);
        break;
    case codes::BorderDeep:
        Bevel(canvas, r, std::max(thickness, 2), dark, light);
        break;
    case codes::BorderLow:
        Bevel(canvas, r, 1, dark, light);
        break;
    case codes::BorderShallow:
        Bevel(canvas, r, 1, light, dark);
        break;
    case codes::Border3D:
        Bevel(canvas, r, std::max(thickness / 2, 1), light, dark);
        Bevel(canvas,
              r.adjusted(thickness / 2 + 1, thickness / 2 + 1, -thickness / 2 - 1, -thickness / 2 - 1), 1,
              dark, light);
        break;
    case codes::BorderNone:
        break;
    default:
        if (thickness > 0) {
            canvas.SetPen({color, thickness, codes::PenSolid});
            canvas.SetBrush(BrushSpec{0, -1, true, false});
            const double inset = thickness / 2.0;
            canvas.Rectangle(r.adjusted(inset, inset, -inset, -inset));
        }
        break;
    }
}

void DrawGraph(const GraphRecord& g, const PageRecord& page, Canvas& canvas, const RenderOptions& options,
               const DataLookup& data) {
    const GraphFrame f = FrameOf(g, page);
    if (options.graphBackground) {
        canvas.SetPen({0, 0, codes::PenNull});
        canvas.SetBrush(BrushSpec{g.background, -1, false, false});
        canvas.Rectangle(f.window);
    }
    if (options.plotBackground) {
        canvas.SetPen({0, 0, codes::PenNull});
        canvas.SetBrush(BrushSpec{g.plotBackground, -1, false, false});
        canvas.Rectangle(f.plotPixels);
    }
    // Grids and plots stay inside the plot area, whatever their line widths, markers and bars;
    // pies stand on the graph window.
    canvas.SetClip(f.plotPixels);
    for (const AxisRecord& a : g.axes) {
        DrawAxisGrid(a, f, canvas);
    }
    for (const PlotRecord& p : g.plots) {
        if (p.kind == PlotKind::Pie) {
            canvas.ClearClip();
            DrawPie(p, f, canvas);
            canvas.SetClip(f.plotPixels);
        } else {
            DrawPlot(p, data(p.dataset), f, canvas);
        }
    }
    canvas.ClearClip();
    for (const AxisRecord& a : g.axes) {
        DrawAxis(a, f, canvas);
    }
    for (const TitleRecord& t : g.titles) {
        DrawTitle(t, f, canvas);
    }
    for (const LegendRecord& l : g.legends) {
        DrawLegend(l, g, f, canvas);
    }
    for (const CursorRecord& c : g.cursors) {
        DrawCursor(c, f, canvas);
    }
    DrawDrag(g, f, canvas);
    if (options.border) {
        DrawBorder(canvas, f.window, g.borderStyle, g.borderThickness, g.borderColor);
    }
}

} // namespace kestran
