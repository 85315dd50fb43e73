#pragma once
// What the drawing of one plot shares between its files: the plot with its data, frame, scale and
// point buffers, and the style of one bar. Bars of every kind live in BarRenderer.cpp,
// everything else in PlotRenderer.cpp.

#include "EngineCodes.h"
#include "render/Render.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestran::plot {

struct Context {
    const PlotRecord& plot;
    const DataSet& data;
    const GraphFrame& frame;
    ScalePair scale;
    Canvas& canvas;
    std::vector<QPointF>& points;
    std::vector<QPointF>& run;
};

struct BarStyle {
    ColorRef color = 0;
    int hatch = -1;
    bool opaque = false;
};

inline QPointF DevicePoint(const Context& c, int i, int group) {
    const double x = c.data.X(i), y = c.data.Y(i, group);
    if (!std::isfinite(x) || !std::isfinite(y)) {
        return QPointF(NAN, NAN);
    }
    return QPointF(c.scale.x.ToDevice(x), c.scale.y.ToDevice(y));
}

// Where bars, fills and drop lines start along a value axis: where the other axis crosses it, kept
// inside the scale (a crossing at or below 0 on a logarithmic scale is the scale's bottom).
inline double BaseDevice(const ScaleMap& s, double crossing) {
    const double base = s.Log() && !(crossing > 0) ? s.Lo() : std::clamp(crossing, s.Lo(), s.Hi());
    return s.ToDevice(base);
}

void DrawBars(Context& c);
void DrawGroupBars(Context& c);
void DrawFloatingBars(Context& c);
// The fill, hatch and opacity of group g of a group plot or pie.
BarStyle GroupStyle(const PlotRecord& p, int g);

} // namespace kestran::plot
