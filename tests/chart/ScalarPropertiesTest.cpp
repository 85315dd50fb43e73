#include "ScalarProperties.h"

#include <gtest/gtest.h>

using namespace chart;

TEST(ScalarProperties, FortyEightInDispatchOrder) {
    const auto& table = ScalarProperties();
    ASSERT_EQ(table.size(), 48u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(table[i].dispid, static_cast<int>(i + 1));
    }
    EXPECT_STREQ(FindScalarProperty(1)->name, "PlotBackgroundColor");
    EXPECT_STREQ(FindScalarProperty(16)->name, "EventZoomY");
    EXPECT_STREQ(FindScalarProperty(42)->name, "SLegendFont");
    EXPECT_STREQ(FindScalarProperty(48)->name, "SLegendFontSize");
    EXPECT_EQ(FindScalarProperty(0), nullptr);
    EXPECT_EQ(FindScalarProperty(49), nullptr);
}

TEST(ScalarProperties, DefaultsEqualTheModelDefaults) {
    CChartModel model(nullptr, nullptr);
    for (const ScalarProperty& p : ScalarProperties()) {
        EXPECT_EQ(GetScalar(model, p), p.defaultValue) << p.name;
    }
}

TEST(ScalarProperties, PutWritesTheNamedFieldAndResetRestoresIt) {
    CChartModel model(nullptr, nullptr);
    PutScalar(model, *FindScalarProperty(2), 0.35);
    PutScalar(model, *FindScalarProperty(47), QString("a\rb"));
    PutScalar(model, *FindScalarProperty(46), std::int32_t{-1});
    EXPECT_EQ(model.LeftPlotArea, 0.35);
    EXPECT_EQ(model.SLegendStrings, "a\rb");
    EXPECT_EQ(model.SLegendEnable, -1);
    ResetScalarProperties(model);
    EXPECT_EQ(model.LeftPlotArea, 0.2);
    EXPECT_TRUE(model.SLegendStrings.isEmpty());
    EXPECT_EQ(model.SLegendEnable, 0);
}
