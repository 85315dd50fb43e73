#include "InputValidation.h"
#include "LossCalculation.h"
#include "ModCalculations.h"
#include "NumberText.h"
#include "UnitText.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    InputBox box;
    const char* typed;
    bool english;
    const char* text;
    const char* message;
};

const char* const kFreq = "Valid Frequency Range 30Mhz to 2000 MHz";
const char* const kBase = "Valid Height of Base Station Antenna is 20m to 2500m";
const char* const kDist = "Valid Range is  1 <= Distance <= 300 km";
const char* const kMobile = "Valid Height of Mobile Antenna is 1m to 30m";

// The box's text and message after the check, as the case expects them.
ValidatedText ExpectValidated(const Case& c) {
    const ValidatedText v = ValidateInput(c.box, c.typed, c.english);
    EXPECT_EQ(v.text, c.text) << c.typed;
    EXPECT_EQ(v.message, c.message) << c.typed;
    return v;
}

} // namespace

TEST(Validation, BoxesRewriteAcceptedValuesAndReplaceRefusedOnes) {
    const Case cases[] = {
        {InputBox::Frequency, "2000", false, "2000.0", ""},
        {InputBox::Frequency, "2001", false, "150.0", kFreq},
        {InputBox::Frequency, "30", false, "30.0", ""},
        {InputBox::Frequency, "abc", false, "150.0", kFreq},
        {InputBox::Frequency, "450.123456", false, "450.1235", ""},
        {InputBox::Frequency, "450 MHz", false, "450.0", ""},
        {InputBox::BaseHeight, "20", false, "20.0", ""},
        {InputBox::BaseHeight, "19", false, "20.0", kBase},
        {InputBox::BaseHeight, "2500", false, "2500.0", ""},
        {InputBox::BaseHeight, "2501", false, "20.0", kBase},
        {InputBox::Distance, "0.5", false, "10.0", kDist},
        {InputBox::Distance, "300", false, "300.0", ""},
        {InputBox::MobileHeight, "30.5", false, "1.0", kMobile},
        {InputBox::MobileHeight, "1.5", false, "1.5", ""},
        {InputBox::PctTime, "12.7", false, "13", ""},
        {InputBox::PctLoc, "12.7", false, "12.7", ""},
        {InputBox::PctTime, "0", false, "50", "Percent Time Range 1 to 99"},
        {InputBox::PctLoc, "0", false, "50", "Percent Location Range 1 to 99"},
        {InputBox::PctLoc, "99", false, "99", ""},
    };
    for (const Case& c : cases)
        ExpectValidated(c);
}

// In English units the metric value is checked, and a refused box gets the default in feet or
// miles, which passes the check itself.
TEST(Validation, EnglishBoxesCheckTheMetricValueAndWriteValidDefaults) {
    const Case cases[] = {
        {InputBox::BaseHeight, "70", true, "70.0", ""},
        {InputBox::BaseHeight, "60", true, "65.6168", kBase},
        {InputBox::BaseHeight, "9000", true, "65.6168", kBase},
        {InputBox::MobileHeight, "2", true, "3.2808", kMobile},
        {InputBox::MobileHeight, "98", true, "98.0", ""},
        {InputBox::MobileHeight, "99", true, "3.2808", kMobile},
        {InputBox::Distance, "186", true, "186.0", ""},
        {InputBox::Distance, "187", true, "6.2139", kDist},
        {InputBox::Frequency, "450", true, "450.0", ""},
    };
    for (const Case& c : cases) {
        const ValidatedText v = ExpectValidated(c);
        EXPECT_TRUE(ValidateInput(c.box, v.text, true).message.empty()) << v.text;
    }
}

// A power of 0 or less in W or kW becomes 1; a power whose watts are not a finite number above 0
// brings back the power before it (1000 W here), in the box's unit. No case has a message.
TEST(Validation, PowerBoxKeepsAFiniteNumberOfWattsAboveZero) {
    const struct {
        const char* typed;
        int unit;
        const char* text;
        double watts;
    } cases[] = {
        {"abc", 2, "0", 0.001},
        {"abc", 0, "1", 1},
        {"-3", 1, "1", 1000},
        {"0", 0, "1", 1},
        {"-3", 3, "-3", 0.50118723362727224},
        {"2.50", 1, "2.5", 2500},
        {"4000", 2, "60", 1000},
        {"-4000", 2, "60", 1000},
        {"1e999", 0, "1000", 1000},
        {"1e306", 1, "1", 1000},
        {"-1e999", 3, "30", 1000},
        {"1e999", 3, "30", 1000},
    };
    for (const auto& c : cases) {
        const ValidatedPower v = ValidatePower(c.typed, c.unit, 1000);
        EXPECT_EQ(v.text, c.text) << c.typed << " unit " << c.unit;
        EXPECT_DOUBLE_EQ(v.watts, c.watts) << c.typed << " unit " << c.unit;
    }
}

TEST(Validation, PowerTextInEachUnit) {
    EXPECT_EQ(PowerText(1000, 0), "1000");
    EXPECT_EQ(PowerText(1000, 1), "1");
    EXPECT_EQ(PowerText(1000, 2), "60");
    EXPECT_EQ(PowerText(1000, 3), "30");
    EXPECT_EQ(PowerText(2.5, 1), "0.0025");
}

// A power too small for twelve decimals shows as it is, so leaving its box keeps it.
TEST(Validation, TinyPowerShowsAsItIsAndLeavingTheBoxKeepsIt) {
    const struct {
        double watts;
        int unit;
        const char* text;
    } cases[] = {
        {1e-10, 1, "1E-13"}, {4.9e-10, 1, "4.9E-13"},     {1.23e-11, 1, "1.23E-14"},
        {2e-13, 0, "2E-13"}, {1.5e-9, 0, "1.5E-09"}, {1e-9, 1, "1E-12"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PowerText(c.watts, c.unit), c.text) << c.watts;
        EXPECT_DOUBLE_EQ(ValidatePower(c.text, c.unit, c.watts).watts, c.watts) << c.watts;
    }
}

TEST(UnitText, SwitchAndBackRestoresTheExactText) {
    const struct {
        const char* text;
        double metricPerUnit;
        const char* converted;
    } cases[] = {
        {"100.0", 0.3048, "328.084"},  {"1.5", 0.3048, "4.9213"},   {"10.0", 1.6093, "6.2139"},
        {"300.0", 1.6093, "186.4165"}, {"300", 1.6093, "186.4165"},
    };
    for (const auto& c : cases) {
        UnitText memory;
        const std::string there = memory.Convert(c.text, c.metricPerUnit, true);
        EXPECT_EQ(there, c.converted);
        EXPECT_EQ(memory.Convert(there, c.metricPerUnit, false), c.text);
    }
}

TEST(UnitText, AnEditedBoxIsConvertedFromItsNewText) {
    UnitText memory;
    EXPECT_EQ(memory.Convert("300.0", 1.6093, true), "186.4165");
    EXPECT_EQ(memory.Convert("100", 1.6093, false), "160.93");
    EXPECT_EQ(memory.Convert("160.93", 1.6093, true), "100");
}

TEST(UnitText, ATextThatIsNoNumberStays) {
    UnitText memory;
    EXPECT_EQ(memory.Convert("abc", 0.3048, true), "abc");
    EXPECT_EQ(memory.Convert("abc", 0.3048, false), "abc");
}

// Every limit of every length box, shown in the other unit system and switched back, is still
// accepted by the box and the calculation, and still stands for the limit itself.
TEST(Validation, LengthLimitsSurviveAUnitRoundTripBothWays) {
    const struct {
        InputBox box;
        double metricPerUnit;
        double limit;
    } limits[] = {
        {InputBox::BaseHeight, 0.3048, 20},  {InputBox::BaseHeight, 0.3048, 2500},
        {InputBox::MobileHeight, 0.3048, 1}, {InputBox::MobileHeight, 0.3048, 30},
        {InputBox::Distance, 1.6093, 1},     {InputBox::Distance, 1.6093, 300},
    };
    for (const auto& l : limits) {
        const std::string metric = LengthText(l.limit);
        const std::string english = UnitText().Convert(metric, l.metricPerUnit, true);
        // Metric to English: the English text passes and means the limit.
        EXPECT_EQ(ValidateInput(l.box, english, true).message, "") << english;
        const double metres = ToMetric(l.box, numtext::Val(english), true);
        EXPECT_EQ(metres, l.limit) << english;
        ModelInputs in{450, 10, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50};
        (l.box == InputBox::BaseHeight     ? in.h_b__meter
         : l.box == InputBox::MobileHeight ? in.h_m__meter
                                           : in.d__km) = metres;
        EXPECT_FALSE(CheckLossInputs(in).has_value()) << english;
        // English typed at the limit, then switched to metric: the metric text is the limit's.
        const std::string back = UnitText().Convert(english, l.metricPerUnit, false);
        EXPECT_EQ(back, metric) << english;
        EXPECT_EQ(ValidateInput(l.box, back, false).message, "") << back;
    }
    // 300 km is 186.4165 miles, which stays inside the distance bound of the Davidson model.
    EXPECT_TRUE(InputsInRange(
        ModelHataDavidson, {450, ToMetric(InputBox::Distance, 186.4165, true), 100, 1.5, AreaType::Urban}));
}
