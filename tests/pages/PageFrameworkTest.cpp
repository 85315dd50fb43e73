#include "CAxisPPg.h"
#include "CGridPPg.h"
#include "CPropertyFrame.h"
#include "CSDataPPg.h"
#include "CZENTPropPage.h"
#include "PageFixture.h"
#include "PageTable.h"
#include "ZENTIdentifiers.h"

#include <QTabBar>
#include <QTabWidget>

using namespace pages;

TEST_F(PageTest, PageTableRowsFollowTheControlsPageList) {
    const std::vector<PageInfo>& table = PageTable();
    ASSERT_EQ(table.size(), static_cast<std::size_t>(kPageCount));
    for (std::size_t i = 0; i < table.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(table[i].kind), i);
    }
    EXPECT_STREQ(PageInfoOf(PageKind::General).progId, "ZENT.ZENTPropPage.1");
    EXPECT_STREQ(PageInfoOf(PageKind::SimplePlots).registryName, "S Plot Propery Page");
    EXPECT_EQ(PageInfoOf(PageKind::Pie).helpContext, 1036);
    EXPECT_STREQ(PageInfoOf(PageKind::Events).classId, "{5676D722-CC60-11D0-A956-00C0F6A06F60}");
}

TEST_F(PageTest, PageTableMatchesTheControlsPageList) {
    ASSERT_EQ(zent::kPropertyPageIds.size(), PageTable().size());
    for (std::size_t i = 0; i < PageTable().size(); ++i) {
        EXPECT_STREQ(PageTable()[i].classId, zent::kPropertyPageIds[i]) << i;
    }
}

TEST_F(PageTest, FrameHasOneTabPerPageInTableOrder) {
    CPropertyFrame frame(target);
    ASSERT_EQ(frame.Tabs()->count(), kPageCount);
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_EQ(frame.Tabs()->tabText(i),
                  QString::fromLatin1(PageTable()[static_cast<std::size_t>(i)].caption));
    }
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, FrameOpensWithEveryPageWholeEveryCaptionAndTenGridRows) {
    model.SDataNumPlotPoints[0] = 40;
    model.SDataXData[0].assign(40, 1.0);
    model.SDataYData[0].assign(40, 2.0);
    CPropertyFrame frame(target);
    frame.show();
    for (int i = 0; i < kPageCount; ++i) {
        frame.Tabs()->setCurrentIndex(i);
        QApplication::processEvents();
        QWidget* page = frame.Tabs()->currentWidget();
        EXPECT_EQ(page, frame.Page(static_cast<PageKind>(i))) << i; // no scrolling viewport between
        EXPECT_GE(page->width(), page->sizeHint().width()) << i;
        EXPECT_GE(page->height(), page->sizeHint().height()) << i;
    }
    EXPECT_GE(frame.Tabs()->tabBar()->width(), frame.Tabs()->tabBar()->sizeHint().width());
    for (int i = 0; i < kPageCount; ++i) {
        EXPECT_TRUE(frame.Tabs()->tabBar()->tabRect(i).right() < frame.Tabs()->tabBar()->width()) << i;
    }
    auto* grid = static_cast<CSDataPPg*>(frame.Page(PageKind::Data))->Grid();
    EXPECT_GE(grid->viewport()->height(), 11 * grid->rowHeight(1)); // the header and ten rows
    // Small enough for a 1024 x 768 screen.
    EXPECT_LE(frame.width(), 1024);
    EXPECT_LE(frame.height(), 700);
}

TEST_F(PageTest, FrameApplySavesOnlyChangedPages) {
    CPropertyFrame frame(target);
    EXPECT_FALSE(frame.ApplyButton()->isEnabled());
    EXPECT_TRUE(frame.ApplyChanges());
    EXPECT_EQ(rebuilds, 0);
    Type(*frame.Page(PageKind::General), 208, QStringLiteral("7"));
    EXPECT_TRUE(frame.ApplyButton()->isEnabled());
    frame.ApplyButton()->click();
    EXPECT_FALSE(frame.ApplyButton()->isEnabled());
    EXPECT_EQ(rebuilds, 1);
    EXPECT_EQ(model.WindowBorderThickness, 7);
    EXPECT_TRUE(frame.ApplyChanges());
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(PageTest, FrameOkAppliesAndCloses) {
    CPropertyFrame frame(target);
    frame.show();
    Type(*frame.Page(PageKind::General), 208, QStringLiteral("9"));
    frame.OkButton()->click();
    EXPECT_EQ(model.WindowBorderThickness, 9);
    EXPECT_EQ(frame.result(), QDialog::Accepted);
}

TEST_F(PageTest, FrameOkWithARefusedValueStaysOpenOnThatPage) {
    CPropertyFrame frame(target);
    frame.show();
    Type(*frame.Page(PageKind::Axis), 211, QStringLiteral("x"));
    frame.OkButton()->click();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.Tabs()->currentIndex(), static_cast<int>(PageKind::Axis));
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, QStringLiteral("Please enter a number."));
}

TEST_F(PageTest, FrameCancelLeavesTheControlAlone) {
    CPropertyFrame frame(target);
    frame.show();
    Type(*frame.Page(PageKind::General), 208, QStringLiteral("9"));
    frame.CancelButton()->click();
    EXPECT_NE(model.WindowBorderThickness, 9);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(PageTest, ItemSwitchNeverTradesWithTheControl) {
    auto page = Open<CAxisPPg>();
    Type(*page, 211, QStringLiteral("-5"));
    Choose(*page, 338, 1);
    EXPECT_EQ(page->ExchangeFlag(), 1);
    EXPECT_EQ(rebuilds, 0);
    EXPECT_NE(model.AxisMin[0], -5);
    EXPECT_EQ(page->AxisMin[0], -5);
}

TEST_F(PageTest, ItemSwitchWithARefusedValueStaysOnTheItem) {
    auto page = Open<CAxisPPg>();
    Type(*page, 211, QStringLiteral("abc"));
    Choose(*page, 338, 3);
    EXPECT_EQ(page->CurrentItem(), 0);
    EXPECT_EQ(Combo(*page, 338)->currentIndex(), 0);
    EXPECT_EQ(msgbox::ShownBoxes().size(), 1u);
}

TEST_F(PageTest, RefreshDuringASaveDoesNotOverwriteWhatIsSaved) {
    auto page = Open<CZENTPropPage>();
    target.Hooks().rebuildGraph = [this] {
        ++rebuilds;
        target.RefreshOpenPages();
    };
    Type(*page, 208, QStringLiteral("12"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.WindowBorderThickness, 12);
    EXPECT_EQ(Edit(*page, 208)->text(), QStringLiteral("12"));
}

TEST_F(PageTest, RefreshReloadsAnOpenPage) {
    auto page = Open<CGridPPg>();
    model.AxisGridLineWidth[0] = 4;
    target.RefreshOpenPages();
    EXPECT_EQ(Edit(*page, 207)->text(), QStringLiteral("4"));
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, CancelledColourDialogKeepsTheColour) {
    auto page = Open<CZENTPropPage>();
    page->WindowBackgroundColor = 0x123456;
    nextColor.reset();
    Button(*page, 200)->click();
    EXPECT_EQ(page->WindowBackgroundColor, 0x123456);
    nextColor = 0x0000FF;
    Button(*page, 200)->click();
    EXPECT_EQ(page->WindowBackgroundColor, 0x0000FF);
}

TEST_F(PageTest, FontDialogStartsFromTheItemAndStoresTheChoice) {
    model.TitleFont[1] = "Courier New";
    model.TitleFontStyle[1] = 3;
    model.TitleFontSize[1] = 12;
    model.TitleColor[1] = 0xFF;
    auto page = Open<CZENTPropPage>();
    Choose(*page, 328, 1);
    FontChoice choice;
    choice.font = MakeLogFont(QStringLiteral("Arial"), 4);
    choice.sizeTenths = 145;
    choice.color = 0xFF00;
    nextFont = choice;
    Button(*page, 330)->click();
    EXPECT_EQ(seenFont.font.faceName, QStringLiteral("Courier New"));
    EXPECT_EQ(seenFont.font.weight, 700);
    EXPECT_TRUE(seenFont.font.italic);
    EXPECT_EQ(seenFont.sizeTenths, 120);
    EXPECT_EQ(seenFont.color, 0xFF);
    EXPECT_EQ(page->TitleFont[1], QStringLiteral("Arial"));
    EXPECT_EQ(page->TitleFontStyle[1], 4);
    EXPECT_EQ(page->TitleFontSize[1], 14);
    EXPECT_EQ(page->TitleColor[1], 0xFF00);
}

TEST_F(PageTest, CancelledFontDialogKeepsTheItem) {
    model.TitleFont[0] = "Arial";
    model.TitleFontStyle[0] = 9;
    model.TitleFontSize[0] = 10;
    auto page = Open<CZENTPropPage>();
    nextFont.reset();
    Button(*page, 330)->click();
    EXPECT_EQ(page->TitleFont[0], QStringLiteral("Arial"));
    EXPECT_EQ(page->TitleFontStyle[0], 9);
    EXPECT_EQ(page->TitleFontSize[0], 10);
}
