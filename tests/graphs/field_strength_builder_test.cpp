// The field-strength chart as the control receives it, in comparison and single-model mode.

#include "CalendarTime.h"
#include "CurveInputs.h"
#include "FieldStrengthGraphBuilder.h"
#include "ModCalculations.h"
#include "RecordingChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using automation::InvokeKind;
using automation::Variant;

const std::tm kMorning = testsupport::CalendarTime(2026, 1, 2, 9, 30);

FieldStrengthInputs Inputs(const char* freq, long model, double maxKm) {
    FieldStrengthInputs in;
    in.graph = testsupport::CurveInputs(maxKm, freq);
    in.graphModel = model;
    return in;
}

struct SetSummary {
    int set;
    int count;
    double firstDist;
    std::int32_t style;
    std::int32_t colour;
};

// Every defined set with the style and colour it was given last.
std::vector<SetSummary> Sets(const RecordingChart& chart) {
    std::vector<SetSummary> sets;
    for (const auto& define : chart.Of(chartid::DefineDataSet, InvokeKind::Method)) {
        const int set = define.args[0].AsI4();
        sets.push_back({set, define.args[4].AsI4(), define.args[2].AsR8(),
                        chart.Value(chartid::SPlotLineStyle, set).AsI4(),
                        chart.Value(chartid::SPlotLineColor, set).AsI4()});
    }
    return sets;
}

bool operator==(const SetSummary& a, const SetSummary& b) {
    return a.set == b.set && a.count == b.count && a.firstDist == b.firstDist && a.style == b.style &&
           a.colour == b.colour;
}

void PrintTo(const SetSummary& s, std::ostream* os) {
    *os << "{set " << s.set << ", " << s.count << " points from " << s.firstDist << ", style " << s.style
        << ", colour " << s.colour << "}";
}

std::vector<std::string> Described(const std::vector<RecordedCall>& calls) {
    std::vector<std::string> lines;
    for (const auto& call : calls) {
        lines.push_back(Describe(call));
    }
    return lines;
}

constexpr std::int32_t kGreen = 128 << 8;
constexpr std::int32_t kRed = 255;
constexpr std::int32_t kBlue = 180 << 16;
constexpr std::int32_t kBlack = 0;
constexpr std::int32_t kCyan = (200 << 8) | (200 << 16);
constexpr std::int32_t kGrey = 200 | (200 << 8) | (200 << 16);

// A builder and the chart it builds into, dated the same morning every time.
class FieldStrengthGraph : public ::testing::Test {
protected:
    bool Build(const FieldStrengthInputs& in, bool rebuild = true) {
        return builder.Build(chart, in, rebuild, kMorning);
    }

    RecordingChart chart;
    FieldStrengthGraphBuilder builder;
};

TEST_F(FieldStrengthGraph, ComparisonAt1800MHzShowsWhereEachModelHolds) {
    ASSERT_TRUE(Build(Inputs("1800.0", 4, 300)));
    EXPECT_EQ(Sets(chart), (std::vector<SetSummary>{{0, 3000, 0.1, 3, kGreen},
                                                    {1, 3000, 0.1, 3, kRed},
                                                    {2, 1000, 0.1, 0, kBlue},
                                                    {3, 2000, 100.1, 3, kBlue},
                                                    {4, 2991, 1.0, 2, kBlack}}));
    EXPECT_EQ(chart.Value(chartid::SLegendStrings).AsStr(),
              "ITU 529\rOkHat Dav\rCost 231\r(cont.)\rFree Space");
}

TEST_F(FieldStrengthGraph, UnbrokenCurveSetsItsPropertiesInOrder) {
    ASSERT_TRUE(Build(Inputs("1800.0", 4, 300), false));
    const auto lines = Described(chart.calls);
    // Axes first (12 text settings, then the scales), then the sets.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 12, lines.begin() + 24),
              (std::vector<std::string>{
                  "Put 84 I4 0, R8 300", "Put 83 I4 0, R8 0", "Put 84 I4 1, R8 110", "Put 83 I4 1, R8 -10",
                  "Put 94 I4 0, R8 50", "Call 70 I4 0, BSTR \"Line Data\", X 0.1, Y, I4 3000",
                  "Put 139 I4 0, I4 3", "Put 126 I4 0, I4 32768", "Put 152 I4 0, BOOL True",
                  "Put 153 I4 0, I4 0", "Put 124 I4 0, I4 0", "Put 127 I4 0, I4 1"}));
}

TEST_F(FieldStrengthGraph, BrokenCurveClosesEveryPiece) {
    ASSERT_TRUE(Build(Inputs("1800.0", 4, 300), false));
    const auto lines = Described(chart.calls);
    const auto first =
        std::find(lines.begin(), lines.end(), "Call 70 I4 2, BSTR \"Line Data\", X 0.1, Y, I4 1000");
    ASSERT_NE(first, lines.end());
    EXPECT_EQ(std::vector<std::string>(first, first + 14),
              (std::vector<std::string>{
                  "Call 70 I4 2, BSTR \"Line Data\", X 0.1, Y, I4 1000", "Put 139 I4 2, I4 0",
                  "Put 126 I4 2, I4 11796480", "Put 152 I4 2, BOOL True", "Put 153 I4 2, I4 0",
                  "Put 124 I4 2, I4 0", "Put 127 I4 2, I4 1",
                  "Call 70 I4 3, BSTR \"Line Data\", X 100.1, Y, I4 2000", "Put 139 I4 3, I4 3",
                  "Put 126 I4 3, I4 11796480", "Put 152 I4 3, BOOL True", "Put 153 I4 3, I4 0",
                  "Put 124 I4 3, I4 0", "Put 127 I4 3, I4 1"}));
}

TEST_F(FieldStrengthGraph, EveryPieceOfEveryHeightIsDrawnOnePixelThick) {
    ASSERT_TRUE(Build(Inputs("450.0", 1, 300)));
    const auto sets = Sets(chart);
    ASSERT_EQ(sets.size(), 13u);
    for (const SetSummary& s : sets) {
        EXPECT_EQ(chart.Value(chartid::SPlotLineThickness, s.set), Variant::I4(1)) << s.set;
        EXPECT_EQ(chart.Value(chartid::SPlotType, s.set), Variant::I4(0)) << s.set;
        EXPECT_EQ(chart.Value(chartid::SDataType, s.set), Variant::I4(0)) << s.set;
    }
}

TEST_F(FieldStrengthGraph, RebuildClearsTwentyTwoSetsFirstAndRedrawsOnceAtTheEnd) {
    ASSERT_TRUE(Build(Inputs("450.0", 4, 100)));
    for (int set = 0; set <= 21; ++set) {
        EXPECT_EQ(Describe(chart.calls[static_cast<std::size_t>(set)]),
                  "Put 152 I4 " + std::to_string(set) + ", BOOL False");
    }
    EXPECT_EQ(chart.Of(chartid::UpdateGraph, InvokeKind::Method).size(), 1u);
    EXPECT_EQ(Describe(chart.calls.back()), "Call 51");
}

TEST_F(FieldStrengthGraph, FirstBuildNeverRedraws) {
    ASSERT_TRUE(Build(Inputs("450.0", 4, 100), false));
    EXPECT_TRUE(chart.Of(chartid::UpdateGraph, InvokeKind::Method).empty());
    EXPECT_TRUE(chart.Value(chartid::SDataEnable, 21).IsEmpty());
}

TEST_F(FieldStrengthGraph, CurvesAndGridAt100Km) {
    ASSERT_TRUE(Build(Inputs("450.0", 4, 100), false));
    const PlotCurve& itu = builder.Curve(0);
    ASSERT_EQ(itu.PointCount(), 1000);
    EXPECT_EQ(itu.Dist[0], 0.1);
    EXPECT_EQ(itu.Dist[999], 100.0);
    EXPECT_EQ(itu.Level[0],
              P529FieldStrength({450, 0.1, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
    EXPECT_EQ(itu.Level[999],
              P529FieldStrength({450, 100.0, 100, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
    const PlotCurve& freeSpace = builder.Curve(FieldStrengthGraphBuilder::kComparisonFreeSpace);
    ASSERT_EQ(freeSpace.PointCount(), 991);
    EXPECT_DOUBLE_EQ(freeSpace.Level[0], 107.0);
    EXPECT_DOUBLE_EQ(freeSpace.Level[990], 107.0 - 40.0);
    EXPECT_EQ(chart.Value(chartid::AxisMajorTickInterval, 0).AsR8(), 10.0);
}

TEST_F(FieldStrengthGraph, SingleModelDrawsSixBaseHeights) {
    ASSERT_TRUE(Build(Inputs("450.0", 0, 300)));
    const auto sets = Sets(chart);
    ASSERT_EQ(sets.size(), 7u);
    const std::int32_t colours[] = {kGreen, kRed, kBlue, 255 | (255 << 16), kBlack, kCyan};
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(sets[static_cast<std::size_t>(k)], (SetSummary{k, 3000, 0.1, 0, colours[k]}));
    }
    EXPECT_EQ(sets[6], (SetSummary{6, 2991, 1.0, 2, kGrey}));
    EXPECT_EQ(chart.Value(chartid::SLegendStrings).AsStr(),
              "hb=30m\rhb=50m\rhb=70m\rhb=100m\rhb=150m\rhb=200m\rFree Space");
    EXPECT_EQ(builder.Curve(5).Level[10], HataDavidsonFieldStrength({450, 1.1, 200, 1.5, AreaType::Urban,
                                                                     CitySize::SmallMedium, 50, 50}));
    EXPECT_EQ(chart.Value(chartid::TitleString, 1).AsStr(),
              "Okumura-Hata-Davidson Field Strength, 01/02/2026 09:30 am");
}

TEST_F(FieldStrengthGraph, SingleModelP529BreaksEveryHeightAt100Km) {
    ASSERT_TRUE(Build(Inputs("450.0", 1, 300)));
    const auto sets = Sets(chart);
    ASSERT_EQ(sets.size(), 13u);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(sets[static_cast<std::size_t>(2 * k)].count, 1000);
        EXPECT_EQ(sets[static_cast<std::size_t>(2 * k)].style, 0);
        EXPECT_EQ(sets[static_cast<std::size_t>(2 * k + 1)].count, 2000);
        EXPECT_EQ(sets[static_cast<std::size_t>(2 * k + 1)].style, 3);
    }
    EXPECT_EQ(
        chart.Value(chartid::SLegendStrings).AsStr(),
        "hb=30m\r(cont.)\rhb=50m\r(cont.)\rhb=70m\r(cont.)\rhb=100m\r(cont.)\rhb=150m\r(cont.)\rhb=200m\r"
        "(cont.)\rFree Space");
}

class Measured : public FieldStrengthGraph {
protected:
    void SetUp() override {
        MeasuredRecord table;
        table.TimeFraction = 0.5;
        table.Freq = 450;
        table.Area = "Urban";
        table.ColumnCount = 2;
        table.Hm = 1.5;
        table.ColumnHb[0] = 30;
        table.ColumnHb[1] = 100;
        for (int row = 0; row < 12; ++row) {
            table.Dist[static_cast<std::size_t>(row)] = 2.0 * (row + 1);
            table.Reading[static_cast<std::size_t>(row)][1] = 60.0 - row;
        }
        table.Dist[12] = MeasuredEndMarker();
        table.Reading[12][0] = MeasuredEndMarker();
        table.Reading[12][1] = MeasuredEndMarker();
        table.RowCount = 12;
        records.push_back(table);
    }

    FieldStrengthInputs WithMeasured(bool show) {
        FieldStrengthInputs in = Inputs("450.0", 4, 100);
        in.showMeasuredData = show;
        in.measured = &records;
        return in;
    }

    std::vector<MeasuredRecord> records;
};

TEST_F(Measured, MatchingTableAddsASetAfterFreeSpace) {
    ASSERT_TRUE(Build(WithMeasured(true)));
    const auto sets = Sets(chart);
    ASSERT_FALSE(sets.empty());
    EXPECT_EQ(sets.back(), (SetSummary{sets.back().set, 12, 2.0, 0, kCyan}));
    const PlotCurve& measured = builder.Curve(FieldStrengthGraphBuilder::kMeasuredCurve);
    EXPECT_EQ(measured.Level[11], 49.0);
    EXPECT_EQ(chart.Value(chartid::SLegendStrings).AsStr(),
              "ITU 529\rOkHat Dav\rCost 231\rFree Space\rMeasured");
}

TEST_F(Measured, HiddenOrUnmatchedDataAddsNothing) {
    for (const bool show : {false, true}) {
        RecordingChart caseChart;
        FieldStrengthGraphBuilder caseBuilder;
        FieldStrengthInputs in = WithMeasured(show);
        if (show) {
            in.graph.freq = "460.0";
        }
        ASSERT_TRUE(caseBuilder.Build(caseChart, in, true, kMorning));
        EXPECT_EQ(caseChart.Value(chartid::SLegendStrings).AsStr(),
                  "ITU 529\rOkHat Dav\rCost 231\rFree Space");
        EXPECT_EQ(Sets(caseChart).back().colour, kBlack);
    }
}

TEST_F(Measured, TableWithoutEndMarkerStopsAtItsRowCount) {
    records[0].Reading[12][1] = 33.0;
    records[0].Dist[12] = 26.0;
    ASSERT_TRUE(Build(WithMeasured(true)));
    EXPECT_EQ(builder.Curve(FieldStrengthGraphBuilder::kMeasuredCurve).PointCount(), 12);
}

// The power a test sets, back to the program's default afterwards.
class Power : public ::testing::Test {
protected:
    void TearDown() override { PowerWatts = 1000; }
};

TEST_F(Power, FreeSpaceFollowsThePowerLikeTheModels) {
    // Free space and the ITU 529 curve at 1 km, whose gap does not depend on the power.
    double gap = 0;
    for (const double watts : {1000.0, 1.0, 100000.0}) {
        PowerWatts = watts;
        FieldStrengthGraphBuilder builder;
        RecordingChart chart;
        ASSERT_TRUE(builder.Build(chart, Inputs("450.0", 4, 100), true, kMorning));
        const double shift = 10 * std::log10(watts / 1000);
        const PlotCurve& freeSpace = builder.Curve(FieldStrengthGraphBuilder::kComparisonFreeSpace);
        EXPECT_NEAR(freeSpace.Level[0], 107.0 + shift, 1e-9) << watts;
        EXPECT_NEAR(freeSpace.Level[990], 67.0 + shift, 1e-9) << watts;
        ASSERT_EQ(builder.Curve(0).Dist[9], 1.0);
        if (watts == 1000.0)
            gap = freeSpace.Level[0] - builder.Curve(0).Level[9];
        EXPECT_NEAR(freeSpace.Level[0] - builder.Curve(0).Level[9], gap, 1e-9) << watts;
    }
}

TEST_F(Power, PowerTextAlwaysHoldsADigit) {
    struct Case {
        double watts;
        const char* text;
    };
    const Case cases[] = {
        {1000, "1."}, {1500, "1.5"}, {100, ".1"}, {5, ".01"}, {4, "0.004"}, {1, "0.001"}, {0.5, "0.0005"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(KilowattText(c.watts), c.text) << c.watts;
    PowerWatts = 1;
    GraphInputs in;
    in.area = "Suburban";
    EXPECT_EQ(FieldStrengthGraphBuilder::ParameterTitle(in, false),
              "Frq:150.0MHz, Ant Hm:1m, Area:Suburban, Power:0.001kW e.r.p., 50% of Time,50% of Loc");
}

TEST_F(FieldStrengthGraph, TitleTwoForUrbanAndOtherAreas) {
    GraphInputs in = testsupport::CurveInputs(100);
    PowerWatts = 1000;
    EXPECT_EQ(
        FieldStrengthGraphBuilder::ParameterTitle(in, true),
        "Frq:450.0MHz, Ant Hb:100.0m, Ant Hm:1.5m, Area:Urban, City Size:Small/Medium, Power:1.kW e.r.p.,"
        "50%time,50%Loc");
    in.area = "Suburban";
    EXPECT_EQ(FieldStrengthGraphBuilder::ParameterTitle(in, false),
              "Frq:450.0MHz, Ant Hm:1.5m, Area:Suburban, Power:1.kW e.r.p., 50% of Time,50% of Loc");
}

TEST_F(FieldStrengthGraph, EnglishHeightsAreConvertedAndShownInFeet) {
    FieldStrengthInputs in = Inputs("450.0", 4, 100);
    in.graph.english = true;
    in.graph.hb = "328";
    in.graph.hm = "5";
    ASSERT_TRUE(Build(in));
    EXPECT_DOUBLE_EQ(
        builder.Curve(2).Level[0],
        Cost231FieldStrength({450, 0.1, 99.9744, 1.524, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
    const std::string title = chart.Value(chartid::TitleString, 2).AsStr();
    EXPECT_NE(title.find(" Ant Hb:328ft, Ant Hm:5ft,"), std::string::npos) << title;
}

TEST_F(FieldStrengthGraph, TitleOneIsReadBackBeforeTheDateIsAdded) {
    ASSERT_TRUE(Build(Inputs("450.0", 4, 100)));
    const auto gets = chart.Of(chartid::TitleString, InvokeKind::PropertyGet);
    ASSERT_EQ(gets.size(), 1u);
    EXPECT_EQ(chart.Value(chartid::TitleString, 1).AsStr(),
              "Field Strength Model Comparison, 01/02/2026 09:30 am");
}

TEST_F(FieldStrengthGraph, UnknownModelOrTextLeavesTheChartAlone) {
    EXPECT_FALSE(Build(Inputs("450.0", 5, 100)));
    EXPECT_FALSE(Build(Inputs("four fifty", 4, 100)));
    EXPECT_TRUE(chart.calls.empty());
}

TEST_F(FieldStrengthGraph, UsModelKeepsItsNumber) {
    ASSERT_TRUE(Build(Inputs("450.0", 2, 100)));
    EXPECT_EQ(builder.Curve(0).Level[0],
              USFieldStrength({450, 0.1, 30, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
    EXPECT_EQ(FieldStrengthGraphBuilder::ModelTitle(2), "US Field Strength");
}

} // namespace
