#pragma once
// What one chart may hold. Every put, definition and data file that sets a set's points shares
// these limits, so a chart the control accepted is always saved and loads back; a count beyond them
// is refused when it is put. The values limit is the engine's own for all its data sets together,
// so an accepted chart is drawn. The limits guard what a container creates: a chart stored by an
// older control beyond them is still the user's work, and loads when the memory is there.

#include "ChartModel.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace chart {

// Points of one data set.
constexpr int kMaxPlotPoints = 10'000'000;
// X and Y values of all data sets of a chart together.
constexpr long long kMaxChartValues = 64'000'000;

// A call refused because the chart would hold more than the limits, or more than there is memory
// for; what() is the text the containers are told, and the chart is unchanged.
class ChartTooLarge : public std::length_error {
public:
    explicit ChartTooLarge(const std::string& text);
};

// A count no chart takes (a negative point count, a group count below its least): refused, told,
// and the chart is unchanged.
class InvalidCount : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};

// A count with its thousands grouped, as the texts the containers are told show counts.
std::string GroupedCount(long long count);

// The values a set holds as a load leaves it: its X values, and Y as stored or padded to
// x x groups, whichever is more.
long long SetValueCount(std::size_t xValues, std::size_t yValues, int groups);
long long ChartValueCount(const CChartModel& model);
// Throws ChartTooLarge unless the chart still fits once `set` holds these values instead (or, when
// it already holds more, does not grow), and the set at most kMaxPlotPoints points and kGroupCount
// groups.
void CheckSetFits(const CChartModel& model, int set, std::size_t xValues, std::size_t yValues, int groups);
// Throws InvalidCount for a negative point count and ChartTooLarge for one past kMaxPlotPoints.
void CheckPointCount(long long points);
// Throws InvalidCount below `least` and ChartTooLarge past kGroupCount.
void CheckGroupCount(long long groups, int least);

} // namespace chart
