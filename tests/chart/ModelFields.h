#pragma once
// The chart model's fields by their names, so tests can name a setting as the interface does and
// read what the model holds, flattened to a list of values (nested arrays set by set).

#include "ChartModel.h"
#include "InterfaceTables.h"

#include <map>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace charttest {

using Field = std::variant<std::int32_t chart::CChartModel::*, double chart::CChartModel::*,
                           QString chart::CChartModel::*, chart::LongArray chart::CChartModel::*,
                           chart::DoubleArray chart::CChartModel::*, chart::StringArray chart::CChartModel::*,
                           std::vector<chart::LongArray> chart::CChartModel::*,
                           std::vector<chart::DoubleArray> chart::CChartModel::*,
                           std::vector<chart::StringArray> chart::CChartModel::*>;

inline const std::map<std::string, Field>& ModelFields() {
    using M = chart::CChartModel;
    static const std::map<std::string, Field> fields = {
        {"WindowBackgroundColor", &M::WindowBackgroundColor},
        {"PlotBackgroundColor", &M::PlotBackgroundColor},
        {"WindowBorderColor", &M::WindowBorderColor},
        {"CurrentPlot", &M::CurrentPlot},
        {"CurrentAxis", &M::CurrentAxis},
        {"WindowBorderStyle", &M::WindowBorderStyle},
        {"WindowBorderThickness", &M::WindowBorderThickness},
        {"MajorTickSize", &M::MajorTickSize},
        {"MinorTickSize", &M::MinorTickSize},
        {"TopPlotArea", &M::TopPlotArea},
        {"BottomPlotArea", &M::BottomPlotArea},
        {"LeftPlotArea", &M::LeftPlotArea},
        {"RightPlotArea", &M::RightPlotArea},
        {"SLegendType", &M::SLegendType},
        {"SLegendTop", &M::SLegendTop},
        {"SLegendBottom", &M::SLegendBottom},
        {"SLegendLeft", &M::SLegendLeft},
        {"SLegendRight", &M::SLegendRight},
        {"SLegendBackgroundColor", &M::SLegendBackgroundColor},
        {"SLegendBorderColor", &M::SLegendBorderColor},
        {"SLegendFontColor", &M::SLegendFontColor},
        {"SLegendBorderThickness", &M::SLegendBorderThickness},
        {"SLegendStrings", &M::SLegendStrings},
        {"LegendLineCount", &M::LegendLineCount},
        {"SLegendFont", &M::SLegendFont},
        {"SLegendFontStyle", &M::SLegendFontStyle},
        {"SLegendFontSize", &M::SLegendFontSize},
        {"SLegendOrientation", &M::SLegendOrientation},
        {"SLegendEnable", &M::SLegendEnable},
        {"EventZoom", &M::EventZoom},
        {"EventShowPropPage", &M::EventShowPropPage},
        {"EventRetrieveDataValue", &M::EventRetrieveDataValue},
        {"EventDataCursorType", &M::EventDataCursorType},
        {"EventZoomX", &M::EventZoomX},
        {"EventZoomXRoundMode", &M::EventZoomXRoundMode},
        {"EventZoomY", &M::EventZoomY},
        {"EventZoomYRoundMode", &M::EventZoomYRoundMode},
        {"PrintStyle", &M::PrintStyle},
        {"PrintBorder", &M::PrintBorder},
        {"PrintMaintainAspectRatio", &M::PrintMaintainAspectRatio},
        {"PrintPlotBackground", &M::PrintPlotBackground},
        {"PrintGraphBackground", &M::PrintGraphBackground},
        {"PrintBottom", &M::PrintBottom},
        {"PrintLeft", &M::PrintLeft},
        {"PrintRight", &M::PrintRight},
        {"PrintTop", &M::PrintTop},
        {"EventZoomReset", &M::EventZoomReset},
        {"EventZoomResetMinX", &M::EventZoomResetMinX},
        {"EventZoomResetMinY", &M::EventZoomResetMinY},
        {"EventZoomResetMaxX", &M::EventZoomResetMaxX},
        {"EventZoomResetMaxY", &M::EventZoomResetMaxY},
        {"DataCursorHandle", &M::DataCursorHandle},
        {"DataCursorType", &M::DataCursorType},
        {"DataCursorDefined", &M::DataCursorDefined},
        {"DataCursorAxis", &M::DataCursorAxis},
        {"DataCursorSize", &M::DataCursorSize},
        {"DataCursorWidth", &M::DataCursorWidth},
        {"DataCursorStyle", &M::DataCursorStyle},
        {"DataCursorColor", &M::DataCursorColor},
        {"AxisHandle", &M::AxisHandle},
        {"AxisLableHandle", &M::AxisLableHandle},
        {"AxisMin", &M::AxisMin},
        {"AxisMax", &M::AxisMax},
        {"ScaleEnable", &M::ScaleEnable},
        {"AxisEnable", &M::AxisEnable},
        {"AxisInterceptTrack", &M::AxisInterceptTrack},
        {"AxisLabelsEnable", &M::AxisLabelsEnable},
        {"AxisScaleMode", &M::AxisScaleMode},
        {"AxisIntercept", &M::AxisIntercept},
        {"AxisColor", &M::AxisColor},
        {"AxisLineWidth", &M::AxisLineWidth},
        {"AxisMinorTicks", &M::AxisMinorTicks},
        {"AxisMajorTickInterval", &M::AxisMajorTickInterval},
        {"AxisTickStyle", &M::AxisTickStyle},
        {"AxisAutoAxis", &M::AxisAutoAxis},
        {"AxisLabelPos", &M::AxisLabelPos},
        {"AxisLabelDecs", &M::AxisLabelDecs},
        {"AxisLabelColor", &M::AxisLabelColor},
        {"AxisLabelFont", &M::AxisLabelFont},
        {"AxisLabelFontStyle", &M::AxisLabelFontStyle},
        {"AxisLabelFontSize", &M::AxisLabelFontSize},
        {"AxisNumericStyle", &M::AxisNumericStyle},
        {"AxisTitleString", &M::AxisTitleString},
        {"AxisTitleFont", &M::AxisTitleFont},
        {"AxisLabelStrings", &M::AxisLabelStrings},
        {"NumAxisLabelStrings", &M::NumAxisLabelStrings},
        {"AxisLabelStringsEnable", &M::AxisLabelStringsEnable},
        {"AxisLabelStringsStart", &M::AxisLabelStringsStart},
        {"AxisTitleColor", &M::AxisTitleColor},
        {"AxisTitleFontStyle", &M::AxisTitleFontStyle},
        {"AxisTitleFontSize", &M::AxisTitleFontSize},
        {"AxisTitlePos", &M::AxisTitlePos},
        {"AxisGridEnable", &M::AxisGridEnable},
        {"AxisGridColor", &M::AxisGridColor},
        {"AxisGridLineWidth", &M::AxisGridLineWidth},
        {"AxisGridLineStyle", &M::AxisGridLineStyle},
        {"AxisGridType", &M::AxisGridType},
        {"TitleString", &M::TitleString},
        {"TitleFont", &M::TitleFont},
        {"TitleColor", &M::TitleColor},
        {"TitleFontStyle", &M::TitleFontStyle},
        {"TitleFontSize", &M::TitleFontSize},
        {"TitlePos", &M::TitlePos},
        {"XRawPlotData", &M::XRawPlotData},
        {"YRawPlotData", &M::YRawPlotData},
        {"PlotHandle", &M::PlotHandle},
        {"DataSet", &M::DataSet},
        {"SDataNumPlotPoints", &M::SDataNumPlotPoints},
        {"SDataEnable", &M::SDataEnable},
        {"SDataName", &M::SDataName},
        {"SDataNumGroups", &M::SDataNumGroups},
        {"SDataType", &M::SDataType},
        {"SDataXData", &M::SDataXData},
        {"SDataYData", &M::SDataYData},
        {"SPlotSpline", &M::SPlotSpline},
        {"SPlotType", &M::SPlotType},
        {"SPlotDataset", &M::SPlotDataset},
        {"SPlotRefAxes", &M::SPlotRefAxes},
        {"SPlotLineColor", &M::SPlotLineColor},
        {"SPlotLineStyle", &M::SPlotLineStyle},
        {"SPlotLineThickness", &M::SPlotLineThickness},
        {"SPlotAreaFill", &M::SPlotAreaFill},
        {"SPlotBarType", &M::SPlotBarType},
        {"SPlotBarWidth", &M::SPlotBarWidth},
        {"SPlotBarJustify", &M::SPlotBarJustify},
        {"SPlotBarHatch", &M::SPlotBarHatch},
        {"SPlotBarColor", &M::SPlotBarColor},
        {"SPlotScatterColor", &M::SPlotScatterColor},
        {"SPlotScatterShape", &M::SPlotScatterShape},
        {"SPlotScatterSize", &M::SPlotScatterSize},
        {"SPlotScatterDrop", &M::SPlotScatterDrop},
        {"SPlotScatterLine", &M::SPlotScatterLine},
        {"SPlotScatterStyle", &M::SPlotScatterStyle},
        {"SPlotObjectOutlineColor", &M::SPlotObjectOutlineColor},
        {"GPlotType", &M::GPlotType},
        {"GPlotDataset", &M::GPlotDataset},
        {"GPlotRefAxes", &M::GPlotRefAxes},
        {"GPlotAreaFill", &M::GPlotAreaFill},
        {"GPlotBarType", &M::GPlotBarType},
        {"GPlotBarWidth", &M::GPlotBarWidth},
        {"GPlotBarJustify", &M::GPlotBarJustify},
        {"GPlotLineThickness", &M::GPlotLineThickness},
        {"GPlotLineColor", &M::GPlotLineColor},
        {"GPlotBarColor", &M::GPlotBarColor},
        {"GPlotLineStyle", &M::GPlotLineStyle},
        {"GPlotBarHatch", &M::GPlotBarHatch},
        {"GPlotScatterShape", &M::GPlotScatterShape},
        {"GPlotScatterSize", &M::GPlotScatterSize},
        {"GPlotScatterStyle", &M::GPlotScatterStyle},
        {"PieNumericStyle", &M::PieNumericStyle},
        {"Pie3DLook", &M::Pie3DLook},
        {"PieNumberPos", &M::PieNumberPos},
        {"PieCenterX", &M::PieCenterX},
        {"PieCenterY", &M::PieCenterY},
        {"PieDiameter", &M::PieDiameter},
        {"PieSliceHatch", &M::PieSliceHatch},
        {"PieSliceFillColor", &M::PieSliceFillColor},
        {"PieSliceBorderColor", &M::PieSliceBorderColor},
        {"PieSliceExplode", &M::PieSliceExplode},
        {"PieSliceLabel", &M::PieSliceLabel},
        {"PieNumericFont", &M::PieNumericFont},
        {"PieFontStyle", &M::PieFontStyle},
        {"PieFontSize", &M::PieFontSize},
        {"PieFontColor", &M::PieFontColor},
        {"Zooming", &M::Zooming},
        {"ReadingOut", &M::ReadingOut},
    };
    return fields;
}

inline Value AsValue(std::int32_t v) {
    return v;
}
inline Value AsValue(double v) {
    return v;
}
inline Value AsValue(const QString& v) {
    return v.toStdString();
}

template <typename T> void Flatten(const T& v, std::vector<Value>& out) {
    out.push_back(AsValue(v));
}
template <typename T> void Flatten(const std::vector<T>& v, std::vector<Value>& out) {
    for (const T& e : v) {
        Flatten(e, out);
    }
}

// What the model holds under a name: one value for a scalar, the elements of an array.
inline std::vector<Value> FieldValues(const chart::CChartModel& model, const std::string& name) {
    const auto found = ModelFields().find(name);
    if (found == ModelFields().end()) {
        throw std::invalid_argument(name);
    }
    std::vector<Value> out;
    std::visit([&](auto member) { Flatten(model.*member, out); }, found->second);
    return out;
}

// Element `index` of a one-level array, for settings the interface does not reach.
inline void SetElement(chart::CChartModel& model, const std::string& name, std::size_t index,
                       const Value& value) {
    std::visit(
        [&](auto member) {
            auto& field = model.*member;
            using T = std::decay_t<decltype(field)>;
            if constexpr (std::is_same_v<T, chart::LongArray>) {
                field.at(index) = std::get<std::int32_t>(value);
            } else if constexpr (std::is_same_v<T, chart::DoubleArray>) {
                field.at(index) = std::get<double>(value);
            } else {
                throw std::invalid_argument(name);
            }
        },
        ModelFields().at(name));
}

} // namespace charttest
