#pragma once
// The fixed-column line the report log gets for one calculation, and the log's column headers.
// The distance-range report writes the same line once per distance.

#include "LossCalculation.h"

#include <ctime>
#include <string>
#include <vector>

// One calculation as the log shows it: the inputs in the units they were typed in, the results
// and the time.
struct ReportLineValues {
    ShownInputs shown;
    LossResults results;
    std::tm when{};
};

// One run of text with its underline state; the log appends the pieces in order.
struct ReportPiece {
    std::string text;
    bool underline = false;
};

// The line's pieces, ending with CR LF. Out-of-range results are underlined with their blank.
std::vector<ReportPiece> ReportLogLine(const ReportLineValues& values);

// The log's column-header line (144 characters).
std::string ReportLogTitle();
