#pragma once
// Zoom and data read-out over the engine: what the control's mouse handlers do to the model. The
// caller rebuilds the graph after a change of scale.

#include "ChartModel.h"

#include <QString>

namespace chart {

// The last rubber band, when it is not too small against the reset box, becomes the scale of
// axis 0 (EventZoomX) and axis 1 (EventZoomY). False when the band was ignored.
bool ZoomToRubberBand(CChartModel& model);
// Axes 0 and 1 back to the reset box, narrowed by 5 % at each end.
void ZoomResetScales(CChartModel& model);
// Whether the last mouse position lies within the current scale of axes 0 and 1.
bool MouseInsideScales(const CChartModel& model);
// After a rebuild that follows a zoom: the engine's final scale of axes 0 and 1 into the model.
void ReadBackZoomedScale(CChartModel& model);
// The last mouse position in the units of axes 0 and 1; false when the graph cannot say.
bool MouseWorldPosition(const CChartModel& model, double& x, double& y);
// "X=1.5\nY=2": each value with six significant digits, the C printf %g form, in any locale.
QString DataValueText(double x, double y);

} // namespace chart
