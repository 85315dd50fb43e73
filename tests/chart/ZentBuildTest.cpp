#include "CZENTCtrl.h"
#include "ZentTestChart.h"

#include <cstring>
#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace {

class ZentBuild : public ::testing::Test {
protected:
    ZentBuild() {
        control.resize(300, 300);
        zenttest::DefineLine(control, 0x0000FF);
    }
    chart::CChartModel& M() { return control.Model(); }
    void Build() { control.grab(); }
    void Define(int set, int points, int groups, int type) {
        M().SDataNumGroups[static_cast<std::size_t>(set)] = groups;
        M().SDataNumPlotPoints[static_cast<std::size_t>(set)] = points;
        M().SDataXData[static_cast<std::size_t>(set)].assign(static_cast<std::size_t>(points), 1.0);
        M().SDataYData[static_cast<std::size_t>(set)].assign(static_cast<std::size_t>(points * groups), 1.0);
        M().SDataEnable[static_cast<std::size_t>(set)] = 1;
        M().SDataType[static_cast<std::size_t>(set)] = type;
    }

    CZENTCtrl control;
};

TEST_F(ZentBuild, ReversedPlotAreaIsSwappedInTheModel) {
    M().LeftPlotArea = 0.8;
    M().RightPlotArea = 0.2;
    Build();
    EXPECT_EQ(M().LeftPlotArea, 0.2);
    EXPECT_EQ(M().RightPlotArea, 0.8);
}

// The count the build sets is the count a save and load keeps: the chart reloads as it was drawn.
TEST_F(ZentBuild, PieDrawsAtMostSixteenSlicesAndReloadsSo) {
    Define(2, 20, 1, 2);
    Build();
    EXPECT_EQ(M().SDataNumPlotPoints[2], 16);
    EXPECT_NE(M().PlotHandle[2], 0);
    QTemporaryDir dir;
    const QString path = dir.filePath("pie.SER");
    ASSERT_TRUE(control.SaveToFile(path));
    CZENTCtrl other;
    ASSERT_TRUE(other.LoadFromFile(path));
    automation::Variant count;
    ASSERT_EQ(other.Invoke(150, automation::InvokeKind::PropertyGet, {automation::Variant::I2(2)}, &count),
              automation::S_OK);
    EXPECT_EQ(count, automation::Variant::I4(16));
}

TEST_F(ZentBuild, GroupCountMustSuitThePlotKind) {
    Define(1, 5, 2, 0); // simple plot of a two-group set
    Define(3, 5, 1, 1); // group plot of a one-group set
    Build();
    EXPECT_NE(M().DataSet[1], 0);
    EXPECT_EQ(M().PlotHandle[1], 0);
    EXPECT_EQ(M().PlotHandle[3], 0);
    EXPECT_NE(M().PlotHandle[0], 0);
}

TEST_F(ZentBuild, AutoScaledAxisCoversTheEnabledData) {
    M().AxisAutoAxis[1] = 1;
    M().AxisMin[1] = 100.0;
    Build();
    EXPECT_LE(M().AxisMin[1], 1.0);
    EXPECT_GE(M().AxisMax[1], 9.0);
}

TEST_F(ZentBuild, TrackingAxisCrossesAtItsPartnersMinimum) {
    M().AxisInterceptTrack[0] = 1;
    M().AxisMin[1] = 3.0;
    Build();
    EXPECT_EQ(M().AxisIntercept[0], 3.0);
}

TEST_F(ZentBuild, DataCursorIsMadeAtTheNextBuild) {
    Build();
    automation::Variant result;
    using automation::Variant;
    control.Invoke(52, automation::InvokeKind::Method,
                   {Variant::I2(0), Variant::I2(1), Variant::I2(0), Variant::I2(10), Variant::I2(1),
                    Variant::I2(0), Variant::I4(0)},
                   &result);
    EXPECT_EQ(M().DataCursorHandle[0], 0);
    control.UpdateGraph();
    Build();
    EXPECT_NE(M().DataCursorHandle[0], 0);
}

TEST_F(ZentBuild, LogScaleClampsOnlyThePointBuffer) {
    M().AxisScaleMode[0] = 1;
    M().AxisMin[0] = 0.1;
    Build();
    EXPECT_EQ(M().SDataXData[0][0], 0.0);
    EXPECT_EQ(M().XRawPlotData[0][0], 1e-20);
}

TEST_F(ZentBuild, EveryBuildReplacesTheEngineDataSets) {
    Build();
    const std::int32_t first = M().DataSet[0];
    control.UpdateGraph();
    Build();
    EXPECT_NE(M().DataSet[0], 0);
    EXPECT_NE(M().DataSet[0], first);
}

} // namespace
