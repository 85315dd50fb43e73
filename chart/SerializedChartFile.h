#pragma once
// Serialized chart files (*.SER): exactly the bytes of the property stream.

#include "ChartModel.h"
#include "PropExchange.h"

#include <functional>
#include <QString>

namespace chart {

// What the control does after a chart file has replaced the model.
struct ChartFileHooks {
    std::function<void()> rebuildGraph;
    std::function<void()> refreshOpenPages;
};

// Written atomically: a failed write leaves any earlier file as it was and returns false.
bool SaveToFile(const CChartModel& model, const ControlExtent& extent, const QString& path);

// On success the model's engine data sets are released, the file's settings replace the model's,
// and the hooks run. A missing, unreadable, truncated or corrupt file returns false and leaves the
// model (and the chart drawn from it) as it was; so does a file there is not enough memory for, which
// throws ChartTooLarge with the text that names the file and what it holds.
bool LoadFromFile(CChartModel& model, const QString& path, const ChartFileHooks& hooks,
                  ControlExtent* extent = nullptr);

} // namespace chart
