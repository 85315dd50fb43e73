// Context, errors, pages, graphs and painting.

#include "canvas/PainterCanvas.h"
#include "data/LineBlock.h"
#include "engine/EngineState.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <QPainter>
#include <QtGlobal>

using namespace kestran;

namespace {

double Finite(double v, double fallback) {
    return std::isfinite(v) ? std::clamp(v, -100.0, 100.0) : fallback;
}

QRectF FractionRect(double x0, double y0, double x1, double y1) {
    return QRectF(QPointF(Finite(x0, 0.0), Finite(y0, 0.0)), QPointF(Finite(x1, 1.0), Finite(y1, 1.0)))
        .normalized();
}

void AskRepaint(PageRecord* p) {
    if (p && p->redraw && p->repaint && !p->painting) {
        const auto handler = p->repaint; // the handler may delete the page
        handler();
    }
}

} // namespace

namespace kestran {

EngineBool PaintGraphs(Handle page, Canvas& canvas, const RenderOptions& options);

EngineBool PaintPage(Handle page, Canvas& canvas, const RenderOptions& options) {
    PageRecord* p = S().Page(page);
    if (!p || p->painting) {
        return 0; // a callback that paints its own page again gets nothing drawn
    }
    p->painting = true;
    EngineBool ok = 0;
    try {
        ok = PaintGraphs(page, canvas, options);
    } catch (const std::bad_alloc&) {
        // A draw that runs out of memory is a failed draw, never the end of the caller's program.
        EngineReportError(codes::ErrorOutOfMemory, 0, 0);
    }
    if (PageRecord* still = S().Page(page)) {
        still->painting = false;
    }
    return ok;
}

EngineBool PaintGraphs(Handle page, Canvas& canvas, const RenderOptions& options) {
    PageRecord* p = S().Page(page);
    if (!p->firstPaintDone) {
        p->firstPaintDone = true;
        if (p->callback) {
            p->callback->OnPageCreated(page);
            if (!(p = S().Page(page))) {
                return 0;
            }
        }
    }
    if (options.graphBackground) {
        canvas.SetPen({0, 0, codes::PenNull});
        canvas.SetBrush(BrushSpec{p->background, -1, false, false});
        canvas.Rectangle(QRectF(0, 0, p->width, p->height));
    }
    const std::vector<Handle> graphs = p->graphs; // a callback may add or delete graphs
    const DataLookup lookup = [](Handle h) { return S().DataOf(h); };
    for (Handle g : graphs) {
        GraphRecord* gr = S().Graph(g);
        if (gr && !gr->built && gr->callback) {
            gr->built = true;
            gr->callback->OnBuildGraph(g, &canvas);
            gr = S().Graph(g);
            if (!(p = S().Page(page))) {
                return 0;
            }
        }
        if (gr) {
            gr->built = true;
            DrawGraph(*gr, *p, canvas, options, lookup);
            gr->drawn = true;
        }
    }
    if (p->markCurrent) {
        if (GraphRecord* current = S().Graph(p->currentGraph)) {
            canvas.SetPen({0, 1, codes::PenDot});
            canvas.SetBrush(BrushSpec{0, -1, true, false});
            canvas.Rectangle(FrameOf(*current, *p).window.adjusted(1, 1, -1, -1));
        }
    }
    p->painted = true;
    return 1;
}

} // namespace kestran

void EngineSetContext(EngineContext* context) {
    S().context = context;
}

EngineBool EngineRegisterWindowClasses(EngineContext* context) {
    if (!context) {
        return 0;
    }
    context->registered = 1;
    S().context = context;
    return 1;
}

EngineGlobals* EngineGetGlobals() {
    return &S().globals;
}

void EngineSetMousePosition(int x, int y) {
    EngineState& s = S();
    s.globals.lastMouseX = x;
    s.globals.lastMouseY = y;
    for (auto& [h, g] : s.graphs) {
        if (g->bandActive || g->cursorDrag) {
            g->dragEnd = QPointF(x, y);
            AskRepaint(s.Page(g->page));
            break;
        }
    }
}

void EngineReportError(int code, int, int) {
    S().lastError = code;
    if (S().context) {
        S().context->errorFlag = 1;
        S().context->lastError = code;
    }
}

void EngineHandleError() {
    if (S().lastError != 0) {
        qWarning("charting engine error %d", S().lastError);
    }
    S().lastError = 0;
    if (S().context) {
        S().context->errorFlag = 0;
    }
}

int EngineGetLastError() {
    return S().lastError;
}

EngineHandle EngineCreatePage(const char* name, void*, const char* title, const char*, ColorRef background,
                              int pageOption, unsigned, int, int, int, int width, int height,
                              EnginePageCallback* callback) {
    const Handle h = S().NewHandle();
    if (h == 0) {
        return 0;
    }
    auto p = std::make_unique<PageRecord>();
    p->handle = h;
    p->name = TextOf(name);
    p->title = TextOf(title);
    p->background = background;
    p->option = pageOption;
    p->width = std::clamp(width, 1, 32767);
    p->height = std::clamp(height, 1, 32767);
    p->callback = callback;
    S().pages[h] = std::move(p);
    return h;
}

EngineBool EngineDeletePage(EngineHandle page) {
    if (!S().Page(page)) {
        return 0;
    }
    S().DeletePage(page);
    return 1;
}

EngineBool EngineResizePage(EngineHandle page, int width, int height) {
    return WithRecord(S().Page(page), [&](PageRecord& p) {
        p.width = std::clamp(width, 1, 32767);
        p.height = std::clamp(height, 1, 32767);
        AskRepaint(&p);
    });
}

EngineHandle EngineCreateGraph(EngineContext*, EngineHandle page, double x0, double y0, double x1, double y1,
                               ColorRef background, ColorRef borderColor, int borderThickness,
                               EngineGraphCallback* callback) {
    PageRecord* p = S().Page(page);
    if (!p) {
        return 0;
    }
    const Handle h = S().NewHandle();
    if (h == 0) {
        return 0;
    }
    auto g = std::make_unique<GraphRecord>();
    g->handle = h;
    g->page = page;
    g->frame = FractionRect(x0, y0, x1, y1);
    g->background = background;
    g->borderColor = borderColor;
    g->borderThickness = std::clamp(borderThickness, 0, 50);
    g->callback = callback;
    S().graphs[h] = std::move(g);
    p->graphs.push_back(h);
    p->currentGraph = h;
    AskRepaint(p);
    return h;
}

EngineBool EngineDeleteGraph(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    if (!g) {
        return 0;
    }
    const Handle page = g->page;
    S().DeleteGraph(graph);
    AskRepaint(S().Page(page));
    return 1;
}

EngineHandle EngineGetGraphWindow(EngineHandle graph) {
    return S().Graph(graph) ? graph : 0;
}

EngineHandle EngineGetPageWindow(EngineHandle page) {
    return S().Page(page) ? page : 0;
}

EngineHandle EngineGetPageOfGraph(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    return g ? g->page : 0;
}

EngineHandle EngineGetCurrentGraph(EngineHandle page) {
    PageRecord* p = S().Page(page);
    return p ? p->currentGraph : 0;
}

EngineBool EngineSetCurrentGraph(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    PageRecord* p = g ? S().Page(g->page) : nullptr;
    if (!p) {
        return 0;
    }
    p->currentGraph = graph;
    return 1;
}

EngineBool EngineIsPageReady(EngineHandle page) {
    PageRecord* p = S().Page(page);
    return p && p->painted ? 1 : 0;
}

EngineBool EngineIsGraphReady(EngineHandle graph) {
    GraphRecord* g = S().Graph(graph);
    return g && g->built && g->drawn ? 1 : 0;
}

EngineBool EngineSetPageRedraw(EngineHandle page, int on) {
    return WithRecord(S().Page(page), [&](PageRecord& p) { p.redraw = on != 0; });
}

void EngineSetRepaintHandler(EngineHandle page, std::function<void()> handler) {
    if (PageRecord* p = S().Page(page)) {
        p->repaint = std::move(handler);
    }
}

EngineBool EngineRedrawPage(EngineHandle page) {
    PageRecord* p = S().Page(page);
    AskRepaint(p);
    return p ? 1 : 0;
}

EngineBool EngineRedrawGraph(EngineHandle graph, int) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) { AskRepaint(S().Page(g.page)); });
}

EngineBool EngineRefreshPlot(EngineHandle graph, EngineHandle plot, int flag) {
    GraphRecord* g = S().Graph(graph);
    if (!g || !FindByHandle(g->plots, plot)) {
        return 0;
    }
    return EngineRedrawGraph(graph, flag);
}

EngineBool EnginePaintPage(EngineHandle page, QPainter& painter) {
    PainterCanvas canvas(painter);
    return PaintPage(page, canvas, RenderOptions{});
}

EngineBool EnginePaintPageToCanvas(EngineHandle page, Canvas& canvas) {
    return PaintPage(page, canvas, RenderOptions{});
}

EngineBool EnginePaintPageGraphs(EngineHandle page, Canvas& canvas, int) {
    return PaintPage(page, canvas, RenderOptions{});
}

EngineHandle EngineGetPageFromWindow(EngineHandle window) {
    return S().Page(window) ? window : 0;
}

EngineBool EngineFreeWindowRecord(EngineHandle page) {
    return EngineDeletePage(page);
}

EngineBool EngineSetPageOption(EngineHandle page, int option) {
    return WithRecord(S().Page(page), [&](PageRecord& p) { p.option = option; });
}

EngineBool EngineSetGraphOption(EngineHandle graph, int option) {
    return WithRecord(S().Graph(graph), [&](GraphRecord& g) { g.option = option; });
}

EngineBool EngineMarkCurrentGraph(EngineHandle page, EngineHandle graph) {
    PageRecord* p = S().Page(page);
    GraphRecord* g = S().Graph(graph);
    if (!p || !g || g->page != page) {
        return 0;
    }
    p->currentGraph = graph;
    p->markCurrent = !p->markCurrent;
    AskRepaint(p);
    return 1;
}

EngineBool EngineDrawPageToDC(QPainter& painter, EngineHandle page, const QRectF& target, int) {
    PageRecord* p = S().Page(page);
    const QRectF t = target.normalized();
    if (!p || !std::isfinite(t.width()) || !std::isfinite(t.height()) || t.isEmpty()) {
        return 0;
    }
    painter.save();
    painter.translate(t.topLeft());
    painter.scale(t.width() / p->width, t.height() / p->height);
    PainterCanvas canvas(painter);
    const EngineBool ok = PaintPage(page, canvas, RenderOptions{});
    painter.restore();
    return ok;
}

EngineBool EngineDrawGraph(EngineHandle graph, Canvas& canvas) {
    GraphRecord* g = S().Graph(graph);
    PageRecord* p = g ? S().Page(g->page) : nullptr;
    if (!p) {
        return 0;
    }
    try {
        DrawGraph(*g, *p, canvas, RenderOptions{}, [](Handle h) { return S().DataOf(h); });
    } catch (const std::bad_alloc&) {
        EngineReportError(codes::ErrorOutOfMemory, 0, 0);
        return 0;
    }
    g->drawn = true;
    return 1;
}

void EngineCompleteGraph(EngineHandle graph) {
    if (GraphRecord* g = S().Graph(graph)) {
        g->built = true;
    }
}

void EngineEndDraw(EngineDC) {}
