#include "scale/NumberLabel.h"

#include "EngineCodes.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kestran {

namespace {

std::string Fixed(double v, int decimals) {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    if (s.find_first_not_of("-0.") == std::string::npos && s[0] == '-') {
        s.erase(0, 1); // no "-0.00"
    }
    return s;
}

std::string Exponent(int e) {
    std::string s = e < 0 ? "-" : "+";
    const int a = std::abs(e);
    if (a < 10) {
        s += '0';
    }
    return s + std::to_string(a);
}

// Mantissa and exponent with the exponent a multiple of `step`, mantissa rounded to `decimals`.
std::pair<double, int> Split(double v, int step, int decimals) {
    if (v == 0.0) {
        return {0.0, 0};
    }
    int e = int(std::floor(std::log10(std::fabs(v))));
    e = int(std::floor(double(e) / step)) * step;
    double m = v / std::pow(10.0, e);
    const double limit = std::pow(10.0, step);
    const double rounded = std::round(m * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
    if (std::fabs(rounded) >= limit) { // 9.999 rounds up to 10.00
        e += step;
        m = v / std::pow(10.0, e);
    }
    return {m, e};
}

std::string Time(double seconds) {
    const bool negative = seconds < 0;
    const double a = std::min(std::fabs(seconds), 1e15);
    const long long total = static_cast<long long>(std::llround(a));
    const long long h = total / 3600, m = (total / 60) % 60, s = total % 60;
    auto two = [](long long n) { return (n < 10 ? "0" : "") + std::to_string(n); };
    return (negative && total ? "-" : "") + std::to_string(h) + ":" + two(m) + ":" + two(s);
}

} // namespace

std::string FormatNumber(double value, int style, int decimals) {
    if (!std::isfinite(value)) {
        return std::string();
    }
    decimals = std::clamp(decimals, 0, 15);
    switch (style) {
    case codes::NumScientific:
    case codes::NumEngineering: {
        auto [m, e] = Split(value, style == codes::NumEngineering ? 3 : 1, decimals);
        return Fixed(m, decimals) + "E" + Exponent(e);
    }
    case codes::NumExponential: {
        auto [m, e] = Split(value, 1, decimals);
        if (value == 0.0) {
            return "0";
        }
        if (std::fabs(std::fabs(m) - 1.0) < 1e-9) {
            return std::string(m < 0 ? "-" : "") + "10^" + std::to_string(e);
        }
        return Fixed(m, decimals) + "x10^" + std::to_string(e);
    }
    case codes::NumTime:
        return Time(value);
    default:
        return Fixed(value, decimals);
    }
}

namespace {

constexpr int kMaxDecimals = 15;
constexpr double kWidestDecimal = 1e15;

bool NeighboursDiffer(const std::vector<std::string>& labels) {
    for (size_t i = 1; i < labels.size(); ++i) {
        if (labels[i] == labels[i - 1]) {
            return false;
        }
    }
    return true;
}

std::vector<std::string> Labels(const std::vector<double>& values, int style, int decimals, bool log) {
    std::vector<std::string> labels;
    labels.reserve(values.size());
    for (double v : values) {
        int d = decimals;
        if (log && style == codes::NumDecimal && v > 0 && v < 1) {
            d = std::max(d, int(std::ceil(-std::log10(v) - 1e-9)));
        }
        labels.push_back(FormatNumber(v, style, d));
    }
    return labels;
}

} // namespace

std::vector<std::string> TickLabels(const std::vector<double>& values, int style, int decimals, bool log) {
    decimals = std::clamp(decimals, 0, kMaxDecimals);
    if (style == codes::NumTime) {
        return Labels(values, style, decimals, log);
    }
    const bool decimal =
        style != codes::NumScientific && style != codes::NumEngineering && style != codes::NumExponential;
    if (decimal &&
        std::any_of(values.begin(), values.end(), [](double v) { return std::fabs(v) >= kWidestDecimal; })) {
        style = codes::NumScientific;
    }
    for (int d = decimals; d <= kMaxDecimals; ++d) {
        std::vector<std::string> labels = Labels(values, style, d, log);
        if (NeighboursDiffer(labels)) {
            return labels;
        }
    }
    if (style != codes::NumScientific && decimal) {
        return TickLabels(values, codes::NumScientific, decimals, log);
    }
    return Labels(values, style, kMaxDecimals, log);
}

} // namespace kestran
