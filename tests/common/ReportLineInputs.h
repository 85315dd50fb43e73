#pragma once
// A report line's inputs as the main window shows them at its defaults in metric units, which the
// report-line and distance-range tests and benchmarks start from, and a line's text. Header only:
// whoever includes it links the main window's logic already.

#include "ReportLine.h"

#include <string>
#include <vector>

namespace testsupport {

inline ShownInputs MetricShownInputs() {
    ShownInputs in;
    in.freqMHz = 450;
    in.hbShown = 100;
    in.hmShown = 1.5;
    in.area = "Urban";
    in.city = "Small/Medium";
    in.pctTime = 50;
    in.pctLoc = 50;
    in.powerWatts = 1000;
    return in;
}

// The pieces' text, underlines left out.
inline std::string LineText(const std::vector<ReportPiece>& pieces) {
    std::string line;
    for (const auto& p : pieces)
        line += p.text;
    return line;
}

} // namespace testsupport
