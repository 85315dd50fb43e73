#pragma once
// Number text as the program's windows and reports use it: reading the leading number of a text,
// strict conversion, Format patterns, the plain shortest form and date text. Always "." as the
// decimal separator, whatever the user's locale.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace numtext {

// The leading number of a text: blanks before it are skipped, then an optional sign, digits with
// at most one decimal point, and an optional exponent. A text that starts with no number gives 0.
double Val(std::string_view text);

// Strict conversion: the whole text, trimmed of blanks, must be one number. No value on failure.
std::optional<double> StrictNumber(std::string_view text);

// The value written with a Format pattern ("00000.00", "#####0.0###", "00%", "####", ...).
// Rounding is half away from zero on the value's 15-significant-digit decimal form.
std::string Format(double value, std::string_view pattern);

// A text placed in a field pattern of '@' characters; a trailing '!' aligns it left.
std::string FormatText(std::string_view text, std::string_view pattern);

// A date and time with the pattern "mm/dd/yyyy hh:mm am/pm".
std::string FormatDate(const std::tm& when, std::string_view pattern);
// The local date and time now, as the report lines and chart titles show it.
std::tm LocalNow();

// The plain shortest form: at most 15 significant digits, no trailing zeros, "-" for negatives.
std::string ShortestText(double value);

// The shortest text that reads back as exactly the same double ("0.005", "301", "0.5").
std::string RoundTripText(double value);

} // namespace numtext
