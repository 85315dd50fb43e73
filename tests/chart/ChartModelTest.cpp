#include "ChartModel.h"
#include "ArrayProperties.h"
#include "FakeEngineLink.h"

#include <gtest/gtest.h>

using namespace chart;
using charttest::FakeEngineLink;

namespace {

std::size_t SizeOf(const CChartModel& model, const ArrayMember& member) {
    return std::visit(
        [&](auto m) -> std::size_t {
            if constexpr (std::is_same_v<decltype(m), PointerArray>) {
                return 0;
            } else {
                return (model.*m).size();
            }
        },
        member);
}

} // namespace

TEST(ChartModel, FreshModelHoldsTenDemoPointsInSetZeroOnly) {
    CChartModel model(nullptr, nullptr);
    EXPECT_EQ(model.SDataNumPlotPoints[0], 10);
    EXPECT_EQ(model.SDataEnable[0], 1);
    EXPECT_EQ(model.SDataName[0], "First");
    ASSERT_EQ(model.SDataXData[0].size(), 10u);
    ASSERT_EQ(model.SDataYData[0].size(), 10u);
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(model.SDataXData[0][j], j + 1);
        EXPECT_GE(model.SDataYData[0][j], 0.01);
        EXPECT_LE(model.SDataYData[0][j], 10.01);
    }
    for (int i = 1; i < kSetCount; ++i) {
        EXPECT_EQ(model.SDataNumPlotPoints[i], 0) << i;
        EXPECT_EQ(model.SDataNumGroups[i], 1) << i;
        EXPECT_EQ(model.SDataEnable[i], 0) << i;
        EXPECT_TRUE(model.SDataXData[i].empty()) << i;
        EXPECT_TRUE(model.SDataName[i].isEmpty()) << i;
    }
}

TEST(ChartModel, EveryPersistedArrayHasItsNominalSize) {
    CChartModel model(nullptr, nullptr);
    for (const ArrayProperty& p : ArrayProperties()) {
        EXPECT_EQ(SizeOf(model, p.member), static_cast<std::size_t>(p.nominal)) << p.name;
    }
    for (const NestedArrayProperty& family : NestedArrayProperties()) {
        std::visit(
            [&](auto m) {
                ASSERT_EQ((model.*m).size(), 32u) << family.name;
                if (family.innerNominal != kVariableSize) {
                    for (const auto& inner : model.*m) {
                        EXPECT_EQ(inner.size(), 16u) << family.name;
                    }
                }
            },
            family.member);
    }
    EXPECT_EQ(model.DataCursorColor.size(), 32u);
    EXPECT_EQ(model.XRawPlotData.size(), 32u);
    EXPECT_EQ(model.AxisLabelBlocks.size(), 4u);
}

TEST(ChartModel, AxisAndTitleDefaults) {
    CChartModel model(nullptr, nullptr);
    EXPECT_EQ(model.ScaleEnable, (LongArray{1, 0}));
    EXPECT_EQ(model.AxisEnable, (LongArray{1, 1, 0, 0}));
    EXPECT_EQ(model.AxisIntercept, (DoubleArray{0, 0, 10, 10}));
    EXPECT_EQ(model.AxisMax, (DoubleArray{10, 10, 10, 10}));
    EXPECT_EQ(model.AxisMajorTickInterval, (DoubleArray{5, 5, 5, 5}));
    EXPECT_EQ(model.AxisLabelPos, (LongArray{0, 1, 4, 2}));
    EXPECT_EQ(model.AxisGridLineStyle, (LongArray{2, 2, 2, 2}));
    EXPECT_EQ(model.AxisTitleFont, (StringArray(4, "Arial")));
    EXPECT_EQ(model.TitleString, (StringArray{"Title", "", ""}));
    EXPECT_EQ(model.TitleFontSize, (LongArray{8, 6, 6}));
    EXPECT_EQ(model.SPlotBarHatch[5], -1);
    EXPECT_EQ(model.SPlotDataset[7], 7);
    EXPECT_EQ(model.PieDiameter[31], 0.4);
    EXPECT_EQ(model.PieSliceHatch[3][15], -1);
    EXPECT_EQ(model.SLegendFont, "Arial");
    EXPECT_EQ(model.PrintBorder, 1);
    EXPECT_EQ(model.EventZoomResetMaxY, 10.0);
}

TEST(ChartModel, DefaultColoursFollowTheCodeTable) {
    const int codes[] = {1, 2, 4, 14, 3, 5, 8, 9, 10, 12, 11, 13, 16, 17, 6, 15, 7, 18, 19};
    for (int k = 0; k < 19; ++k) {
        EXPECT_EQ(CChartModel::MapDefaultColorIndex(k), codes[k]) << k;
    }
    EXPECT_EQ(CChartModel::MapDefaultColorIndex(19), 0);
    EXPECT_EQ(CChartModel::MapDefaultColorIndex(-1), 0);
    FakeEngineLink link;
    CChartModel model(nullptr, &link);
    EXPECT_EQ(model.SPlotLineColor[3], 0x010101 * 14);
    EXPECT_EQ(model.GPlotLineColor[9][2], 0x010101 * 4);
    EXPECT_EQ(model.SPlotScatterColor[25], 0);
}

TEST(ChartModel, FreeDataSetsDeletesEachEngineSetOnceThroughTheLink) {
    FakeEngineLink link;
    CChartModel model(nullptr, &link);
    model.DataSet[2] = 7;
    model.DataSet[31] = 0x1FFFF;
    model.XRawPlotData[2].assign(5, 1.0);
    model.FreeDataSets();
    EXPECT_EQ(link.deleted, (std::vector<std::uint16_t>{7, 0xFFFF}));
    EXPECT_EQ(model.DataSet, LongArray(32, 0));
    EXPECT_TRUE(model.XRawPlotData[2].empty());
}

TEST(ChartModel, ResetDataTwiceIsHarmless) {
    FakeEngineLink link;
    CChartModel model(nullptr, &link);
    model.DataSet[4] = 9;
    model.ReadingOut = 1;
    model.AxisLabelBlocks[1].assign(42 * 100, 'x');
    model.LegendLineBlock.assign(42, 'y');
    model.ResetData();
    model.ResetData();
    EXPECT_EQ(link.deleted, (std::vector<std::uint16_t>{9}));
    EXPECT_EQ(link.releases, 2);
    EXPECT_EQ(model.ReadingOut, 0);
    EXPECT_TRUE(model.AxisLabelBlocks[1].empty());
    EXPECT_TRUE(model.LegendLineBlock.empty());
    EXPECT_EQ(model.SDataXData[0].size(), 10u); // the data itself stays
}

TEST(ChartModel, DemoDataFillsEveryGroupCell) {
    CChartModel model(nullptr, nullptr);
    model.SDataNumGroups[5] = 3;
    model.MakeDemoDataSet(5, 4, 1.0);
    EXPECT_EQ(model.SDataNumPlotPoints[5], 4);
    EXPECT_EQ(model.SDataXData[5], (DoubleArray{1, 2, 3, 4}));
    EXPECT_EQ(model.SDataYData[5].size(), 12u);
}

TEST(ChartModel, StoredHandleKeepsTheLow16Bits) {
    EXPECT_EQ(StoredHandle(0x12345u), 0x2345);
    EXPECT_EQ(StoredHandle(0xFFFFu), 0xFFFF);
}
