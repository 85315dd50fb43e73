#pragma once
// The chart control's automation members the program calls, by dispatch identifier (late-bound:
// these numbers are the contract with the control), and the codes the program passes to them.

#include "Dispatch.h"

#include <cstdint>

namespace chartid {

using automation::DISPID;

// Scalar properties.
constexpr DISPID SLegendType = 34;
constexpr DISPID SLegendOrientation = 45;
constexpr DISPID SLegendEnable = 46;
constexpr DISPID SLegendStrings = 47;
constexpr DISPID SLegendFontSize = 48;

// Methods.
constexpr DISPID UpdateGraph = 51;
constexpr DISPID SavePageMeta = 61;
constexpr DISPID DefineDataSet = 70;
constexpr DISPID PrintGraph = 78;
constexpr DISPID PrinterSetup = 79;
constexpr DISPID CopyToClipboard = 80;

// Indexed properties: the axis, title or data-set number comes first.
constexpr DISPID AxisMin = 83;
constexpr DISPID AxisMax = 84;
constexpr DISPID AxisMajorTickInterval = 94;
constexpr DISPID AxisLabelColor = 98;
constexpr DISPID AxisLabelFont = 99;
constexpr DISPID AxisLabelFontSize = 101;
constexpr DISPID AxisTitleString = 103;
constexpr DISPID AxisTitleFont = 104;
constexpr DISPID AxisTitleColor = 109;
constexpr DISPID AxisTitleFontSize = 111;
constexpr DISPID TitleString = 118;
constexpr DISPID TitleFontSize = 122;
constexpr DISPID SPlotType = 124;
constexpr DISPID SPlotLineColor = 126;
constexpr DISPID SPlotLineThickness = 127;
constexpr DISPID SPlotLineStyle = 139;
constexpr DISPID SDataEnable = 152;
constexpr DISPID SDataType = 153;

} // namespace chartid

namespace chartcode {

// Items of the chart.
constexpr std::int32_t kAxisX = 0;
constexpr std::int32_t kAxisY = 1;
constexpr std::int32_t kTitleTop = 0;
constexpr std::int32_t kTitleLine1 = 1;
constexpr std::int32_t kTitleLine2 = 2;
constexpr std::int32_t kLastDataSet = 31;

// Pen styles of SPlotLineStyle.
constexpr std::int32_t kLineSolid = 0;
constexpr std::int32_t kLineDash = 1;
constexpr std::int32_t kLineDot = 2;
constexpr std::int32_t kLineDashDot = 3;
constexpr std::int32_t kLineDashDotDot = 4;

// A data set of single values per point, drawn as a line plot, listed in a simple legend.
constexpr std::int32_t kDataTypeSimple = 0;
constexpr std::int32_t kPlotTypeLine = 0;
constexpr std::int16_t kLegendSimple = 0;
constexpr std::int16_t kLegendVertical = 0;

// SavePageMeta's output type for a placeable metafile file.
constexpr std::int32_t kMetafileToFile = 2;

// 0x00BBGGRR, the control's colour values.
constexpr std::int32_t Rgb(int red, int green, int blue) {
    return red | (green << 8) | (blue << 16);
}

// The name every curve's data set gets, and the carriage return that separates legend lines.
constexpr const char* kSetName = "Line Data";
constexpr char kCr = '\r';

// A curve piece inside its model's validity range is solid, outside dash-dot.
constexpr std::int32_t StyleFor(bool valid) {
    return valid ? kLineSolid : kLineDashDot;
}

// Moves to the next data-set number; false once every set of the chart is in use.
inline bool NextSet(int& setNumber) {
    if (setNumber >= kLastDataSet)
        return false;
    ++setNumber;
    return true;
}

} // namespace chartcode
