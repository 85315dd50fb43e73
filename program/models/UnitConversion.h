#pragma once
// Lengths in the two unit systems: heights in m or ft, distances in km or miles (frequency is MHz
// in both). A length shown in English units carries four decimals of feet or miles, which is not
// enough to name every metric value exactly; the metric value it stands for is therefore the
// simplest one that shows as the same text, so that a value and every bound survive a round trip.

#include <string>

constexpr double kMetresPerFoot = 0.3048;
constexpr double kKmPerMile = 1.6093;

// The text of a length converted to the other unit system: "#####0.0###".
std::string LengthText(double value);

// The metric length that a length shown in English units stands for: of the metric values whose
// English text is the same as that of `shown`, the one with the fewest decimals. 300 km shows as
// 186.4165 miles, and 186.4165 miles stands for 300 km (not 300.00007 km).
double EnglishToMetric(double shown, double metricPerUnit);
