#include "ModCalculations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Validity, InputsInRange) {
    struct Case {
        int model;
        double f, hb, hm, d;
        bool expected;
    } cases[] = {
        {0, 1500, 200, 10, 100, true},       {2, 1500, 30, 1, 0.1, true},
        {0, 1500.0001, 200, 10, 100, false}, {0, 149.9, 100, 1.5, 10, false},
        {0, 450, 29.9, 1.5, 10, false},      {0, 450, 100, 10.1, 10, false},
        {0, 450, 100, 1.5, 100.1, false},    {1, 30, 20, 1, 300, true},
        {1, 30, 19.9, 1, 300, false},        {1, 30, 20, 1, 300.1, false},
        {1, 450, 2500, 1.5, 0, true},        {1, 450, 100, 1.5, -5, true},
        {1, 450, 2500.1, 1.5, 10, false},    {1, 29.99, 100, 1.5, 10, false},
        {2, 1499.9, 100, 1.5, 10, false},    {2, 2000, 200, 10, 100, true},
        {2, 2000.1, 100, 1.5, 10, false},    {3, 500, 200, 1.5, 600, true},
        {3, 500, 250, 1.5, 10, false},       {3, 500, 3000, 0.1, 10, false},
        {3, 1000, 30, 10, 600, true},        {3, 1000.1, 30, 1.5, 10, false},
        {3, 500, 100, 1.5, 600.1, false},    {4, 450, 100, 1.5, 10, false},
        {-1, 450, 100, 1.5, 10, false},      {std::numeric_limits<int>::min(), 450, 100, 1.5, 10, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(InputsInRange(c.model, c.f, c.hb, c.hm, c.d, "Urban"), c.expected)
            << c.model << " f=" << c.f << " hb=" << c.hb << " hm=" << c.hm << " d=" << c.d;
}

TEST(Power, TextToWattsByUnit) {
    const int savedUnit = PowerUnit;
    struct Case {
        int unit;
        const char* text;
        double watts;
    } cases[] = {
        {0, "30", 30},       {1, "30", 30000},   {2, "30", 1},   {3, "30", 1000},
        {1, "abc", 0},       {0, "abc", 0},      {2, "", 0.001}, {3, "x", 1},
        {1, " 1.5kW", 1500}, {2, "-10", 0.0001}, {7, "30", 0},
    };
    for (const auto& c : cases) {
        PowerUnit = c.unit;
        EXPECT_NEAR(PowerTextToWatts(c.text), c.watts, 1e-12 * std::max(1.0, c.watts))
            << c.unit << " " << c.text;
    }
    PowerUnit = savedUnit;
}

TEST(Power, DefaultsAndGetter) {
    EXPECT_EQ(PowerWatts, 1000.0);
    EXPECT_EQ(PowerUnit, 1);
    EXPECT_EQ(GetPowerWatts(), PowerWatts);
}

TEST(FitNumberText, RightAlignsThePlainNumber) {
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"00012.50", "    12.5"},
        {"-00012.50", "   -12.5"},
        {"0000.00", "      0"},
        {"00000.00", "       0"},
        {"", ""},
        {"0450.0", "   450"},
        {"0001000.0", "     1000"},
        {"abc", "  0"},
        // Wider than the field: the digits are kept and the field widens.
        {"12", "12"},
        {"1.5", "1.5"},
        {"0.125", "0.125"},
        {"99.999999", "99.999999"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitNumberText(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_EQ(FitNumberText("123456789012.5"), "123456789012.5");
}

} // namespace
