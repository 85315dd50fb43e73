#include "NumberLabel.h"
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
