#pragma once
// Text of numeric axis labels and pie numbers, independent of the user's locale.

#include <string>
#include <vector>

namespace kestran {

// style: codes::NumericStyle (unknown styles format as decimal); decimals is clamped to 0..15.
std::string FormatNumber(double value, int style, int decimals);

// The labels of an axis's ticks (ascending values). `decimals` is a minimum: labels get as many
// more as neighbouring ticks need to read differently (0.01, 0.02 .. never "0 0"), up to 15.
// Decimal labels that cannot be told apart so, or whose integer part has more digits than a double
// holds (1e15 and beyond), are written in scientific form instead. On a logarithmic axis each value
// below 1 also keeps its first significant digit.
std::vector<std::string> TickLabels(const std::vector<double>& values, int style, int decimals, bool log);

} // namespace kestran
