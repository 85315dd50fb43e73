// The build's engine calls, in order and with their arguments, written out for two charts.

#include "ChartBuild.h"
#include "FakeEngineLink.h"
#include "RecordingEngine.h"
#include "Zoom.h"

#include <cmath>
#include <gtest/gtest.h>

using chart::CChartModel;
using Calls = std::vector<std::string>;

namespace {

constexpr EngineHandle kGraph = 50;

void Define(CChartModel& m, int set, std::vector<double> x, std::vector<double> y, int groups, int type) {
    const auto i = static_cast<std::size_t>(set);
    m.SDataNumGroups[i] = groups;
    m.SDataNumPlotPoints[i] = static_cast<int>(x.size());
    m.SDataXData[i] = std::move(x);
    m.SDataYData[i] = std::move(y);
    m.SDataType[i] = type;
    m.SDataEnable[i] = -1; // TRUE as automation puts it
}

class ChartBuildOrder : public ::testing::Test {
protected:
    ChartBuildOrder() { charttest::ResetRecording({0.0, 10.0, 2.0}); }
    void Build() { chart::OnBuildGraph(model, kGraph, nullptr); }

    charttest::FakeEngineLink link; // palette colour of code c: 0x010101 x c
    CChartModel model{nullptr, &link};
};

TEST_F(ChartBuildOrder, EveryStepInItsOrder) {
    CChartModel& m = model;
    m.DataSet[7] = 77; // left from the last build
    Define(m, 0, {1, 2, 3}, {4, 5, 6}, 1, 0);
    Define(m, 1, {0, 10}, {2, 8}, 1, 0);
    m.SPlotType[1] = 1;
    m.SPlotRefAxes[1] = 1;
    Define(m, 2, {1, 2}, {1, 2, 3, 4}, 2, 1); // stacked bars from 0 to 3 and 7
    Define(m, 3, {1, 2, 3}, {0.5, 0.5, 0.5}, 1, 2);
    m.PieSliceLabel[3][0] = "N";
    Define(m, 4, {5, 6}, {7, 8}, 1, 0);
    m.SDataEnable[4] = 0;
    Define(m, 5, {1, 2}, {NAN, NAN}, 1, 0); // the engine cannot range it
    m.AxisEnable[3] = -1;
    m.AxisLabelsEnable[3] = -1;
    m.AxisTitleString[3] = "Y2";
    m.AxisAutoAxis[1] = -1;
    m.AxisGridEnable[1] = -1;
    m.AxisLabelStringsEnable[0] = -1;
    m.AxisLabelStrings[0] = "a\r\nb";
    m.TitleString[2] = "Foot";
    m.SLegendEnable = -1;
    m.SLegendStrings = "A\r\nB";
    m.DataCursorDefined[5] = 1;
    m.DataCursorAxis[5] = 1;
    m.DataCursorType[5] = 2;
    m.DataCursorSize[5] = 10;
    m.DataCursorWidth[5] = 1;
    m.DataCursorColor[5] = 0xFF;
    Build();
    const Calls expected = {
        // Data sets: the old one goes, every set with points is made, disabled ones too.
        "DeleteDataset 77, 0",
        "CreateDataset \"\", [1 2 3], [4 5 6], 3",
        "CreateDataset \"\", [0 10], [2 8], 2",
        "CreateGroupDataset \"\", [1 2], [1 2 3 4], 2, 2",
        "CreateDataset \"\", [1 2 3], [0.5 0.5 0.5], 3",
        "CreateDataset \"\", [5 6], [7 8], 2",
        "CreateDataset \"\", [1 2], [nan nan], 2",
        // Plot area and ticks.
        "SetPlotArea 50, dc, 0.2, 0.2, 0.8, 0.8, 0xffffff",
        "SetTickSizes 90, 10, 5",
        "SetBorderStyle 50, 0",
        // Secondary pair: X axis 0 stands in for the disabled axis 2 and is hidden.
        "SetScaleTypes 50, 0, 0",
        "SetScale 50, 0, 0, 10, 10",
        "SetAxesIntercepts 50, 10, 0",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddXAxis 50, dc, 5, 4, 0",
        "EnableAxis 50, 7, 0",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddYAxis 50, dc, 5, 4, 2",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddNumericAxisLabels 50, dc, 8, 2, 0, 0, 0, 0",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddAxisTitle 50, dc, 8, 2, \"Y2\"",
        "AddBarPlot 50, dc, 2, 0.75, 1, 6, 0x20202, -1, 0",
        // Primary pair: Y auto-scaled over the enabled sets (bars as bars, the unranged set left
        // out), X with string labels, Y with a grid.
        "SetScaleTypes 50, 0, 0",
        "GetDatasetYRange 1",
        "GetDatasetBarRange 2, 0, 0, -1, 0.75, 1, 6, 1",
        "GetDatasetBarRange 3, 0, 0, 2, 1, 1, 6, 2",
        "GetDatasetYRange 4",
        "GetDatasetYRange 6",
        "AutoScale 50, 0, 0, 0, 8, 2",
        "SetScale 50, 0, 0, 10, 10",
        "SetAxesIntercepts 50, 0, 0",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddXAxis 50, dc, 5, 4, 0",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddStringAxisLabels 50, dc, 10, 0, 0, {a|b}/100",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddYAxis 50, dc, 2, 4, 1",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddNumericAxisLabels 50, dc, 11, 1, 0, 0, 0, 0",
        "SetLineAttributes 50, dc, 2, 1, 0x0",
        "AddAxisGrid 50, 11, 2",
        "SetLineAttributes 50, dc, 0, 2, 0x10101",
        "AddLinePlot 50, dc, 1, 0, 0",
        "AddGroupBarPlot 50, dc, 3, 1, 1, 6, 2, [0x10101 0x20202], [-1 -1], [0 0]",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddPieChart 50, dc, [1 2 3], 3, 10, 0, 1, 0.4, 0.5, 0.5, [0x10101 0x20202 0x40404], "
        "[0x10101 0x20202 0x40404], [-1 -1 -1], [0 0 0]",
        "AddPieLabels 50, 14, {N}/3",
        "SetLineAttributes 50, dc, 0, 2, 0x50505",
        "AddLinePlot 50, dc, 6, 0, 0",
        // Titles, legend, data cursors.
        "SetTextAttributes 0x0, \"Arial\", 8, 0",
        "AddTitle 50, dc, \"Title\", 0.5, 0.015, 6, 0",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddTitle 50, dc, \"Foot\", 0.5, 0.985, 14, 0",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddSimpleLegend 50, dc, 0.7, 0.01, 0.99, 0.3, 0x0, 1, 0x0, 0xffffff, 0, {A|B}/100",
        "AddDataCursor 50, dc, 2, 0, 8, 10, 1, 0, 0xff",
    };
    EXPECT_EQ(charttest::RecordedCalls(), expected);
    // What the build keeps: handles, the auto scale, the tracked crossing, the label count.
    EXPECT_EQ(m.DataSet[0], 1);
    EXPECT_EQ(m.DataSet[5], 6);
    EXPECT_EQ(m.DataSet[7], 0);
    EXPECT_EQ(m.AxisHandle, (chart::LongArray{10, 11, 0, 8}));
    EXPECT_EQ(m.PlotHandle[1], 9);
    EXPECT_EQ(m.PlotHandle[3], 14);
    EXPECT_EQ(m.DataCursorHandle[5], 19);
    EXPECT_EQ(m.AxisMin[1], 0.0);
    EXPECT_EQ(m.AxisMax[1], 10.0);
    EXPECT_EQ(m.AxisMajorTickInterval[1], 2.0);
    EXPECT_EQ(m.NumAxisLabelStrings[0], 100);
}

TEST_F(ChartBuildOrder, PlotsOnTheSecondaryPairWithoutSecondaryAxesGoOnThePrimaryPair) {
    model.TitleString[0] = "";
    Define(model, 0, {1, 2}, {3, 4}, 1, 0);
    model.SPlotRefAxes[0] = 1;
    Build();
    const Calls expected = {
        "CreateDataset \"\", [1 2], [3 4], 2",
        "SetPlotArea 50, dc, 0.2, 0.2, 0.8, 0.8, 0xffffff",
        "SetTickSizes 90, 10, 5",
        "SetBorderStyle 50, 0",
        "SetScaleTypes 50, 0, 0",
        "SetScale 50, 0, 0, 10, 10",
        "SetAxesIntercepts 50, 0, 0",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddXAxis 50, dc, 5, 4, 0",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddNumericAxisLabels 50, dc, 2, 0, 0, 0, 0, 0",
        "SetLineAttributes 50, dc, 0, 0, 0x0",
        "AddYAxis 50, dc, 5, 4, 1",
        "SetTextAttributes 0x0, \"Arial\", 6, 0",
        "AddNumericAxisLabels 50, dc, 3, 1, 0, 0, 0, 0",
        "SetLineAttributes 50, dc, 0, 2, 0x10101",
        "AddLinePlot 50, dc, 1, 0, 0",
    };
    EXPECT_EQ(charttest::RecordedCalls(), expected);
    EXPECT_EQ(model.PlotHandle[0], 4);
}

TEST_F(ChartBuildOrder, AutoScaleWithNoRangeableSetAsksForZeroToZero) {
    Define(model, 0, {NAN}, {NAN}, 1, 0);
    model.AxisAutoAxis[0] = 1;
    Build();
    const Calls& calls = charttest::RecordedCalls();
    EXPECT_NE(std::find(calls.begin(), calls.end(), "AutoScale 50, 1, 0, 0, 0, 2"), calls.end());
}

// A secondary axis that tracks its partner crosses it at the partner's maximum: axis 2 stands at
// the top of axis 3 and axis 3 at the right end of axis 2.
TEST_F(ChartBuildOrder, TrackingSecondaryAxesCrossAtTheirPartnersMaximum) {
    CChartModel& m = model;
    for (std::size_t a : {2u, 3u}) {
        m.AxisEnable[a] = -1;
        m.AxisInterceptTrack[a] = -1;
        m.AxisIntercept[a] = -7.0;
    }
    m.AxisMin[2] = 1.0;
    m.AxisMax[2] = 20.0;
    m.AxisMin[3] = 2.0;
    m.AxisMax[3] = 30.0;
    Build();
    EXPECT_EQ(m.AxisIntercept[2], 30.0);
    EXPECT_EQ(m.AxisIntercept[3], 20.0);
    const Calls& calls = charttest::RecordedCalls();
    // The secondary pass comes first: the Y axis stands at X = 20, the X axis at Y = 30.
    const auto first = std::find_if(calls.begin(), calls.end(), [](const std::string& c) {
        return c.rfind("SetAxesIntercepts", 0) == 0;
    });
    ASSERT_NE(first, calls.end());
    EXPECT_EQ(*first, "SetAxesIntercepts 50, 20, 30");
}

// The zoom reset hands the engine the reset box narrowed by 5 % of its span at each end, X first.
TEST_F(ChartBuildOrder, ZoomResetNarrowsTheResetBoxByFivePercentAtEachEnd) {
    struct Case {
        double minX, maxX, minY, maxY;
        const char* x;
        const char* y;
    };
    for (const Case& c :
         {Case{0, 10, 0, 10, "AutoScale 50, 1, 0, 0.5, 9.5, 1", "AutoScale 50, 0, 0, 0.5, 9.5, 1"},
          Case{-20, 80, 100, 300, "AutoScale 50, 1, 0, -15, 75, 1", "AutoScale 50, 0, 0, 110, 290, 1"}}) {
        charttest::ResetRecording();
        model.GraphHandle = kGraph;
        model.EventZoomResetMinX = c.minX;
        model.EventZoomResetMaxX = c.maxX;
        model.EventZoomResetMinY = c.minY;
        model.EventZoomResetMaxY = c.maxY;
        chart::ZoomResetScales(model);
        EXPECT_EQ(charttest::RecordedCalls(), (Calls{c.x, c.y}));
    }
}

} // namespace
