// Plots, titles and legends.

#include "data/LineBlock.h"
#include "engine/EngineState.h"

#include <algorithm>
#include <cmath>

using namespace kestran;

namespace {

constexpr int kMaxGroupsPerPlot = 16;

// A plot record bound to the graph's current scale and line attributes, or null when the graph
// or the data set is unknown.
PlotRecord* NewPlot(EngineHandle graph, EngineHandle dataset, PlotKind kind, EngineHandle* handle) {
    *handle = 0;
    DataSetEntry* d = kind == PlotKind::Pie ? nullptr : S().Data(dataset);
    if (kind != PlotKind::Pie && !d) {
        return nullptr;
    }
    const auto [g, p] = AddGraphItem(graph, &GraphRecord::plots);
    if (!p) {
        return nullptr;
    }
    p->kind = kind;
    p->dataset = d ? dataset : 0;
    p->datasetSerial = d ? d->serial : 0;
    p->scale = g->scale;
    p->baseX = g->xOfYAxis;
    p->baseY = g->yOfXAxis;
    p->pen = g->linePen;
    p->font = S().textAttributes;
    *handle = p->handle;
    return p;
}

double Width(double w, double fallback) {
    return std::isfinite(w) ? std::clamp(w, 0.0, 10.0) : fallback;
}

template <class T> std::vector<T> Copy(const T* items, int count) {
    if (!items || count <= 0) {
        return {};
    }
    return std::vector<T>(items, items + std::min(count, kMaxGroupsPerPlot));
}

void SetBar(PlotRecord& p, double width, int justify, int barType, ColorRef color, int hatch, int opaque) {
    p.barWidth = Width(width, 0.75);
    p.justify = justify;
    p.barType = barType;
    p.color = color;
    p.hatch = hatch >= -1 && hatch <= 5 ? hatch : -1;
    p.opaque = opaque != 0;
}

void SetMarker(PlotRecord& p, int shape, ColorRef color, int size, int filled) {
    p.shape = shape;
    p.color = color;
    p.size = std::clamp(size, 1, 200);
    p.filled = filled != 0;
}

// Plain and floating bars take the same settings.
EngineHandle AddBars(PlotKind kind, EngineHandle graph, EngineHandle dataset, double width, int justify,
                     int barType, ColorRef color, int hatch, int opaque) {
    EngineHandle h;
    if (PlotRecord* p = NewPlot(graph, dataset, kind, &h)) {
        SetBar(*p, width, justify, barType, color, hatch, opaque);
    }
    return h;
}

// Line-marker and high-low-close plots take the marker settings alone.
EngineHandle AddMarkers(PlotKind kind, EngineHandle graph, EngineHandle dataset, int shape, ColorRef color,
                        int size, int filled) {
    EngineHandle h;
    if (PlotRecord* p = NewPlot(graph, dataset, kind, &h)) {
        SetMarker(*p, shape, color, size, filled);
    }
    return h;
}

EngineHandle AddLegend(EngineHandle graph, double left, double top, double right, double bottom,
                       ColorRef borderColor, int borderThickness, ColorRef fontColor, ColorRef background,
                       int horizontal, const char* block, int slotCount, bool group, EngineHandle plot) {
    LegendRecord* l = AddGraphItem(graph, &GraphRecord::legends).item;
    if (!l) {
        return 0;
    }
    l->group = group;
    l->plot = plot;
    l->box = QRectF(QPointF(Fraction(left, 0.7), Fraction(top, 0.01)),
                    QPointF(Fraction(right, 0.99), Fraction(bottom, 0.3)))
                 .normalized();
    l->borderColor = borderColor;
    l->borderThickness = std::clamp(borderThickness, 0, 50);
    l->background = background;
    l->horizontal = horizontal != 0;
    l->lines = ReadLineBlock(block, std::min(slotCount, 32));
    l->font = S().textAttributes;
    l->font.color = fontColor;
    return l->handle;
}

} // namespace

EngineHandle EngineAddLinePlot(EngineHandle graph, EngineDC, EngineHandle dataset, int areaFill, int spline) {
    EngineHandle h;
    if (PlotRecord* p = NewPlot(graph, dataset, PlotKind::Line, &h)) {
        p->areaFill = areaFill != 0;
        p->spline = spline != 0;
    }
    return h;
}

EngineHandle EngineAddBarPlot(EngineHandle graph, EngineDC, EngineHandle dataset, double width, int justify,
                              int barType, ColorRef color, int hatch, int opaque) {
    return AddBars(PlotKind::Bar, graph, dataset, width, justify, barType, color, hatch, opaque);
}

EngineHandle EngineAddScatterPlot(EngineHandle graph, EngineDC, EngineHandle dataset, int shape,
                                  ColorRef color, int size, int filled, int drop) {
    EngineHandle h;
    if (PlotRecord* p = NewPlot(graph, dataset, PlotKind::Scatter, &h)) {
        SetMarker(*p, shape, color, size, filled);
        p->drop = drop != 0;
    }
    return h;
}

EngineHandle EngineAddLineMarkerPlot(EngineHandle graph, EngineDC, EngineHandle dataset, int shape,
                                     ColorRef color, int size, int filled) {
    return AddMarkers(PlotKind::LineMarker, graph, dataset, shape, color, size, filled);
}

EngineHandle EngineAddGroupBarPlot(EngineHandle graph, EngineDC, EngineHandle dataset, double width,
                                   int justify, int barType, int kind, const ColorRef* colors,
                                   const int* hatches, const int* opaque, int count) {
    EngineHandle h;
    if (!colors || count <= 0) {
        return 0;
    }
    if (PlotRecord* p = NewPlot(graph, dataset, PlotKind::GroupBar, &h)) {
        SetBar(*p, width, justify, barType, colors[0], -1, 0);
        p->groupKind = kind;
        p->colors = Copy(colors, count);
        p->hatches = Copy(hatches, count);
        p->opaques = Copy(opaque, count);
    }
    return h;
}

EngineHandle EngineAddFloatingBarPlot(EngineHandle graph, EngineDC, EngineHandle dataset, double width,
                                      int justify, int barType, ColorRef color, int hatch, int opaque) {
    return AddBars(PlotKind::FloatingBar, graph, dataset, width, justify, barType, color, hatch, opaque);
}

EngineHandle EngineAddStackedLinePlot(EngineHandle graph, EngineDC, EngineHandle dataset, int areaFill,
                                      const int* styles, const int* widths, const ColorRef* colors,
                                      int count) {
    EngineHandle h;
    if (!colors || count <= 0) {
        return 0;
    }
    if (PlotRecord* p = NewPlot(graph, dataset, PlotKind::StackedLine, &h)) {
        p->areaFill = areaFill != 0;
        p->colors = Copy(colors, count);
        p->styles = Copy(styles, count);
        p->widths = Copy(widths, count);
        for (int& w : p->widths) {
            w = std::clamp(w, 0, 100);
        }
    }
    return h;
}

EngineHandle EngineAddHighLowClosePlot(EngineHandle graph, EngineDC, EngineHandle dataset, int shape,
                                       ColorRef closeColor, int size, int filled) {
    return AddMarkers(PlotKind::HighLowClose, graph, dataset, shape, closeColor, size, filled);
}

EngineHandle EngineAddErrorBarPlot(EngineHandle graph, EngineDC, EngineHandle dataset, int capSize) {
    EngineHandle h;
    if (PlotRecord* p = NewPlot(graph, dataset, PlotKind::ErrorBar, &h)) {
        p->size = std::clamp(capSize, 0, 200);
    }
    return h;
}

EngineHandle EngineAddPieChart(EngineHandle graph, EngineDC, const double* values, int count, int mode,
                               int numericStyle, int numbersOutside, double diameter, double centreX,
                               double centreY, const ColorRef* fills, const ColorRef* borders,
                               const int* hatches, const double* explode) {
    EngineHandle h;
    if (!values || count <= 0) {
        return 0;
    }
    if (PlotRecord* p = NewPlot(graph, 0, PlotKind::Pie, &h)) {
        p->values = Copy(values, count);
        p->pieMode = mode;
        p->numericStyle = numericStyle;
        p->numbersOutside = numbersOutside != 0;
        p->diameter = diameter;
        p->centreX = centreX;
        p->centreY = centreY;
        p->colors = Copy(fills, count);
        p->borders = Copy(borders, count);
        p->hatches = Copy(hatches, count);
        p->explode = Copy(explode, count);
    }
    return h;
}

EngineBool EngineAddPieLabels(EngineHandle graph, EngineHandle pie, const char* block, int slotCount) {
    GraphRecord* g = S().Graph(graph);
    PlotRecord* p = g ? FindByHandle(g->plots, pie) : nullptr;
    if (!p || p->kind != PlotKind::Pie) {
        return 0;
    }
    p->labels = ReadLineBlock(block, std::min(slotCount, kMaxGroupsPerPlot));
    return 1;
}

EngineBool EngineSetPlotDataset(EngineHandle graph, EngineHandle plot, EngineHandle dataset) {
    GraphRecord* g = S().Graph(graph);
    PlotRecord* p = g ? FindByHandle(g->plots, plot) : nullptr;
    DataSetEntry* d = S().Data(dataset);
    if (!p || !d || p->kind == PlotKind::Pie) {
        return 0;
    }
    p->dataset = dataset;
    p->datasetSerial = d->serial;
    return 1;
}

EngineHandle EngineAddTitle(EngineHandle graph, EngineDC, const char* text, double x, double y, int anchor,
                            int) {
    TitleRecord* t = AddGraphItem(graph, &GraphRecord::titles).item;
    if (!t) {
        return 0;
    }
    t->text = TextOf(text);
    t->x = Fraction(x, 0.5);
    t->y = Fraction(y, 0.0);
    t->anchor = anchor & 0xF;
    t->font = S().textAttributes;
    return t->handle;
}

EngineHandle EngineAddSimpleLegend(EngineHandle graph, EngineDC, double left, double top, double right,
                                   double bottom, ColorRef borderColor, int borderThickness,
                                   ColorRef fontColor, ColorRef background, int horizontal, const char* block,
                                   int slotCount) {
    return AddLegend(graph, left, top, right, bottom, borderColor, borderThickness, fontColor, background,
                     horizontal, block, slotCount, false, 0);
}

EngineHandle EngineAddGroupLegend(EngineHandle graph, EngineDC, double left, double top, double right,
                                  double bottom, ColorRef borderColor, int borderThickness,
                                  ColorRef fontColor, ColorRef background, int horizontal, const char* block,
                                  int slotCount, EngineHandle plot) {
    return AddLegend(graph, left, top, right, bottom, borderColor, borderThickness, fontColor, background,
                     horizontal, block, slotCount, true, plot);
}
