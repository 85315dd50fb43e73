#include "AsciiDataFile.h"
#include "ChartModel.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

using namespace chart;

namespace {

class AsciiDataFile : public ::testing::Test {
protected:
    QString Path(const char* name) const { return dir.filePath(name); }

    QString WriteFile(const char* name, const QByteArray& content) {
        QFile file(Path(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return Path(name);
    }

    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }

    struct Loaded {
        bool ok;
        std::vector<double> x, y;
        int rows, groups;
    };
    Loaded Load(const QByteArray& content, int groups = 0) {
        Loaded loaded{false, {}, {}, -1, groups};
        loaded.ok =
            LoadAsciiDataFile(WriteFile("in.txt", content), loaded.x, loaded.y, loaded.rows, loaded.groups);
        return loaded;
    }

    QTemporaryDir dir;
    CChartModel model{nullptr, nullptr};
};

} // namespace

TEST_F(AsciiDataFile, WritesOneCrLfLinePerPointInPercentG) {
    model.SDataXData[0] = {1, 2.5, -3};
    model.SDataYData[0] = {0.1, 1e-7, 123456789};
    ASSERT_TRUE(model.WriteDataSetFile(Path("out.txt"), 0, ""));
    EXPECT_EQ(ReadFile(Path("out.txt")), "1 0.1\r\n2.5 1e-07\r\n-3 1.23457e+08\r\n");
}

TEST_F(AsciiDataFile, FreshSetZeroGivesTenLines) {
    ASSERT_TRUE(model.WriteDataSetFile(Path("out.txt"), 0, "%g"));
    const QList<QByteArray> lines = ReadFile(Path("out.txt")).split('\n');
    ASSERT_EQ(lines.size(), 11); // ten CR LF lines, nothing after the last
    for (int i = 0; i < 10; ++i) {
        EXPECT_TRUE(lines[i].startsWith(QByteArray::number(i + 1) + " ")) << lines[i].constData();
        EXPECT_TRUE(lines[i].endsWith('\r'));
    }
    EXPECT_TRUE(lines[10].isEmpty());
}

TEST_F(AsciiDataFile, GroupSetsWriteEveryGroupWithTheCallersFormat) {
    model.SDataXData[4] = {1, 2};
    model.SDataYData[4] = {10, 11, 12, 20, 21, 22};
    ASSERT_TRUE(model.WriteDataSetFile(Path("out.txt"), 4, "%.2f"));
    EXPECT_EQ(ReadFile(Path("out.txt")), "1.00 10.00 11.00 12.00\r\n2.00 20.00 21.00 22.00\r\n");
}

TEST_F(AsciiDataFile, AnEmptySetWritesAnEmptyFile) {
    ASSERT_TRUE(model.WriteDataSetFile(Path("out.txt"), 7, ""));
    EXPECT_TRUE(QFile::exists(Path("out.txt")));
    EXPECT_TRUE(ReadFile(Path("out.txt")).isEmpty());
}

TEST_F(AsciiDataFile, RefusedFormatsAndIndicesWriteNoFile) {
    for (const char* format : {"%d", "%s%g", "%g %g", "%n"}) {
        EXPECT_FALSE(model.WriteDataSetFile(Path("out.txt"), 0, format)) << format;
    }
    EXPECT_FALSE(model.WriteDataSetFile(Path("out.txt"), 32, ""));
    EXPECT_FALSE(model.WriteDataSetFile(Path("out.txt"), -1, ""));
    EXPECT_FALSE(QFile::exists(Path("out.txt")));
    EXPECT_FALSE(model.WriteDataSetFile(Path("missing/out.txt"), 0, ""));
}

TEST_F(AsciiDataFile, ReadsGroupSimpleAndPieSets) {
    const QString path = WriteFile("t.txt", "1 2 3\r\n4 5 6\r\n");
    ASSERT_TRUE(model.ReadDataSetFile(path, "Groups", 1, 2));
    EXPECT_EQ(model.SDataNumPlotPoints[2], 2);
    EXPECT_EQ(model.SDataNumGroups[2], 2);
    EXPECT_EQ(model.SDataXData[2], (DoubleArray{1, 4}));
    EXPECT_EQ(model.SDataYData[2], (DoubleArray{2, 3, 5, 6}));
    EXPECT_EQ(model.SDataType[2], 1);
    EXPECT_EQ(model.SDataName[2], "Groups");
    ASSERT_TRUE(model.ReadDataSetFile(path, "Simple", 0, 3));
    EXPECT_EQ(model.SDataNumGroups[3], 1);
    EXPECT_EQ(model.SDataYData[3], (DoubleArray{2, 5}));
    const DoubleArray pieY = model.SDataYData[4];
    ASSERT_TRUE(model.ReadDataSetFile(path, "Pie", 2, 4));
    EXPECT_EQ(model.SDataNumGroups[4], 0);
    EXPECT_EQ(model.SDataXData[4], (DoubleArray{1, 4}));
    EXPECT_EQ(model.SDataYData[4], pieY);
    for (int other : {3, -1}) {
        const DoubleArray y = model.SDataYData[5];
        const int groups = model.SDataNumGroups[5];
        ASSERT_TRUE(model.ReadDataSetFile(path, "Other", other, 5)) << other;
        EXPECT_EQ(model.SDataType[5], other);
        EXPECT_EQ(model.SDataXData[5], (DoubleArray{1, 4}));
        EXPECT_EQ(model.SDataNumPlotPoints[5], 2);
        EXPECT_EQ(model.SDataYData[5], y);
        EXPECT_EQ(model.SDataNumGroups[5], groups);
    }
}

TEST_F(AsciiDataFile, RequestedGroupsCutEachRow) {
    const Loaded loaded = Load("1 2 3\r\n4 5 6\r\n", 1);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.rows, 2);
    EXPECT_EQ(loaded.groups, 1);
    EXPECT_EQ(loaded.y, (std::vector<double>{2, 5}));
}

TEST_F(AsciiDataFile, RowsAreFormedByLines) {
    struct Case {
        const char* name;
        QByteArray text;
        std::vector<double> x, y;
    };
    const Case cases[] = {
        {"header lines", "Time Value\r\nx - y\r\nx=1.5, y=2e3\r\n", {1.5}, {2000}},
        {"short line skipped", "1 2 3\n4 5\n7 8 9\n", {1, 7}, {2, 3, 8, 9}},
        {"extra numbers dropped", "1 2\n3 4 5\n", {1, 3}, {2, 4}},
        {"short last row dropped", "1 2\n3 4\n5", {1, 3}, {2, 4}},
        {"CR only", "1 2\r3 4\r", {1, 3}, {2, 4}},
        {"mixed line ends", "1 2\r\n\r\n3 4\n\n5 6\r", {1, 3, 5}, {2, 4, 6}},
        {"last line without end", "1 2\n3 4", {1, 3}, {2, 4}},
        {"NUL and 0xFF", QByteArray("1 2\n\xff\0 3 4\n", 11), {1, 3}, {2, 4}},
        {"tabs and commas", "1\t2\n3,4\n", {1, 3}, {2, 4}},
        {"dates are one number", "2001-05-03 7\n2001-05-04 8\n", {2001, 2001}, {7, 8}},
        {"a second point ends the value", "1.2.3 4\n", {1.2}, {4}},
    };
    for (const Case& c : cases) {
        const Loaded loaded = Load(c.text);
        ASSERT_TRUE(loaded.ok) << c.name;
        EXPECT_EQ(loaded.x, c.x) << c.name;
        EXPECT_EQ(loaded.y, c.y) << c.name;
        EXPECT_EQ(loaded.rows, static_cast<int>(c.x.size())) << c.name;
    }
}

TEST_F(AsciiDataFile, LongStretchesWithoutNumbersDoNotStopReading) {
    QByteArray text = "1 2\n";
    text += QByteArray(300000, 'z');
    text += "\n3 4\n";
    text += QByteArray(200000, '\0');
    text += "5 6\n";
    const Loaded loaded = Load(text);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.x, (std::vector<double>{1, 3, 5}));
}

TEST_F(AsciiDataFile, LargeFilesReadBackExactlyAcrossChunks) {
    std::vector<double> x, y;
    for (int i = 0; i < 100000; ++i) {
        x.push_back(i * 0.1);
        y.push_back(std::sin(i) * 1e-3 * i);
        y.push_back(-i / 3.0);
    }
    ASSERT_TRUE(SaveAsciiDataFile(Path("big.txt"), x, y, x.size(), 2, "%.17g"));
    std::vector<double> rx, ry;
    int rows = 0, groups = 0;
    ASSERT_TRUE(LoadAsciiDataFile(Path("big.txt"), rx, ry, rows, groups));
    EXPECT_EQ(rows, 100000);
    EXPECT_EQ(groups, 2);
    EXPECT_EQ(rx, x);
    EXPECT_EQ(ry, y);
}

TEST_F(AsciiDataFile, AVeryLongNumberIsOneValueOfItsFirst28Characters) {
    const Loaded loaded = Load(QByteArray(3000000, '7') + " 1\n");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.rows, 1);
    EXPECT_EQ(loaded.x[0], 7777777777777777777777777777.0);
}

TEST_F(AsciiDataFile, AtMostSixteenGroupsAreRead) {
    QByteArray line;
    for (int c = 0; c < 100; ++c) {
        line += QByteArray::number(c) + ' ';
    }
    const Loaded loaded = Load(line + "\n" + line + "\n");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.rows, 2);
    EXPECT_EQ(loaded.groups, 16);
    ASSERT_EQ(loaded.y.size(), 32u);
    EXPECT_EQ(loaded.y[15], 16.0);
    EXPECT_EQ(loaded.y[16], 1.0);
}

TEST_F(AsciiDataFile, OneColumnFileGivesOneGroupOfZeros) {
    const QString path = WriteFile("one.txt", "5\n6\n7\n");
    const Loaded loaded = Load("5\n6\n7\n");
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.groups, 0);
    EXPECT_TRUE(loaded.y.empty());
    for (int type : {0, 1}) {
        ASSERT_TRUE(model.ReadDataSetFile(path, "one", type, 9)) << type;
        EXPECT_EQ(model.SDataNumGroups[9], 1) << type;
        EXPECT_EQ(model.SDataYData[9], (DoubleArray{0, 0, 0})) << type;
        EXPECT_EQ(model.SDataXData[9], (DoubleArray{5, 6, 7})) << type;
    }
}

TEST_F(AsciiDataFile, FailuresChangeNothing) {
    const QString good = WriteFile("good.txt", "1 2\n");
    const QString none = WriteFile("none.txt", "no numbers here\n");
    const DoubleArray x0 = model.SDataXData[0];
    EXPECT_FALSE(model.ReadDataSetFile(Path("missing.txt"), "m", 0, 0));
    EXPECT_FALSE(model.ReadDataSetFile(none, "n", 0, 0));
    EXPECT_FALSE(model.ReadDataSetFile(good, "i", 0, 32));
    EXPECT_FALSE(model.ReadDataSetFile(good, "i", 0, -1));
    EXPECT_EQ(model.SDataXData[0], x0);
    EXPECT_EQ(model.SDataName[0], "First");
    EXPECT_EQ(model.SDataType[0], 0);
}

TEST_F(AsciiDataFile, WriteThenReadIsTheSameSet) {
    model.SDataXData[1] = {0.5, 1e-9, -250};
    model.SDataYData[1] = {1, 2, 3, 4, 5, 6};
    model.SDataNumGroups[1] = 2;
    ASSERT_TRUE(model.WriteDataSetFile(Path("rt.txt"), 1, "%.17g"));
    ASSERT_TRUE(model.ReadDataSetFile(Path("rt.txt"), "back", 1, 8));
    EXPECT_EQ(model.SDataXData[8], model.SDataXData[1]);
    EXPECT_EQ(model.SDataYData[8], model.SDataYData[1]);
    EXPECT_EQ(model.SDataNumGroups[8], 2);
}
