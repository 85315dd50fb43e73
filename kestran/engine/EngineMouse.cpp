// Data cursors, mouse drags and conversions of the last mouse position.

#include "engine/EngineState.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>

using namespace kestran;

namespace {

void Repaint(GraphRecord& g) {
    PageRecord* p = S().Page(g.page);
    if (p && p->redraw && p->repaint && !p->painting) {
        const auto handler = p->repaint;
        handler();
    }
}

std::array<double, 4> BandInWorld(const GraphRecord& g) {
    PageRecord* p = S().Page(g.page);
    const GraphFrame f = FrameOf(g, *p);
    const ScalePair s = Attach(g.scale, f.plot);
    const QPointF a = g.dragStart + f.window.topLeft(), b = g.dragEnd + f.window.topLeft();
    const double xa = s.x.ToWorld(a.x()), xb = s.x.ToWorld(b.x());
    const double ya = s.y.ToWorld(a.y()), yb = s.y.ToWorld(b.y());
    return {std::min(xa, xb), std::max(ya, yb), std::max(xa, xb), std::min(ya, yb)};
}

bool BeginDrag(EngineHandle graph, bool band, int kind) {
    GraphRecord* g = S().Graph(graph);
    if (!g) {
        return false;
    }
    for (auto& [h, other] : S().graphs) {
        other->bandActive = other->cursorDrag = false;
    }
    const QPointF at(S().globals.lastMouseX, S().globals.lastMouseY);
    g->bandActive = band;
    g->cursorDrag = !band;
    g->dragKind = kind;
    g->dragStart = g->dragEnd = at;
    Repaint(*g);
    return true;
}

} // namespace

EngineHandle EngineAddDataCursor(EngineHandle graph, EngineDC, int kind, EngineHandle xAxis,
                                 EngineHandle yAxis, int size, int width, int style, ColorRef color) {
    const auto [g, c] = AddGraphItem(graph, &GraphRecord::cursors);
    if (!c) {
        return 0;
    }
    const AxisRecord* xa = FindByHandle(g->axes, xAxis);
    const AxisRecord* ya = FindByHandle(g->axes, yAxis);
    c->kind = kind;
    c->xAxis = xAxis;
    c->yAxis = yAxis;
    c->scale.x = xa ? xa->scale.x : g->scale.x;
    c->scale.y = ya ? ya->scale.y : g->scale.y;
    c->size = std::clamp(size, 1, 500);
    c->pen = PenSpec{color, std::clamp(width, 0, 100), style >= 0 && style <= 5 ? style : 0};
    return c->handle;
}

EngineBool EngineMoveDataCursor(EngineHandle graph, EngineHandle cursor, double x, double y, int visible) {
    GraphRecord* g = S().Graph(graph);
    CursorRecord* c = g ? FindByHandle(g->cursors, cursor) : nullptr;
    if (!c || !std::isfinite(x) || !std::isfinite(y)) {
        return 0;
    }
    c->x = x;
    c->y = y;
    c->visible = visible != 0;
    Repaint(*g);
    return 1;
}

EngineBool EngineBeginRubberBand(EngineHandle graph, int, int, int, int) {
    return BeginDrag(graph, true, 0) ? 1 : 0;
}

EngineBool EngineBeginDataCursorDrag(EngineHandle graph, int, int, int, int kind, int) {
    return BeginDrag(graph, false, kind) ? 1 : 0;
}

EngineBool EngineEndMouseDrag(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    if (!g || !(g->bandActive || g->cursorDrag)) {
        return 0;
    }
    if (g->bandActive) {
        S().lastBand = BandInWorld(*g);
    }
    g->bandActive = g->cursorDrag = false;
    Repaint(*g);
    return 1;
}

EngineBool EngineGetRubberBandRect(double* x1, double* y1, double* x2, double* y2) {
    std::optional<std::array<double, 4>> band = S().lastBand;
    for (auto& [h, g] : S().graphs) {
        if (g->bandActive) {
            band = BandInWorld(*g);
        }
    }
    if (!band) {
        return 0;
    }
    double* out[4] = {x1, y1, x2, y2};
    for (size_t i = 0; i < 4; ++i) {
        if (out[i]) {
            *out[i] = (*band)[i];
        }
    }
    return 1;
}

namespace {

// The two axes' scales attached to the graph's plot area, or false for unknown handles.
bool AxisScales(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, ScalePair& scale,
                GraphFrame& frame) {
    GraphRecord* g = S().Graph(graph);
    PageRecord* p = g ? S().Page(g->page) : nullptr;
    const AxisRecord* xa = g ? FindByHandle(g->axes, xAxis) : nullptr;
    const AxisRecord* ya = g ? FindByHandle(g->axes, yAxis) : nullptr;
    if (!p || !xa || !ya) {
        return false;
    }
    frame = FrameOf(*g, *p);
    scale = Attach(ScalePair{xa->scale.x, ya->scale.y}, frame.plot);
    return true;
}

} // namespace

EngineBool EngineDeviceToWorld(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, double* x,
                               double* y) {
    ScalePair s;
    GraphFrame f;
    if (!AxisScales(graph, xAxis, yAxis, s, f)) {
        return 0;
    }
    const QPointF d = f.window.topLeft() + QPointF(S().globals.lastMouseX, S().globals.lastMouseY);
    if (x) {
        *x = s.x.ToWorld(d.x());
    }
    if (y) {
        *y = s.y.ToWorld(d.y());
    }
    return 1;
}

EngineBool EngineWorldToDevice(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, double x, double y,
                               double* deviceX, double* deviceY) {
    ScalePair s;
    GraphFrame f;
    if (!AxisScales(graph, xAxis, yAxis, s, f)) {
        return 0;
    }
    if (deviceX) {
        *deviceX = s.x.ToDevice(x) - f.window.left();
    }
    if (deviceY) {
        *deviceY = s.y.ToDevice(y) - f.window.top();
    }
    return 1;
}

EngineBool EngineDeviceToNormalized(EngineHandle graph, double* x, double* y) {
    GraphRecord* g = S().Graph(graph);
    PageRecord* p = g ? S().Page(g->page) : nullptr;
    if (!p) {
        return 0;
    }
    const GraphFrame f = FrameOf(*g, *p);
    const double w = std::max(f.window.width(), 1.0), h = std::max(f.window.height(), 1.0);
    if (x) {
        *x = S().globals.lastMouseX / w;
    }
    if (y) {
        *y = S().globals.lastMouseY / h;
    }
    return 1;
}
