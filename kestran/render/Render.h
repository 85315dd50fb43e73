#pragma once
// Drawing of engine records onto a canvas. The functions live in one file per object kind
// (GraphRenderer, AxisRenderer, PlotRenderer, PieRenderer, LegendRenderer).

#include "canvas/Canvas.h"
#include "data/ChartRecords.h"

#include <functional>

namespace kestran {

using DataLookup = std::function<const DataSet*(Handle)>;

struct RenderOptions {
    bool graphBackground = true;
    bool plotBackground = true;
    bool border = true;
};

// Device rectangles of one graph on its page.
struct GraphFrame {
    QRectF window;
    QRectF plot;
    // The plot area out to the whole pixels its edges lie in: what its background fills and what
    // clips its grids and plots, so a line along an edge is inside and nothing drawn leaves it.
    QRectF plotPixels;
    int majorTick = 10;
    int minorTick = 5;
};

GraphFrame FrameOf(const GraphRecord& graph, const PageRecord& page);
// The scale pair with its device ranges set for the plot rectangle.
ScalePair Attach(const ScalePair& scale, const QRectF& plot);

// EnginePages.cpp: a whole page, running the first-paint callbacks that are due.
int PaintPage(Handle page, Canvas& canvas, const RenderOptions& options);

// GraphRenderer.cpp
void DrawGraph(const GraphRecord& graph, const PageRecord& page, Canvas& canvas, const RenderOptions& options,
               const DataLookup& data);
void DrawBorder(Canvas& canvas, const QRectF& rect, int style, int thickness, ColorRef color);

// AxisRenderer.cpp
void DrawAxisGrid(const AxisRecord& axis, const GraphFrame& frame, Canvas& canvas);
void DrawAxis(const AxisRecord& axis, const GraphFrame& frame, Canvas& canvas);

// PlotRenderer.cpp
void DrawPlot(const PlotRecord& plot, const DataSet* data, const GraphFrame& frame, Canvas& canvas);
// A legend sample of a plot (or of one group of it, group >= 0) inside box.
void DrawPlotSample(const PlotRecord& plot, int group, const QRectF& box, Canvas& canvas);
bool IsSimplePlot(PlotKind kind);

// PieRenderer.cpp
void DrawPie(const PlotRecord& pie, const GraphFrame& frame, Canvas& canvas);

// LegendRenderer.cpp
void DrawLegend(const LegendRecord& legend, const GraphRecord& graph, const GraphFrame& frame,
                Canvas& canvas);

} // namespace kestran
