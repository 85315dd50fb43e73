#pragma once
// The axes of the two pairs and their scales, as the build, the zoom and the mouse methods use
// them.

#include "ChartModel.h"

#include <Kestran.h>

namespace chart {

// Pair 0: axes 0 and 1. Pair 1: axes 2 and 3, a disabled secondary axis falling back to its
// primary one.
void GetAxisPair(const CChartModel& model, int pair, int& xAxis, int& yAxis);
// The engine's scale for min..max of an axis (mode 2 in builds and zooms, 1 in zoom resets); the
// axis's min, max and major interval take it.
void AutoScaleAxis(CChartModel& model, EngineHandle graph, int axis, double min, double max, int mode);

} // namespace chart
