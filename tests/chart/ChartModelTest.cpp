#include "ChartModel.h"
#include "FakeEngineLink.h"
#include "ModelFields.h"
#include "ScalarProperties.h"

#include <functional>
#include <set>

#include <gtest/gtest.h>

using namespace chart;
using charttest::FakeEngineLink;

namespace {

using charttest::FieldValues;
using charttest::Value;
using Values = std::vector<Value>;

Values Same(int count, const Value& value) {
    return Values(static_cast<std::size_t>(count), value);
}

Values Longs(std::initializer_list<std::int32_t> values) {
    return Values(values.begin(), values.end());
}

Values Strings(std::initializer_list<const char*> values) {
    Values out;
    for (const char* v : values) {
        out.emplace_back(std::string(v));
    }
    return out;
}

// Set 0 first, then the other 31 sets.
Values FirstAndRest(const Value& first, const Value& rest) {
    Values out = Same(32, rest);
    out[0] = first;
    return out;
}

// Palette codes of the default colours of items 0..18; later items are code 0. The fake engine's
// palette colour of code c is 0x010101 x c.
std::int32_t DefaultColour(int item) {
    static const int codes[] = {1, 2, 4, 14, 3, 5, 8, 9, 10, 12, 11, 13, 16, 17, 6, 15, 7, 18, 19};
    return item < 19 ? 0x010101 * codes[item] : 0;
}

Values SetColours() {
    Values out;
    for (int i = 0; i < 32; ++i) {
        out.emplace_back(DefaultColour(i));
    }
    return out;
}

// 32 sets of 16 groups or slices.
Values PerGroup(const std::function<Value(int group)>& value) {
    Values out;
    for (int set = 0; set < 32; ++set) {
        for (int g = 0; g < 16; ++g) {
            out.push_back(value(g));
        }
    }
    return out;
}

struct DefaultRow {
    const char* name;
    Values values;
};

// The default chart, setting by setting.
std::vector<DefaultRow> DefaultRows() {
    const Value zero = std::int32_t{0};
    const Value one = std::int32_t{1};
    const Value empty = std::string();
    const Value arial = std::string("Arial");
    std::vector<DefaultRow> rows = {
        // Plot area, window, ticks.
        {"TopPlotArea", {0.2}},
        {"BottomPlotArea", {0.8}},
        {"LeftPlotArea", {0.2}},
        {"RightPlotArea", {0.8}},
        {"WindowBackgroundColor", Longs({0xFFFFFF})},
        {"PlotBackgroundColor", Longs({0xFFFFFF})},
        {"WindowBorderColor", {zero}},
        {"WindowBorderStyle", {zero}},
        {"WindowBorderThickness", {one}},
        {"MajorTickSize", Longs({10})},
        {"MinorTickSize", Longs({5})},
        // Mouse, printing, current items.
        {"EventZoom", {zero}},
        {"EventShowPropPage", {zero}},
        {"EventRetrieveDataValue", {zero}},
        {"EventDataCursorType", {zero}},
        {"EventZoomX", {zero}},
        {"EventZoomXRoundMode", {zero}},
        {"EventZoomY", {zero}},
        {"EventZoomYRoundMode", {zero}},
        {"EventZoomReset", {zero}},
        {"EventZoomResetMinX", {0.0}},
        {"EventZoomResetMinY", {0.0}},
        {"EventZoomResetMaxX", {10.0}},
        {"EventZoomResetMaxY", {10.0}},
        {"PrintStyle", {zero}},
        {"PrintBorder", {one}},
        {"PrintMaintainAspectRatio", {zero}},
        {"PrintPlotBackground", {zero}},
        {"PrintGraphBackground", {zero}},
        {"PrintBottom", {1.0}},
        {"PrintLeft", {0.0}},
        {"PrintRight", {1.0}},
        {"PrintTop", {0.0}},
        {"CurrentPlot", {zero}},
        {"CurrentAxis", {zero}},
        {"ReadingOut", {zero}},
        {"Zooming", {zero}},
        {"ScaleEnable", Longs({1, 0})},
        // Legend.
        {"SLegendTop", {0.01}},
        {"SLegendBottom", {0.3}},
        {"SLegendLeft", {0.7}},
        {"SLegendRight", {0.99}},
        {"SLegendType", {zero}},
        {"SLegendBackgroundColor", Longs({0xFFFFFF})},
        {"SLegendBorderColor", {zero}},
        {"SLegendBorderThickness", {one}},
        {"SLegendStrings", {empty}},
        {"LegendLineCount", {zero}},
        {"SLegendFont", {arial}},
        {"SLegendFontStyle", {zero}},
        {"SLegendFontSize", Longs({6})},
        {"SLegendFontColor", {zero}},
        {"SLegendOrientation", {zero}},
        {"SLegendEnable", {zero}},
        // Axes 0..3.
        {"AxisEnable", Longs({1, 1, 0, 0})},
        {"AxisInterceptTrack", Longs({1, 1, 0, 0})},
        {"AxisLabelsEnable", Longs({1, 1, 0, 0})},
        {"AxisMin", Same(4, 0.0)},
        {"AxisMax", Same(4, 10.0)},
        {"AxisIntercept", {0.0, 0.0, 10.0, 10.0}},
        {"AxisMinorTicks", Same(4, std::int32_t{4})},
        {"AxisMajorTickInterval", Same(4, 5.0)},
        {"AxisTickStyle", Longs({0, 1, 4, 2})},
        {"AxisLabelPos", Longs({0, 1, 4, 2})},
        {"AxisTitlePos", Longs({0, 1, 4, 2})},
        {"AxisLabelFont", Same(4, arial)},
        {"AxisTitleFont", Same(4, arial)},
        {"AxisLabelFontSize", Same(4, std::int32_t{6})},
        {"AxisTitleFontSize", Same(4, std::int32_t{6})},
        {"AxisLabelStrings", Same(4, empty)},
        {"AxisTitleString", Same(4, empty)},
        {"AxisGridType", Same(4, std::int32_t{2})},
        {"AxisGridLineWidth", Same(4, one)},
        {"AxisGridLineStyle", Same(4, std::int32_t{2})},
        {"AxisLableHandle", {}},
        // Titles 0..2.
        {"TitleString", Strings({"Title", "", ""})},
        {"TitleFont", Same(3, arial)},
        {"TitleColor", Same(3, zero)},
        {"TitleFontStyle", Same(3, zero)},
        {"TitleFontSize", Longs({8, 6, 6})},
        {"TitlePos", Same(3, std::int32_t{4})},
        // Data sets 0..31 (set 0 holds the demo data).
        {"SDataNumPlotPoints", FirstAndRest(std::int32_t{10}, zero)},
        {"SDataNumGroups", Same(32, one)},
        {"SDataEnable", FirstAndRest(one, zero)},
        {"SDataName", FirstAndRest(std::string("First"), empty)},
        {"SPlotLineColor", SetColours()},
        {"SPlotBarColor", SetColours()},
        {"SPlotScatterColor", SetColours()},
        {"SPlotLineThickness", Same(32, std::int32_t{2})},
        {"SPlotBarType", Same(32, std::int32_t{6})},
        {"SPlotBarHatch", Same(32, std::int32_t{-1})},
        {"SPlotBarJustify", Same(32, one)},
        {"SPlotBarWidth", Same(32, 0.75)},
        {"SPlotScatterShape", Same(32, one)},
        {"SPlotScatterSize", Same(32, std::int32_t{5})},
        {"GPlotType", Same(32, std::int32_t{2})},
        {"GPlotBarType", Same(32, std::int32_t{6})},
        {"GPlotBarWidth", Same(32, 1.0)},
        {"GPlotBarJustify", Same(32, one)},
        {"GPlotLineThickness", Same(32, one)},
        {"GPlotScatterSize", Same(32, std::int32_t{5})},
        {"GPlotScatterShape", Same(32, one)},
        {"PieNumberPos", Same(32, one)},
        {"PieCenterX", Same(32, 0.5)},
        {"PieCenterY", Same(32, 0.5)},
        {"PieDiameter", Same(32, 0.4)},
        {"PieNumericFont", Same(32, arial)},
        {"PieFontSize", Same(32, std::int32_t{6})},
        {"GPlotLineColor", PerGroup([](int g) { return DefaultColour(g); })},
        {"GPlotBarColor", PerGroup([](int g) { return DefaultColour(g); })},
        {"PieSliceFillColor", PerGroup([](int g) { return DefaultColour(g); })},
        {"PieSliceBorderColor", PerGroup([](int g) { return DefaultColour(g); })},
        {"GPlotLineStyle", PerGroup([](int) { return std::int32_t{0}; })},
        {"GPlotBarHatch", PerGroup([](int) { return std::int32_t{-1}; })},
        {"PieSliceHatch", PerGroup([](int) { return std::int32_t{-1}; })},
        {"PieSliceExplode", PerGroup([](int) { return 0.0; })},
        {"PieSliceLabel", PerGroup([](int) { return std::string(); })},
    };
    Values plotDataset;
    for (int i = 0; i < 32; ++i) {
        plotDataset.emplace_back(std::int32_t{i});
    }
    rows.push_back({"SPlotDataset", plotDataset});
    for (const char* axisZero :
         {"AxisAutoAxis", "AxisScaleMode", "AxisColor", "AxisLineWidth", "AxisNumericStyle", "AxisLabelDecs",
          "AxisLabelColor", "AxisLabelFontStyle", "NumAxisLabelStrings", "AxisLabelStringsEnable",
          "AxisLabelStringsStart", "AxisTitleFontStyle", "AxisTitleColor", "AxisGridEnable", "AxisGridColor",
          "AxisHandle"}) {
        rows.push_back({axisZero, Same(4, zero)});
    }
    for (const char* cursorZero :
         {"DataCursorHandle", "DataCursorType", "DataCursorDefined", "DataCursorAxis", "DataCursorSize",
          "DataCursorWidth", "DataCursorStyle", "DataCursorColor"}) {
        rows.push_back({cursorZero, Same(32, zero)});
    }
    for (const char* setZero : {"SPlotSpline",       "DataSet",
                                "PlotHandle",        "SDataType",
                                "SPlotLineStyle",    "SPlotAreaFill",
                                "SPlotScatterDrop",  "SPlotScatterLine",
                                "SPlotScatterStyle", "SPlotObjectOutlineColor",
                                "SPlotType",         "SPlotRefAxes",
                                "GPlotDataset",      "GPlotRefAxes",
                                "GPlotAreaFill",     "PieNumericStyle",
                                "Pie3DLook",         "PieFontStyle",
                                "PieFontColor",      "GPlotScatterStyle"}) {
        rows.push_back({setZero, Same(32, zero)});
    }
    return rows;
}

} // namespace

TEST(ChartModel, EveryDefaultOfANewModel) {
    FakeEngineLink link;
    CChartModel model(nullptr, &link);
    std::set<std::string> checked;
    for (const DefaultRow& row : DefaultRows()) {
        EXPECT_EQ(FieldValues(model, row.name), row.values) << row.name;
        checked.insert(row.name);
    }
    // Every persisted setting has its row; the data values are checked below.
    for (const auto& row : charttest::BlobRows()) {
        EXPECT_TRUE(row.kind == charttest::Kind::Pointer || checked.count(row.name)) << row.name;
    }
    for (const auto& row : charttest::NestedFamilyRows()) {
        EXPECT_TRUE(checked.count(row.name) || std::string(row.name).rfind("SData", 0) == 0) << row.name;
    }
    for (const auto& row : charttest::ScalarRows()) {
        EXPECT_TRUE(checked.count(row.name)) << row.name;
    }
    EXPECT_TRUE(model.LegendLineBlock.empty());
    for (int i = 0; i < kSetCount; ++i) {
        EXPECT_TRUE(model.XRawPlotData[i].empty() && model.YRawPlotData[i].empty()) << i;
        EXPECT_EQ(model.SDataXData[i].size(), i == 0 ? 10u : 0u) << i;
        EXPECT_EQ(model.SDataYData[i].size(), i == 0 ? 10u : 0u) << i;
    }
    for (int j = 0; j < 10; ++j) {
        EXPECT_EQ(model.SDataXData[0][j], j + 1);
        EXPECT_GE(model.SDataYData[0][j], 0.01);
        EXPECT_LE(model.SDataYData[0][j], 10.01);
    }
}

TEST(ChartModel, ScalarPropertiesResetToTheirDefaults) {
    CChartModel model(nullptr, nullptr);
    for (const charttest::ScalarRow& row : charttest::ScalarRows()) {
        const ScalarProperty* p = FindScalarProperty(row.id);
        ASSERT_NE(p, nullptr) << row.id;
        EXPECT_STREQ(p->name, row.name);
        const ScalarValue other = std::visit(
            [](auto v) -> ScalarValue {
                if constexpr (std::is_same_v<decltype(v), QString>) {
                    return QStringLiteral("Courier New");
                } else {
                    return static_cast<decltype(v)>(77);
                }
            },
            p->defaultValue);
        PutScalar(model, *p, other);
        EXPECT_NE(FieldValues(model, row.name), Values{row.byDefault}) << row.name;
    }
    ResetScalarProperties(model);
    for (const charttest::ScalarRow& row : charttest::ScalarRows()) {
        EXPECT_EQ(FieldValues(model, row.name), Values{row.byDefault}) << row.name;
    }
}

TEST(ChartModel, DefaultColourCodesEndAtItemNineteen) {
    EXPECT_EQ(CChartModel::MapDefaultColorIndex(18), 19);
    EXPECT_EQ(CChartModel::MapDefaultColorIndex(19), 0);
    EXPECT_EQ(CChartModel::MapDefaultColorIndex(-1), 0);
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
