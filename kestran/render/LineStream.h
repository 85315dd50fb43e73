#pragma once
// A data set's line fed to a PolylineClipper straight from its values: no device point is
// stored, and with X sorted the work of a draw follows the plot's width more than the data's size.

#include "data/ChartRecords.h"

#include <utility>

namespace kestran {

class PolylineClipper;

// The points whose segments can reach the plot: with X sorted, found by bisection, with one point
// beyond each end for the segments that cross the edges.
std::pair<int, int> VisibleRange(const DataSet& data, const ScaleMap& x);

// Whether a line of the data set has enough points per pixel column for the column reduction
// (PolylineClipper) to pay for itself.
bool WorthReducing(const DataSet& data, const ScaleMap& x, const QRectF& plot);

// Group 0 of the data set as one line, clipped to plot by line.
void FeedLine(const DataSet& data, const ScalePair& scale, const QRectF& plot, PolylineClipper& line);

} // namespace kestran
