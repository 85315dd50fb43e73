#include "data/BarRange.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace kestran {

namespace {

bool Horizontal(int barType) {
    return barType == codes::Bar2DHorizontal || barType == codes::Bar3DHorizontal;
}

// Values as an axis places them: log10 on a logarithmic axis, which shows nothing at or below 0.
void Keep(std::vector<double>& out, double v, bool log) {
    if (std::isfinite(v) && (!log || v > 0.0)) {
        out.push_back(log ? std::log10(v) : v);
    }
}

double Unplace(double t, bool log) {
    return log ? std::pow(10.0, t) : t;
}

bool PositionRange(std::vector<double> at, const BarShape& s, bool log, double& min, double& max) {
    if (at.empty()) {
        return false;
    }
    std::sort(at.begin(), at.end());
    double spacing = INFINITY;
    for (size_t i = 1; i < at.size(); ++i) {
        const double d = at[i] - at[i - 1];
        if (d > 0.0) {
            spacing = std::min(spacing, d);
        }
    }
    double lo = at.front(), hi = at.back();
    // A single position is widened by the scale itself far beyond its bar.
    if (std::isfinite(spacing)) {
        const double fallback = s.kind == -1 || s.kind == 3 ? 0.75 : 1.0;
        const double w = (std::isfinite(s.width) ? std::clamp(s.width, 0.0, 10.0) : fallback) * spacing;
        if (s.justify == codes::JustifyMin) {
            hi += w;
        } else if (s.justify == codes::JustifyMax) {
            lo -= w;
        } else {
            lo -= w / 2;
            hi += w / 2;
        }
    }
    min = Unplace(lo, log);
    max = Unplace(hi, log);
    return std::isfinite(min) && std::isfinite(max);
}

bool ValueRange(const DataSet& d, const BarShape& s, bool log, double& min, double& max) {
    const int groups = std::clamp(s.groups, 1, d.Groups());
    std::vector<double> v;
    bool fromZero = true;
    if (s.kind == -1) {
        for (int i = 0; i < d.Count(); ++i) {
            Keep(v, Horizontal(s.barType) ? d.X(i) : d.Y(i, 0), log);
        }
    } else if (s.kind == codes::GroupStackedBars) {
        double lo = 0.0, hi = 0.0;
        if (!d.StackedYRange(groups, lo, hi)) {
            return false;
        }
        Keep(v, lo, log);
        Keep(v, hi, log);
    } else {
        fromZero = s.kind != 3 || groups < 2; // floating bars with two groups reach from low to high
        for (int i = 0; i < d.Count(); ++i) {
            for (int g = 0; g < (s.kind == 3 ? std::min(groups, 2) : groups); ++g) {
                Keep(v, d.Y(i, g), log);
            }
        }
    }
    if (v.empty()) {
        return false;
    }
    double lo = *std::min_element(v.begin(), v.end()), hi = *std::max_element(v.begin(), v.end());
    if (log) {
        lo = std::ceil(lo) - 1.0; // a decade step below the lowest value
    } else if (fromZero) {
        lo = std::min(lo, 0.0);
        hi = std::max(hi, 0.0);
        const double below = lo - (hi / 2 - lo / 2) * 0.1;
        if (lo < 0.0 && std::isfinite(below)) { // bars start at the scale's bottom when it is above 0
            lo = below;
        }
    }
    min = Unplace(lo, log);
    max = Unplace(hi, log);
    return std::isfinite(min) && std::isfinite(max);
}

} // namespace

bool BarRange(const DataSet& data, const BarShape& shape, bool alongX, bool log, double& min, double& max) {
    const bool horizontal = Horizontal(shape.barType);
    if (alongX == horizontal) {
        return ValueRange(data, shape, log, min, max);
    }
    std::vector<double> at;
    for (int i = 0; i < data.Count(); ++i) {
        Keep(at, shape.kind == -1 && horizontal ? data.Y(i, 0) : data.X(i), log);
    }
    return PositionRange(std::move(at), shape, log, min, max);
}

} // namespace kestran
