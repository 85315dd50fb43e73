#include "ArrayExchange.h"

#include <gtest/gtest.h>

using namespace pages;
using chart::DoubleArray;
using chart::LongArray;
using chart::StringArray;

TEST(ArrayExchange, DestinationTakesTheSourceCountInBothDirections) {
    LongArray model = {1, 2, 3};
    LongArray page = {9, 9, 9, 9, 9};
    ExchangeLongArray(model, page, 0);
    EXPECT_EQ(page, (LongArray{1, 2, 3}));
    page = {7};
    ExchangeLongArray(model, page, 1);
    EXPECT_EQ(model, (LongArray{7}));
}

TEST(ArrayExchange, StringsAndDoublesCopyWhole) {
    StringArray model = {"a", "b"};
    StringArray page;
    ExchangeStringArray(model, page, 0);
    EXPECT_EQ(page, model);
    DoubleArray dm;
    DoubleArray dp = {0.5, 1.5};
    ExchangeDoubleArray(dm, dp, 1);
    EXPECT_EQ(dm, dp);
}

TEST(ArrayExchange, ArrayOfArraysResizesOuterThenEachInner) {
    std::vector<LongArray> model = {{1, 2}, {3}};
    std::vector<LongArray> page = {{0, 0, 0}, {0, 0, 0}, {0}};
    ExchangeArrayOfLongArrays(model, page, 0);
    EXPECT_EQ(page, model);
    std::vector<StringArray> labelsModel;
    std::vector<StringArray> labelsPage = {{"x"}, {}};
    ExchangeArrayOfStringArrays(labelsModel, labelsPage, 1);
    EXPECT_EQ(labelsModel, labelsPage);
}

TEST(ArrayExchange, DoubleBufferSavesExactlyCountAndLoadsWhatBothHold) {
    DoubleArray array = {1, 2, 3};
    std::vector<double> buffer = {7, 8};
    ExchangeDoubleBuffer(array, buffer, 2, 1);
    EXPECT_EQ(array, (DoubleArray{7, 8}));
    // A count beyond the buffer fills the rest with zeros instead of reading past it.
    ExchangeDoubleBuffer(array, buffer, 4, 1);
    EXPECT_EQ(array, (DoubleArray{7, 8, 0, 0}));
    array = {5};
    buffer = {0, 0, 0};
    ExchangeDoubleBuffer(array, buffer, 3, 0);
    EXPECT_EQ(buffer, (std::vector<double>{5, 0, 0}));
}
