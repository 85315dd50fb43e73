#pragma once
// The distance grid of the graph curves: 0.1 km steps from a start up to and including a maximum.
// Each distance is computed from its step number rather than by summing steps, so the grid ends
// on the maximum itself and a model's bound at, say, 100 km falls on a grid point.

#include "PlotCurve.h"

struct DistanceGrid {
    int firstTenth = 0; // the start in tenths of a km
    int count = 0;      // points, never more than a curve holds

    double At(int k) const { return (firstTenth + k) / 10.0; }
};

DistanceGrid MakeDistanceGrid(double startKm, double maxKm);
