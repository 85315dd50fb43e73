#pragma once
// The charting engine as the chart build sees it, replaced by a recorder: link this instead of the
// engine and every Engine* call the build makes is kept as one line, "Name arg, arg, ...", in call
// order (colours in hex, arrays in brackets, line blocks as {line|line}/slots).

#include <string>
#include <vector>

namespace charttest {

// What the recorder's EngineAutoScale answers, whatever it is asked.
struct AutoScaleAnswer {
    double min = 0.0;
    double max = 1.0;
    double interval = 0.5;
};

void ResetRecording(const AutoScaleAnswer& answer = {});
const std::vector<std::string>& RecordedCalls();

} // namespace charttest
