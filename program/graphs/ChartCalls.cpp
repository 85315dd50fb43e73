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
