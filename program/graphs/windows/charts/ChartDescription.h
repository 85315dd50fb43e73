#pragma once
// The readable source of a chart state stored with a window: one setting of the chart control per
// line, by the property's automation name, and only where it differs from a new control:
//
//     # the legend beside the plot area
//     SLegendLeft = 0.81
//     AxisTitleString(1) = "dB"
//     AxisGridColor(0) = RGB(128, 128, 128)
//     SLegendEnable = True
//
// Values are numbers, True or False, RGB(red, green, blue) or a text in double quotes; indexed
// properties take their item numbers in brackets. Each setting is a property put as a container
// would make it, so the control's own rules apply (ranges, types, point counts).

#include "ChartModel.h"

#include <optional>
#include <string>
#include <string_view>

namespace chartstate {

struct DescriptionError {
    int line = 0; // from 1
    std::string message;
};

// Applies every setting in order; stops at the first line that is not a setting the control takes.
std::optional<DescriptionError> ApplyChartDescription(std::string_view text, chart::CChartModel& model);

} // namespace chartstate
