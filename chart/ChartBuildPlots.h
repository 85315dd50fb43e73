#pragma once
// The plots of one axis pair, built into a graph whose data sets and axes exist: simple plots,
// group plots and, with the primary pair, pie charts. Values at or below zero on a logarithmic
// axis are drawn at a small floor.

#include "ChartModel.h"

#include <Kestran.h>

namespace chart {

void BuildPlots(CChartModel& model, EngineHandle graph, EngineDC dc, int pair);

} // namespace chart
