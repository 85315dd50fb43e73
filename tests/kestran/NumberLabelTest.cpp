#include "scale/NumberLabel.h"
#include "EngineCodes.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kestran;

TEST(NumberLabel, EveryStyleOfTheLabelsPage) {
    struct Case {
        double value;
        int style, decimals;
        const char* text;
    } cases[] = {
        {12.5, codes::NumDecimal, 2, "12.50"},         {-0.001, codes::NumDecimal, 1, "0.0"},
        {1250, codes::NumScientific, 2, "1.25E+03"},   {0.00126, codes::NumScientific, 1, "1.3E-03"},
        {9.999, codes::NumScientific, 2, "1.00E+01"},  {12500, codes::NumEngineering, 1, "12.5E+03"},
        {0.0005, codes::NumEngineering, 0, "500E-06"}, {1000, codes::NumExponential, 1, "10^3"},
        {2500, codes::NumExponential, 1, "2.5x10^3"},  {3725, codes::NumTime, 0, "1:02:05"},
        {0, codes::NumScientific, 1, "0.0E+00"},       {7, 5, 1, "7.0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatNumber(c.value, c.style, c.decimals), c.text) << c.value << " style " << c.style;
    }
}

TEST(NumberLabel, NonFiniteValuesHaveNoText) {
    EXPECT_EQ(FormatNumber(NAN, codes::NumDecimal, 2), "");
    EXPECT_EQ(FormatNumber(INFINITY, codes::NumTime, 2), "");
}

TEST(NumberLabel, DecimalsAreClamped) {
    EXPECT_EQ(FormatNumber(1, codes::NumDecimal, -3), "1");
    EXPECT_EQ(FormatNumber(1, codes::NumDecimal, 99).size(), 17u);
}

TEST(NumberLabel, TickLabelsGetTheDecimalsTheirNeighboursNeed) {
    using Labels = std::vector<std::string>;
    struct Case {
        std::vector<double> values;
        int style, decimals;
        bool log;
        Labels labels;
    } cases[] = {
        {{0.01, 0.02, 0.03, 0.04}, codes::NumDecimal, 0, false, {"0.01", "0.02", "0.03", "0.04"}},
        {{0.01, 0.015, 0.02}, codes::NumDecimal, 0, false, {"0.010", "0.015", "0.020"}},
        {{4.4, 4.6, 4.8, 5.0}, codes::NumDecimal, 0, false, {"4.4", "4.6", "4.8", "5.0"}},
        {{1, 1.5, 2}, codes::NumDecimal, 0, false, {"1.0", "1.5", "2.0"}},
        {{0, 20, 40}, codes::NumDecimal, 0, false, {"0", "20", "40"}},
        {{0, 20, 40}, codes::NumDecimal, 2, false, {"0.00", "20.00", "40.00"}}, // the decimals asked for stay
        {{1000, 1500, 2000}, codes::NumScientific, 0, false, {"1.0E+03", "1.5E+03", "2.0E+03"}},
        {{2500, 5000}, codes::NumExponential, 0, false, {"2x10^3", "5x10^3"}},
        {{0.001, 0.01, 0.1, 1, 10}, codes::NumDecimal, 0, true, {"0.001", "0.01", "0.1", "1", "10"}},
        {{2, 2.5, 3}, codes::NumDecimal, 0, true, {"2.0", "2.5", "3.0"}},
        // Decimal form that a double cannot hold, or cannot tell apart, turns scientific.
        {{0, 5e299, 1e300}, codes::NumDecimal, 0, false, {"0E+00", "5E+299", "1E+300"}},
        {{1e15, 2e15}, codes::NumDecimal, 0, false, {"1E+15", "2E+15"}},
        {{1e-20, 2e-20}, codes::NumDecimal, 1, false, {"1.0E-20", "2.0E-20"}},
        {{3600, 3601}, codes::NumTime, 0, false, {"1:00:00", "1:00:01"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TickLabels(c.values, c.style, c.decimals, c.log), c.labels) << c.labels.front();
    }
}
