#include "ChartLimits.h"

#include <algorithm>

namespace chart {

namespace {

const char* const kUnchanged = ": the call was refused and the chart is unchanged.";

} // namespace

ChartTooLarge::ChartTooLarge(const std::string& text) : std::length_error(text) {}

std::string GroupedCount(long long count) {
    std::string digits = std::to_string(count < 0 ? -static_cast<unsigned long long>(count)
                                                  : static_cast<unsigned long long>(count));
    for (std::size_t at = digits.size(); at > 3; at -= 3) {
        digits.insert(at - 3, 1, ',');
    }
    return count < 0 ? "-" + digits : digits;
}

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
    CheckPointCount(static_cast<long long>(std::min<std::size_t>(xValues, kMaxChartValues + 1)));
    CheckGroupCount(groups, 0);
    const auto i = static_cast<std::size_t>(set);
    const long long before = ChartValueCount(model);
    const long long total =
        before -
        SetValueCount(model.SDataXData[i].size(), model.SDataYData[i].size(), model.SDataNumGroups[i]) +
        SetValueCount(xValues, yValues, groups);
    // A chart an older control stored beyond the limit may still be changed, as long as it does not grow.
    if (total > kMaxChartValues && total > before) {
        throw ChartTooLarge("The chart would hold " + GroupedCount(total) + " values, more than the " +
                            GroupedCount(kMaxChartValues) + " a chart holds" + kUnchanged);
    }
}

void CheckPointCount(long long points) {
    if (points < 0) {
        throw InvalidCount(GroupedCount(points) + " is not a number of points" + kUnchanged);
    }
    if (points > kMaxPlotPoints) {
        throw ChartTooLarge("A data set holds at most " + GroupedCount(kMaxPlotPoints) + " points, not " +
                            GroupedCount(points) + kUnchanged);
    }
}

void CheckGroupCount(long long groups, int least) {
    if (groups < least) {
        throw InvalidCount(GroupedCount(groups) + " is not a number of groups (" + std::to_string(least) +
                           " to " + std::to_string(kGroupCount) + ")" + kUnchanged);
    }
    if (groups > kGroupCount) {
        throw ChartTooLarge("A data set holds at most " + std::to_string(kGroupCount) + " groups, not " +
                            GroupedCount(groups) + kUnchanged);
    }
}

} // namespace chart
