#pragma once
// The build: the whole chart model turned into engine objects of one graph, at that graph's first
// draw. The model keeps the handles of what was made (low 16 bits) and, for auto-scaled axes, the
// scales the engine chose.

#include "ChartModel.h"

#include <Kestran.h>

namespace chart {

void OnBuildGraph(CChartModel& model, EngineHandle graph, EngineDC dc);

} // namespace chart
