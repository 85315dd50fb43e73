#include "ChartLimits.h"

#include <algorithm>

namespace chart {

ChartTooLarge::ChartTooLarge()
    : std::length_error("The chart would hold more than 64,000,000 values (or a data set more than "
                        "10,000,000 points): the call was refused and the chart is unchanged.") {}

long long SetValueCount(std::size_t xValues, std::size_t yValues, int groups) {
    const auto x = static_cast<long long>(std::min<std::size_t>(xValues, kMaxChartValues + 1));
    const auto y = static_cast<long long>(std::min<std::size_t>(yValues, kMaxChartValues + 1));
    return x + std::max(y, x * std::clamp(groups, 1, kGroupCount));
}

long long ChartValueCount(const CChartModel& model) {
    long long total = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kSetCount); ++i) {
        total +=
            SetValueCount(model.SDataXData[i].size(), model.SDataYData[i].size(), model.SDataNumGroups[i]);
    }
    return total;
}

void CheckSetFits(const CChartModel& model, int set, std::size_t xValues, std::size_t yValues, int groups) {
    const auto i = static_cast<std::size_t>(set);
    const long long others =
        ChartValueCount(model) -
        SetValueCount(model.SDataXData[i].size(), model.SDataYData[i].size(), model.SDataNumGroups[i]);
    if (xValues > static_cast<std::size_t>(kMaxPlotPoints) ||
        others + SetValueCount(xValues, yValues, groups) > kMaxChartValues) {
        throw ChartTooLarge();
    }
}

} // namespace chart
