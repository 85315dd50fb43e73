// The readable source of the graph windows' stored chart states.

#include "ChartDescription.h"

#include <gtest/gtest.h>

namespace {

using chart::CChartModel;
using chartstate::ApplyChartDescription;

TEST(ChartDescription, EachKindOfValueReachesItsProperty) {
    CChartModel model(nullptr, nullptr);
    const auto error = ApplyChartDescription("# the loss chart\n"
                                             "\n"
                                             "TitleString(0) = \"dB Loss Calculation\"\n"
                                             "  LeftPlotArea = 0.11  \r\n"
                                             "EventShowPropPage = 515\n"
                                             "PrintBorder = False\n"
                                             "SLegendEnable = True\n"
                                             "AxisGridColor(1) = RGB(128, 0, 255)\n"
                                             "GPlotLineStyle(3, 2) = 4\n"
                                             "AxisTitleString(0) = \"\"\n"
                                             "SDataNumPlotPoints(0) = 0",
                                             model);
    ASSERT_FALSE(error.has_value()) << error->line << ": " << error->message;
    EXPECT_EQ(model.TitleString[0], "dB Loss Calculation");
    EXPECT_EQ(model.LeftPlotArea, 0.11);
    EXPECT_EQ(model.EventShowPropPage, 515);
    EXPECT_EQ(model.PrintBorder, 0);
    EXPECT_EQ(model.SLegendEnable, -1); // TRUE as an automation client puts it
    EXPECT_EQ(model.AxisGridColor[1], 0xFF0080);
    EXPECT_EQ(model.GPlotLineStyle[3][2], 4);
    EXPECT_EQ(model.AxisTitleString[0], "");
    // A point count goes through the control's rule: the demonstration values go too.
    EXPECT_EQ(model.SDataNumPlotPoints[0], 0);
    EXPECT_TRUE(model.SDataXData[0].empty());
    EXPECT_TRUE(model.SDataYData[0].empty());
}

TEST(ChartDescription, AFaultNamesItsLine) {
    struct Case {
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"LeftPlotArea 0.1", 1},
        {"\nNoSuchProperty = 1", 2},
        {"TitleString(3) = \"x\"", 1},        // no title 3
        {"TitleString = \"x\"", 1},           // the item is missing
        {"LeftPlotArea(1) = 0.1", 1},         // a scalar takes no item
        {"AxisMin(0) = low", 1},              // not a value
        {"AxisColor(0) = RGB(256, 0, 0)", 1}, // not a colour
        {"AxisTitleString(0) = \"a\"b\"", 1}, // a quote inside the text
        {"# fine\nAxisMin(0.5) = 1", 2},      // not an item number
        {"AxisMin(0 = 1", 1},
    };
    for (const Case& c : cases) {
        CChartModel model(nullptr, nullptr);
        const auto error = ApplyChartDescription(c.text, model);
        ASSERT_TRUE(error.has_value()) << c.text;
        EXPECT_EQ(error->line, c.line) << c.text;
        EXPECT_FALSE(error->message.empty());
    }
}

} // namespace
