// The property stream reader must refuse or accept any bytes without a fault, and an accepted
// stream must leave a model whose arrays agree with its counts.

#include "PropertyStream.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    chart::CChartModel model(nullptr, nullptr);
    if (!chart::LoadPropertyStream(model, data, size)) {
        return 0;
    }
    for (int i = 0; i < chart::kSetCount; ++i) {
        const auto n = static_cast<std::size_t>(model.SDataNumPlotPoints[i]);
        const auto groups = static_cast<std::size_t>(std::max(model.SDataNumGroups[i], 1));
        if (model.SDataXData[i].size() != n || model.SDataYData[i].size() != n * groups) {
            std::abort();
        }
    }
    if (model.AxisMin.size() != 4 || model.PieSliceLabel[31].size() != 16 || model.DataSet[0] != 0) {
        std::abort();
    }
    // What was accepted saves and reads back.
    const auto again = chart::SavePropertyStream(model, chart::ControlExtent{});
    chart::CChartModel second(nullptr, nullptr);
    if (!chart::LoadPropertyStream(second, again.data(), again.size())) {
        std::abort();
    }
    return 0;
}
