#include "ArrayProperties.h"

namespace chart {

namespace {

using M = CChartModel;

ArrayProperty Axis(const char* name, LongArray M::*m) {
    return {name, m, kAxisCount, false};
}
ArrayProperty Axis(const char* name, DoubleArray M::*m) {
    return {name, m, kAxisCount, false};
}
ArrayProperty Axis(const char* name, StringArray M::*m) {
    return {name, m, kAxisCount, false};
}
ArrayProperty Title(const char* name, LongArray M::*m) {
    return {name, m, kTitleCount, false};
}
ArrayProperty Title(const char* name, StringArray M::*m) {
    return {name, m, kTitleCount, false};
}
ArrayProperty Set(const char* name, LongArray M::*m) {
    return {name, m, kSetCount, false};
}
ArrayProperty Set(const char* name, DoubleArray M::*m) {
    return {name, m, kSetCount, false};
}
ArrayProperty Set(const char* name, StringArray M::*m) {
    return {name, m, kSetCount, false};
}
ArrayProperty Handles(const char* name, LongArray M::*m, int nominal) {
    return {name, m, nominal, true};
}
ArrayProperty Pointers(const char* name) {
    return {name, PointerArray{}, 0, false};
}

std::vector<ArrayProperty> MakeTable() {
    return {
        Handles("DataCursorHandle", &M::DataCursorHandle, kDataCursorCount),
        Handles("AxisHandle", &M::AxisHandle, kAxisCount),
        Handles("AxisLableHandle", &M::AxisLableHandle, 0),
        Axis("AxisMin", &M::AxisMin),
        Axis("AxisMax", &M::AxisMax),
        {"ScaleEnable", &M::ScaleEnable, kAxisPairCount, false},
        Axis("AxisEnable", &M::AxisEnable),
        Axis("AxisInterceptTrack", &M::AxisInterceptTrack),
        Axis("AxisLabelsEnable", &M::AxisLabelsEnable),
        Axis("AxisScaleMode", &M::AxisScaleMode),
        Axis("AxisIntercept", &M::AxisIntercept),
        Axis("AxisColor", &M::AxisColor),
        Axis("AxisLineWidth", &M::AxisLineWidth),
        Axis("AxisMinorTicks", &M::AxisMinorTicks),
        Axis("AxisMajorTickInterval", &M::AxisMajorTickInterval),
        Axis("AxisTickStyle", &M::AxisTickStyle),
        Axis("AxisAutoAxis", &M::AxisAutoAxis),
        Axis("AxisLabelPos", &M::AxisLabelPos),
        Axis("AxisLabelDecs", &M::AxisLabelDecs),
        Axis("AxisLabelColor", &M::AxisLabelColor),
        Axis("AxisLabelFont", &M::AxisLabelFont),
        Axis("AxisLabelFontStyle", &M::AxisLabelFontStyle),
        Axis("AxisLabelFontSize", &M::AxisLabelFontSize),
        Axis("AxisNumericStyle", &M::AxisNumericStyle),
        Axis("AxisTitleString", &M::AxisTitleString),
        Axis("AxisTitleFont", &M::AxisTitleFont),
        Axis("AxisLabelStrings", &M::AxisLabelStrings),
        Axis("NumAxisLabelStrings", &M::NumAxisLabelStrings),
        Axis("AxisLabelStringsEnable", &M::AxisLabelStringsEnable),
        Axis("AxisLabelStringsStart", &M::AxisLabelStringsStart),
        Pointers("AxisLabelStrings"),
        Axis("AxisTitleColor", &M::AxisTitleColor),
        Axis("AxisTitleFontStyle", &M::AxisTitleFontStyle),
        Axis("AxisTitleFontSize", &M::AxisTitleFontSize),
        Axis("AxisTitlePos", &M::AxisTitlePos),
        Axis("AxisGridEnable", &M::AxisGridEnable),
        Axis("AxisGridColor", &M::AxisGridColor),
        Axis("AxisGridLineWidth", &M::AxisGridLineWidth),
        Axis("AxisGridLineStyle", &M::AxisGridLineStyle),
        Axis("AxisGridType", &M::AxisGridType),
        Title("TitleString", &M::TitleString),
        Title("TitleFont", &M::TitleFont),
        Title("TitleColor", &M::TitleColor),
        Title("TitleFontStyle", &M::TitleFontStyle),
        Title("TitleFontSize", &M::TitleFontSize),
        Title("TitlePos", &M::TitlePos),
        Pointers("XRawPlotData"),
        Pointers("YRawPlotData"),
        Handles("PlotHandle", &M::PlotHandle, kSetCount),
        Handles("DataSet", &M::DataSet, kSetCount),
        Set("SDataNumPlotPoints", &M::SDataNumPlotPoints),
        Set("SDataEnable", &M::SDataEnable),
        Set("SDataName", &M::SDataName),
        Set("SDataNumGroups", &M::SDataNumGroups),
        Set("SDataType", &M::SDataType),
        Set("SPlotSpline", &M::SPlotSpline),
        Set("SPlotType", &M::SPlotType),
        Set("SPlotDataset", &M::SPlotDataset),
        Set("SPlotRefAxes", &M::SPlotRefAxes),
        Set("SPlotLineColor", &M::SPlotLineColor),
        Set("SPlotLineStyle", &M::SPlotLineStyle),
        Set("SPlotLineThickness", &M::SPlotLineThickness),
        Set("SPlotAreaFill", &M::SPlotAreaFill),
        Set("SPlotBarType", &M::SPlotBarType),
        Set("SPlotBarWidth", &M::SPlotBarWidth),
        Set("SPlotBarJustify", &M::SPlotBarJustify),
        Set("SPlotBarHatch", &M::SPlotBarHatch),
        Set("SPlotBarColor", &M::SPlotBarColor),
        Set("SPlotScatterColor", &M::SPlotScatterColor),
        Set("SPlotScatterShape", &M::SPlotScatterShape),
        Set("SPlotScatterSize", &M::SPlotScatterSize),
        Set("SPlotScatterDrop", &M::SPlotScatterDrop),
        Set("SPlotScatterLine", &M::SPlotScatterLine),
        Set("SPlotScatterStyle", &M::SPlotScatterStyle),
        Set("SPlotObjectOutlineColor", &M::SPlotObjectOutlineColor),
        Set("GPlotType", &M::GPlotType),
        Set("GPlotDataset", &M::GPlotDataset),
        Set("GPlotRefAxes", &M::GPlotRefAxes),
        Set("GPlotAreaFill", &M::GPlotAreaFill),
        Set("GPlotBarType", &M::GPlotBarType),
        Set("GPlotBarWidth", &M::GPlotBarWidth),
        Set("GPlotBarJustify", &M::GPlotBarJustify),
        Set("GPlotLineThickness", &M::GPlotLineThickness),
        Set("GPlotScatterShape", &M::GPlotScatterShape),
        Set("GPlotScatterSize", &M::GPlotScatterSize),
        Set("GPlotScatterStyle", &M::GPlotScatterStyle),
        Set("PieNumericStyle", &M::PieNumericStyle),
        Set("Pie3DLook", &M::Pie3DLook),
        Set("PieNumberPos", &M::PieNumberPos),
        Set("PieCenterX", &M::PieCenterX),
        Set("PieCenterY", &M::PieCenterY),
        Set("PieDiameter", &M::PieDiameter),
        Set("PieNumericFont", &M::PieNumericFont),
        Set("PieFontStyle", &M::PieFontStyle),
        Set("PieFontSize", &M::PieFontSize),
        Set("PieFontColor", &M::PieFontColor),
    };
}

std::vector<NestedArrayProperty> MakeNestedTable() {
    return {
        {"SDataXData", &M::SDataXData, kVariableSize},
        {"SDataYData", &M::SDataYData, kVariableSize},
        {"GPlotLineColor", &M::GPlotLineColor, kGroupCount},
        {"GPlotBarColor", &M::GPlotBarColor, kGroupCount},
        {"GPlotLineStyle", &M::GPlotLineStyle, kGroupCount},
        {"GPlotBarHatch", &M::GPlotBarHatch, kGroupCount},
        {"PieSliceHatch", &M::PieSliceHatch, kGroupCount},
        {"PieSliceFillColor", &M::PieSliceFillColor, kGroupCount},
        {"PieSliceBorderColor", &M::PieSliceBorderColor, kGroupCount},
        {"PieSliceExplode", &M::PieSliceExplode, kGroupCount},
        {"PieSliceLabel", &M::PieSliceLabel, kGroupCount},
    };
}

} // namespace

const std::vector<ArrayProperty>& ArrayProperties() {
    static const std::vector<ArrayProperty> table = MakeTable();
    return table;
}

const std::vector<NestedArrayProperty>& NestedArrayProperties() {
    static const std::vector<NestedArrayProperty> table = MakeNestedTable();
    return table;
}

} // namespace chart
