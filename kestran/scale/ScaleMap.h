#pragma once
// One axis direction's mapping between world values and device pixels, linear or logarithmic.
// Built from whatever the caller set: non-finite, reversed-to-nothing or non-positive logarithmic
// ranges are made usable here, so no drawing code has to check them again.

#include <algorithm>
#include <cmath>

namespace kestran {

class ScaleMap {
public:
    ScaleMap() = default;
    ScaleMap(double min, double max, bool log);

    void SetDevice(double d0, double d1) {
        d0_ = d0;
        d1_ = d1;
        // A span wider than the largest double (-1e308 .. 1e308) takes the slow path of ToDevice.
        factor_ = std::isfinite(t1_ - t0_) ? (d1_ - d0_) / (t1_ - t0_) : NAN;
    }
    // Inline with one multiplication: plots map every point of their data sets through it. A range
    // too narrow for the factor to be finite, or too wide for its span to be, divides in halves.
    double ToDevice(double world) const {
        if (std::isfinite(factor_)) {
            return d0_ + (T(Clamp(world)) - t0_) * factor_;
        }
        return d0_ + (T(Clamp(world)) / 2 - t0_ / 2) / (t1_ / 2 - t0_ / 2) * (d1_ - d0_);
    }
    // A linear scale as plain arithmetic, for loops over many points: the same values as
    // ToDevice without its branches.
    struct Linear {
        double d0, t0, factor;
        double ToDevice(double world) const { return d0 + (world - t0) * factor; }
    };
    bool IsLinear() const { return !log_ && std::isfinite(factor_); }
    Linear AsLinear() const { return {d0_, t0_, factor_}; }
    double ToWorld(double device) const;
    // The world value clamped into what the scale can show (log: above zero).
    double Clamp(double world) const { return log_ && !(world > 0.0) ? Lo() : world; }

    double Min() const { return min_; }
    double Max() const { return max_; }
    double Lo() const { return min_ < max_ ? min_ : max_; }
    double Hi() const { return min_ < max_ ? max_ : min_; }
    bool Log() const { return log_; }
    double D0() const { return d0_; }
    double D1() const { return d1_; }

private:
    double T(double w) const { return log_ ? std::log10(std::max(w, kTiny)) : w; }
    static constexpr double kTiny = 1e-300;
    double min_ = 0.0, max_ = 1.0;
    double t0_ = 0.0, t1_ = 1.0;
    bool log_ = false;
    double d0_ = 0.0, d1_ = 1.0;
    double factor_ = 1.0; // device units per unit of t
};

} // namespace kestran
