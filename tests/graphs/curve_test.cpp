// Curve segmentation by validity, the distance grid, the archive's point chunk and its input text.

#include "ArchiveParameters.h"
#include "DistanceGrid.h"
#include "PlotCurve.h"
#include "PointChunk.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

bool operator==(const CurveSegment& a, const CurveSegment& b) {
    return a.start == b.start && a.count == b.count && a.valid == b.valid;
}

void PrintTo(const CurveSegment& p, std::ostream* os) {
    *os << "{" << p.start << ", " << p.count << ", " << (p.valid ? "valid" : "outside") << "}";
}

namespace {

struct SegmentCase {
    const char* name;
    std::string validity; // one letter per point: 'v' valid, 'x' outside the range
    int segmentCount;
    std::vector<int> segmentStart; // entries 0 to segmentCount
    std::vector<CurveSegment> segments;
};

std::unique_ptr<PlotCurve> Collect(const std::string& validity) {
    auto curve = std::make_unique<PlotCurve>();
    curve->Begin(!validity.empty() && validity[0] == 'v');
    for (std::size_t i = 0; i < validity.size(); ++i) {
        curve->Add(1.0 + 0.1 * static_cast<double>(i), validity[i] == 'v', 100.0 + static_cast<double>(i));
    }
    curve->Finish();
    return curve;
}

class Segmentation : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(Segmentation, RecordsChangesAndCutsSegments) {
    const SegmentCase& c = GetParam();
    const auto curve = Collect(c.validity);
    EXPECT_EQ(curve->Count, static_cast<int>(c.validity.size()) - 1);
    EXPECT_EQ(curve->SegmentCount, c.segmentCount);
    for (std::size_t k = 0; k < c.segmentStart.size(); ++k) {
        EXPECT_EQ(curve->SegmentStart[k], c.segmentStart[k]) << "entry " << k;
    }
    EXPECT_EQ(CurveSegments(*curve), c.segments);
}

INSTANTIATE_TEST_SUITE_P(
    Curves, Segmentation,
    ::testing::Values(
        SegmentCase{"AllValid", "vvvvv", 0, {4}, {{0, 5, true}}},
        SegmentCase{"AllOutside", "xxxx", 0, {3}, {{0, 4, false}}},
        SegmentCase{"SinglePoint", "v", 0, {0}, {{0, 1, true}}},
        // The first segment keeps only the points of the starting validity; the next one runs to the end.
        SegmentCase{"LeavesRange", "vvvxxx", 1, {3, 5}, {{0, 3, true}, {3, 3, false}}},
        SegmentCase{"EntersRange", "xxvv", 1, {2, 3}, {{0, 2, false}, {2, 2, true}}},
        // A middle segment also holds the first point of the segment after it.
        SegmentCase{"LeavesAndReturns", "vvxxvv", 2, {2, 4, 5}, {{0, 2, true}, {2, 3, false}, {4, 2, true}}},
        SegmentCase{"ChangeAtLastPoint", "vvvx", 1, {3, 3}, {{0, 3, true}, {3, 1, false}}},
        // Six changes at most make segments; a seventh and eighth only move the last start.
        SegmentCase{"EightChanges",
                    "vxvxvxvxvv",
                    6,
                    {1, 2, 3, 4, 5, 6, 9},
                    {{0, 1, true},
                     {1, 2, false},
                     {2, 2, true},
                     {3, 2, false},
                     {4, 2, true},
                     {5, 2, false},
                     {6, 4, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlotCurve, EmptyCurveHasNoSegmentAndLastIndexMinusOne) {
    PlotCurve curve;
    curve.Begin(true);
    curve.Finish();
    EXPECT_EQ(curve.Count, -1);
    EXPECT_EQ(curve.PointCount(), 0);
    EXPECT_EQ(curve.SegmentStart[0], -1);
    EXPECT_TRUE(CurveSegments(curve).empty());
}

TEST(PlotCurve, StoresValuesAndDistancesAtTheirIndex) {
    const auto curve = Collect("vvx");
    EXPECT_DOUBLE_EQ(curve->Dist[2], 1.2);
    EXPECT_DOUBLE_EQ(curve->Level[2], 102.0);
}

TEST(PlotCurve, RefusesPointsBeyondItsSize) {
    auto curve = std::make_unique<PlotCurve>();
    curve->Begin(true);
    for (int i = 0; i < PlotCurve::kMaxPoints; ++i) {
        ASSERT_TRUE(curve->Add(i * 0.1, true, 0));
    }
    EXPECT_FALSE(curve->Add(999, false, 0));
    curve->Finish();
    EXPECT_EQ(curve->Count, 3200);
    EXPECT_EQ(curve->SegmentCount, 0);
}

struct GridCase {
    double start;
    double max;
    int count;
    double first;
    double last;
};

class Grid : public ::testing::TestWithParam<GridCase> {};

TEST_P(Grid, RunsInTenthsFromStartToMaximum) {
    const GridCase& c = GetParam();
    const DistanceGrid grid = MakeDistanceGrid(c.start, c.max);
    ASSERT_EQ(grid.count, c.count);
    if (c.count > 0) {
        EXPECT_EQ(grid.At(0), c.first);
        EXPECT_EQ(grid.At(c.count - 1), c.last);
    }
}

INSTANTIATE_TEST_SUITE_P(Distances, Grid,
                         ::testing::Values(GridCase{0.1, 100, 1000, 0.1, 100.0},
                                           GridCase{1.0, 100, 991, 1.0, 100.0},
                                           GridCase{0.1, 300, 3000, 0.1, 300.0},
                                           GridCase{1.0, 300, 2991, 1.0, 300.0}, GridCase{1.0, 0.5, 0, 0, 0},
                                           GridCase{1.0, 1.0, 1, 1.0, 1.0},
                                           // A curve holds 3201 points, whatever the maximum.
                                           GridCase{0.1, 1000, 3201, 0.1, 320.1}));

TEST(Grid, NotANumberGivesNoPoint) {
    EXPECT_EQ(MakeDistanceGrid(1.0, std::nan("")).count, 0);
}

TEST(PointChunk, TwoPointsAreThirtyThreeLittleEndianBytes) {
    const double x[] = {1.0, 1.1};
    const double y[] = {120.5, 121.0};
    const ByteChunk chunk = PackPoints2(2, x, y);
    ASSERT_EQ(chunk.size(), 33u);
    // 1.0 is 0x3FF0000000000000: the high byte comes last.
    const ByteChunk one = {0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    EXPECT_EQ(ByteChunk(chunk.begin(), chunk.begin() + 8), one);
    EXPECT_EQ(ChunkValue(chunk, 8), 120.5);
    EXPECT_EQ(ChunkValue(chunk, 16), 1.1);
    EXPECT_EQ(ChunkValue(chunk, 24), 121.0);
    EXPECT_EQ(chunk.back(), 0);
}

TEST(PointChunk, ThreeValuesPerPointTakeTwentyFourBytes) {
    const double x[] = {1, 2};
    const double y[] = {3, 4};
    const double z[] = {5, 6};
    const ByteChunk chunk = PackPoints3(2, x, y, z);
    ASSERT_EQ(chunk.size(), 49u);
    EXPECT_EQ(ChunkValue(chunk, 24), 2.0);
    EXPECT_EQ(ChunkValue(chunk, 40), 6.0);
}

TEST(PointChunk, NoPointsIsTheClosingByteOnly) {
    EXPECT_EQ(PackPoints2(0, nullptr, nullptr), ByteChunk{0});
    EXPECT_EQ(PackPoints2(-3, nullptr, nullptr), ByteChunk{0});
}

struct ParametersCase {
    const char* area;
    double watts;
    const char* expected;
};

class Parameters : public ::testing::TestWithParam<ParametersCase> {};

TEST_P(Parameters, DescribeTheInputsInOneLine) {
    GraphInputs in;
    in.hb = "30.0";
    in.hm = " 1.5 ";
    in.freq = "450.0";
    in.area = GetParam().area;
    in.city = "Small/Medium";
    in.pctTime = "50";
    in.pctLoc = "50 ";
    EXPECT_EQ(ArchiveParameters(in, GetParam().watts), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Areas, Parameters,
    ::testing::Values(
        ParametersCase{"Urban", 1000,
                       "hb:30.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L"},
        ParametersCase{"Suburban", 1000, "hb:30.0,hm:1.5,frq:450.0,Suburban,Power:1.kW e.r.p.,50%T,50%L"},
        ParametersCase{"Open", 2500, "hb:30.0,hm:1.5,frq:450.0,Open,Power:2.5kW e.r.p.,50%T,50%L"},
        // The city belongs to any spelling of the urban area.
        ParametersCase{" urban", 1000,
                       "hb:30.0,hm:1.5,frq:450.0, urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L"}));

} // namespace
