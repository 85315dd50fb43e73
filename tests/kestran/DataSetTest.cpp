#include "data/DataSet.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace kestran;

TEST(DataSet, RefusesMissingBuffersAndCountsOutsideTheLimits) {
    const double v[2] = {1, 2};
    EXPECT_EQ(DataSet::Create(nullptr, v, 2, 1), nullptr);
    EXPECT_EQ(DataSet::Create(v, nullptr, 2, 1), nullptr);
    EXPECT_EQ(DataSet::Create(v, v, 0, 1), nullptr);
    EXPECT_EQ(DataSet::Create(v, v, -5, 1), nullptr);
    EXPECT_EQ(DataSet::Create(v, v, 2, 0), nullptr);
    EXPECT_EQ(DataSet::Create(v, v, DataSet::kMaxPoints, DataSet::kMaxGroups), nullptr);
}

TEST(DataSet, RangesSkipNonFiniteValues) {
    const double x[4] = {3, NAN, -2, INFINITY};
    const double y[4] = {NAN, 5, 1, 2};
    auto d = DataSet::Create(x, y, 4, 1);
    double lo = 0, hi = 1;
    ASSERT_TRUE(d->XRange(lo, hi));
    EXPECT_EQ(lo, -2);
    EXPECT_EQ(hi, 3);
    ASSERT_TRUE(d->YRange(lo, hi));
    EXPECT_EQ(lo, 1);
    EXPECT_EQ(hi, 5);
}

TEST(DataSet, StackedRangeRunsOverTheTotalsOfEachPoint) {
    const double x[3] = {1, 2, 3};
    const double y[9] = {1, 2, 3, /**/ -4, NAN, 1, /**/ 2, 2, 100};
    auto d = DataSet::Create(x, y, 3, 3);
    double lo = 0, hi = 0;
    ASSERT_TRUE(d->StackedYRange(3, lo, hi));
    EXPECT_EQ(lo, -4);
    EXPECT_EQ(hi, 104);
    ASSERT_TRUE(d->StackedYRange(2, lo, hi)); // the groups a plot draws
    EXPECT_EQ(hi, 4);
    const double up[2] = {2, 3};
    ASSERT_TRUE(DataSet::Create(x, up, 1, 2)->StackedYRange(2, lo, hi));
    EXPECT_EQ(lo, 0); // stacks stand on 0
    EXPECT_EQ(hi, 5);
    const double nan[2] = {NAN, NAN};
    EXPECT_FALSE(DataSet::Create(x, nan, 1, 2)->StackedYRange(2, lo, hi));
}

TEST(DataSet, NoFiniteValueLeavesTheOutputs) {
    const double x[1] = {NAN};
    auto d = DataSet::Create(x, x, 1, 1);
    double lo = 0, hi = 1;
    EXPECT_FALSE(d->XRange(lo, hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 1);
}

TEST(DataSet, SortMovesGroupsAndMarksWithTheirPoints) {
    const double x[3] = {3, 1, 2};
    const double y[6] = {30, 31, 10, 11, 20, 21};
    auto d = DataSet::Create(x, y, 3, 2);
    d->Mark(0, true); // the point at x = 3
    d->SortX(true);
    EXPECT_EQ(d->Xs(), (std::vector<double>{1, 2, 3}));
    EXPECT_EQ(d->Ys(), (std::vector<double>{10, 11, 20, 21, 30, 31}));
    EXPECT_TRUE(d->Marked(2));
    EXPECT_FALSE(d->Marked(0));
    d->SortY(false);
    EXPECT_EQ(d->Xs(), (std::vector<double>{3, 2, 1}));
}

TEST(DataSet, NonFiniteKeysSortLast) {
    const double x[3] = {NAN, 2, 1};
    auto d = DataSet::Create(x, x, 3, 1);
    d->SortX(false);
    EXPECT_EQ(d->X(0), 2);
    EXPECT_EQ(d->X(1), 1);
    EXPECT_TRUE(std::isnan(d->X(2)));
}

TEST(DataSet, MarksOutsideThePointsAreRefused) {
    const double x[2] = {1, 2};
    auto d = DataSet::Create(x, x, 2, 1);
    EXPECT_FALSE(d->Mark(2, true));
    EXPECT_FALSE(d->Mark(-1, true));
    EXPECT_TRUE(d->Mark(1, true));
    EXPECT_TRUE(d->Mark(1, false));
    EXPECT_TRUE(d->MarkedPoints().empty());
}
