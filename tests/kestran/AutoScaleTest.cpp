#include "scale/AutoScale.h"
#include "EngineCodes.h"
#include "scale/ScaleMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

using namespace kestran;

namespace {

void ExpectSane(double inMin, double inMax, bool log, int mode) {
    const AutoScaleResult r = AutoScale(inMin, inMax, log, mode);
    SCOPED_TRACE(::testing::Message() << inMin << " .. " << inMax << " log " << log << " mode " << mode);
    ASSERT_TRUE(std::isfinite(r.min) && std::isfinite(r.max) && std::isfinite(r.interval));
    EXPECT_LT(r.min, r.max);
    EXPECT_GT(r.interval, 0.0);
    const double lo = std::min(inMin, inMax), hi = std::max(inMin, inMax);
    if (std::isfinite(lo) && std::isfinite(hi) && (!log || lo > 0)) {
        EXPECT_LE(r.min, lo);
        EXPECT_GE(r.max, hi);
    }
    const Ticks t = MakeTicks(r.min, r.max, log, r.interval, 4);
    EXPECT_GE(t.major.size(), 2u);
    EXPECT_LE(t.major.size(), 25u);
    if (!log) { // major steps of 1, 2 or 5 times a power of ten
        const double mantissa = r.interval / std::pow(10.0, std::floor(std::log10(r.interval) + 1e-9));
        EXPECT_TRUE(std::abs(mantissa - 1) < 1e-9 || std::abs(mantissa - 2) < 1e-9 ||
                    std::abs(mantissa - 5) < 1e-9)
            << r.interval;
    }
    // Next to the largest double no rounder end exists beyond the data.
    if (!log && mode == codes::AutoRoundMajor && std::isfinite(hi + 2 * r.interval) &&
        std::isfinite(lo - 2 * r.interval)) {
        EXPECT_NEAR(std::remainder(r.min, r.interval), 0.0, r.interval * 1e-6);
        EXPECT_NEAR(std::remainder(r.max, r.interval), 0.0, r.interval * 1e-6);
    }
    if (log && mode != codes::AutoExact) {
        EXPECT_NEAR(std::log10(r.min), std::round(std::log10(r.min)), 1e-9);
    }
}

} // namespace

TEST(AutoScale, ThousandRandomRangesGiveRoundFiniteCoveringScales) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> exponent(-12, 12);
    std::uniform_real_distribution<double> unit(-1, 1);
    for (int i = 0; i < 1000; ++i) {
        const double scale = std::pow(10.0, exponent(rng));
        double a = unit(rng) * scale, b = unit(rng) * scale;
        if (i % 10 == 0) {
            b = a; // degenerate
        }
        const bool log = i % 3 == 0;
        if (log && i % 6 == 0) {
            a = std::abs(a);
            b = std::abs(b) + a;
        }
        ExpectSane(a, b, log, codes::AutoRoundMajor);
        ExpectSane(a, b, log, codes::AutoRoundMinor);
        ExpectSane(a, b, log, codes::AutoExact);
    }
}

// Data of any finite size is shown: the scale covers it and maps it into the plot.
TEST(AutoScale, ScalesReachDataOfAnyFiniteSize) {
    const double top = std::numeric_limits<double>::max();
    const double cases[][2] = {{0, 1e305}, {-1e305, 3e305}, {-1e308, 1e308}, {1.7e308, top}, {-top, top}};
    for (const auto& c : cases) {
        for (int mode : {codes::AutoRoundMajor, codes::AutoRoundMinor, codes::AutoExact}) {
            SCOPED_TRACE(::testing::Message() << c[0] << " .. " << c[1] << " mode " << mode);
            ExpectSane(c[0], c[1], false, mode);
            const AutoScaleResult r = AutoScale(c[0], c[1], false, mode);
            ScaleMap map(r.min, r.max, false);
            map.SetDevice(0, 100);
            for (double v : c) {
                const double d = map.ToDevice(v);
                EXPECT_TRUE(d >= -1e-6 && d <= 100 + 1e-6) << v << " at " << d;
                EXPECT_NEAR(map.ToWorld(d), v, (r.max / 2 - r.min / 2) * 1e-9);
            }
        }
    }
}

TEST(AutoScale, OddInputsStillGiveUsableScales) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double cases[][2] = {{0, 0},   {5, 5},           {-5, -5},        {nan, nan},
                               {nan, 3}, {-inf, inf},      {1e308, -1e308}, {1e-300, 1e-300},
                               {10, 0},  {1e15, 1e15 + 1}, {-0.0, 0.0}};
    for (const auto& c : cases) {
        for (bool log : {false, true}) {
            ExpectSane(c[0], c[1], log, codes::AutoRoundMajor);
        }
    }
}

TEST(AutoScale, ZoomResetBoxGivesRoundScale) {
    const AutoScaleResult r = AutoScale(0.5, 9.5, false, codes::AutoRoundMinor);
    EXPECT_DOUBLE_EQ(r.interval, 2.0);
    EXPECT_DOUBLE_EQ(r.min, 0.4);
    EXPECT_DOUBLE_EQ(r.max, 9.6);
    const AutoScaleResult m = AutoScale(0.3, 97, false, codes::AutoRoundMajor);
    EXPECT_DOUBLE_EQ(m.min, 0.0);
    EXPECT_DOUBLE_EQ(m.max, 100.0);
    EXPECT_DOUBLE_EQ(m.interval, 20.0);
}

TEST(AutoScale, LogRangeRoundsToDecades) {
    const AutoScaleResult r = AutoScale(3, 4500, true, codes::AutoRoundMajor);
    EXPECT_DOUBLE_EQ(r.min, 1.0);
    EXPECT_DOUBLE_EQ(r.max, 10000.0);
    EXPECT_DOUBLE_EQ(r.interval, 1.0);
}

TEST(AutoScale, LogRangeAtOrBelowZeroIsClamped) {
    const AutoScaleResult r = AutoScale(-5, 100, true, codes::AutoRoundMajor);
    EXPECT_GT(r.min, 0.0);
    EXPECT_GE(r.max, 100.0);
}

TEST(Ticks, UnusableIntervalsFallBackToAutomaticTicks) {
    for (double interval : {0.0, -1.0, 1e-12, std::numeric_limits<double>::quiet_NaN()}) {
        const Ticks t = MakeTicks(0, 100, false, interval, 4);
        EXPECT_GE(t.major.size(), 2u);
        EXPECT_LE(t.major.size(), 25u);
        EXPECT_LE(t.minor.size(), 200u);
    }
}

TEST(Ticks, MinorTicksFallBetweenMajors) {
    const Ticks t = MakeTicks(0, 10, false, 5, 4);
    EXPECT_EQ(t.major, (std::vector<double>{0, 5, 10}));
    EXPECT_EQ(t.minor.size(), 8u);
}

TEST(Ticks, LogTicksAtDecadesWithIntermediateMinors) {
    const Ticks t = MakeTicks(1, 1000, true, 1, 1);
    EXPECT_EQ(t.major, (std::vector<double>{1, 10, 100, 1000}));
    EXPECT_EQ(t.minor.size(), 24u);
}

TEST(ScaleMap, WorldToDeviceAndBack) {
    struct Case {
        double min, max;
        bool log;
    } cases[] = {{0, 10, false}, {-5, 5, false}, {1, 1e6, true}, {10, 0, false}};
    for (const Case& c : cases) {
        ScaleMap s(c.min, c.max, c.log);
        s.SetDevice(100, 700);
        for (double f : {0.0, 0.25, 0.5, 1.0}) {
            const double d = 100 + 600 * f;
            EXPECT_NEAR(s.ToDevice(s.ToWorld(d)), d, 1e-6);
        }
    }
}

TEST(ScaleMap, NonPositiveValuesOnLogScaleSitAtTheBottom) {
    ScaleMap s(1, 100, true);
    s.SetDevice(500, 100);
    EXPECT_DOUBLE_EQ(s.ToDevice(0.0), 500);
    EXPECT_DOUBLE_EQ(s.ToDevice(-3.0), 500);
}
