#pragma once
// The distance-range report without its window: correcting a range the user typed, the distances
// of a run, the progress bar's scale, and the report line of one distance. Distances are km.

#include "ReportLine.h"

#include <array>
#include <ctime>
#include <string>
#include <vector>

struct DistanceRange {
    double start = 0;
    double end = 0;
    double step = 0;
};

// A range after the corrections of the dialog's check, and which of its values were corrected.
struct CheckedRange {
    DistanceRange range;
    bool startCorrected = false;
    bool endCorrected = false;
    bool stepCorrected = false;
    bool AnyCorrected() const { return startCorrected || endCorrected || stepCorrected; }
};

// An end at or below 0 becomes 299.9; a descending range gets a negative step (0 becomes -0.1);
// an ascending one a start of at least 0.1 and a positive step (0 becomes 0.1). Values that are
// not finite count as the worst case of their kind (no end, no usable start, no step).
CheckedRange CorrectRange(DistanceRange typed);

// The distances of a corrected range: start + i * step for i = 0 .. count - 1. The count allows
// for rounding, so an end that the steps reach is always written, and as exactly the end value.
long long DistanceCount(const DistanceRange& range);
double DistanceAt(const DistanceRange& range, long long index);

// The progress bar of a run: it always fills from left to right, in hundredths of a km (fewer
// for ranges too long for the bar's integer scale).
struct ProgressScale {
    int minimum = 0;
    int maximum = 1;
    bool descending = false;
    int ValueAt(double distanceKm) const;
    double unitsPerKm = 100;
    double minimumKm = 0;
    double maximumKm = 0;
};
ProgressScale MakeProgressScale(double start, double end);

// The report line of one distance of a run, over the main window's inputs read once when the run
// started: the heights as shown, the models fed with metres, the distance in km whatever the
// units shown.
std::vector<ReportPiece> RangeReportLine(const ShownInputs& inputs, double distanceKm, const std::tm& when);

// Neighbouring pieces with the same underline state joined, so a line takes as few appends as its
// underlines allow.
std::vector<ReportPiece> JoinPieces(const std::vector<ReportPiece>& pieces);
