#include "NumberFormat.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <limits>
#include <locale.h>

using namespace chart;

TEST(NumberFormat, FormatsLikePrintfInTheCLocale) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* format;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {"", 0.1, "0.1"},
        {"%g", 1e-5, "1e-05"},
        {"%g", 123456789, "1.23457e+08"},
        {"%g", 100000, "100000"},
        {"%g", 1e6, "1e+06"},
        {"%g", 0, "0"},
        {"%g", -0.0, "-0"},
        {"%g", 0.0001, "0.0001"},
        {"%.3f", 1.25, "1.250"},
        {"%.0f", 2.5, "2"},
        {"%10.2e", 12345, "  1.23e+04"},
        {"%-8.1f|", 3.14159, "3.1     |"},
        {"%08.2f", -3.14159, "-0003.14"},
        {"%+g", 5, "+5"},
        {"% g", 5, " 5"},
        {"%#g", 1, "1.00000"},
        {"%#.0f", 3, "3."},
        {"%G", 1e-10, "1E-10"},
        {"%e", 0, "0.000000e+00"},
        {"x=%g;%%", 2, "x=2;%"},
        {"%lf", 1.5, "1.500000"},
        {"%a", 1, "0x1p+0"},
        {"%A", 0.5, "0X1P-1"},
        {"%g", inf, "inf"},
        {"%g", -inf, "-inf"},
        {"%E", inf, "INF"},
        {"%5g", nan, "  nan"},
        {"%05g", inf, "  inf"},
        {"%.17g", 0.1, "0.10000000000000001"},
    };
    for (const Case& c : cases) {
        const auto format = NumberFormat::Parse(c.format);
        ASSERT_TRUE(format.has_value()) << c.format;
        EXPECT_EQ(format->Format(c.value), c.text) << c.format;
    }
}

TEST(NumberFormat, AgreesWithTheCLibraryOverManyFormatsAndValues) {
    // The C library is the reference here only, run in its own C locale.
    locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
    locale_t previous = uselocale(c);
    const char* formats[] = {"%g",     "%.1g",     "%.10g", "%#.3g", "%f",      "%.2f",
                             "%12.4f", "%-12.4e|", "%+.3e", "%E",    "%015.3f", "% .5G",
                             "%.0e",   "%#.0e",    "%.15g", "%.0g",  "%20.10g"};
    const double values[] = {0,       1,       -1,      0.5,      1e-4,   9.9999e-5, 123.456,  -987654.321,
                             1e15,    1e16,    1e21,    1.5e-300, 2.5,    0.125,     99999.95, 1e100,
                             -2.5e-7, 3.14159, 65535.5, 999999.5, 1e-320, 7.0e22,    0.95,     9.5};
    for (const char* f : formats) {
        const auto format = NumberFormat::Parse(f);
        ASSERT_TRUE(format.has_value()) << f;
        for (double v : values) {
            char expected[512];
            std::snprintf(expected, sizeof expected, f, v);
            EXPECT_EQ(format->Format(v), expected) << f << " " << v;
        }
    }
    uselocale(previous);
    freelocale(c);
}

TEST(NumberFormat, RefusesAnythingButOneFloatingConversion) {
    for (const char* text : {"%d", "%s", "%g %g", "plain text", "%", "%*g", "%.*f", "%Lf", "%n", "%5",
                             "%1001f", "%.1001f", "%hg", "%%", "%g%d", "%lg%"}) {
        EXPECT_FALSE(NumberFormat::Parse(text).has_value()) << text;
    }
}
