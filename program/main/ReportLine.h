#pragma once
// The fixed-column line the report log gets for one calculation, and the log's column headers.
// The distance-range report writes the same line once per distance.

#include "LossCalculation.h"

#include <array>
#include <ctime>
#include <string>
#include <vector>

struct ReportLineValues {
    // As the log shows them: the boxes' values in the units they were typed in.
    double dist = 0;
    double freq = 0;
    double hb = 0;
    double hm = 0;
    std::string area;
    std::string city;
    std::array<double, ResultColumnCount> results{};
    std::array<bool, ResultColumnCount> inRange{};
    double pctTime = 0;
    double pctLoc = 0;
    bool english = false;
    double powerWatts = 0;
    std::tm when{};
};

// The line's values for a calculation's inputs and results.
ReportLineValues ReportLineOf(const ShownInputs& shown, const LossResults& results, const std::tm& when);

// One run of text with its underline state; the log appends the pieces in order.
struct ReportPiece {
    std::string text;
    bool underline = false;
};

// The line's pieces, ending with CR LF. Out-of-range results are underlined with their blank.
std::vector<ReportPiece> ReportLogLine(const ReportLineValues& values);

// The log's column-header line (144 characters).
std::string ReportLogTitle();
