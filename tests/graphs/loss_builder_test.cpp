// The path-loss chart as the control receives it: the calls, their order and their values.

#include "CalendarTime.h"
#include "CurveInputs.h"
#include "LossGraphBuilder.h"
#include "ModCalculations.h"
#include "RecordingChart.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

namespace {

using automation::InvokeKind;
using automation::Variant;

const std::tm kEvening = testsupport::CalendarTime(2026, 12, 7, 23, 5);

std::vector<std::string> Described(const RecordingChart& chart) {
    std::vector<std::string> lines;
    for (const auto& call : chart.calls) {
        lines.push_back(Describe(call));
    }
    return lines;
}

std::vector<std::string> AxisCalls(const char* maxX, const char* tick) {
    return {
        "Put 99 I4 0, BSTR \"Arial\"",
        "Put 99 I4 1, BSTR \"Arial\"",
        "Put 104 I4 0, BSTR \"Arial\"",
        "Put 104 I4 1, BSTR \"Arial\"",
        "Put 101 I4 0, I4 10",
        "Put 101 I4 1, I4 10",
        "Put 111 I4 0, I4 10",
        "Put 111 I4 1, I4 10",
        "Put 109 I4 0, I4 0",
        "Put 109 I4 1, I4 0",
        "Put 98 I4 0, I4 0",
        "Put 98 I4 1, I4 0",
        std::string("Put 84 I4 0, BYREF R8 ") + maxX,
        std::string("Put 94 I4 0, R8 ") + tick,
        "Put 83 I4 0, R8 0",
        "Put 84 I4 1, R8 250",
        "Put 83 I4 1, R8 50",
    };
}

std::vector<std::string> Concat(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const std::vector<std::string> kTitlesAndLegend100 = {
    "Put 118 I4 2, BYREF BSTR \"Freq: 450.0MHz,  Antenna Mobile Height: 1.5m,  Antenna Base Height: 100.0m,  "
    "Area: Urban, City Size: Small/Medium\"",
    "Put 118 I4 1, BSTR \"50%Time, 50%Loc, 12/07/2026 11:05 pm\"",
    "Put 122 I4 2, I4 8",
    "Put 122 I4 1, I4 8",
    "Put 47 BSTR \"ITU 529\rDavidson\rCost 231\rFree Space\"",
    "Put 34 I2 0",
    "Put 45 I2 0",
    "Put 48 I2 8",
    "Put 46 BOOL True",
};

// A builder and the chart it builds into, dated the same evening every time.
class LossGraph : public ::testing::Test {
protected:
    bool Build(const GraphInputs& in, bool rebuild = true) {
        return builder.Build(chart, in, rebuild, kEvening);
    }

    RecordingChart chart;
    LossGraphBuilder builder;
};

TEST_F(LossGraph, RebuildAt100KmMakesFourSetsInOrder) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(100)));
    const auto expected = Concat({
        {"Put 152 I4 1, BOOL False", "Put 152 I4 2, BOOL False", "Put 152 I4 3, BOOL False",
         "Put 152 I4 4, BOOL False", "Put 152 I4 5, BOOL False"},
        // ITU 529 and Davidson solid, Cost 231 dash-dot: 450 MHz is below its frequency range.
        {"Call 70 I4 0, BSTR \"Line Data\", X 1, Y, I4 991", "Put 139 I4 0, I4 0",
         "Put 126 I4 0, BYREF I4 32768", "Put 127 I4 0, I4 1", "Put 152 I4 0, BOOL True"},
        {"Call 70 I4 1, BSTR \"Line Data\", X 1, Y, I4 991", "Put 139 I4 1, I4 0",
         "Put 126 I4 1, BYREF I4 255", "Put 127 I4 1, I4 1", "Put 152 I4 1, BOOL True"},
        {"Call 70 I4 2, BSTR \"Line Data\", X 1, Y, I4 991", "Put 139 I4 2, I4 3",
         "Put 126 I4 2, BYREF I4 11796480", "Put 127 I4 2, I4 1", "Put 152 I4 2, BOOL True"},
        // Free space, dotted, from 0.1 km.
        {"Put 153 I4 3, I4 0", "Put 124 I4 3, I4 0", "Put 126 I4 3, I4 2631720", "Put 139 I4 3, I4 2",
         "Put 152 I4 3, BOOL True", "Call 70 I4 3, BSTR \"Line Data\", X 0.1, Y, I4 1000"},
        AxisCalls("100", "10"),
        kTitlesAndLegend100,
        {"Call 51"},
    });
    EXPECT_EQ(Described(chart), expected);
}

TEST_F(LossGraph, FirstBuildNeitherClearsNorRedraws) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(100), false));
    const auto lines = Described(chart);
    EXPECT_EQ(lines.front(), "Call 70 I4 0, BSTR \"Line Data\", X 1, Y, I4 991");
    EXPECT_EQ(lines.back(), "Put 46 BOOL True");
    EXPECT_TRUE(chart.Of(chartid::UpdateGraph, InvokeKind::Method).empty());
}

TEST_F(LossGraph, At300KmTheP529CurveBreaksBeyondItsRange) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(300)));
    const auto lines = Described(chart);
    const std::vector<std::string> itu(lines.begin() + 5, lines.begin() + 19);
    EXPECT_EQ(itu, (std::vector<std::string>{
                       "Call 70 I4 0, BSTR \"Line Data\", X 1, Y, I4 991", "Put 139 I4 0, I4 0",
                       "Put 126 I4 0, BYREF I4 32768", "Put 152 I4 0, BOOL True", "Put 153 I4 0, I4 0",
                       "Put 127 I4 0, I4 1",
                       // From the first point beyond 100 km to the end.
                       "Call 70 I4 1, BSTR \"Line Data\", X 100.1, Y, I4 2000", "Put 139 I4 1, I4 3",
                       "Put 126 I4 1, BYREF I4 32768", "Put 152 I4 1, BOOL True", "Put 153 I4 1, I4 0",
                       "Put 127 I4 1, I4 1",
                       // Davidson is valid to 300 km: one solid set.
                       "Call 70 I4 2, BSTR \"Line Data\", X 1, Y, I4 2991", "Put 139 I4 2, I4 0"}));
    const auto defines = chart.Of(chartid::DefineDataSet, InvokeKind::Method);
    ASSERT_EQ(defines.size(), 5u);
    EXPECT_EQ(Describe(defines[4]), "Call 70 I4 4, BSTR \"Line Data\", X 0.1, Y, I4 3000");
    EXPECT_EQ(chart.Value(chartid::SLegendStrings).AsStr(),
              "ITU 529\r(cont.)\rDavidson\rCost 231\rFree Space");
    EXPECT_EQ(chart.Value(chartid::AxisMajorTickInterval, 0).AsR8(), 50.0);
}

TEST_F(LossGraph, DataSetsPointIntoTheCurvesAtTheirSegmentStart) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(300)));
    const auto defines = chart.Of(chartid::DefineDataSet, InvokeKind::Method);
    auto& itu = const_cast<PlotCurve&>(builder.Curve(0));
    auto& freeSpace = const_cast<PlotCurve&>(builder.Curve(LossGraphBuilder::kFreeSpaceCurve));
    EXPECT_EQ(defines[0].raw[2], Variant::RefR8(itu.Dist[0]));
    EXPECT_EQ(defines[0].raw[3], Variant::RefR8(itu.Level[0]));
    EXPECT_EQ(defines[1].raw[2], Variant::RefR8(itu.Dist[991]));
    EXPECT_EQ(defines[1].raw[3], Variant::RefR8(itu.Level[991]));
    EXPECT_EQ(defines[4].raw[2], Variant::RefR8(freeSpace.Dist[0]));
    // The control copies exactly the points of each segment.
    ASSERT_EQ(defines[1].x.size(), 2000u);
    EXPECT_EQ(defines[1].x.back(), 300.0);
    EXPECT_EQ(defines[1].y.back(),
              P529Loss({450, 300, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
    EXPECT_EQ(defines[0].x.back(), 100.0);
}

TEST_F(LossGraph, CurvesOfOnePointGiveNoSetButKeepTheirLegend) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(1.0)));
    const auto defines = chart.Of(chartid::DefineDataSet, InvokeKind::Method);
    ASSERT_EQ(defines.size(), 1u);
    EXPECT_EQ(Describe(defines[0]), "Call 70 I4 0, BSTR \"Line Data\", X 0.1, Y, I4 10");
    EXPECT_EQ(chart.Value(chartid::SLegendStrings).AsStr(), "ITU 529\rDavidson\rCost 231\rFree Space");
}

TEST_F(LossGraph, CurveValuesComeFromTheModels) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(100)));
    const ModelProcedure models[] = {P529Loss, HataDavidsonLoss, Cost231Loss};
    for (int m = 0; m < 3; ++m) {
        const PlotCurve& curve = builder.Curve(m);
        ASSERT_EQ(curve.PointCount(), 991) << m;
        EXPECT_EQ(curve.Dist[0], 1.0);
        EXPECT_EQ(curve.Dist[990], 100.0);
        EXPECT_EQ(curve.Level[0],
                  models[m]({450, 1.0, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}))
            << m;
        EXPECT_EQ(curve.Level[990],
                  models[m]({450, 100.0, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}))
            << m;
    }
    const PlotCurve& freeSpace = builder.Curve(LossGraphBuilder::kFreeSpaceCurve);
    EXPECT_DOUBLE_EQ(freeSpace.Level[0], 32.5 + 20 * std::log10(450.0) + 20 * std::log10(0.1));
    EXPECT_DOUBLE_EQ(freeSpace.Level[999], 32.5 + 20 * std::log10(450.0) + 20 * std::log10(100.0));
    EXPECT_EQ(freeSpace.SegmentCount, 0);
    EXPECT_EQ(builder.Curve(3).Count, -1);
    EXPECT_EQ(builder.Curve(5).Count, -1);
}

TEST_F(LossGraph, EnglishHeightsAreConvertedAndShownInFeet) {
    GraphInputs in = testsupport::CurveInputs(100);
    in.english = true;
    in.hb = "328";
    in.hm = "5";
    ASSERT_TRUE(Build(in));
    EXPECT_DOUBLE_EQ(builder.Curve(1).Level[0],
                     HataDavidsonLoss({450, 1.0, 328 * 0.3048, 5 * 0.3048, AreaType::Urban,
                                       CitySize::SmallMedium, 50, 50}));
    EXPECT_EQ(
        chart.Value(chartid::TitleString, 2).AsStr(),
        "Freq: 450.0MHz,  Antenna Mobile Height: 5ft,  Antenna Base Height: 328ft,  Area: Urban, City Size: "
        "Small/Medium");
}

TEST_F(LossGraph, CityShowsInTheTitleOnlyForUrban) {
    GraphInputs in = testsupport::CurveInputs(100);
    in.area = "Suburban";
    in.freq = " 450.0 ";
    EXPECT_EQ(LossGraphBuilder::ParameterTitle(in),
              "Freq: 450.0MHz,  Antenna Mobile Height: 1.5m,  Antenna Base Height: 100.0m,  Area: Suburban");
    in.area = "Urban ";
    in.city = "Large";
    EXPECT_EQ(
        LossGraphBuilder::ParameterTitle(in),
        "Freq: 450.0MHz,  Antenna Mobile Height: 1.5m,  Antenna Base Height: 100.0m,  Area: Urban, City "
        "Size: Large");
}

TEST_F(LossGraph, ShorterRebuildDisablesTheFormerSets) {
    ASSERT_TRUE(Build(testsupport::CurveInputs(300)));
    ASSERT_TRUE(Build(testsupport::CurveInputs(100)));
    EXPECT_EQ(chart.Value(chartid::SDataEnable, 4), Variant::Bool(false));
    EXPECT_EQ(chart.Value(chartid::SDataEnable, 5), Variant::Bool(false));
    EXPECT_EQ(chart.Value(chartid::SDataEnable, 3), Variant::Bool(true));
}

TEST_F(LossGraph, TextThatIsNotANumberLeavesTheChartAlone) {
    for (std::string GraphInputs::*box : {&GraphInputs::freq, &GraphInputs::hb, &GraphInputs::hm}) {
        RecordingChart caseChart;
        LossGraphBuilder caseBuilder;
        GraphInputs in = testsupport::CurveInputs(100);
        in.*box = "12abc";
        EXPECT_FALSE(caseBuilder.Build(caseChart, in, true, kEvening));
        EXPECT_TRUE(caseChart.calls.empty());
    }
}

} // namespace
