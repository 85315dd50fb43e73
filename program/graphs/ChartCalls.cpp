#include "ChartCalls.h"

#include "ChartConstants.h"

using automation::InvokeKind;
using automation::Variant;

void ChartCalls::PutScalar(automation::DISPID member, Variant value) {
    chart_.Invoke(member, InvokeKind::PropertyPut, {std::move(value)}, nullptr);
}

void ChartCalls::Put(automation::DISPID member, std::int32_t item, Variant value) {
    chart_.Invoke(member, InvokeKind::PropertyPut, {Variant::I4(item), std::move(value)}, nullptr);
}

Variant ChartCalls::Get(automation::DISPID member, std::int32_t item) {
    Variant result;
    chart_.Invoke(member, InvokeKind::PropertyGet, {Variant::I4(item)}, &result);
    return result;
}

void ChartCalls::Call(automation::DISPID member, std::vector<Variant> args) {
    chart_.Invoke(member, InvokeKind::Method, args, nullptr);
}

void ChartCalls::DefineDataSet(std::int32_t set, const std::string& name, double& x, double& y,
                               std::int32_t count) {
    Call(chartid::DefineDataSet,
         {Variant::I4(set), Variant::Str(name), Variant::RefR8(x), Variant::RefR8(y), Variant::I4(count)});
}

void ChartCalls::SetAxisTextStyle() {
    struct Setting {
        automation::DISPID member;
        Variant value;
    };
    const Setting settings[] = {
        {chartid::AxisLabelFont, Variant::Str("Arial")},
        {chartid::AxisTitleFont, Variant::Str("Arial")},
        {chartid::AxisLabelFontSize, Variant::I4(10)},
        {chartid::AxisTitleFontSize, Variant::I4(10)},
        {chartid::AxisTitleColor, Variant::I4(chartcode::Rgb(0, 0, 0))},
        {chartid::AxisLabelColor, Variant::I4(chartcode::Rgb(0, 0, 0))},
    };
    for (const auto& setting : settings) {
        Put(setting.member, chartcode::kAxisX, setting.value);
        Put(setting.member, chartcode::kAxisY, setting.value);
    }
}

void ChartCalls::SetLegend(const std::string& text) {
    PutScalar(chartid::SLegendStrings, Variant::Str(text));
    PutScalar(chartid::SLegendType, Variant::I2(chartcode::kLegendSimple));
    PutScalar(chartid::SLegendOrientation, Variant::I2(chartcode::kLegendVertical));
    PutScalar(chartid::SLegendFontSize, Variant::I2(8));
    PutScalar(chartid::SLegendEnable, Variant::Bool(true));
}
