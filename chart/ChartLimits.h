#pragma once
// What one chart may hold. A put, a save and a load share these limits, so a chart the control
// accepted is always saved and loads back; a count beyond them is refused when it is put. The
// values limit is the engine's own for all its data sets together, so an accepted chart is drawn.

#include "ChartModel.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace chart {

// Points of one data set.
constexpr int kMaxPlotPoints = 10'000'000;
// X and Y values of all data sets of a chart together.
constexpr long long kMaxChartValues = 64'000'000;
// A chart file or stream holds its values (8 bytes each) and far less of everything else.
constexpr long long kMaxChartFileBytes = kMaxChartValues * 8 + (1LL << 29);

// A change refused because the chart would hold more than the limits; the chart is unchanged.
class ChartTooLarge : public std::length_error {
public:
    ChartTooLarge();
};

// The values a set holds as a load leaves it: its X values, and Y as stored or padded to
// x x groups, whichever is more.
long long SetValueCount(std::size_t xValues, std::size_t yValues, int groups);
long long ChartValueCount(const CChartModel& model);
// Throws ChartTooLarge unless the chart still fits once `set` holds these values instead.
void CheckSetFits(const CChartModel& model, int set, std::size_t xValues, std::size_t yValues, int groups);

} // namespace chart
