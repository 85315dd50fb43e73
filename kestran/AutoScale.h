#pragma once
// Round scale limits and tick positions. Every result is finite, min < max, and no call produces
// more than kMaxMajorTicks major or kMaxMinorTicks minor ticks, whatever it is given.

#include <vector>

namespace kestran {

struct AutoScaleResult {
    double min = 0.0;
    double max = 1.0;
    double interval = 0.2; // linear: world units; logarithmic: decades
};

constexpr int kMaxMajorTicks = 1000;
constexpr int kMaxMinorTicks = 10000;

// mode: codes::AutoScaleMode. A degenerate range is widened; a reversed one is put in order.
AutoScaleResult AutoScale(double min, double max, bool log, int mode);

// A 1, 2 or 5 times a power of ten no smaller than raw.
double NiceStep(double raw);

struct Ticks {
    std::vector<double> major;
    std::vector<double> minor;
    double interval = 0.0; // the interval used (automatic when the given one was unusable)
};

// Ticks of [lo, hi]. A non-positive, non-finite interval, or one that would give more than
// kMaxMajorTicks ticks, is replaced by an automatic one. minorCount is per major interval.
Ticks MakeTicks(double lo, double hi, bool log, double interval, int minorCount);

} // namespace kestran
