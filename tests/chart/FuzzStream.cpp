// The property stream reader must refuse or accept any bytes without a fault. An accepted stream
// leaves a model that holds what the reader promises: every array at least its nominal count (more
// when the stream stored more), no engine handle of the writer's, data sets whose point counts
// stay within their X values, and a save that reads back and saves again to the same bytes.

#include "ArrayProperties.h"
#include "PropertyStream.h"

#include <algorithm>
#include <cstdlib>

namespace {

using namespace chart;

bool HoldsNominalCounts(const CChartModel& model) {
    for (const ArrayProperty& property : ArrayProperties()) {
        const bool ok = std::visit(
            [&](auto member) {
                if constexpr (std::is_same_v<decltype(member), PointerArray>) {
                    return true;
                } else {
                    const auto& array = model.*member;
                    if (array.size() < static_cast<std::size_t>(property.nominal)) {
                        return false;
                    }
                    if constexpr (std::is_same_v<decltype(member), LongArray CChartModel::*>) {
                        return !property.engineHandle ||
                               std::all_of(array.begin(), array.end(), [](auto h) { return h == 0; });
                    }
                    return true;
                }
            },
            property.member);
        if (!ok) {
            return false;
        }
    }
    for (const NestedArrayProperty& family : NestedArrayProperties()) {
        const bool ok = std::visit(
            [&](auto member) {
                const auto& arrays = model.*member;
                return arrays.size() == static_cast<std::size_t>(kSetCount) &&
                       std::all_of(arrays.begin(), arrays.end(), [&](const auto& inner) {
                           return family.innerNominal == kVariableSize ||
                                  inner.size() >= static_cast<std::size_t>(family.innerNominal);
                       });
            },
            family.member);
        if (!ok) {
            return false;
        }
    }
    return true;
}

// A data set keeps the point count it was saved with (a pie draws fewer points than its X values),
// and a Y array the values it was saved with, also when a changed group count no longer fills it or
// leaves values past it: only counts that no reader can take past an array are promised.
bool DataSetsAgree(const CChartModel& model) {
    for (int i = 0; i < kSetCount; ++i) {
        const std::int32_t n = model.SDataNumPlotPoints[i];
        const int groups = model.SDataNumGroups[i];
        if (n < 0 || static_cast<std::size_t>(n) > model.SDataXData[i].size() || groups < 0 ||
            groups > kGroupCount) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CChartModel model(nullptr, nullptr);
    if (!LoadPropertyStream(model, data, size)) {
        return 0;
    }
    if (!HoldsNominalCounts(model) || !DataSetsAgree(model)) {
        std::abort();
    }
    const auto again = SavePropertyStream(model, ControlExtent{});
    CChartModel second(nullptr, nullptr);
    if (!LoadPropertyStream(second, again.data(), again.size()) ||
        SavePropertyStream(second, ControlExtent{}) != again) {
        std::abort();
    }
    return 0;
}
