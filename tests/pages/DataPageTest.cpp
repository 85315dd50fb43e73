#include "CPropertyFrame.h"
#include "CSDataPPg.h"
#include "CZENTPropPage.h"
#include "PageFixture.h"

#include <QApplication>
#include <QFile>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

using namespace pages;

namespace {

void PressKey(QWidget* widget, int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
}

// Set 0 with the points (1, 5) and (2, 6).
void StoreTwoPoints(chart::CChartModel& model) {
    model.SDataNumPlotPoints[0] = 2;
    model.SDataXData[0] = {1, 2};
    model.SDataYData[0] = {5, 6};
}

} // namespace

TEST_F(PageTest, DataOpensWithSetZeroInTheGrid) {
    model.SDataName[0] = "first";
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    EXPECT_EQ(Edit(*page, 285)->text(), QStringLiteral("first"));
    EXPECT_EQ(page->Grid()->Rows(), 3);
    EXPECT_EQ(page->Grid()->TextMatrix(2, 2), QStringLiteral("6"));
    EXPECT_EQ(page->Grid()->Row(), 1);
    EXPECT_EQ(page->Grid()->Col(), 1);
    EXPECT_EQ(page->CellEditor()->text(), QStringLiteral("1"));
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, DataNewSetShowsOnlyTheHeaderRow) {
    model.SDataNumPlotPoints[0] = 0;
    model.SDataXData[0].clear();
    model.SDataYData[0].clear();
    auto page = Open<CSDataPPg>();
    EXPECT_EQ(page->Grid()->Rows(), 1);
    EXPECT_EQ(page->Grid()->Row(), -1);
    EXPECT_EQ(Edit(*page, 258)->text(), QStringLiteral("0"));
}

TEST_F(PageTest, DataBrowsingShowsEachSetsEnableAndChangesNoSet) {
    for (int set = 0; set < 4; ++set) {
        model.SDataEnable[set] = set == 2 ? 1 : 0;
    }
    auto page = Open<CSDataPPg>();
    for (int set : {1, 2, 3, 2, 0}) {
        Spin(*page, 360)->setValue(set);
        EXPECT_EQ(Check(*page, 361)->isChecked(), set == 2) << set;
    }
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(chart::LongArray(model.SDataEnable.begin(), model.SDataEnable.begin() + 4),
              (chart::LongArray{0, 0, 1, 0}));
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, DataEditsOfSeveralSetsWaitForApply) {
    model.SDataName[0] = "first";
    model.SDataName[1] = "second";
    auto page = Open<CSDataPPg>();
    Type(*page, 285, QStringLiteral("renamed"));
    Spin(*page, 360)->setValue(1);
    EXPECT_EQ(Edit(*page, 285)->text(), QStringLiteral("second"));
    Tick(*page, 361, true);
    EXPECT_EQ(model.SDataName[0], QStringLiteral("first"));
    Spin(*page, 360)->setValue(0);
    EXPECT_EQ(Edit(*page, 285)->text(), QStringLiteral("renamed")); // the edit was kept
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataName[0], QStringLiteral("renamed"));
    EXPECT_EQ(model.SDataEnable[1], 1);
    EXPECT_EQ(model.SDataEnable[2], 0);
}

TEST_F(PageTest, DataClearedEnableBoxDisablesTheSet) {
    model.SDataEnable[0] = 1;
    auto page = Open<CSDataPPg>();
    Tick(*page, 361, false);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataEnable[0], 0);
}

TEST_F(PageTest, DataCellEditStoresTheLeadingNumber) {
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    page->Grid()->SetCurrentCell(2, 2);
    EXPECT_EQ(page->CellEditor()->text(), QStringLiteral("6"));
    EXPECT_EQ(page->Grid()->CellBackColor(2, 2), QColor(0, 0, 127));
    EXPECT_EQ(page->Grid()->CellBackColor(1, 1), QColor(Qt::white));
    page->CellEditor()->setText(QStringLiteral("7.25kg"));
    emit page->CellEditor()->textEdited(page->CellEditor()->text());
    EXPECT_EQ(page->Grid()->TextMatrix(2, 2), QStringLiteral("7.25kg")); // as typed
    page->StoreCellText();
    EXPECT_EQ(page->Grid()->TextMatrix(2, 2), QStringLiteral("7.25"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataYData[0], (chart::DoubleArray{5, 7.25}));
    EXPECT_EQ(rebuilds, 1);
}

TEST_F(PageTest, DataCountsOutsideTheirRangesAreRefused) {
    const std::pair<int, const char*> cases[] = {{258, "1000001"}, {258, "-1"}, {260, "0"}, {260, "17"}};
    for (const auto& [id, text] : cases) {
        auto page = Open<CSDataPPg>();
        msgbox::ClearShownBoxes();
        Type(*page, id, QString::fromLatin1(text));
        EXPECT_FALSE(page->Apply()) << id << " " << text;
        EXPECT_EQ(msgbox::ShownBoxes().size(), 1u);
    }
    EXPECT_EQ(rebuilds, 0);
}

TEST_F(PageTest, DataGroupKindRaisesTheGroupCount) {
    auto page = Open<CSDataPPg>();
    Choose(*page, 261, 1);
    EXPECT_EQ(Edit(*page, 260)->text(), QStringLiteral("2"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataNumGroups[0], 2);
    EXPECT_EQ(model.SDataType[0], 1);
    EXPECT_EQ(page->Grid()->Cols(), 4);
}

TEST_F(PageTest, DataPieSetHidesTheFirstYColumn) {
    model.SDataType[0] = 2;
    auto page = Open<CSDataPPg>();
    EXPECT_TRUE(page->Grid()->isColumnHidden(2));
}

TEST_F(PageTest, DataSpinStaysInRangeAndTypingChoosesNoSet) {
    auto page = Open<CSDataPPg>();
    Spin(*page, 360)->setValue(40);
    EXPECT_EQ(page->CurrentItem(), 31);
    EXPECT_EQ(page->ExchangeFlag(), 1);
    EXPECT_TRUE(Edit(*page, 286)->isReadOnly());
}

TEST_F(PageTest, DataNewGroupCountKeepsValuesAtTheirPointAndGroup) {
    model.SDataNumPlotPoints[0] = 3;
    model.SDataXData[0] = {1, 2, 3};
    model.SDataYData[0] = {10, 20, 30};
    auto page = Open<CSDataPPg>();
    Type(*page, 260, QStringLiteral("2"));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataYData[0], (chart::DoubleArray{10, 0, 20, 0, 30, 0}));
    EXPECT_EQ(page->Grid()->TextMatrix(2, 2), QStringLiteral("20"));
    EXPECT_EQ(page->Grid()->TextMatrix(2, 3), QStringLiteral("0"));
}

TEST_F(PageTest, DataHeaderCellsNeverBecomeCurrent) {
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    page->resize(500, 500);
    page->show();
    CMSFlexGrid* grid = page->Grid();
    grid->SetCurrentCell(0, 1);
    grid->SetCurrentCell(1, 0);
    PressKey(grid, Qt::Key_Up, Qt::NoModifier);
    PressKey(grid, Qt::Key_Left, Qt::NoModifier);
    EXPECT_EQ(grid->Row(), 1);
    EXPECT_EQ(grid->Col(), 1);
    const QRect header = grid->visualRect(grid->model()->index(0, 2));
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent click(type, header.center(), grid->viewport()->mapToGlobal(header.center()),
                          Qt::LeftButton, type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QApplication::sendEvent(grid->viewport(), &click);
    }
    EXPECT_EQ(grid->Row(), 1);
    Type(*page, 259, QStringLiteral("9"));
    page->StoreCellText();
    EXPECT_EQ(grid->TextMatrix(0, 1), QStringLiteral("X-Values"));
    EXPECT_EQ(grid->TextMatrix(1, 0), QStringLiteral("0"));
    EXPECT_EQ(page->Data.x[0], 9);
}

TEST_F(PageTest, DataCurrentCellIsDrawnDarkBlueWithWhiteText) {
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    page->resize(500, 500);
    page->show();
    CMSFlexGrid* grid = page->Grid();
    grid->SetCurrentCell(2, 2);
    const QImage drawn = grid->viewport()->grab().toImage();
    const QRect cell = grid->visualRect(grid->model()->index(2, 2));
    EXPECT_EQ(drawn.pixelColor(cell.left() + 2, cell.top() + 2), QColor(0, 0, 127));
    const QRect plain = grid->visualRect(grid->model()->index(1, 1));
    EXPECT_EQ(drawn.pixelColor(plain.left() + 2, plain.top() + 2), QColor(Qt::white));
}

// A program sets the group count while the cell editor still holds what the user typed.
TEST_F(PageTest, DataApplyStoresAPendingCellEditIntoTheCellItWasTypedFor) {
    model.SDataNumPlotPoints[0] = 3;
    model.SDataNumGroups[0] = 2;
    model.SDataXData[0] = {1, 2, 3};
    model.SDataYData[0] = {10, 11, 20, 21, 30, 31};
    auto page = Open<CSDataPPg>();
    page->Grid()->SetCurrentCell(2, 3); // point 1, group 1
    Type(*page, 259, QStringLiteral("99"));
    Edit(*page, 260)->setText(QStringLiteral("3"));
    ASSERT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataNumGroups[0], 3);
    EXPECT_EQ(model.SDataYData[0], (chart::DoubleArray{10, 11, 0, 20, 99, 0, 30, 31, 0}));
}

TEST_F(PageTest, DataCellEditEnablesApplyAtOnceAndApplyStoresIt) {
    StoreTwoPoints(model);
    CPropertyFrame frame(target);
    auto* page = static_cast<CSDataPPg*>(frame.Page(PageKind::Data));
    page->Grid()->SetCurrentCell(2, 1);
    Type(*page, 259, QStringLiteral("8"));
    EXPECT_TRUE(frame.ApplyButton()->isEnabled());
    frame.ApplyButton()->click();
    EXPECT_EQ(model.SDataXData[0], (chart::DoubleArray{1, 8}));
}

TEST_F(PageTest, DataRefillGivesTheCellEditorTheFocus) {
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    page->show();
    QApplication::setActiveWindow(page.get());
    Edit(*page, 285)->setFocus();
    page->RefreshGrid();
    EXPECT_EQ(QApplication::focusWidget(), page->CellEditor());
}

TEST_F(PageTest, DataPasteKeyReadsTheClipboard) {
    auto page = Open<CSDataPPg>();
    QApplication::clipboard()->setText(QStringLiteral("1\t10\t11\r\n2\t20\t21\r\n"));
    PressKey(page->Grid(), Qt::Key_Insert, Qt::NoModifier);
    EXPECT_NE(page->Data.groups, 2);
    PressKey(page->Grid(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(page->Data.points, 2);
    EXPECT_EQ(page->Data.groups, 2);
    EXPECT_EQ(page->Grid()->TextMatrix(2, 3), QStringLiteral("21"));
    QApplication::clipboard()->setText(QStringLiteral("5\t6\r\n"));
    PressKey(page->Grid(), Qt::Key_0, Qt::ControlModifier | Qt::KeypadModifier);
    EXPECT_EQ(page->Data.points, 1);
    QApplication::clipboard()->setText(QStringLiteral("not a table"));
    PressKey(page->Grid(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(page->Data.points, 1);
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(PageTest, DataImportTakesTheFileAndTheControlGetsItOnSave) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("in.TXT"));
    DataSetTable source;
    source.x = {1, 2, 3};
    source.y = {4, 5, 6};
    ASSERT_TRUE(source.Export(path));
    auto page = Open<CSDataPPg>();
    nextFile = path;
    Button(*page, 308)->click();
    EXPECT_EQ(seenFileDialog.filter, QStringLiteral("Text Files|*.TXT|ASCII Files|*.ASC||"));
    EXPECT_EQ(Edit(*page, 258)->text(), QStringLiteral("3"));
    EXPECT_EQ(rebuilds, 0);
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataYData[0], (chart::DoubleArray{4, 5, 6}));
    EXPECT_EQ(model.SDataNumPlotPoints[0], 3);
}

TEST_F(PageTest, DataImportOfMoreColumnsThanGroupsSaysWhichWereLeftOut) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wide.TXT"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21\n");
    file.close();
    auto page = Open<CSDataPPg>();
    nextFile = path;
    msgbox::ClearShownBoxes();
    Button(*page, 308)->click();
    ASSERT_EQ(msgbox::ShownBoxes().size(), 1u);
    EXPECT_EQ(msgbox::ShownBoxes()[0].prompt,
              QStringLiteral("The file %1 holds 20 Y columns, and a data set holds at most 16 groups: columns 17 "
                             "to 20 were not loaded.")
                  .arg(path));
    EXPECT_TRUE(page->Apply());
    EXPECT_EQ(model.SDataNumGroups[0], 16);
}

TEST_F(PageTest, DataExportWritesTheSet) {
    QTemporaryDir dir;
    StoreTwoPoints(model);
    auto page = Open<CSDataPPg>();
    nextFile = dir.filePath(QStringLiteral("out.TXT"));
    Button(*page, 316)->click();
    EXPECT_TRUE(seenFileDialog.save);
    DataSetTable back;
    ASSERT_TRUE(back.Import(nextFile));
    EXPECT_EQ(back.y, (chart::DoubleArray{5, 6}));
    EXPECT_TRUE(msgbox::ShownBoxes().empty());
}

TEST_F(PageTest, SavesThatFailAreReported) {
    target.Hooks().saveToFile = [](const QString&) { return false; };
    struct Case {
        std::function<std::unique_ptr<CPropertyPage>()> open;
        int button;
    } cases[] = {{[this] { return std::unique_ptr<CPropertyPage>(Open<CZENTPropPage>()); }, 336},
                 {[this] { return std::unique_ptr<CPropertyPage>(Open<CSDataPPg>()); }, 316}};
    for (const Case& c : cases) {
        msgbox::ClearShownBoxes();
        auto page = c.open();
        nextFile = QStringLiteral("/nonexistent-folder/out.TXT");
        Button(*page, c.button)->click();
        ASSERT_EQ(msgbox::ShownBoxes().size(), 1u) << c.button;
        EXPECT_EQ(msgbox::ShownBoxes()[0].prompt, QStringLiteral("The file was not saved: ") + nextFile);
    }
}
