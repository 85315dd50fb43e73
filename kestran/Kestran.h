#pragma once
// KESTRAN, the charting engine: pages hold graphs, graphs hold scales, axes, plots, titles,
// legends and data cursors; data sets live beside them. Every object is named by a 16-bit handle
// (never 0); a call given an unknown or deleted handle does nothing and reports failure
// (0 / false), so stale handles kept by a caller are harmless.
//
// The engine has no windows. A page is a record the caller's widget paints through
// EnginePaintPage; the two first-paint callbacks below replace the window procedures' hooks.
// A widget uses it so: EngineCreatePage(..., width, height, pageCallback) for its size and
// EngineSetRepaintHandler(page, [this] { update(); }); paintEvent calls EnginePaintPage(page,
// painter) (the first one runs OnPageCreated, which creates graphs; each new graph runs
// OnBuildGraph at its first draw); resizeEvent calls EngineResizePage; mouse events call
// EngineSetMousePosition with graph-window coordinates (and EngineEndMouseDrag on release).
// Callback objects are not owned: delete the page (or graph) before the object goes.
// All drawing goes through kestran::Canvas (QPainter, metafile and recording back ends).
// Codes of styles, shapes, positions and modes: EngineCodes.h.

#include "canvas/Canvas.h"
#include "EngineCodes.h"

#include <functional>
#include <string>

class QPainter;
class QPrinter;
class QImage;
class QByteArray;

using EngineHandle = int;          // 1..32767 (fits 16 bits, signed or not); 0 = none
using EngineBool = int;            // 1 true, 0 false
using EngineDC = kestran::Canvas*; // the canvas of the draw in progress (may be null)

// Called at a page's first paint, before its graphs are drawn; typically creates the graphs.
class EnginePageCallback {
public:
    virtual ~EnginePageCallback() = default;
    virtual void OnPageCreated(EngineHandle page) = 0;
};

// Called at a graph's first draw; builds the graph's objects through the Engine* calls.
class EngineGraphCallback {
public:
    virtual ~EngineGraphCallback() = default;
    virtual void OnBuildGraph(EngineHandle graph, EngineDC dc) = 0;
};

// The caller's context block.
struct EngineContext {
    void* ownerWindow = nullptr;
    int registered = 0; // set by EngineRegisterWindowClasses
    void* moduleInstance = nullptr;
    int errorFlag = 0; // non-zero after an engine failure, until EngineHandleError
    int lastError = 0;
    unsigned char flags = 0;
};

// Process-wide values the caller's mouse handling writes.
struct EngineGlobals {
    int lastMouseX = 0; // graph-window pixels
    int lastMouseY = 0;
};

// ---- Context, errors -------------------------------------------------------------------------
void EngineSetContext(EngineContext* context);
EngineBool EngineRegisterWindowClasses(EngineContext* context);
EngineGlobals* EngineGetGlobals();
void EngineSetMousePosition(int x, int y);
void EngineReportError(int code, int a, int b);
void EngineHandleError();
int EngineGetLastError();

// ---- Pages and graphs ------------------------------------------------------------------------
EngineHandle EngineCreatePage(const char* name, void* parent, const char* title, const char* menuName,
                              kestran::ColorRef background, int pageOption, unsigned style, int windowless,
                              int left, int top, int width, int height, EnginePageCallback* callback);
EngineBool EngineDeletePage(EngineHandle page);
EngineBool EngineResizePage(EngineHandle page, int width, int height);
EngineHandle EngineCreateGraph(EngineContext* context, EngineHandle page, double x0, double y0, double x1,
                               double y1, kestran::ColorRef background, kestran::ColorRef borderColor,
                               int borderThickness, EngineGraphCallback* callback);
EngineBool EngineDeleteGraph(EngineHandle graph);
EngineHandle EngineGetGraphWindow(EngineHandle graph); // the graph itself: graphs are their windows
EngineHandle EngineGetPageWindow(EngineHandle page);
EngineHandle EngineGetPageOfGraph(EngineHandle graph);
EngineHandle EngineGetCurrentGraph(EngineHandle page);
EngineBool EngineSetCurrentGraph(EngineHandle graph);
EngineBool EngineIsPageReady(EngineHandle page);   // painted at least once
EngineBool EngineIsGraphReady(EngineHandle graph); // built and drawn at least once
EngineBool EngineSetPageRedraw(EngineHandle page, int on);
// Asked for when a page needs painting again (the caller's widget calls update()).
void EngineSetRepaintHandler(EngineHandle page, std::function<void()> handler);
EngineBool EngineRedrawPage(EngineHandle page);
EngineBool EngineRedrawGraph(EngineHandle graph, int flag);
EngineBool EngineRefreshPlot(EngineHandle graph, EngineHandle plot, int flag);

// Window-record operations of the page widget: its page, release at destruction, options, and
// the dotted mark around the current graph (toggled by each call).
EngineHandle EngineGetPageFromWindow(EngineHandle window);
EngineBool EngineFreeWindowRecord(EngineHandle page);
EngineBool EngineSetPageOption(EngineHandle page, int option);
EngineBool EngineSetGraphOption(EngineHandle graph, int option);
EngineBool EngineMarkCurrentGraph(EngineHandle page, EngineHandle graph);

// ---- Painting --------------------------------------------------------------------------------
// The widget's paint: first paint runs OnPageCreated, every graph not yet built runs OnBuildGraph,
// then the page is drawn. The painter's device is in page pixels.
EngineBool EnginePaintPage(EngineHandle page, QPainter& painter);
EngineBool EnginePaintPageToCanvas(EngineHandle page, kestran::Canvas& canvas);
// The page's graphs (mode is kept for callers that distinguish first and later paints).
EngineBool EnginePaintPageGraphs(EngineHandle page, kestran::Canvas& canvas, int mode);
// The page scaled into a rectangle of another device (printing, container drawing).
EngineBool EngineDrawPageToDC(QPainter& painter, EngineHandle page, const QRectF& target, int flag);
EngineBool EngineDrawGraph(EngineHandle graph, kestran::Canvas& canvas);
void EngineCompleteGraph(EngineHandle graph);
void EngineEndDraw(EngineDC dc);

// ---- Data sets (independent of graphs) -------------------------------------------------------
EngineHandle EngineCreateDataset(const char* name, const double* x, const double* y, int count);
EngineHandle EngineCreateGroupDataset(const char* name, const double* x, const double* y, int count,
                                      int groups);
EngineBool EngineDeleteDataset(EngineHandle dataset, int flag);
EngineBool EngineGetDatasetXRange(EngineHandle dataset, double* min, double* max);
EngineBool EngineGetDatasetYRange(EngineHandle dataset, double* min, double* max);
// The range of the running totals of the first `groups` groups of each point, and of 0 where the
// stacks start: what stacked bars and stacked lines cover. 0 (outputs untouched) when the set has
// no finite value.
EngineBool EngineGetDatasetStackedYRange(EngineHandle dataset, int groups, double* min, double* max);
// The range a bar plot of the data set covers along the X axis (alongX 1) or the Y axis (0) on a
// linear or logarithmic axis (scaleMode), for bars added as `kind` says (-1 EngineAddBarPlot, 0..2
// the kinds of EngineAddGroupBarPlot, 3 EngineAddFloatingBarPlot) with their width, justification,
// bar type and the number of groups drawn: the first and last bars whole, from where the bars start
// to their values (BarRange.h). 0 (outputs untouched) when the set has no value to range.
EngineBool EngineGetDatasetBarRange(EngineHandle dataset, int alongX, int scaleMode, int kind, double width,
                                    int justify, int barType, int groups, double* min, double* max);
EngineBool EngineSortDatasetX(EngineHandle dataset, int ascending);
EngineBool EngineSortDatasetY(EngineHandle dataset, int ascending);
EngineBool EngineMarkDataPoint(EngineHandle dataset, int index, int state);
EngineBool EngineFindNearestPoint(EngineHandle graph, double x, double y, int mode, double* foundX,
                                  double* foundY, EngineHandle* dataset, int* index);

// ---- Plot area, scales, axes -----------------------------------------------------------------
EngineBool EngineSetPlotArea(EngineHandle graph, EngineDC dc, double left, double top, double right,
                             double bottom, kestran::ColorRef background);
EngineBool EngineSetTickSizes(EngineHandle page, int major, int minor);
EngineBool EngineSetBorderStyle(EngineHandle graph, int style);
EngineBool EngineSetScaleTypes(EngineHandle graph, int xMode, int yMode);
EngineBool EngineSetScale(EngineHandle graph, double xMin, double yMin, double xMax, double yMax);
EngineBool EngineSetAxesIntercepts(EngineHandle graph, double xOfYAxis, double yOfXAxis);
EngineBool EngineAutoScale(EngineHandle graph, int isX, int scaleMode, double* min, double* max,
                           double* interval, int mode);
EngineHandle EngineAddXAxis(EngineHandle graph, EngineDC dc, double majorInterval, int minorTicks,
                            int tickPosition);
EngineHandle EngineAddYAxis(EngineHandle graph, EngineDC dc, double majorInterval, int minorTicks,
                            int tickPosition);
EngineBool EngineEnableAxis(EngineHandle graph, EngineHandle axis, int enable);
// decimals is a minimum: neighbouring labels get the decimals they need to read differently, and
// decimal labels too wide for their room turn scientific (TickLabels, NumberLabel.h). Minor ticks
// too close to see are left out. On an axis whose major ticks are too close for a label at each,
// labels stand on every n-th tick so that they count in 1-2-5 steps (LabelStrides, AutoScale.h);
// major ticks and grid lines too close to see are thinned the same way.
EngineBool EngineAddNumericAxisLabels(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                                      int style, int decimals, int reserved1, int reserved2);
// block: `slotCount` lines of 42 bytes each, NUL-terminated (longer lines are cut at 41 characters).
EngineBool EngineAddStringAxisLabels(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                                     int start, const char* block, int slotCount);
EngineBool EngineAddAxisTitle(EngineHandle graph, EngineDC dc, EngineHandle axis, int position,
                              const char* text);
EngineBool EngineAddAxisGrid(EngineHandle graph, EngineHandle axis, int gridType);
EngineBool EngineGetAxisTicks(EngineHandle graph, EngineHandle axis, double* majorInterval, int* minorTicks,
                              int* tickPosition);
EngineBool EngineGetAxisScale(EngineHandle graph, EngineHandle axis, double* min, double* max,
                              double* intercept);

// ---- Attributes for the next object ----------------------------------------------------------
EngineBool EngineSetLineAttributes(EngineHandle graph, EngineDC dc, int style, int width,
                                   kestran::ColorRef color);
void EngineSetTextAttributes(kestran::ColorRef color, const char* face, int points, int style);
kestran::ColorRef EngineGetPaletteColor(int code);

// ---- Plots -----------------------------------------------------------------------------------
EngineHandle EngineAddLinePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int areaFill,
                               int spline);
// Bars: width is a fraction of the smallest spacing of the bar positions; hatch -1 fills solid;
// opaque non-zero puts a hatch over white instead of over what lies below. Bars reach from where
// the other axis crosses the value axis (as it was when the plot was added) to their values;
// horizontal bar types stand at the Y values and reach to the X values.
EngineHandle EngineAddBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                              int justify, int barType, kestran::ColorRef color, int hatch, int opaque);
EngineHandle EngineAddScatterPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                  kestran::ColorRef color, int size, int filled, int drop);
EngineHandle EngineAddLineMarkerPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                     kestran::ColorRef color, int size, int filled);
EngineHandle EngineAddGroupBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                                   int justify, int barType, int kind, const kestran::ColorRef* colors,
                                   const int* hatches, const int* opaque, int count);
EngineHandle EngineAddFloatingBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, double width,
                                      int justify, int barType, kestran::ColorRef color, int hatch,
                                      int opaque);
EngineHandle EngineAddStackedLinePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int areaFill,
                                      const int* styles, const int* widths, const kestran::ColorRef* colors,
                                      int count);
// Group plots read group 0, 1, ... of each point: floating bars low/high, high-low-close
// high/low/close, error bars value/low/high (or value/error with two groups).
EngineHandle EngineAddHighLowClosePlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int shape,
                                       kestran::ColorRef closeColor, int size, int filled);
EngineHandle EngineAddErrorBarPlot(EngineHandle graph, EngineDC dc, EngineHandle dataset, int capSize);
// Pie values are taken as given (at most 16 slices; negative and non-finite ones count as 0).
// diameter and centre are fractions of the graph window; explode is a fraction of the radius.
EngineHandle EngineAddPieChart(EngineHandle graph, EngineDC dc, const double* values, int count, int mode,
                               int numericStyle, int numbersOutside, double diameter, double centreX,
                               double centreY, const kestran::ColorRef* fills,
                               const kestran::ColorRef* borders, const int* hatches, const double* explode);
EngineBool EngineAddPieLabels(EngineHandle graph, EngineHandle pie, const char* block, int slotCount);
EngineBool EngineSetPlotDataset(EngineHandle graph, EngineHandle plot, EngineHandle dataset);

// ---- Titles, legends -------------------------------------------------------------------------
EngineHandle EngineAddTitle(EngineHandle graph, EngineDC dc, const char* text, double x, double y, int anchor,
                            int reserved);
// Legends show every line of their block; the box is where they may go, laid out as LegendLayout.h
// tells. Entries pair line k of the block with the k-th simple plot in data-set creation order.
EngineHandle EngineAddSimpleLegend(EngineHandle graph, EngineDC dc, double left, double top, double right,
                                   double bottom, kestran::ColorRef borderColor, int borderThickness,
                                   kestran::ColorRef fontColor, kestran::ColorRef background, int horizontal,
                                   const char* block, int slotCount);
// Entries pair line k with group k (or slice k) of the given group plot or pie.
EngineHandle EngineAddGroupLegend(EngineHandle graph, EngineDC dc, double left, double top, double right,
                                  double bottom, kestran::ColorRef borderColor, int borderThickness,
                                  kestran::ColorRef fontColor, kestran::ColorRef background, int horizontal,
                                  const char* block, int slotCount, EngineHandle plot);

// ---- Mouse -----------------------------------------------------------------------------------
EngineHandle EngineAddDataCursor(EngineHandle graph, EngineDC dc, int kind, EngineHandle xAxis,
                                 EngineHandle yAxis, int size, int width, int style, kestran::ColorRef color);
EngineBool EngineMoveDataCursor(EngineHandle graph, EngineHandle cursor, double x, double y, int visible);
// Start at the last mouse position; later EngineSetMousePosition calls drag the band or cursor
// until EngineEndMouseDrag. The caller's widget sends the moves (there is no mouse capture here).
EngineBool EngineBeginRubberBand(EngineHandle graph, int a, int b, int button, int c);
EngineBool EngineBeginDataCursorDrag(EngineHandle graph, int a, int b, int button, int kind, int c);
EngineBool EngineEndMouseDrag(EngineHandle graph);
// The last band in world units of the graph's last scale: x1 < x2, y1 > y2 (top, then bottom).
EngineBool EngineGetRubberBandRect(double* x1, double* y1, double* x2, double* y2);
EngineBool EngineDeviceToWorld(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, double* x,
                               double* y);
EngineBool EngineWorldToDevice(EngineHandle graph, EngineHandle xAxis, EngineHandle yAxis, double x, double y,
                               double* deviceX, double* deviceY);
EngineBool EngineDeviceToNormalized(EngineHandle graph, double* x, double* y);

// ---- Output ----------------------------------------------------------------------------------
void EngineSetPrintOptions(int graphBackground, int plotBackground, int border, int keepAspect, int style,
                           double left, double top);
// The printer pages go to; the engine makes its own until one is set (a PDF file printer when the
// machine has no printer). A printer in PDF format prints to its output file, written whole or not
// at all, and cannot print without one.
QPrinter* EngineGetPrinter();
void EngineSetPrinter(QPrinter* printer);
EngineBool EnginePrintPage(EngineHandle page);
EngineBool EnginePrintPageAt(EngineHandle page, double left, double top, double right, double bottom);
EngineBool EnginePrintGraph(EngineHandle graph);
// The engine shows no dialogs: the hook shows one (e.g. a QPageSetupDialog) and says whether it was accepted.
void EngineSetPrinterSetupHook(std::function<bool(QPrinter&, void* owner)> hook);
EngineBool EnginePrinterSetup(void* owner);
// Asked for the file of a PDF file printer before a print; empty = cancelled.
void EngineSetPrintFileHook(std::function<std::string(void* owner)> hook);
std::string EngineAskPrintFile(void* owner);
// Asked for a metafile name when EngineSavePageMetafile gets none; empty = cancelled.
void EngineSetFileNameHook(std::function<std::string()> hook);
// Text in the metafile carries each character's advance as the engine laid it out, so players
// show it at that width whatever fonts they have.
EngineBool EngineSavePageMetafile(EngineHandle page, int type, const char* fileName);
QByteArray EnginePageMetafileBytes(EngineHandle page);
EngineBool EngineCopyPageToClipboard(EngineHandle page);
QImage EngineRenderPageImage(EngineHandle page);

// ---- FFT over the caller's arrays (re, im: n values each) -------------------------------------
// Refused without effect (false / 0.0) for null arrays, counts that are not a power of two where
// the transform needs one, and indices outside the arrays. Window types: kestran::fft::WindowType.
EngineBool EngineFFTWindow(double* re, double* im, long count, long windowType);
EngineBool EngineFFTComplex(double* re, double* im, long count, int inverse);
EngineBool EngineFFTReal(double* re, double* im, long count, int inverse);
EngineBool EngineFFTPowerSpectrum(double* re, double* im, long count, double interval);
double EngineFFTMagnitude(const double* re, const double* im, long count, long index);
// Takes the count too, so the index can be checked against the arrays.
double EngineFFTPhase(const double* re, const double* im, long count, long index);
double EngineFFTFrequency(long count, double sampleFrequency, long index);
