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

// Which major ticks carry a label when there is no room for one at every tick: every n-th, counted
// from zero, so labels stand on the multiples of n x interval. Gives the strides n to try, smallest
// first, from 1 up to maxStride. The label step n x interval is 1, 2 or 5 times a power of ten
// wherever the interval has such a multiple within ten of its steps, so that labels count in 1-2-5
// steps: an interval of 5 gives steps 10, 20, 50, 100 (neither 15, whose labels read 50, 65, 80,
// nor 25, whose 50, 75, 100 count in quarters), 25 gives 50, 100, 200, 4 gives 20, 100. Other
// intervals (3, 15, 1.6) are thinned by their own 1-2-5 multiples: 15 gives 30, 75, 150.
std::vector<double> LabelStrides(double interval, double maxStride);

struct Ticks {
    std::vector<double> major;
    std::vector<double> minor;
    double interval = 0.0; // the interval used (automatic when the given one was unusable)
};

// Ticks of [lo, hi]. A non-positive, non-finite interval, or one that would give more than
// kMaxMajorTicks ticks, is replaced by an automatic one. minorCount is per major interval.
Ticks MakeTicks(double lo, double hi, bool log, double interval, int minorCount);

} // namespace kestran
