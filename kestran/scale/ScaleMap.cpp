#include "scale/ScaleMap.h"

#include <algorithm>
#include <cmath>

namespace kestran {

ScaleMap::ScaleMap(double min, double max, bool log) : log_(log) {
    if (!std::isfinite(min) || !std::isfinite(max)) {
        min = log ? 1.0 : 0.0;
        max = log ? 10.0 : 1.0;
    }
    if (log) {
        const double hi = std::max(min, max);
        if (hi <= 0.0) {
            min = 1.0;
            max = 10.0;
        } else {
            const double floorValue = std::max(hi * 1e-6, kTiny);
            min = min <= 0.0 ? floorValue : std::max(min, kTiny);
            max = max <= 0.0 ? floorValue : std::max(max, kTiny);
        }
    }
    if (min == max) {
        if (log) {
            min /= 10.0;
            max *= 10.0;
        } else {
            const double d = min == 0.0 ? 1.0 : std::fabs(min) * 0.1;
            min = std::isfinite(min - d) ? min - d : min - d / 2;
            max = std::isfinite(max + d) ? max + d : max + d / 2;
        }
    }
    min_ = min;
    max_ = max;
    t0_ = T(min_);
    t1_ = T(max_);
    if (t0_ == t1_) { // a range below the resolution of doubles
        t1_ = t0_ + 1.0;
    }
    SetDevice(d0_, d1_);
}

double ScaleMap::ToWorld(double device) const {
    const double span = d1_ - d0_;
    const double f = span == 0.0 ? 0.0 : (device - d0_) / span;
    // Beyond the largest double the span itself is not finite; the weighted ends still are.
    const double t = std::isfinite(t1_ - t0_) ? t0_ + f * (t1_ - t0_) : t0_ * (1 - f) + t1_ * f;
    return log_ ? std::pow(10.0, std::clamp(t, -300.0, 300.0)) : t;
}

} // namespace kestran
