#include "NumberText.h"
#include "CalendarTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>
#include <limits>

namespace {

TEST(Val, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double expected;
    } cases[] = {
        {"450", 450},       {"  450.5 MHz", 450.5},
        {"\t-12.5", -12.5}, {"+7", 7},
        {"1e3", 1000},      {"1.5E-2x", 0.015},
        {"2e", 2},          {"2e+", 2},
        {".5", 0.5},        {"5.", 5},
        {"abc", 0},         {"", 0},
        {"-", 0},           {".", 0},
        {"- 5", 0},         {"12,5", 12},
        {"1.2.3", 1.2},     {"0x10", 0},
        {"007", 7},         {"1e-400", 0},
        {"3 4", 3},         {"-0", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::Val(c.text), c.expected) << '"' << c.text << '"';
    EXPECT_TRUE(std::isinf(numtext::Val("1e999")));
}

TEST(StrictNumber, WholeTrimmedTextMustBeANumber) {
    struct Case {
        const char* text;
        bool ok;
        double value;
    } cases[] = {
        {"450.0", true, 450}, {" 10 ", true, 10}, {"-1.5e2", true, -150}, {"+3", true, 3},
        {".25", true, 0.25},  {"", false, 0},     {"  ", false, 0},       {"10 km", false, 0},
        {"1,5", false, 0},    {"abc", false, 0},  {"1e", false, 0},       {"--1", false, 0},
        {"1e999", false, 0},  {"nan", false, 0},  {"inf", false, 0},
    };
    for (const auto& c : cases) {
        const auto v = numtext::StrictNumber(c.text);
        EXPECT_EQ(v.has_value(), c.ok) << '"' << c.text << '"';
        if (v && c.ok) {
            EXPECT_EQ(*v, c.value) << '"' << c.text << '"';
        }
    }
}

TEST(Format, Patterns) {
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    } cases[] = {
        {12.5, "00000.00", "00012.50"},
        {-12.5, "00000.00", "-00012.50"},
        {0, "00000.00", "00000.00"},
        {143.12925, "0000.00", "0143.13"},
        {1.5, "000.00", "001.50"},
        {450, "00000.0", "00450.0"},
        {1000, "000000.0", "001000.0"},
        {1234567.25, "000000.0", "1234567.3"},
        {1000, "0000000.000000000000", "0001000.000000000000"},
        {0.001, "0000000.000000000000", "0000000.001000000000"},
        {60, "0000000.0000", "0000060.0000"},
        {150, "#####0.0###", "150.0"},
        {1.5, "#####0.0###", "1.5"},
        {0.12345, "#####0.0###", "0.1235"},
        {10.00004, "#####0.0###", "10.0"},
        {2.675, "###0.00", "2.68"},
        {1.005, "###0.00", "1.01"},
        {-2.675, "###0.00", "-2.68"},
        {10.25, "####.0", "10.3"},
        {0.5, "####.0", ".5"},
        {0, "####.0", ".0"},
        {300, "####0.00", "300.00"},
        {1, "###.##", "1."},
        {0, "###.##", "."},
        {2.5, "###.##", "2.5"},
        {0.256, "###.##", ".26"},
        {100, "####", "100"},
        {0, "####", ""},
        {99.5, "####", "100"},
        {12.5, "#0", "13"},
        {-12.5, "#0", "-13"},
        {0.4, "#0", "0"},
        {-0.4, "#0", "0"},
        {-0.004, "0000.00", "0000.00"},
        {0.5, "00%", "50%"},
        {0.05, "00%", "05%"},
        {0.125, "00%", "13%"},
        {1, "00%", "100%"},
        {0.999, "00%", "100%"},
        {9.995, "0000.00", "0010.00"},
        {1e20, "0000.00", "100000000000000000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::Format(c.value, c.pattern), c.expected) << c.value << " with " << c.pattern;
}

TEST(Format, NonFiniteValuesDoNotCrash) {
    EXPECT_EQ(numtext::Format(std::numeric_limits<double>::infinity(), "0000.00"), "Inf");
    EXPECT_EQ(numtext::Format(std::nan(""), "#0"), "NaN");
}

TEST(FormatText, FieldsOfAtSigns) {
    EXPECT_EQ(numtext::FormatText("Urban", "@@@@@@@@!"), "Urban   ");
    EXPECT_EQ(numtext::FormatText("Small/Medium", "@@@@@@@@@@@@!"), "Small/Medium");
    EXPECT_EQ(numtext::FormatText("Large", "@@@@@@@@@@@@!"), "Large       ");
    EXPECT_EQ(numtext::FormatText("Suburban", "@@@@@@@@!"), "Suburban");
    EXPECT_EQ(numtext::FormatText("Open", "@@@@@@"), "  Open");
    EXPECT_EQ(numtext::FormatText("", "@@@!"), "   ");
    EXPECT_EQ(numtext::FormatText("Toolongtext", "@@@@!"), "Toolongtext");
}

TEST(FormatDate, TwelveHourClock) {
    struct Case {
        int year, month, day, hour, minute;
        const char* expected;
    } cases[] = {
        {2026, 12, 8, 21, 5, "12/08/2026 09:05 pm"},
        {2026, 1, 31, 0, 0, "01/31/2026 12:00 am"},
        {1999, 7, 4, 12, 30, "07/04/1999 12:30 pm"},
        {2000, 2, 29, 11, 59, "02/29/2000 11:59 am"},
    };
    for (const auto& c : cases) {
        const std::tm t = testsupport::CalendarTime(c.year, c.month, c.day, c.hour, c.minute);
        EXPECT_EQ(numtext::FormatDate(t, "mm/dd/yyyy hh:mm am/pm"), c.expected);
    }
}

TEST(ShortestText, PlainForm) {
    struct Case {
        double value;
        const char* expected;
    } cases[] = {
        {0, "0"},
        {12.5, "12.5"},
        {-12.5, "-12.5"},
        {50, "50"},
        {1000, "1000"},
        {0.1 + 0.2, "0.3"},
        {1.0 / 3, "0.333333333333333"},
        {123456789012345, "123456789012345"},
        {1234567890123456, "1.23456789012346E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {-2.5e-7, "-2.5E-07"},
        {999999999999999.9, "1E+15"},
        {0.001, "0.001"},
        {7.5922, "7.5922"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(numtext::ShortestText(c.value), c.expected) << c.value;
}

TEST(RoundTripText, ShortestExactForm) {
    EXPECT_EQ(numtext::RoundTripText(0.005), "0.005");
    EXPECT_EQ(numtext::RoundTripText(301), "301");
    EXPECT_EQ(numtext::RoundTripText(0.5), "0.5");
    EXPECT_EQ(numtext::RoundTripText(-1.25), "-1.25");
    for (double v : {0.1 + 0.2, 1.0 / 3, 1e-300, 6.02214076e23})
        EXPECT_EQ(numtext::StrictNumber(numtext::RoundTripText(v)).value(), v);
}

} // namespace
