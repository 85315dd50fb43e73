#include "CZENTPropPage.h"
#include "PageFixture.h"

using namespace pages;

TEST_F(PageTest, GeneralPlotAreaRange) {
    struct Case {
        const char* top;
        bool accepted;
    };
    for (const Case& c : {Case{"1.5", false}, Case{"1", true}, Case{"0", true}, Case{"-0.1", false}}) {
        auto page = Open<CZENTPropPage>();
        model.TopPlotArea = 0.2;
        rebuilds = 0;
        msgbox::ClearShownBoxes();
        Type(*page, 339, QString::fromLatin1(c.top));
        EXPECT_EQ(page->Apply(), c.accepted) << c.top;
        EXPECT_EQ(rebuilds, c.accepted ? 1 : 0) << c.top;
        if (c.accepted) {
            EXPECT_EQ(model.TopPlotArea, std::stod(c.top));
        } else {
            ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
            EXPECT_EQ(msgbox::ShownBoxes()[0].prompt,
                      QStringLiteral("Please enter a number between 0 and 1."));
            EXPECT_EQ(model.TopPlotArea, 0.2);
        }
    }
}

TEST_F(PageTest, GeneralBorderWidthFiftyIsTheLimit) {
    auto page = Open<CZENTPropPage>();
    Type(*page, 208, QStringLiteral("50"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.WindowBorderThickness, 50);
    Type(*page, 208, QStringLiteral("51"));
    EXPECT_FALSE(page->Apply());
    EXPECT_EQ(model.WindowBorderThickness, 50);
}

TEST_F(PageTest, GeneralRefusedValueKeepsEveryOtherValueFromTheControl) {
    auto page = Open<CZENTPropPage>();
    Type(*page, 329, QStringLiteral("new title"));
    Type(*page, 204, QStringLiteral("2"));
    EXPECT_FALSE(page->Apply());
    EXPECT_NE(model.TitleString[0], QStringLiteral("new title"));
}

TEST_F(PageTest, GeneralTitleSwitchKeepsTypedText) {
    auto page = Open<CZENTPropPage>();
    Type(*page, 329, QStringLiteral("typed header"));
    Choose(*page, 328, 2);
    EXPECT_EQ(page->CurrentItem(), 2);
    Type(*page, 329, QStringLiteral("footer"));
    Choose(*page, 328, 0);
    EXPECT_EQ(Edit(*page, 329)->text(), QStringLiteral("typed header"));
    EXPECT_EQ(rebuilds, 0);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.TitleString[0], QStringLiteral("typed header"));
    EXPECT_EQ(model.TitleString[2], QStringLiteral("footer"));
}

TEST_F(PageTest, GeneralEmptyBorderStylesStoreTheirPositions) {
    auto page = Open<CZENTPropPage>();
    ASSERT_EQ(Combo(*page, 253)->count(), 9);
    EXPECT_TRUE(Combo(*page, 253)->itemText(7).isEmpty());
    Choose(*page, 253, 8);
    EXPECT_EQ(page->WindowBorderStyle, 8);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.WindowBorderStyle, 8);
}

TEST_F(PageTest, GeneralLoadRefreshesEveryOpenPage) {
    int loads = 0;
    target.Hooks().loadFromFile = [&](const QString& path) {
        ++loads;
        EXPECT_EQ(path, QStringLiteral("/tmp/chart.SER"));
        model.TitleString[0] = "loaded";
        target.RefreshOpenPages();
        return true;
    };
    auto page = Open<CZENTPropPage>();
    nextFile = QStringLiteral("/tmp/chart.SER");
    Button(*page, 335)->click();
    EXPECT_EQ(loads, 1);
    EXPECT_FALSE(seenFileDialog.save);
    EXPECT_EQ(seenFileDialog.filter, QStringLiteral("Serialization Files|*.SER||"));
    EXPECT_EQ(page->LastFilePath, nextFile);
    EXPECT_EQ(Edit(*page, 329)->text(), QStringLiteral("loaded"));
}

TEST_F(PageTest, GeneralSaveWritesTheFileEvenWhenAValueIsRefused) {
    QString written;
    target.Hooks().saveToFile = [&](const QString& path) {
        written = path;
        return true;
    };
    auto page = Open<CZENTPropPage>();
    Type(*page, 339, QStringLiteral("3"));
    nextFile = QStringLiteral("/tmp/out.SER");
    Button(*page, 336)->click();
    EXPECT_EQ(written, nextFile);
    EXPECT_TRUE(seenFileDialog.save);
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, GeneralCancelledFileDialogDoesNothing) {
    bool called = false;
    target.Hooks().loadFromFile = [&](const QString&) { return called = true; };
    auto page = Open<CZENTPropPage>();
    nextFile.clear();
    Button(*page, 335)->click();
    EXPECT_FALSE(called);
}
