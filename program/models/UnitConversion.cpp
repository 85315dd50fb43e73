#include "UnitConversion.h"

#include "NumberText.h"

#include <cmath>

namespace {

// Four decimals of a foot or a mile need at most five metric decimals to be told apart; values
// this large have no decimals to spare.
constexpr int kMaxMetricDecimals = 6;
constexpr double kLargestRounded = 1e9;

} // namespace

std::string LengthText(double value) {
    return numtext::Format(value, "#####0.0###");
}

double EnglishToMetric(double shown, double metricPerUnit) {
    const double exact = shown * metricPerUnit;
    if (!std::isfinite(exact) || std::fabs(exact) > kLargestRounded || metricPerUnit <= 0)
        return exact;
    const std::string text = LengthText(shown);
    double scale = 1;
    for (int decimals = 0; decimals <= kMaxMetricDecimals; ++decimals, scale *= 10) {
        const double candidate = std::round(exact * scale) / scale;
        if (LengthText(candidate / metricPerUnit) == text)
            return candidate;
    }
    return exact;
}
