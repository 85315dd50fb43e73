#include "CAxisPPg.h"
#include "CAxLabPPg.h"
#include "CGridPPg.h"
#include "PageFixture.h"

using namespace pages;

namespace {

QStringList Items(QComboBox* combo) {
    QStringList items;
    for (int i = 0; i < combo->count(); ++i) {
        items << combo->itemText(i);
    }
    return items;
}

} // namespace

TEST_F(PageTest, AxisRoundTrip) {
    model.AxisMin[1] = -3;
    model.AxisScaleMode[1] = 1;
    model.AxisTickStyle[1] = 2;
    auto page = Open<CAxisPPg>();
    Choose(*page, 338, 1);
    EXPECT_EQ(Edit(*page, 211)->text(), QStringLiteral("-3"));
    EXPECT_EQ(Combo(*page, 226)->currentIndex(), 1);
    EXPECT_EQ(Combo(*page, 228)->currentText(), QStringLiteral("Right"));
    Type(*page, 214, QStringLiteral("250.5"));
    Tick(*page, 216, true);
    Choose(*page, 228, 0);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(model.AxisMax[1], 250.5);
    EXPECT_EQ(model.AxisEnable[1], 1);
    EXPECT_EQ(model.AxisTickStyle[1], 1);
}

TEST_F(PageTest, AxisPositionListFollowsTheAxis) {
    auto page = Open<CAxisPPg>();
    const QStringList x = {"Below", "Center", "Above"};
    const QStringList y = {"Left", "Center", "Right"};
    EXPECT_EQ(Items(Combo(*page, 228)), x); // the template's own list never shows
    Choose(*page, 338, 1);
    EXPECT_EQ(Items(Combo(*page, 228)), y);
    Choose(*page, 338, 2);
    EXPECT_EQ(Items(Combo(*page, 228)), x);
}

TEST_F(PageTest, AxisShowsAZoomedRange) {
    target.Hooks().readBackZoomedScale = [this] {
        model.AxisMin[0] = 10;
        model.AxisMax[0] = 20;
    };
    auto page = Open<CAxisPPg>();
    EXPECT_EQ(Edit(*page, 211)->text(), QStringLiteral("10"));
    EXPECT_EQ(Edit(*page, 214)->text(), QStringLiteral("20"));
}

TEST_F(PageTest, AxisLabelsAboveOnSecondXAxisStoresFourAndShowsAgain) {
    auto page = Open<CAxLabPPg>();
    Choose(*page, 203, 2);
    EXPECT_EQ(Items(Combo(*page, 233)), (QStringList{"Below", "Center", "Above"}));
    Choose(*page, 233, 2);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.AxisLabelPos[2], 4);
    auto reopened = Open<CAxLabPPg>();
    Choose(*reopened, 203, 2);
    EXPECT_EQ(Combo(*reopened, 233)->currentText(), QStringLiteral("Above"));
}

TEST_F(PageTest, AxisLabelsStoredRightOnFirstYAxisSelectsRight) {
    model.AxisLabelPos[1] = 2;
    auto page = Open<CAxLabPPg>();
    Choose(*page, 203, 1);
    EXPECT_EQ(Combo(*page, 233)->currentText(), QStringLiteral("Right"));
}

TEST_F(PageTest, GridsOfferTwoAxesAndNeverTouchTheOthers) {
    model.AxisGridLineWidth = {1, 2, 3, 4};
    model.AxisGridLineStyle = {0, 0, 2, 3};
    auto page = Open<CGridPPg>();
    EXPECT_EQ(Combo(*page, 340)->count(), 2);
    Choose(*page, 340, 1);
    Type(*page, 207, QStringLiteral("6"));
    Choose(*page, 210, 4);
    Choose(*page, 341, 2);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.AxisGridLineWidth, (LongArray{1, 6, 3, 4}));
    EXPECT_EQ(model.AxisGridLineStyle, (LongArray{0, 4, 2, 3}));
    EXPECT_EQ(model.AxisGridType[1], 2);
}
