#include "CEventPPg.h"
#include "CPiePPg.h"
#include "CPrintPPg.h"
#include "CSLegendPPg.h"
#include "PageFixture.h"

using namespace pages;

TEST_F(PageTest, EventZoomCodesSelectTheirEntries) {
    const std::pair<int, int> cases[] = {{516, 2}, {513, 1}, {0, 0}, {515, 0}, {7, 0}};
    for (const auto& [code, position] : cases) {
        model.EventZoom = code;
        auto page = Open<CEventPPg>();
        EXPECT_EQ(Combo(*page, 298)->currentIndex(), position) << code;
    }
}

TEST_F(PageTest, PrintPageShowsTheControlsSettingsWithoutChangingThem) {
    model.PrintBorder = 1;
    model.PrintBottom = 1.0;
    model.PrintRight = 1.0;
    model.PrintStyle = 2;
    auto page = Open<CPrintPPg>();
    EXPECT_TRUE(Check(*page, 319)->isChecked());
    EXPECT_EQ(Edit(*page, 325)->text(), QStringLiteral("1"));
    EXPECT_EQ(Combo(*page, 321)->currentIndex(), 2);
    EXPECT_EQ(model.PrintBorder, 1);
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, PrintButtonsSaveFirstThenAct) {
    std::vector<std::string> calls;
    target.Hooks().rebuildGraph = [&] { calls.push_back("rebuild"); };
    target.Hooks().printPage = [&] { calls.push_back("print"); };
    target.Hooks().savePageMetaDefault = [&] { calls.push_back("meta"); };
    target.Hooks().printerSetup = [&] { calls.push_back("setup"); };
    auto page = Open<CPrintPPg>();
    Type(*page, 322, QStringLiteral("0.1"));
    Button(*page, 327)->click();
    EXPECT_EQ(model.PrintTop, 0.1);
    Button(*page, 337)->click();
    Button(*page, 326)->click();
    EXPECT_EQ(calls, (std::vector<std::string>{"rebuild", "print", "rebuild", "meta", "setup"}));
}

TEST_F(PageTest, PieExplodePercentIsStoredAsTyped) {
    auto page = Open<CPiePPg>();
    Spin(*page, 282)->setValue(4);
    Type(*page, 278, QStringLiteral("10"));
    Type(*page, 362, QStringLiteral("Slice four"));
    Choose(*page, 284, 2);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.PieSliceExplode[0][4], 10);
    EXPECT_EQ(model.PieSliceLabel[0][4], QStringLiteral("Slice four"));
    EXPECT_EQ(model.PieSliceHatch[0][4], 1);
}

TEST_F(PageTest, PieSliceSpinStaysAtZero) {
    auto page = Open<CPiePPg>();
    Spin(*page, 282)->stepDown();
    EXPECT_EQ(page->CurrentSlice(), 0);
}

TEST_F(PageTest, PieSliceLabelFitsItsLineSlot) {
    auto page = Open<CPiePPg>();
    Edit(*page, 362)->setText(QString(60, QLatin1Char('L')));
    EXPECT_EQ(Edit(*page, 362)->text().size(), 41);
}

TEST_F(PageTest, PieListHoldsPieSets) {
    model.SDataEnable[2] = 1;
    model.SDataType[2] = 2;
    model.SDataName[2] = "pie";
    auto page = Open<CPiePPg>();
    ASSERT_GE(Combo(*page, 291)->count(), 1);
    const int entry = Combo(*page, 291)->findText(QStringLiteral("2:pie"));
    ASSERT_GE(entry, 0);
    Choose(*page, 291, entry);
    EXPECT_EQ(page->CurrentItem(), 2);
}
