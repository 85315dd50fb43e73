#include "ChartAxes.h"

namespace chart {

void GetAxisPair(const CChartModel& model, int pair, int& xAxis, int& yAxis) {
    if (pair == 0) {
        xAxis = 0;
        yAxis = 1;
        return;
    }
    xAxis = model.AxisEnable[2] != 0 ? 2 : 0;
    yAxis = model.AxisEnable[3] != 0 ? 3 : 1;
}

void AutoScaleAxis(CChartModel& model, EngineHandle graph, int axis, double min, double max, int mode) {
    const auto a = static_cast<std::size_t>(axis);
    double interval = model.AxisMajorTickInterval[a];
    EngineAutoScale(graph, axis % 2 == 0 ? 1 : 0, model.AxisScaleMode[a], &min, &max, &interval, mode);
    model.AxisMin[a] = min;
    model.AxisMax[a] = max;
    model.AxisMajorTickInterval[a] = interval;
}

} // namespace chart
