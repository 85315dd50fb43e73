#pragma once
// One axis direction's mapping between world values and device pixels, linear or logarithmic.
// Built from whatever the caller set: non-finite, reversed-to-nothing or non-positive logarithmic
// ranges are made usable here, so no drawing code has to check them again.

namespace kestran {

class ScaleMap {
public:
    ScaleMap() = default;
    ScaleMap(double min, double max, bool log);

    void SetDevice(double d0, double d1) {
        d0_ = d0;
        d1_ = d1;
    }
    double ToDevice(double world) const;
    double ToWorld(double device) const;
    // The world value clamped into what the scale can show (log: above zero).
    double Clamp(double world) const;

    double Min() const { return min_; }
    double Max() const { return max_; }
    double Lo() const { return min_ < max_ ? min_ : max_; }
    double Hi() const { return min_ < max_ ? max_ : min_; }
    bool Log() const { return log_; }
    double D0() const { return d0_; }
    double D1() const { return d1_; }

private:
    double T(double w) const;
    double min_ = 0.0, max_ = 1.0;
    double t0_ = 0.0, t1_ = 1.0;
    bool log_ = false;
    double d0_ = 0.0, d1_ = 1.0;
};

} // namespace kestran
