#include "CGPlotPPg.h"
#include "CSPlotPPg.h"
#include "PageFixture.h"

using namespace pages;

namespace {

struct EnableCase {
    int type;
    std::vector<int> enabled;
    std::vector<int> disabled;
};

} // namespace

TEST_F(PageTest, SimplePlotListHoldsEnabledSimpleSetsOnly) {
    model.SDataEnable[0] = 1;
    model.SDataType[0] = 0;
    model.SDataEnable[3] = 1;
    model.SDataType[3] = 0;
    model.SDataName[3] = "three";
    model.SDataEnable[4] = 0;
    model.SDataType[4] = 0;
    model.SDataEnable[5] = 1;
    model.SDataType[5] = 1;
    for (int i = 6; i < 32; ++i) {
        model.SDataEnable[static_cast<std::size_t>(i)] = 0;
    }
    auto page = Open<CSPlotPPg>();
    QComboBox* list = Combo(*page, 288);
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), QStringLiteral("3:three"));
    EXPECT_EQ(list->itemData(1).toInt(), 3);
    EXPECT_EQ(list->currentIndex(), 0);
    Choose(*page, 288, 1);
    EXPECT_EQ(page->CurrentItem(), 3);
}

TEST_F(PageTest, EmptyDataSetListKeepsTheCurrentPlot) {
    for (auto& enable : model.SDataEnable) {
        enable = 0;
    }
    auto page = Open<CGPlotPPg>();
    EXPECT_EQ(Combo(*page, 289)->count(), 0);
    EXPECT_EQ(page->CurrentItem(), 0);
    Type(*page, 249, QStringLiteral("3"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.GPlotLineThickness[0], 3);
}

TEST_F(PageTest, DataSetListWithoutTheCurrentPlotShowsNoEntry) {
    model.SDataEnable[0] = 0;
    model.SDataEnable[4] = 1;
    model.SDataType[4] = 0;
    auto page = Open<CSPlotPPg>();
    EXPECT_GE(Combo(*page, 288)->count(), 1);
    EXPECT_EQ(Combo(*page, 288)->currentIndex(), -1);
    EXPECT_EQ(page->CurrentItem(), 0);
}

TEST_F(PageTest, DataSetListRefillsOnFocus) {
    auto page = Open<CSPlotPPg>();
    model.SDataEnable[7] = 1;
    model.SDataType[7] = 0;
    model.SDataName[7] = "late";
    QFocusEvent focus(QEvent::FocusIn);
    QApplication::sendEvent(Combo(*page, 288), &focus);
    EXPECT_GE(Combo(*page, 288)->findText(QStringLiteral("7:late")), 0);
}

TEST_F(PageTest, SimplePlotEnableRulesFollowThePlotType) {
    const EnableCase cases[] = {
        {1, {222, 351, 350, 230, 231, 219}, {220, 221, 348, 349, 347, 352, 353, 236, 235, 262}},
        {2, {220, 221, 348, 347, 352, 353, 236, 235, 262}, {349, 222, 351, 350, 230, 231}},
        {0, {220, 221, 348, 349}, {222, 351, 350, 230, 231, 347, 352, 353, 236, 235, 262}},
        {3, {220, 221, 348, 349}, {222, 351, 350, 230, 231, 347, 352, 353, 236, 235, 262}},
    };
    for (const EnableCase& c : cases) {
        auto page = Open<CSPlotPPg>();
        Choose(*page, 345, c.type);
        EXPECT_EQ(page->SPlotType[0], c.type);
        for (int id : c.enabled) {
            EXPECT_TRUE(page->Control(id)->isEnabled()) << c.type << ": " << id;
        }
        for (int id : c.disabled) {
            EXPECT_FALSE(page->Control(id)->isEnabled()) << c.type << ": " << id;
        }
    }
}

TEST_F(PageTest, GroupPlotEnableRulesFollowThePlotCode) {
    const EnableCase cases[] = {
        {2, {358, 248, 246, 247}, {242, 243, 249, 305, 306, 307}},
        {5, {305, 306, 307, 249}, {242, 243, 358, 248, 246, 247}},
        {6, {306, 242, 249}, {305, 307, 243, 358, 248, 246, 247}},
        {0, {242, 249, 243}, {358, 248, 246, 247, 305, 306, 307}},
    };
    for (const EnableCase& c : cases) {
        auto page = Open<CGPlotPPg>();
        Choose(*page, 355, c.type);
        for (int id : c.enabled) {
            EXPECT_TRUE(page->Control(id)->isEnabled()) << c.type << ": " << id;
        }
        for (int id : c.disabled) {
            EXPECT_FALSE(page->Control(id)->isEnabled()) << c.type << ": " << id;
        }
        for (int id : {250, 355, 356, 357}) {
            EXPECT_TRUE(page->Control(id)->isEnabled()) << id;
        }
    }
}

TEST_F(PageTest, OutOfRangeCodesShowTheFirstEntries) {
    model.SPlotBarType[0] = 12;
    model.SPlotBarHatch[0] = 9;
    model.GPlotType[0] = 4;
    auto simple = Open<CSPlotPPg>();
    EXPECT_EQ(Combo(*simple, 351)->currentText(), QStringLiteral("2D Vert. Bar"));
    EXPECT_EQ(Combo(*simple, 230)->currentText(), QStringLiteral("None"));
    auto group = Open<CGPlotPPg>();
    EXPECT_EQ(Combo(*group, 355)->currentText(), QStringLiteral("Stacked Bars"));
}

TEST_F(PageTest, BarJustifyCenterStoresThreeOnBothPages) {
    auto simple = Open<CSPlotPPg>();
    Choose(*simple, 231, 1);
    auto group = Open<CGPlotPPg>();
    Choose(*group, 248, 1);
    EXPECT_TRUE(simple->Apply());
    EXPECT_TRUE(group->Apply());
    EXPECT_EQ(model.SPlotBarJustify[0], 3);
    EXPECT_EQ(model.GPlotBarJustify[0], 3);
}

TEST_F(PageTest, GroupSpinStopsAtTheLastGroupAndEditsIt) {
    auto page = Open<CGPlotPPg>();
    Spin(*page, 356)->setValue(15);
    Spin(*page, 356)->stepUp();
    EXPECT_EQ(page->CurrentGroup(), 15);
    nextColor = 0x00FF00;
    Button(*page, 357)->click();
    Choose(*page, 242, 3);
    Choose(*page, 247, 6);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.GPlotLineColor[0][15], 0x00FF00);
    EXPECT_EQ(model.GPlotLineStyle[0][15], 3);
    EXPECT_EQ(model.GPlotBarHatch[0][15], 5);
    EXPECT_NE(model.GPlotLineStyle[0][14], 3);
}

TEST_F(PageTest, GroupSwitchKeepsPlotSettings) {
    auto page = Open<CGPlotPPg>();
    Type(*page, 246, QStringLiteral("0.75"));
    Spin(*page, 356)->setValue(2);
    EXPECT_EQ(Edit(*page, 246)->text(), QStringLiteral("0.75"));
    Spin(*page, 356)->setValue(0);
    EXPECT_EQ(rebuilds, 0);
}
