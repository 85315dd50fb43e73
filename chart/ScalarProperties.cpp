#include "ScalarProperties.h"

namespace chart {

namespace {

using M = CChartModel;
using K = ScalarKind;

ScalarProperty Long(int id, const char* name, std::int32_t M::*member, std::int32_t value) {
    return {id, name, K::Long, member, value};
}
ScalarProperty Bool(int id, const char* name, std::int32_t M::*member, std::int32_t value) {
    return {id, name, K::Bool, member, value};
}
ScalarProperty Double(int id, const char* name, double M::*member, double value) {
    return {id, name, K::Double, member, value};
}
ScalarProperty String(int id, const char* name, QString M::*member, const char* value) {
    return {id, name, K::String, member, QString::fromLatin1(value)};
}

std::vector<ScalarProperty> MakeTable() {
    return {
        Long(1, "PlotBackgroundColor", &M::PlotBackgroundColor, 0xFFFFFF),
        Double(2, "LeftPlotArea", &M::LeftPlotArea, 0.2),
        Double(3, "RightPlotArea", &M::RightPlotArea, 0.8),
        Long(4, "MajorTickSize", &M::MajorTickSize, 10),
        Long(5, "MinorTickSize", &M::MinorTickSize, 5),
        Double(6, "BottomPlotArea", &M::BottomPlotArea, 0.8),
        Double(7, "TopPlotArea", &M::TopPlotArea, 0.2),
        Long(8, "WindowBorderColor", &M::WindowBorderColor, 0),
        Long(9, "WindowBackgroundColor", &M::WindowBackgroundColor, 0xFFFFFF),
        Long(10, "WindowBorderStyle", &M::WindowBorderStyle, 0),
        Long(11, "WindowBorderThickness", &M::WindowBorderThickness, 1),
        Long(12, "EventZoom", &M::EventZoom, 0),
        Long(13, "EventShowPropPage", &M::EventShowPropPage, 0),
        Long(14, "EventRetrieveDataValue", &M::EventRetrieveDataValue, 0),
        Long(15, "EventDataCursorType", &M::EventDataCursorType, 0),
        Bool(16, "EventZoomY", &M::EventZoomY, 0),
        Bool(17, "EventZoomXRoundMode", &M::EventZoomXRoundMode, 0),
        Bool(18, "EventZoomYRoundMode", &M::EventZoomYRoundMode, 0),
        Bool(19, "EventZoomX", &M::EventZoomX, 0),
        Long(20, "EventZoomReset", &M::EventZoomReset, 0),
        Double(21, "EventZoomResetMinX", &M::EventZoomResetMinX, 0.0),
        Double(22, "EventZoomResetMinY", &M::EventZoomResetMinY, 0.0),
        Double(23, "EventZoomResetMaxX", &M::EventZoomResetMaxX, 10.0),
        Double(24, "EventZoomResetMaxY", &M::EventZoomResetMaxY, 10.0),
        Long(25, "PrintStyle", &M::PrintStyle, 0),
        Bool(26, "PrintBorder", &M::PrintBorder, 1),
        Bool(27, "PrintMaintainAspectRatio", &M::PrintMaintainAspectRatio, 0),
        Bool(28, "PrintPlotBackground", &M::PrintPlotBackground, 0),
        Bool(29, "PrintGraphBackground", &M::PrintGraphBackground, 0),
        Double(30, "PrintLeft", &M::PrintLeft, 0.0),
        Double(31, "PrintBottom", &M::PrintBottom, 1.0),
        Double(32, "PrintRight", &M::PrintRight, 1.0),
        Double(33, "PrintTop", &M::PrintTop, 0.0),
        Long(34, "SLegendType", &M::SLegendType, 0),
        Double(35, "SLegendTop", &M::SLegendTop, 0.01),
        Double(36, "SLegendBottom", &M::SLegendBottom, 0.3),
        Double(37, "SLegendLeft", &M::SLegendLeft, 0.7),
        Double(38, "SLegendRight", &M::SLegendRight, 0.99),
        Long(39, "SLegendBackgroundColor", &M::SLegendBackgroundColor, 0xFFFFFF),
        Long(40, "SLegendBorderColor", &M::SLegendBorderColor, 0),
        Long(41, "SLegendBorderThickness", &M::SLegendBorderThickness, 1),
        String(42, "SLegendFont", &M::SLegendFont, "Arial"),
        Long(43, "SLegendFontStyle", &M::SLegendFontStyle, 0),
        Long(44, "SLegendFontColor", &M::SLegendFontColor, 0),
        Bool(45, "SLegendOrientation", &M::SLegendOrientation, 0),
        Bool(46, "SLegendEnable", &M::SLegendEnable, 0),
        String(47, "SLegendStrings", &M::SLegendStrings, ""),
        Long(48, "SLegendFontSize", &M::SLegendFontSize, 6),
    };
}

} // namespace

const std::vector<ScalarProperty>& ScalarProperties() {
    static const std::vector<ScalarProperty> table = MakeTable();
    return table;
}

const ScalarProperty* FindScalarProperty(int dispid) {
    const auto& table = ScalarProperties();
    if (dispid < 1 || dispid > static_cast<int>(table.size())) {
        return nullptr;
    }
    return &table[static_cast<std::size_t>(dispid - 1)];
}

ScalarValue GetScalar(const CChartModel& model, const ScalarProperty& property) {
    return std::visit([&](auto member) -> ScalarValue { return model.*member; }, property.member);
}

void PutScalar(CChartModel& model, const ScalarProperty& property, const ScalarValue& value) {
    std::visit(
        [&](auto member) {
            using T = std::decay_t<decltype(model.*member)>;
            model.*member = std::get<T>(value);
        },
        property.member);
}

void ResetScalarProperties(CChartModel& model) {
    for (const ScalarProperty& property : ScalarProperties()) {
        PutScalar(model, property, property.defaultValue);
    }
}

} // namespace chart
