// Bar charts on auto-scaled axes, drawn and read back from their pixels: every bar whole and
// visible, plain bars from 0, stacks from 0 whichever way they grow.

#include "CZENTCtrl.h"
#include "ZentTestChart.h"

#include <gtest/gtest.h>
#include <QImage>
#include <vector>

namespace {

constexpr std::int32_t kBlue = 0xFF0000, kGreen = 0x00C000, kRed = 0x0000FF;

// A 400 x 300 control, plot area 80..320 across and 60..240 down, both primary axes auto-scaled.
class ZentBarScale : public ::testing::Test {
protected:
    ZentBarScale() {
        control.resize(400, 300);
        M().TitleString[0] = "";
        M().SDataEnable[0] = 0;
        M().AxisAutoAxis[0] = M().AxisAutoAxis[1] = 1;
    }
    chart::CChartModel& M() { return control.Model(); }
    void Define(int set, std::vector<double> x, std::vector<double> y, int groups) {
        const auto i = static_cast<std::size_t>(set);
        M().SDataNumPlotPoints[i] = static_cast<std::int32_t>(x.size());
        M().SDataNumGroups[i] = groups;
        M().SDataXData[i] = std::move(x);
        M().SDataYData[i] = std::move(y);
        M().SDataEnable[i] = 1;
        M().SDataType[i] = groups > 1 ? 1 : 0;
    }
    void PlainBars(int set, std::vector<double> x, std::vector<double> y, std::int32_t colour) {
        Define(set, std::move(x), std::move(y), 1);
        M().SPlotType[static_cast<std::size_t>(set)] = 1;
        M().SPlotBarColor[static_cast<std::size_t>(set)] = colour;
    }
    QImage Draw() { return control.grab().toImage(); }
    // Device row of a value on the Y axis as the build scaled it.
    double Row(double v) { return 240.0 - (v - M().AxisMin[1]) / (M().AxisMax[1] - M().AxisMin[1]) * 180.0; }

    // The runs of columns of the plot area that hold the colour, as (first, last).
    static std::vector<std::pair<int, int>> Bars(const QImage& image, std::int32_t colour) {
        std::vector<std::pair<int, int>> runs;
        for (int x = 70; x <= 330; ++x) {
            if (zenttest::CountColour(image, QRect(x, 50, 1, 200), colour) == 0) {
                continue;
            }
            if (!runs.empty() && runs.back().second == x - 1) {
                runs.back().second = x;
            } else {
                runs.push_back({x, x});
            }
        }
        return runs;
    }
    // The first and last row of a column that hold the colour; (-1, -1) when none does.
    static std::pair<int, int> Rows(const QImage& image, int x, std::int32_t colour) {
        std::pair<int, int> rows{-1, -1};
        for (int y = 50; y <= 250; ++y) {
            if (zenttest::CountColour(image, QRect(x, y, 1, 1), colour) > 0) {
                rows = {rows.first < 0 ? y : rows.first, y};
            }
        }
        return rows;
    }

    CZENTCtrl control;
};

TEST_F(ZentBarScale, PlainBarsAreWholeAtBothEndsAndStandOnZero) {
    PlainBars(1, {1, 2, 3, 4, 5, 6}, {3, 5, 8, 4, 6, 7}, kBlue);
    const QImage image = Draw();
    EXPECT_EQ(M().AxisMin[1], 0.0);
    const auto bars = Bars(image, kBlue);
    ASSERT_EQ(bars.size(), 6u); // the lowest bar (3) among them
    const int width = bars[2].second - bars[2].first;
    EXPECT_GT(width, 10);
    for (const auto& [first, last] : bars) {
        EXPECT_NEAR(last - first, width, 1) << first;
        EXPECT_NEAR(Rows(image, (first + last) / 2, kBlue).second, Row(0.0), 1.5) << first;
    }
}

TEST_F(ZentBarScale, TheLowestNegativeBarStaysVisible) {
    PlainBars(1, {1, 2, 3}, {-2, -10, -6}, kRed);
    const QImage image = Draw();
    EXPECT_LT(M().AxisMin[1], -10.0);
    EXPECT_GE(M().AxisMax[1], 0.0);
    const auto bars = Bars(image, kRed);
    ASSERT_EQ(bars.size(), 3u);
    const auto [top, bottom] = Rows(image, (bars[1].first + bars[1].second) / 2, kRed);
    EXPECT_GT(bottom - top, 3); // -10 stands clear of the axis
}

// Point 1 stacks -3 and -2, point 2 stacks 4 and 3: each stack starts at 0, whichever way it grows.
TEST_F(ZentBarScale, StackedSegmentsGrowFromZeroEitherWay) {
    Define(1, {1, 2}, {-3, -2, 4, 3}, 2);
    M().GPlotType[1] = 2;
    M().GPlotLineColor[1][0] = kBlue;
    M().GPlotLineColor[1][1] = kGreen;
    const QImage image = Draw();
    EXPECT_LT(M().AxisMin[1], -5.0);
    EXPECT_GE(M().AxisMax[1], 7.0);
    const auto first = Bars(image, kBlue);
    ASSERT_EQ(first.size(), 2u);
    struct Segment {
        int bar;
        std::int32_t colour;
        double from, to;
    };
    for (const Segment& s : {Segment{0, kBlue, 0, -3}, Segment{0, kGreen, -3, -5}, Segment{1, kBlue, 0, 4},
                             Segment{1, kGreen, 4, 7}}) {
        const int x = (first[std::size_t(s.bar)].first + first[std::size_t(s.bar)].second) / 2;
        const auto [top, bottom] = Rows(image, x, s.colour);
        EXPECT_NEAR(top, Row(std::max(s.from, s.to)), 1.5) << s.bar << " " << s.colour;
        EXPECT_NEAR(bottom, Row(std::min(s.from, s.to)), 1.5) << s.bar << " " << s.colour;
    }
}

} // namespace
