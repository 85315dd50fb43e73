#pragma once
// How far a bar plot reaches along each axis, so that a scale fitted to it shows it whole: the
// first and last bars with their full width, and every bar standing clear of the scale's bottom.

#include "data/DataSet.h"
#include "EngineCodes.h"

namespace kestran {

struct BarShape {
    int kind = -1; // -1 plain bars; codes::GroupKind 0..2 group bars; 3 floating bars
    int barType = codes::Bar2DVertical;
    int justify = codes::JustifyCentre;
    double width = 0.75; // a fraction of the smallest spacing of the bar positions
    int groups = 1;      // the groups drawn
};

// Along the axis the bars stand on: their positions, widened by the slot of a bar at each end.
// Along the value axis: the values, and where the bars start: 0 on a linear axis, where they grow
// from (the running totals from 0 for stacked bars), a little below the lowest value when that is
// negative and a step below it on a logarithmic axis, since bars start from the scale's bottom
// when it is above their base. False (outputs untouched) when there is nothing to range.
bool BarRange(const DataSet& data, const BarShape& shape, bool alongX, bool log, double& min, double& max);

} // namespace kestran
