#include "DistanceGrid.h"

#include <algorithm>
#include <cmath>

DistanceGrid MakeDistanceGrid(double startKm, double maxKm) {
    DistanceGrid grid;
    grid.firstTenth = static_cast<int>(std::lround(startKm * 10.0));
    // The margin keeps a maximum such as 100 from losing its last point to a product like 999.99...
    const double lastTenth = std::floor(maxKm * 10.0 + 1e-6);
    if (!(lastTenth >= grid.firstTenth)) { // also refuses NaN
        return grid;
    }
    const double span = lastTenth - grid.firstTenth + 1.0;
    grid.count = static_cast<int>(std::min(span, static_cast<double>(PlotCurve::kMaxPoints)));
    return grid;
}
