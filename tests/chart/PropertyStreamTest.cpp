#include "PropertyStream.h"
#include "FakeEngineLink.h"
#include "StreamLayout.h"

#include <gtest/gtest.h>

using namespace chart;
using charttest::DoubleBlob;
using charttest::FakeEngineLink;
using charttest::LongBlob;
using charttest::NestedBlobIndex;
using charttest::ReplaceBlob;
using charttest::WalkStream;
using Bytes = std::vector<std::uint8_t>;

namespace {

std::size_t BlobIndex(const char* name, int occurrence = 0) {
    const auto& table = charttest::BlobRows();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (std::string(table[i].name) == name && occurrence-- == 0) {
            return i;
        }
    }
    throw std::invalid_argument(name);
}

Bytes Slice(const Bytes& s, std::size_t at, std::size_t n) {
    return Bytes(s.begin() + at, s.begin() + at + n);
}

bool Load(CChartModel& model, const Bytes& stream, ControlExtent* extent = nullptr) {
    return LoadPropertyStream(model, stream.data(), stream.size(), extent);
}

// A model with something in every kind of field.
void Populate(CChartModel& m) {
    m.PlotBackgroundColor = 0x00123456;
    m.LeftPlotArea = 0.125;
    m.EventZoomY = -1;
    m.SLegendStrings = QString::fromUtf8("Übersicht €\r\nzweite Zeile");
    m.SLegendFont = QString(300, 'F');
    m.AxisTitleString[2] = "Distance (km)";
    m.AxisLabelStrings[1] = QString(70000, 'L');
    m.TitleString[1] = "";
    m.SDataName[3] = "Hata";
    m.SDataNumGroups[3] = 2;
    m.SDataNumPlotPoints[3] = 3;
    m.SDataXData[3] = {1, 2, 3};
    m.SDataYData[3] = {0.5, -1.5, 1e-300, 1e300, -0.0, 7};
    m.SDataXData[0].clear();
    m.SDataYData[0].clear();
    m.SDataNumPlotPoints[0] = 0;
    m.PieSliceLabel[4][15] = "last";
    m.PieSliceExplode[4][0] = 12.5;
    m.GPlotBarColor[31][7] = 0x00ABCDEF;
}

} // namespace

TEST(PropertyStream, DefaultStreamStartsWithVersionExtentMaskAndScalars) {
    CChartModel model(nullptr, nullptr);
    const Bytes s = SavePropertyStream(model, ControlExtent{5292, 2646});
    EXPECT_EQ(Slice(s, 0, 4), (Bytes{0x00, 0x00, 0x01, 0x00}));
    EXPECT_EQ(Slice(s, 4, 8), (Bytes{0xAC, 0x14, 0, 0, 0x56, 0x0A, 0, 0}));
    EXPECT_EQ(Slice(s, 12, 4), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Slice(s, 16, 4), (Bytes{0xFF, 0xFF, 0xFF, 0x00})); // PlotBackgroundColor
    EXPECT_EQ(Slice(s, 20, 8), (Bytes{0x9A, 0x99, 0x99, 0x99, 0x99, 0x99, 0xC9, 0x3F})); // LeftPlotArea 0.2
}

TEST(PropertyStream, FirstBlobIsThirtyTwoZeroCursorHandles) {
    CChartModel model(nullptr, nullptr);
    const Bytes s = SavePropertyStream(model, ControlExtent{});
    const auto layout = WalkStream(s);
    ASSERT_EQ(layout.end, s.size());
    const std::size_t at = layout.blobs[0].offset;
    EXPECT_EQ(Slice(s, at, 6), (Bytes{130, 0, 0, 0, 32, 0}));
    EXPECT_EQ(Slice(s, at + 6, 128), Bytes(128, 0));
}

TEST(PropertyStream, OnlyPointerArraysAreStoredAsByteCountZero) {
    CChartModel model(nullptr, nullptr);
    model.XRawPlotData[0].assign(10, 1.0);
    const auto layout = WalkStream(SavePropertyStream(model, ControlExtent{}));
    for (std::size_t index :
         {BlobIndex("AxisLabelStrings", 1), BlobIndex("XRawPlotData"), BlobIndex("YRawPlotData")}) {
        EXPECT_EQ(layout.blobs[index].byteCount, 0u) << index;
    }
    EXPECT_EQ(layout.blobs[NestedBlobIndex(0, 0)].byteCount, 2u + 10 * 8);
}

TEST(PropertyStream, EmptyArrayIsStoredAsItsImageCountZero) {
    CChartModel model(nullptr, nullptr);
    const Bytes s = SavePropertyStream(model, ControlExtent{});
    const auto layout = WalkStream(s);
    for (std::size_t index : {BlobIndex("AxisLableHandle"), NestedBlobIndex(0, 1), NestedBlobIndex(1, 31)}) {
        EXPECT_EQ(Slice(s, layout.blobs[index].offset, 6), (Bytes{2, 0, 0, 0, 0, 0})) << index;
    }
}

TEST(PropertyStream, SaveLoadSaveIsByteIdentical) {
    for (bool populated : {false, true}) {
        CChartModel source(nullptr, nullptr);
        if (populated) {
            Populate(source);
        }
        const Bytes first = SavePropertyStream(source, ControlExtent{1000, 2000});
        CChartModel target(nullptr, nullptr);
        ControlExtent extent;
        ASSERT_TRUE(Load(target, first, &extent));
        EXPECT_EQ(extent.width, 1000);
        EXPECT_EQ(extent.height, 2000);
        EXPECT_EQ(SavePropertyStream(target, extent), first) << populated;
    }
}

TEST(PropertyStream, LoadedModelHoldsTheStoredValues) {
    CChartModel source(nullptr, nullptr);
    Populate(source);
    CChartModel target(nullptr, nullptr);
    ASSERT_TRUE(Load(target, SavePropertyStream(source, ControlExtent{})));
    EXPECT_EQ(target.PlotBackgroundColor, 0x00123456);
    EXPECT_EQ(target.LeftPlotArea, 0.125);
    EXPECT_EQ(target.SLegendStrings, source.SLegendStrings);
    EXPECT_EQ(target.SLegendFont, source.SLegendFont);
    EXPECT_EQ(target.AxisLabelStrings[1].size(), 70000);
    EXPECT_EQ(target.SDataYData[3], source.SDataYData[3]);
    EXPECT_TRUE(std::signbit(target.SDataYData[3][4]));
    EXPECT_EQ(target.SDataNumPlotPoints[0], 0); // an emptied set stays empty, no demo data comes back
    EXPECT_TRUE(target.SDataXData[0].empty());
    EXPECT_EQ(target.PieSliceLabel[4][15], "last");
    EXPECT_EQ(target.GPlotBarColor[31][7], 0x00ABCDEF);
}

TEST(PropertyStream, ScalarFlagMinusOneIsTheByteFF) {
    CChartModel model(nullptr, nullptr);
    model.EventZoomY = -1;
    model.PrintBorder = 0x100; // non-zero with a zero low byte still reads back as TRUE
    const Bytes s = SavePropertyStream(model, ControlExtent{});
    const auto layout = WalkStream(s);
    EXPECT_EQ(s[layout.scalarOffsets[15]], 0xFF);
    EXPECT_EQ(s[layout.scalarOffsets[25]], 0x01);
    CChartModel target(nullptr, nullptr);
    ASSERT_TRUE(Load(target, s));
    EXPECT_NE(target.EventZoomY, 0);
    EXPECT_NE(target.PrintBorder, 0);
    EXPECT_EQ(SavePropertyStream(target, ControlExtent{}), s); // each flag keeps its byte
}

TEST(PropertyStream, StringsAreWindows1252WithGrowingLengthPrefix) {
    struct Case {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {65533, {0xFF, 0xFD, 0xFF}},
        {65534, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {70000, {0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
    };
    for (const Case& c : cases) {
        CChartModel model(nullptr, nullptr);
        model.SLegendStrings = QString(c.length, QChar(0x20AC)); // the euro sign is 0x80
        const Bytes s = SavePropertyStream(model, ControlExtent{});
        const std::size_t at = WalkStream(s).scalarOffsets[46];
        EXPECT_EQ(Slice(s, at, c.prefix.size()), c.prefix) << c.length;
        if (c.length > 0) {
            EXPECT_EQ(s[at + c.prefix.size()], 0x80);
        }
        CChartModel target(nullptr, nullptr);
        ASSERT_TRUE(Load(target, s));
        EXPECT_EQ(target.SLegendStrings, model.SLegendStrings) << c.length;
    }
}

TEST(PropertyStream, LoadKeepsTheLiveHandlesAndNeverTakesTheStreams) {
    CChartModel source(nullptr, nullptr);
    source.DataSet[1] = 11;
    source.PlotHandle[2] = 12;
    source.AxisHandle[3] = 13;
    source.DataCursorHandle[4] = 14;
    source.AxisLableHandle = {15, 16};
    FakeEngineLink link;
    CChartModel live(nullptr, &link);
    live.DataSet[5] = 99;
    live.PlotHandle[5] = 98;
    ASSERT_TRUE(Load(live, SavePropertyStream(source, ControlExtent{})));
    // The live handles name the objects the chart on screen draws; the next build deletes them.
    LongArray sets(32, 0), plots(32, 0);
    sets[5] = 99;
    plots[5] = 98;
    EXPECT_EQ(live.DataSet, sets);
    EXPECT_EQ(live.PlotHandle, plots);
    EXPECT_EQ(live.AxisHandle, LongArray(4, 0));
    EXPECT_EQ(live.DataCursorHandle, LongArray(32, 0));
    EXPECT_TRUE(live.AxisLableHandle.empty());
    EXPECT_TRUE(link.deleted.empty());
}

TEST(PropertyStream, ArraysKeepEveryStoredElementAndAtLeastTheirNominalSize) {
    CChartModel source(nullptr, nullptr);
    Bytes s = SavePropertyStream(source, ControlExtent{});
    // Older streams of the program's graph windows hold 30016-element arrays.
    std::vector<std::int32_t> wide(30016, 0);
    wide[0] = 0x0000FF;
    wide[3] = 0x00FF00;
    s = ReplaceBlob(s, BlobIndex("AxisTitleColor"), LongBlob(wide));
    s = ReplaceBlob(s, BlobIndex("PlotHandle"), LongBlob(wide));
    s = ReplaceBlob(s, BlobIndex("AxisMax"), DoubleBlob({1.5, 2.5}));
    s = ReplaceBlob(s, NestedBlobIndex(4, 2), LongBlob({3})); // GPlotLineStyle of set 2: one group
    CChartModel target(nullptr, nullptr);
    ASSERT_TRUE(Load(target, s));
    EXPECT_EQ(target.AxisTitleColor, LongArray(wide.begin(), wide.end()));
    EXPECT_EQ(target.PlotHandle, LongArray(32, 0)); // the live model's handles, never the stream's
    // Saved again whole: a 16-bit count and 30016 four-byte elements.
    EXPECT_EQ(
        WalkStream(SavePropertyStream(target, ControlExtent{})).blobs[BlobIndex("AxisTitleColor")].byteCount,
        120066u);
    EXPECT_EQ(target.AxisMax, (DoubleArray{1.5, 2.5, 10, 10})); // the rest keeps the defaults
    EXPECT_EQ(target.GPlotLineStyle[2].size(), 16u);
    EXPECT_EQ(target.GPlotLineStyle[2][0], 3);
}

// Y keeps what the stream holds; no point is drawn from it.
TEST(PropertyStream, AnOlderEmptyArrayImageLoadsAsEmpty) {
    CChartModel source(nullptr, nullptr);
    const Bytes s =
        ReplaceBlob(SavePropertyStream(source, ControlExtent{}), NestedBlobIndex(0, 0), LongBlob({}));
    CChartModel target(nullptr, nullptr);
    ASSERT_TRUE(Load(target, s));
    EXPECT_TRUE(target.SDataXData[0].empty());
    EXPECT_EQ(target.SDataNumPlotPoints[0], 0);
    EXPECT_EQ(target.SDataYData[0], source.SDataYData[0]);
}

// The count saved is the count loaded, except one that the stored X values cannot back.
TEST(PropertyStream, PointCountsLoadAsSavedWithinTheStoredValuesAndYKeepsAllItHolds) {
    CChartModel source(nullptr, nullptr);
    source.SDataNumPlotPoints[2] = 5; // points swapped in without new values
    source.SDataXData[2] = {1, 2, 3};
    source.SDataYData[2] = {4, 5, 6};
    source.SDataNumGroups[2] = 2; // groups changed without a new point count
    source.SDataNumPlotPoints[6] = 16;
    source.SDataXData[6].assign(20, 1.0); // a pie clamped by a build
    source.SDataYData[6].assign(25, 2.0);
    CChartModel target(nullptr, nullptr);
    ASSERT_TRUE(Load(target, SavePropertyStream(source, ControlExtent{})));
    EXPECT_EQ(target.SDataNumPlotPoints[2], 3);
    EXPECT_EQ(target.SDataYData[2], (DoubleArray{4, 5, 6}));
    EXPECT_EQ(target.SDataNumPlotPoints[6], 16);
    EXPECT_EQ(target.SDataYData[6], DoubleArray(25, 2.0));
}

TEST(PropertyStream, ContainerLoadKeepsWhatTheStreamDoesNotHold) {
    CChartModel live(nullptr, nullptr);
    live.CurrentPlot = 5;
    live.DataCursorDefined[3] = 1;
    live.XRawPlotData[1].assign(4, 2.0); // still referenced by the engine's data set
    CChartModel source(nullptr, nullptr);
    ASSERT_TRUE(Load(live, SavePropertyStream(source, ControlExtent{})));
    EXPECT_EQ(live.CurrentPlot, 5);
    EXPECT_EQ(live.DataCursorDefined[3], 1);
    EXPECT_EQ(live.XRawPlotData[1].size(), 4u);
}

TEST(PropertyStream, ResetGivesDefaultScalarsAndKeepsTheArrays) {
    CChartModel model(nullptr, nullptr);
    model.LeftPlotArea = 0.3;
    model.SLegendFont = "Courier New";
    model.AxisMin[1] = -5;
    model.DataSet[3] = 17;
    ResetPersistedState(model);
    EXPECT_EQ(model.LeftPlotArea, 0.2);
    EXPECT_EQ(model.SLegendFont, "Arial");
    EXPECT_EQ(model.AxisMin[1], -5);
    EXPECT_EQ(model.DataSet[3], 0);
}
