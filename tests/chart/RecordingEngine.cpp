// A stand-in for the charting engine that writes down every call the chart build makes, with its
// arguments, in order. Handles are handed out 1, 2, 3, ... in call order; data sets keep their
// values so the range queries answer as the engine would (finite values only).

#include "RecordingEngine.h"

#include <Kestran.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <sstream>

namespace charttest {

namespace {

struct Recorder {
    std::vector<std::string> calls;
    int nextHandle = 1;
    std::map<int, std::pair<std::vector<double>, std::vector<double>>> sets; // x, y
    std::map<int, int> groups;
    AutoScaleAnswer autoScale;
};

Recorder& R() {
    static Recorder recorder;
    return recorder;
}

std::string Num(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string Hex(kestran::ColorRef c) {
    std::ostringstream out;
    out << "0x" << std::hex << c;
    return out.str();
}

std::string List(const double* v, int n) {
    std::string out = "[";
    for (int i = 0; i < n; ++i) {
        out += (i ? " " : "") + Num(v[i]);
    }
    return out + "]";
}

std::string List(const int* v, int n) {
    std::string out = "[";
    for (int i = 0; i < n; ++i) {
        out += (i ? " " : "") + std::to_string(v[i]);
    }
    return out + "]";
}

std::string List(const kestran::ColorRef* v, int n) {
    std::string out = "[";
    for (int i = 0; i < n; ++i) {
        out += (i ? " " : "") + Hex(v[i]);
    }
    return out + "]";
}

// The lines of a block up to its last non-empty one, and its slot count.
std::string Block(const char* block, int slotCount) {
    int last = 0;
    for (int i = 0; i < slotCount; ++i) {
        if (block[i * 42] != '\0') {
            last = i + 1;
        }
    }
    std::string out = "{";
    for (int i = 0; i < last; ++i) {
        out += (i ? "|" : "") + std::string(block + i * 42);
    }
    return out + "}/" + std::to_string(slotCount);
}

// One line per call: the name without its "Engine" prefix, then the arguments.
template <typename... T> void Call(const char* name, const T&... args) {
    std::string line = name;
    [[maybe_unused]] const char* separator = " ";
    ((line += separator + std::string(args), separator = ", "), ...);
    R().calls.push_back(line);
}

std::string I(int v) {
    return std::to_string(v);
}
std::string D(double v) {
    return Num(v);
}
std::string S(const char* text) {
    return std::string("\"") + (text ? text : "") + "\"";
}
std::string Dc(EngineDC dc) {
    return dc == nullptr ? "dc" : "dc?";
}

int NewHandle() {
    return R().nextHandle++;
}

EngineBool Range(const std::vector<double>& v, double* min, double* max) {
    bool any = false;
    for (double d : v) {
        if (std::isfinite(d)) {
            *min = any ? std::min(*min, d) : d;
            *max = any ? std::max(*max, d) : d;
            any = true;
        }
    }
    return any ? 1 : 0;
}

} // namespace

void ResetRecording(const AutoScaleAnswer& answer) {
    R() = Recorder();
    R().autoScale = answer;
}

const std::vector<std::string>& RecordedCalls() {
    return R().calls;
}

} // namespace charttest

using namespace charttest;
using kestran::ColorRef;

EngineHandle EngineCreateDataset(const char* name, const double* x, const double* y, int count) {
    const int h = NewHandle();
    Call("CreateDataset", S(name), List(x, count), List(y, count), I(count));
    R().sets[h] = {std::vector<double>(x, x + count), std::vector<double>(y, y + count)};
    R().groups[h] = 1;
    return h;
}

EngineHandle EngineCreateGroupDataset(const char* name, const double* x, const double* y, int count,
                                      int groups) {
    const int h = NewHandle();
    Call("CreateGroupDataset", S(name), List(x, count), List(y, count * groups), I(count), I(groups));
    R().sets[h] = {std::vector<double>(x, x + count), std::vector<double>(y, y + count * groups)};
    R().groups[h] = groups;
    return h;
}

EngineBool EngineDeleteDataset(EngineHandle dataset, int flag) {
    Call("DeleteDataset", I(dataset), I(flag));
    return 1;
}

EngineBool EngineGetDatasetXRange(EngineHandle dataset, double* min, double* max) {
    Call("GetDatasetXRange", I(dataset));
    return R().sets.count(dataset) ? Range(R().sets[dataset].first, min, max) : 0;
}

EngineBool EngineGetDatasetYRange(EngineHandle dataset, double* min, double* max) {
    Call("GetDatasetYRange", I(dataset));
    return R().sets.count(dataset) ? Range(R().sets[dataset].second, min, max) : 0;
}

// The set's X range across, its Y range and 0 along the values: the engine's own bar ranges are
// the engine's tests' business.
EngineBool EngineGetDatasetBarRange(EngineHandle dataset, int alongX, int scaleMode, int kind, double width,
                                    int justify, int barType, int groups, double* min, double* max) {
    Call("GetDatasetBarRange", I(dataset), I(alongX), I(scaleMode), I(kind), D(width), I(justify), I(barType),
         I(groups));
    if (!R().sets.count(dataset)) {
        return 0;
    }
    if (alongX != 0) {
        return Range(R().sets[dataset].first, min, max);
    }
    std::vector<double> values = R().sets[dataset].second;
    values.push_back(0.0);
    return Range(values, min, max);
}

EngineBool EngineGetDatasetStackedYRange(EngineHandle dataset, int groups, double* min, double* max) {
    Call("GetDatasetStackedYRange", I(dataset), I(groups));
    if (!R().sets.count(dataset)) {
        return 0;
    }
    const std::vector<double>& y = R().sets[dataset].second;
    const int g = R().groups[dataset];
    std::vector<double> totals = {0.0}; // where the stacks start
    for (std::size_t i = 0; i + std::size_t(g) <= y.size(); i += std::size_t(g)) {
        double total = 0;
        for (int k = 0; k < std::min(groups, g); ++k) {
            total += y[i + std::size_t(k)];
            totals.push_back(total);
        }
    }
    return Range(totals, min, max);
}

EngineHandle EngineGetPageOfGraph(EngineHandle) {
    return 90; // the build asks for the page of its graph; the question itself is not recorded
}

EngineBool EngineSetPlotArea(EngineHandle graph, EngineDC dc, double left, double top, double right,
                             double bottom, ColorRef background) {
    Call("SetPlotArea", I(graph), Dc(dc), D(left), D(top), D(right), D(bottom), Hex(background));
    return 1;
}

EngineBool EngineSetTickSizes(EngineHandle page, int major, int minor) {
    Call("SetTickSizes", I(page), I(major), I(minor));
    return 1;
}

EngineBool EngineSetBorderStyle(EngineHandle graph, int style) {
    Call("SetBorderStyle", I(graph), I(style));
    return 1;
}

EngineBool EngineSetScaleTypes(EngineHandle graph, int xMode, int yMode) {
    Call("SetScaleTypes", I(graph), I(xMode), I(yMode));
    return 1;
}

EngineBool EngineSetScale(EngineHandle graph, double xMin, double yMin, double xMax, double yMax) {
    Call("SetScale", I(graph), D(xMin), D(yMin), D(xMax), D(yMax));
    return 1;
}

EngineBool EngineSetAxesIntercepts(EngineHandle graph, double xOfYAxis, double yOfXAxis) {
    Call("SetAxesIntercepts", I(graph), D(xOfYAxis), D(yOfXAxis));
    return 1;
}

EngineBool EngineAutoScale(EngineHandle graph, int isX, int scaleMode, double* min, double* max,
                           double* interval, int mode) {
    Call("AutoScale", I(graph), I(isX), I(scaleMode), D(*min), D(*max), I(mode));
    *min = R().autoScale.min;
    *max = R().autoScale.max;
    *interval = R().autoScale.interval;
    return 1;
}

EngineHandle EngineAddXAxis(EngineHandle graph, EngineDC dc, double majorInterval, int minorTicks,
                            int tickPosition) {
    Call("AddXAxis", I(graph), Dc(dc), D(majorInterval), I(minorTicks), I(tickPosition));
    return NewHandle();
}

EngineHandle EngineAddYAxis(EngineHandle graph, EngineDC dc, double majorInterval, int minorTicks,
                            int tickPosition) {
    Call("AddYAxis", I(graph), Dc(dc), D(majorInterval), I(minorTicks), I(tickPosition));
    return NewHandle();
}

EngineBool EngineEnableAxis(EngineHandle graph, EngineHandle axis, int enable) {
    Call("EnableAxis", I(graph), I(axis), I(enable));
    return 1;
}

EngineBool EngineAddNumericAxisLabels(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                                      int style, int decimals, int reserved1, int reserved2) {
    Call("AddNumericAxisLabels", I(graph), Dc(dc), I(axis), I(position), I(style), I(decimals), I(reserved1),
         I(reserved2));
    return 1;
}

EngineBool EngineAddStringAxisLabels(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                                     int start, const char* block, int slotCount) {
    Call("AddStringAxisLabels", I(graph), Dc(dc), I(axis), I(position), I(start), Block(block, slotCount));
    return 1;
}

EngineBool EngineAddAxisTitle(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                              const char* text) {
    Call("AddAxisTitle", I(graph), Dc(dc), I(axis), I(position), S(text));
    return 1;
}

EngineBool EngineAddAxisGrid(EngineHandle graph, EngineHandle axis, int gridType) {
    Call("AddAxisGrid", I(graph), I(axis), I(gridType));
    return 1;
}

EngineBool EngineSetLineAttributes(EngineHandle graph, EngineDC dc, int style, int width, ColorRef color) {
    Call("SetLineAttributes", I(graph), Dc(dc), I(style), I(width), Hex(color));
    return 1;
}

void EngineSetTextAttributes(ColorRef color, const char* face, int points, int style) {
    Call("SetTextAttributes", Hex(color), S(face), I(points), I(style));
}

EngineHandle EngineAddLinePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int areaFill,
                               int spline) {
    Call("AddLinePlot", I(graph), Dc(dc), I(dataset), I(areaFill), I(spline));
    return NewHandle();
}

EngineHandle EngineAddBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                              int justify, int barType, ColorRef color, int hatch, int opaque) {
    Call("AddBarPlot", I(graph), Dc(dc), I(dataset), D(width), I(justify), I(barType), Hex(color), I(hatch),
         I(opaque));
    return NewHandle();
}

EngineHandle EngineAddScatterPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                  ColorRef color, int size, int filled, int drop) {
    Call("AddScatterPlot", I(graph), Dc(dc), I(dataset), I(shape), Hex(color), I(size), I(filled), I(drop));
    return NewHandle();
}

EngineHandle EngineAddLineMarkerPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                     ColorRef color, int size, int filled) {
    Call("AddLineMarkerPlot", I(graph), Dc(dc), I(dataset), I(shape), Hex(color), I(size), I(filled));
    return NewHandle();
}

EngineHandle EngineAddGroupBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                                   int justify, int barType, int kind, const ColorRef* colors,
                                   const int* hatches, const int* opaque, int count) {
    Call("AddGroupBarPlot", I(graph), Dc(dc), I(dataset), D(width), I(justify), I(barType), I(kind),
         List(colors, count), List(hatches, count), List(opaque, count));
    return NewHandle();
}

EngineHandle EngineAddFloatingBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                                      int justify, int barType, ColorRef color, int hatch, int opaque) {
    Call("AddFloatingBarPlot", I(graph), Dc(dc), I(dataset), D(width), I(justify), I(barType), Hex(color),
         I(hatch), I(opaque));
    return NewHandle();
}

EngineHandle EngineAddStackedLinePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int areaFill,
                                      const int* styles, const int* widths, const ColorRef* colors,
                                      int count) {
    Call("AddStackedLinePlot", I(graph), Dc(dc), I(dataset), I(areaFill), List(styles, count),
         List(widths, count), List(colors, count));
    return NewHandle();
}

EngineHandle EngineAddHighLowClosePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                       ColorRef closeColor, int size, int filled) {
    Call("AddHighLowClosePlot", I(graph), Dc(dc), I(dataset), I(shape), Hex(closeColor), I(size), I(filled));
    return NewHandle();
}

EngineHandle EngineAddErrorBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int capSize) {
    Call("AddErrorBarPlot", I(graph), Dc(dc), I(dataset), I(capSize));
    return NewHandle();
}

EngineHandle EngineAddPieChart(EngineHandle graph, EngineDC dc, const double* values, int count, int mode,
                               int numericStyle, int numbersOutside, double diameter, double centreX,
                               double centreY, const ColorRef* fills, const ColorRef* borders,
                               const int* hatches, const double* explode) {
    Call("AddPieChart", I(graph), Dc(dc), List(values, count), I(count), I(mode), I(numericStyle),
         I(numbersOutside), D(diameter), D(centreX), D(centreY), List(fills, count), List(borders, count),
         List(hatches, count), List(explode, count));
    return NewHandle();
}

EngineBool EngineAddPieLabels(EngineHandle graph, EngineHandle pie, const char* block, int slotCount) {
    Call("AddPieLabels", I(graph), I(pie), Block(block, slotCount));
    return 1;
}

EngineHandle EngineAddTitle(EngineHandle graph, EngineDC dc, const char* text, double x, double y, int anchor,
                            int reserved) {
    Call("AddTitle", I(graph), Dc(dc), S(text), D(x), D(y), I(anchor), I(reserved));
    return NewHandle();
}

EngineHandle EngineAddSimpleLegend(EngineHandle graph, EngineDC dc, double left, double top, double right,
                                   double bottom, ColorRef borderColor, int borderThickness,
                                   ColorRef fontColor, ColorRef background, int horizontal, const char* block,
                                   int slotCount) {
    Call("AddSimpleLegend", I(graph), Dc(dc), D(left), D(top), D(right), D(bottom), Hex(borderColor),
         I(borderThickness), Hex(fontColor), Hex(background), I(horizontal), Block(block, slotCount));
    return NewHandle();
}

EngineHandle EngineAddGroupLegend(EngineHandle graph, EngineDC dc, double left, double top, double right,
                                  double bottom, ColorRef borderColor, int borderThickness,
                                  ColorRef fontColor, ColorRef background, int horizontal, const char* block,
                                  int slotCount, EngineHandle plot) {
    Call("AddGroupLegend", I(graph), Dc(dc), D(left), D(top), D(right), D(bottom), Hex(borderColor),
         I(borderThickness), Hex(fontColor), Hex(background), I(horizontal), Block(block, slotCount),
         I(plot));
    return NewHandle();
}

EngineHandle EngineAddDataCursor(EngineHandle graph, EngineDC dc, int kind, EngineHandle xAxis,
                                 EngineHandle yAxis, int size, int width, int style, ColorRef color) {
    Call("AddDataCursor", I(graph), Dc(dc), I(kind), I(xAxis), I(yAxis), I(size), I(width), I(style),
         Hex(color));
    return NewHandle();
}

// What zoom asks of the engine: nothing to read, so every read-back answers 0.
EngineBool EngineGetRubberBandRect(double*, double*, double*, double*) {
    Call("GetRubberBandRect");
    return 0;
}

EngineBool EngineDeviceToWorld(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, double*, double*) {
    Call("DeviceToWorld", I(graph), I(xAxis), I(yAxis));
    return 0;
}

EngineBool EngineGetAxisTicks(EngineHandle graph, EngineHandle axis, double*, int*, int*) {
    Call("GetAxisTicks", I(graph), I(axis));
    return 0;
}

EngineBool EngineGetAxisScale(EngineHandle graph, EngineHandle axis, double*, double*, double*) {
    Call("GetAxisScale", I(graph), I(axis));
    return 0;
}
