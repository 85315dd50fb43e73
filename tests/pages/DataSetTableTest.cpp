#include "DataSetTable.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace pages;

TEST(DataSetTable, GridLayoutOfAGroupSet) {
    DataSetTable t;
    t.groups = 2;
    t.x = {0.5, 1.5};
    t.y = {10, 11, 20, 21};
    EXPECT_EQ(t.Rows(), 3);
    EXPECT_EQ(t.Columns(), 4);
    EXPECT_EQ(t.CellText(0, 1), QStringLiteral("X-Values"));
    EXPECT_EQ(t.CellText(0, 2), QStringLiteral("Group 0"));
    EXPECT_EQ(t.CellText(0, 3), QStringLiteral("Group 1"));
    EXPECT_EQ(t.CellText(1, 0), QStringLiteral("0")); // row numbers start at 0
    EXPECT_EQ(t.CellText(2, 1), QStringLiteral("1.5"));
    EXPECT_EQ(t.CellText(2, 3), QStringLiteral("21"));
    EXPECT_EQ(t.YIndex(2, 3), 3);
}

TEST(DataSetTable, OneGroupHeaderIsYValues) {
    DataSetTable t;
    t.x = {1};
    t.y = {2};
    EXPECT_EQ(t.CellText(0, 2), QStringLiteral("Y-Values"));
}

TEST(DataSetTable, RowNumberColumnGrowsWithTheRowCount) {
    const std::pair<int, int> cases[] = {{1, 200}, {10, 200}, {11, 300}, {100, 300}, {101, 300}, {1001, 400}};
    for (const auto& [rows, width] : cases) {
        EXPECT_EQ(DataSetTable::RowNumberColumnWidth(rows), width) << rows;
    }
}

TEST(DataSetTable, PieSetHidesTheFirstYColumn) {
    DataSetTable t;
    t.type = 2;
    EXPECT_EQ(t.ColumnWidth(2), 0);
    EXPECT_EQ(t.ColumnWidth(1), -1);
    t.type = 0;
    EXPECT_EQ(t.ColumnWidth(2), -1);
}

TEST(DataSetTable, ANewGroupCountKeepsEveryValueAtItsPointAndGroup) {
    struct Case {
        int from;
        int to;
        chart::DoubleArray y;
        chart::DoubleArray laidOut;
    };
    const Case cases[] = {
        {1, 2, {10, 20, 30}, {10, 0, 20, 0, 30, 0}},
        {2, 3, {10, 11, 20, 21, 30, 31}, {10, 11, 0, 20, 21, 0, 30, 31, 0}},
        {3, 1, {10, 11, 12, 20, 21, 22, 30, 31, 32}, {10, 20, 30}},
        {2, 2, {10, 11, 20, 21, 30, 31}, {10, 11, 20, 21, 30, 31}},
    };
    for (const Case& c : cases) {
        DataSetTable t;
        t.points = 3;
        t.x = {0, 1, 2};
        t.y = c.y;
        t.groups = c.to;
        t.FitArrays(c.from);
        EXPECT_EQ(t.y, c.laidOut) << c.from << " to " << c.to;
    }
}

TEST(DataSetTable, MorePointsAddZeroRowsAtTheEnd) {
    DataSetTable t;
    t.x = {1, 2};
    t.y = {10, 11, 20, 21};
    t.groups = 2;
    t.points = 3;
    t.FitArrays(2);
    EXPECT_EQ(t.x, (chart::DoubleArray{1, 2, 0}));
    EXPECT_EQ(t.y, (chart::DoubleArray{10, 11, 20, 21, 0, 0}));
}

TEST(DataSetTable, GroupKindNeedsTwoGroups) {
    DataSetTable t;
    t.StoreKind(1);
    EXPECT_EQ(t.groups, 2);
    t.groups = 5;
    t.StoreKind(1);
    EXPECT_EQ(t.groups, 5);
}

TEST(DataSetTable, FitCutsCountsToTheLimits) {
    DataSetTable t;
    t.points = 2000000;
    t.groups = 40;
    t.FitArrays(1);
    EXPECT_EQ(t.points, 1000000);
    EXPECT_EQ(t.groups, 16);
    EXPECT_EQ(t.x.size(), 1000000u);
    EXPECT_EQ(t.y.size(), 16000000u);
}

TEST(DataSetTable, CellTextStoresTheLeadingNumber) {
    struct Case {
        int row;
        int column;
        const char* text;
        bool stored;
        const char* shown;
    };
    const Case cases[] = {
        {1, 1, "12.5abc", true, "12.5"}, {2, 2, "abc", true, "0"},        {1, 2, "1e3", true, "1000"},
        {0, 1, "5", false, ""},          {1, 0, "5", false, ""},          {3, 1, "5", false, ""},
        {1, 3, "5", false, ""},          {2, 2, " -0.25", true, "-0.25"},
    };
    for (const Case& c : cases) {
        DataSetTable t;
        t.x = {1, 2};
        t.y = {3, 4};
        QString shown;
        EXPECT_EQ(t.StoreCellText(c.row, c.column, QString::fromLatin1(c.text), shown), c.stored) << c.text;
        EXPECT_EQ(shown, QString::fromLatin1(c.shown)) << c.text;
    }
    DataSetTable t;
    t.x = {1, 2};
    t.y = {3, 4};
    QString shown;
    t.StoreCellText(2, 2, QStringLiteral("7x"), shown);
    EXPECT_EQ(t.y[1], 7);
    t.StoreCellText(1, 1, QStringLiteral("x"), shown);
    EXPECT_EQ(t.x[0], 0);
}

TEST(DataSetTable, ExportAndImportRoundTrip) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("set.TXT"));
    DataSetTable t;
    t.x = {1, 2, 3};
    t.y = {10, 11, 20, 21, 30, 31};
    t.groups = 2;
    ASSERT_TRUE(t.Export(path));
    DataSetTable back;
    ASSERT_TRUE(back.Import(path));
    EXPECT_EQ(back.x, t.x);
    EXPECT_EQ(back.y, t.y);
    EXPECT_EQ(back.groups, 2);
    EXPECT_EQ(back.points, 3);
}

TEST(DataSetTable, ExportOfAnEmptySetWritesAnEmptyTable) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("empty.TXT"));
    DataSetTable t;
    t.x.clear();
    t.y.clear();
    ASSERT_TRUE(t.Export(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), 0);
}

TEST(DataSetTable, ImportOfAnUnreadableFileChangesNothing) {
    DataSetTable t;
    t.x = {1};
    t.y = {2};
    EXPECT_FALSE(t.Import(QStringLiteral("/nonexistent/file.TXT")));
    EXPECT_EQ(t.x, (chart::DoubleArray{1}));
}

TEST(DataSetTable, OneColumnTableGetsOneGroupOfZeros) {
    DataSetTable t;
    t.TakeTable({1, 2}, {}, 2, 0);
    EXPECT_EQ(t.groups, 1);
    EXPECT_EQ(t.y, (chart::DoubleArray{0, 0}));
}
