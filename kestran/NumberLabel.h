#pragma once
// Text of numeric axis labels and pie numbers, independent of the user's locale.

#include <string>

namespace kestran {

// style: codes::NumericStyle (unknown styles format as decimal); decimals is clamped to 0..15.
std::string FormatNumber(double value, int style, int decimals);

} // namespace kestran
