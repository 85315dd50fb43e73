#pragma once
// The build: the whole chart model turned into engine objects of one graph, at that graph's first
// draw. The model keeps the handles of what was made (low 16 bits) and, for auto-scaled axes, the
// scales the engine chose.

#include "ChartModel.h"

#include <Kestran.h>

namespace chart {

void OnBuildGraph(CChartModel& model, EngineHandle graph, EngineDC dc);

// Pair 0: axes 0 and 1. Pair 1: axes 2 and 3, a disabled secondary axis falling back to its
// primary one.
void GetAxisPair(const CChartModel& model, int pair, int& xAxis, int& yAxis);
// The engine's scale for min..max of an axis (mode 2 in builds and zooms, 1 in zoom resets); the
// axis's min, max and major interval take it.
void AutoScaleAxis(CChartModel& model, EngineHandle graph, int axis, double min, double max, int mode);

} // namespace chart
