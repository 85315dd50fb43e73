#pragma once
// Every code the charting engine understands. The property pages store these numbers in the chart
// model, the build hands them to the engine unchanged, so they are part of the engine's interface.
// Colours everywhere are COLORREF values: 0x00BBGGRR.

#include <cstdint>

namespace kestran::codes {

// Pen styles (line plots, axes, grids, data cursors).
enum PenStyle : int {
    PenSolid = 0,
    PenDash = 1,
    PenDot = 2,
    PenDashDot = 3,
    PenDashDotDot = 4,
    PenNull = 5, // draws nothing
};

// Bar and slice hatches; -1 fills solid in the object's colour. 0..5 equal the metafile hatch codes.
enum Hatch : int {
    HatchNone = -1,
    HatchHorizontal = 0,
    HatchVertical = 1,
    HatchForwardDiagonal = 2,
    HatchBackwardDiagonal = 3,
    HatchCross = 4,
    HatchDiagonalCross = 5,
};

// Bar types.
enum BarType : int {
    Bar2DVertical = 6,
    Bar2DHorizontal = 7,
    Bar3DVertical = 8,
    Bar3DHorizontal = 9,
};

// Bar justification relative to the point's position (same numbers as the X label positions).
enum BarJustify : int {
    JustifyMin = 0,    // the bar starts at the point
    JustifyCentre = 3, // the bar is centred on the point (any unknown value too)
    JustifyMax = 4,    // the bar ends at the point
};

// Scatter and marker shapes.
enum Shape : int {
    ShapeNone = 0,
    ShapeX = 1,
    ShapeUpTriangle = 2,
    ShapeDownTriangle = 3,
    ShapeBox = 4,
    ShapePlus = 5,
    ShapeAsterisk = 6,
    ShapeDiamond = 7,
    ShapeCircle = 8,
    ShapeDot = 9,
};

// Positions of axis labels, axis titles and ticks relative to the axis line.
// X axes use Below, Centre, Above; Y axes use Left, Centre, Right. A code that does not fit the
// axis direction falls back to the outside position (below / left).
enum AxisPosition : int {
    PosBelow = 0,
    PosLeft = 1,
    PosRight = 2,
    PosCentre = 3,
    PosAbove = 4,
};

// Text anchor codes (titles): horizontal part in bits 0-1, vertical part in bits 2-3.
// The anchor point is the title's (x, y) in fractions of the graph window.
enum TextAnchor : int {
    AnchorLeft = 0,
    AnchorRight = 1,
    AnchorHCentre = 2,
    AnchorBaseline = 0 << 2,
    AnchorTop = 1 << 2,
    AnchorVCentre = 2 << 2,
    AnchorBottom = 3 << 2,
    AnchorCentreTop = AnchorHCentre | AnchorTop,       // 6: main header
    AnchorCentreBottom = AnchorHCentre | AnchorBottom, // 14: sub head and footer
};

// Font style bits.
enum FontStyle : int {
    FontBold = 1,
    FontItalic = 2,
    FontUnderline = 4,
    FontStrikeOut = 8,
};

// Scale modes of an axis.
enum ScaleMode : int {
    ScaleLinear = 0,
    ScaleLog = 1, // any non-zero value is logarithmic
};

// EngineAutoScale rounding modes.
enum AutoScaleMode : int {
    AutoExact = 0,      // keep minimum and maximum, only choose the interval
    AutoRoundMinor = 1, // round outward to a multiple of a fifth of the interval (close fit)
    AutoRoundMajor = 2, // round outward to a multiple of the interval
};

// Numeric label styles (the Axis Labels page's "Format" positions).
enum NumericStyle : int {
    NumDecimal = 0,     // 12.50
    NumScientific = 1,  // 1.25E+01
    NumEngineering = 2, // 12.50E+00, exponent a multiple of 3
    NumExponential = 3, // 10^1 on decades, 1.25x10^1 elsewhere
    NumTime = 4,        // seconds as H:MM:SS
};

// Grid types.
enum GridType : int {
    GridMajor = 0,
    GridMinor = 1,
    GridBoth = 2,
};

// Group bar kinds (EngineAddGroupBarPlot).
enum GroupBarKind : int {
    GroupBars = 0,
    GroupDeepBars = 1,
    GroupStackedBars = 2,
};

// Pie modes: 10 flat, any other three-dimensional (a caller adding an automation TRUE, -1, to 10
// gives 9).
enum PieMode : int {
    PieFlat = 10,
    Pie3D = 11,
};

// Pie numbers.
enum PieNumbers : int {
    PieNoNumbers = 0,
    PiePercent = 1,
    PieValue = 2,
    PiePercentAndValue = 3,
};

// Window border styles.
enum BorderStyle : int {
    BorderFlat = 0,
    BorderHigh = 1,
    BorderDeep = 2,
    BorderLow = 3,
    BorderShallow = 4,
    Border3D = 5,
    BorderNone = 6,
};

// Data cursor kinds.
enum CursorKind : int {
    CursorGraphCrossHair = 0, // lines across the whole graph window
    CursorPlotCrossHair = 1,  // lines across the plot area
    CursorSmallCrossHair = 2, // a small cross of `size` pixels
};

// EngineFindNearestPoint modes.
enum NearestMode : int {
    NearestX = 0,  // closest in X only
    NearestXY = 1, // closest in the plot area's pixels
    NearestY = 2,  // closest in Y only
};

// Print styles.
enum PrintStyle : int {
    PrintFull = 0,          // fills the printable area
    PrintProportionate = 1, // as large as fits, keeping the page's shape
    PrintExact = 2,         // the size it has on screen, at (left, top) fractions of the paper
    PrintPosition = 3,      // the rectangle (left, top, right, bottom) in fractions of the paper
};

// Metafile requests (EngineSavePageMetafile). Both write a placeable WMF file; without a name the
// file-name hook asks the user for one.
enum MetafileType : int {
    MetafileDefault = 1, // the control's own request (its Print page)
    MetafileFile = 2,    // the containers' request, and the page menu's
};

// Error codes (EngineReportError).
enum ErrorCode : int {
    ErrorGraphLost = 65,
    ErrorOutOfMemory = 66,    // a draw, a data set or a transform needed more memory than there was
    ErrorDataSetRefused = 67, // a data set beyond what all data sets together may hold
    ErrorFileWrite = 68,      // a metafile could not be written
};

// Palette size of EngineGetPaletteColor; codes outside give black.
constexpr int PaletteSize = 20;

} // namespace kestran::codes
