#include "scale/AutoScale.h"

#include "EngineCodes.h"
#include "scale/ScaleMap.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace kestran {

namespace {

constexpr double kTargetIntervals = 6.0;

// k x step carries the step's binary error (24 x 0.4 = 9.600000000000001); 15 significant digits
// give the decimal value the user expects to read back.
double Clean(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 15);
    double out = v;
    std::from_chars(buf, r.ptr, out);
    return out;
}

double RoundDown(double v, double step) {
    double r = Clean(std::floor(v / step) * step);
    if (r > v) {
        r -= step;
    }
    return r;
}

double RoundUp(double v, double step) {
    double r = Clean(std::ceil(v / step) * step);
    if (r < v) {
        r += step;
    }
    return r;
}

// (max - min) / n for any finite ends: their difference may pass the largest double.
double Part(double min, double max, double n) {
    const double span = max - min;
    return std::isfinite(span) ? span / n : max / n - min / n;
}

AutoScaleResult LinearScale(double min, double max, int mode) {
    const double magnitude = std::max(std::fabs(min), std::fabs(max));
    if (max - min <= magnitude * 1e-9) { // degenerate: widen around the value
        const double centre = min / 2 + max / 2;
        const double d = centre == 0.0 ? 1.0 : std::fabs(centre) * 0.1;
        min = std::isfinite(centre - d) ? centre - d : -std::numeric_limits<double>::max();
        max = std::isfinite(centre + d) ? centre + d : std::numeric_limits<double>::max();
    }
    AutoScaleResult r;
    r.interval = NiceStep(Part(min, max, kTargetIntervals));
    r.min = min;
    r.max = max;
    if (mode == codes::AutoRoundMajor || mode == codes::AutoRoundMinor) {
        const double step = mode == codes::AutoRoundMajor ? r.interval : r.interval / 5;
        r.min = RoundDown(min, step);
        r.max = RoundUp(max, step);
        if (!std::isfinite(r.min) || !std::isfinite(r.max)) {
            r.min = min;
            r.max = max;
        }
    }
    return r;
}

AutoScaleResult LogScale(double min, double max, int mode) {
    const ScaleMap sane(min, max, true); // clamps non-positive and degenerate ranges
    double lo = std::log10(sane.Lo());
    double hi = std::log10(sane.Hi());
    AutoScaleResult r;
    if (mode == codes::AutoExact) {
        r.min = sane.Lo();
        r.max = sane.Hi();
    } else {
        lo = std::floor(lo);
        hi = std::ceil(hi);
        if (hi <= lo) {
            hi = lo + 1;
        }
        r.min = std::pow(10.0, lo);
        r.max = std::pow(10.0, hi);
    }
    r.interval = std::max(1.0, std::ceil((hi - lo) / 10.0));
    return r;
}

} // namespace

double NiceStep(double raw) {
    if (!(raw > 0.0) || !std::isfinite(raw)) {
        return 1.0;
    }
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * power >= raw * (1 - 1e-12)) {
            return m * power;
        }
    }
    return 10.0 * power;
}

namespace {

// 1, 2 or 5 times a power of ten, allowing for the binary error of a product (10 x 0.1).
bool IsOneTwoFive(double v) {
    if (!(v > 0.0) || !std::isfinite(v)) {
        return false;
    }
    const double mantissa = v / std::pow(10.0, std::floor(std::log10(v)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (std::fabs(mantissa - m) <= m * 1e-9) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<double> LabelStrides(double interval, double maxStride) {
    std::vector<double> strides{1.0};
    if (!(interval > 0.0) || !std::isfinite(interval) || !(maxStride >= 2.0)) {
        return strides;
    }
    maxStride = std::min(maxStride, 1e15);
    bool friendly = false;
    for (int n = 2; n <= 10 && !friendly; ++n) {
        friendly = IsOneTwoFive(n * interval);
    }
    // The 1-2-5 numbers from the interval's decade on, as label steps (friendly) or as strides.
    const double first = friendly ? std::pow(10.0, std::floor(std::log10(interval))) : 1.0;
    for (double power = first;; power *= 10.0) {
        for (double m : {1.0, 2.0, 5.0}) {
            const double n = friendly ? m * power / interval : m * power;
            if (n > maxStride * (1 + 1e-9) || !std::isfinite(n)) {
                return strides;
            }
            const double whole = std::round(n);
            if (whole > strides.back() && std::fabs(n - whole) <= whole * 1e-9) {
                strides.push_back(whole);
            }
        }
    }
}

AutoScaleResult AutoScale(double min, double max, bool log, int mode) {
    if (!std::isfinite(min) && !std::isfinite(max)) {
        min = log ? 1.0 : 0.0;
        max = log ? 10.0 : 1.0;
    } else if (!std::isfinite(min)) {
        min = max;
    } else if (!std::isfinite(max)) {
        max = min;
    }
    if (min > max) {
        std::swap(min, max);
    }
    return log ? LogScale(min, max, mode) : LinearScale(min, max, mode);
}

namespace {

Ticks LinearTicks(double lo, double hi, double interval, int minorCount) {
    Ticks t;
    if (!(interval > 0.0) || !std::isfinite(interval) || Part(lo, hi, interval) > kMaxMajorTicks ||
        !std::isfinite(Part(lo, hi, interval))) {
        interval = AutoScale(lo, hi, false, codes::AutoExact).interval;
    }
    t.interval = interval;
    const double eps = interval * 1e-9;
    const double k0 = std::ceil(lo / interval - 1e-9); // lo - eps may pass the largest double
    for (int k = 0; k <= kMaxMajorTicks; ++k) {
        double v = Clean((k0 + k) * interval);
        if (v > hi + eps || !std::isfinite(v)) {
            break;
        }
        if (std::fabs(v) < eps) {
            v = 0.0;
        }
        if (!t.major.empty() && v <= t.major.back()) {
            break; // steps below the resolution of doubles at this magnitude
        }
        t.major.push_back(v);
    }
    minorCount = std::clamp(minorCount, 0, 100);
    if (minorCount > 0) {
        const double step = interval / (minorCount + 1);
        const double m0 = std::ceil(lo / step - eps / step);
        for (int k = 0; k <= kMaxMinorTicks; ++k) {
            const double v = Clean((m0 + k) * step);
            if (v > hi + eps || !std::isfinite(v) || (!t.minor.empty() && v <= t.minor.back())) {
                break;
            }
            const double rel = std::fabs(std::remainder(v, interval));
            if (rel > step * 0.01) {
                t.minor.push_back(v);
            }
        }
    }
    return t;
}

Ticks LogTicks(double lo, double hi, double interval, int minorCount) {
    Ticks t;
    const double l0 = std::log10(lo);
    const double l1 = std::log10(hi);
    double decades = std::isfinite(interval) ? std::round(interval) : 1.0;
    if (decades < 1.0 || (l1 - l0) / decades > kMaxMajorTicks) {
        decades = std::max(1.0, std::ceil((l1 - l0) / 10.0));
    }
    t.interval = decades;
    const double e0 = std::ceil(l0 / decades - 1e-9) * decades;
    for (double e = e0; e <= l1 + 1e-9 && int(t.major.size()) <= kMaxMajorTicks; e += decades) {
        t.major.push_back(std::pow(10.0, e));
    }
    if (minorCount > 0 && decades == 1.0) {
        for (double e = std::floor(l0); e <= l1 && int(t.minor.size()) < kMaxMinorTicks; e += 1.0) {
            const double base = std::pow(10.0, e);
            for (int m = 2; m <= 9; ++m) {
                const double v = base * m;
                if (v >= lo && v <= hi) {
                    t.minor.push_back(v);
                }
            }
        }
    }
    return t;
}

} // namespace

Ticks MakeTicks(double lo, double hi, bool log, double interval, int minorCount) {
    const ScaleMap sane(lo, hi, log);
    if (log) {
        Ticks t = LogTicks(sane.Lo(), sane.Hi(), interval, minorCount);
        if (t.major.size() >= 2) {
            return t;
        }
        // Less than a decade: round values label it better than one decade mark or none.
        t = LinearTicks(sane.Lo(), sane.Hi(), 0.0, minorCount);
        t.interval = 1.0;
        return t;
    }
    return LinearTicks(sane.Lo(), sane.Hi(), interval, minorCount);
}

} // namespace kestran
