#pragma once
// The engine's records of pages, graphs and the objects inside a graph. Objects capture the scale
// that was current when they were added, so the secondary and primary axis pairs of one graph can
// carry different scales.

#include "canvas/Canvas.h"
#include "data/DataSet.h"
#include "scale/ScaleMap.h"

#include <functional>
#include <map>
#include <memory>
#include <QRectF>
#include <QString>
#include <vector>

class EnginePageCallback;
class EngineGraphCallback;

namespace kestran {

using Handle = int;

struct ScalePair {
    ScaleMap x, y;
};

struct AxisRecord {
    Handle handle = 0;
    bool isX = true;
    bool enabled = true;
    ScalePair scale;
    double crossing = 0.0; // world position on the other axis where this axis line stands
    double interval = 1.0;
    int minorTicks = 0;
    int tickPosition = 0;
    PenSpec pen;
    enum class Labels { None, Numeric, Strings } labels = Labels::None;
    int labelPosition = 0;
    int numericStyle = 0;
    int decimals = 0;
    int stringStart = 0;
    std::vector<QString> strings;
    FontSpec labelFont;
    QString title;
    int titlePosition = 0;
    FontSpec titleFont;
    bool grid = false;
    int gridType = 0;
    PenSpec gridPen;
};

enum class PlotKind {
    Line,
    Bar,
    Scatter,
    LineMarker,
    GroupBar,
    FloatingBar,
    StackedLine,
    HighLowClose,
    ErrorBar,
    Pie
};

struct PlotRecord {
    Handle handle = 0;
    PlotKind kind = PlotKind::Line;
    Handle dataset = 0;
    long long datasetSerial = 0; // creation order of the data set, for legend pairing
    ScalePair scale;
    // Where the axes crossed when the plot was added: bars and fills start from the crossing.
    double baseX = 0.0; // X value where the Y axis stands
    double baseY = 0.0; // Y value where the X axis stands
    PenSpec pen;
    bool areaFill = false;
    bool spline = false;
    double barWidth = 0.75;
    int justify = 3;
    int barType = 6;
    int groupKind = 0;
    int shape = 0;
    int size = 5;
    bool filled = false;
    bool drop = false;
    ColorRef color = 0;
    int hatch = -1;
    bool opaque = false;
    // Per group (group plots) or per slice (pies).
    std::vector<ColorRef> colors;
    std::vector<int> hatches;
    std::vector<int> opaques;
    std::vector<int> styles;
    std::vector<int> widths;
    // Pies.
    std::vector<double> values;
    std::vector<ColorRef> borders;
    std::vector<double> explode;
    std::vector<QString> labels;
    int pieMode = 10;
    int numericStyle = 0;
    bool numbersOutside = false;
    double diameter = 0.4, centreX = 0.5, centreY = 0.5;
    FontSpec font;
};

struct TitleRecord {
    Handle handle = 0;
    QString text;
    double x = 0.5, y = 0.0;
    int anchor = 0;
    FontSpec font;
};

struct LegendRecord {
    Handle handle = 0;
    bool group = false;
    Handle plot = 0; // group legends: the group plot or pie
    QRectF box;      // fractions of the graph window
    ColorRef borderColor = 0;
    int borderThickness = 1;
    ColorRef background = 0xFFFFFF;
    bool horizontal = false;
    std::vector<QString> lines;
    FontSpec font;
};

struct CursorRecord {
    Handle handle = 0;
    int kind = 0;
    Handle xAxis = 0, yAxis = 0;
    ScalePair scale;
    int size = 10;
    PenSpec pen;
    double x = 0.0, y = 0.0;
    bool visible = false;
};

struct GraphRecord {
    Handle handle = 0;
    Handle page = 0;
    QRectF frame; // fractions of the page
    ColorRef background = 0xFFFFFF;
    ColorRef borderColor = 0;
    int borderThickness = 1;
    int borderStyle = 0;
    EngineGraphCallback* callback = nullptr;
    bool built = false;
    bool drawn = false;
    int option = 0;
    QRectF plotArea{0.2, 0.2, 0.6, 0.6}; // fractions of the graph window
    ColorRef plotBackground = 0xFFFFFF;
    bool xLog = false, yLog = false;
    ScalePair scale; // the current scale: what the next axis or plot captures
    double xOfYAxis = 0.0, yOfXAxis = 0.0;
    PenSpec linePen{0, 1, 0};
    std::vector<AxisRecord> axes;
    std::vector<PlotRecord> plots;
    std::vector<TitleRecord> titles;
    std::vector<LegendRecord> legends;
    std::vector<CursorRecord> cursors;
    // Mouse drags (device pixels of the graph window).
    bool bandActive = false;
    bool cursorDrag = false;
    int dragKind = 0;
    QPointF dragStart, dragEnd;
};

struct PageRecord {
    Handle handle = 0;
    QString name, title;
    ColorRef background = 0xFFFFFF;
    int option = 0;
    int width = 1, height = 1;
    EnginePageCallback* callback = nullptr;
    bool firstPaintDone = false;
    bool painted = false;
    bool redraw = true;
    Handle currentGraph = 0;
    std::vector<Handle> graphs;
    int majorTick = 10, minorTick = 5;
    bool markCurrent = false;
    bool painting = false; // repaint requests from inside a paint are already being served
    std::function<void()> repaint;
};

} // namespace kestran
