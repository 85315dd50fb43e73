#pragma once
// Calls a container makes on the chart control, by dispatch id and with the argument types the
// graph windows pass: for tests and benchmarks that drive a control through its automation
// interface. Header only: whoever includes it links the automation layer already.

#include <Dispatch.h>
#include <Variant.h>

#include <cstdint>
#include <vector>

namespace testsupport {

// DefineDataSet (70): the points pass as references to the first value of each array, which the
// control copies.
inline automation::HRESULT DefineDataSet(automation::IDispatch& chart, int set, const char* name,
                                         std::vector<double>& x, std::vector<double>& y) {
    using automation::Variant;
    return chart.Invoke(70, automation::InvokeKind::Method,
                        {Variant::I2(static_cast<std::int16_t>(set)), Variant::Str(name),
                         Variant::RefR8(x[0]), Variant::RefR8(y[0]),
                         Variant::I4(static_cast<std::int32_t>(x.size()))},
                        nullptr);
}

// SDataEnable (152) of a set: TRUE as automation puts it.
inline automation::HRESULT EnableDataSet(automation::IDispatch& chart, int set) {
    using automation::Variant;
    return chart.Invoke(152, automation::InvokeKind::PropertyPut,
                        {Variant::I2(static_cast<std::int16_t>(set)), Variant::I2(-1)}, nullptr);
}

// AxisMin (83) and AxisMax (84) of one axis.
inline void SetAxisRange(automation::IDispatch& chart, int axis, double min, double max) {
    using automation::Variant;
    const auto a = static_cast<std::int16_t>(axis);
    chart.Invoke(83, automation::InvokeKind::PropertyPut, {Variant::I2(a), Variant::R8(min)}, nullptr);
    chart.Invoke(84, automation::InvokeKind::PropertyPut, {Variant::I2(a), Variant::R8(max)}, nullptr);
}

// AxisMajorTickInterval (94) of one axis.
inline void SetAxisInterval(automation::IDispatch& chart, int axis, double interval) {
    using automation::Variant;
    chart.Invoke(94, automation::InvokeKind::PropertyPut,
                 {Variant::I2(static_cast<std::int16_t>(axis)), Variant::R8(interval)}, nullptr);
}

} // namespace testsupport
