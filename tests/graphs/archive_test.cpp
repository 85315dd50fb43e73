// The archive: a new file gets its tables, a run and its curves are one transaction, and the
// points are stored as little-endian doubles.

#include "ArchiveDatabase.h"
#include "ArchiveParameters.h"
#include "ArchiveRun.h"
#include "ModCalculations.h"
#include "PointChunk.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QVariant>

#include <gtest/gtest.h>

#include <clocale>

namespace {

GraphInputs Urban450() {
    GraphInputs in;
    in.freq = "450.0";
    in.hb = "30.0";
    in.hm = "1.5";
    return in;
}

ArchiveRun LossRun(const std::string& comment = "first run") {
    const auto run =
        MakeArchiveRun(Urban450(), false, comment, QDateTime(QDate(2026, 12, 7), QTime(23, 5, 9)), 1000);
    EXPECT_TRUE(run.has_value());
    return run.value_or(ArchiveRun{});
}

// A connection of the test's own for reading back.
class Reader {
public:
    explicit Reader(const QString& path) {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "reader");
            db.setDatabaseName(path);
            EXPECT_TRUE(db.open());
        }
    }
    ~Reader() { QSqlDatabase::removeDatabase("reader"); }

    std::vector<std::vector<QVariant>> Rows(const QString& sql) {
        std::vector<std::vector<QVariant>> rows;
        QSqlQuery query(QSqlDatabase::database("reader"));
        EXPECT_TRUE(query.exec(sql)) << query.lastError().text().toStdString();
        while (query.next()) {
            std::vector<QVariant> row;
            for (int i = 0; i < query.record().count(); ++i) {
                row.push_back(query.value(i));
            }
            rows.push_back(row);
        }
        return rows;
    }

    int Count(const QString& table) {
        const auto rows = Rows("SELECT COUNT(*) FROM " + table);
        return rows.empty() ? -1 : rows[0][0].toInt();
    }
};

class Archive : public ::testing::Test {
protected:
    QString Path() const { return dir.filePath("runs.db"); }
    QTemporaryDir dir;
};

TEST_F(Archive, NewFileHoldsTheRunAndItsThreeCurves) {
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
    ASSERT_TRUE(result.ok) << result.message.toStdString();
    Reader reader(Path());
    const auto runs =
        reader.Rows("SELECT ID, Model, Parameters, Comment, Date_Time, DataSetType FROM ModelRun");
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0][0].toInt(), result.runId);
    EXPECT_EQ(runs[0][1].toString(), "Okumura-Hata");
    EXPECT_EQ(runs[0][2].toString(),
              "hb:30.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L");
    EXPECT_EQ(runs[0][3].toString(), "first run");
    EXPECT_EQ(runs[0][4].toString(), "2026-12-07 23:05:09");
    EXPECT_EQ(runs[0][5].toInt(), 2);

    const auto curves =
        reader.Rows("SELECT ID, Legend, Comment, PointCount, DataSet FROM DataSets ORDER BY rowid");
    ASSERT_EQ(curves.size(), 3u);
    const char* legends[] = {"ITU 529 Urban", "Davidson Urban", "Cost 231 Urban"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(curves[i][0].toInt(), result.runId);
        EXPECT_EQ(curves[i][1].toString().toStdString(), legends[i]);
        EXPECT_EQ(curves[i][2].toString(), "first run");
        EXPECT_EQ(curves[i][3].toInt(), 991);
        EXPECT_EQ(curves[i][4].toByteArray().size(), 991 * 16 + 1);
    }
    const QByteArray blob = curves[0][4].toByteArray();
    const ByteChunk chunk(blob.begin(), blob.end());
    // 1.0 km, little-endian: the exponent bytes come last.
    EXPECT_EQ(ByteChunk(chunk.begin(), chunk.begin() + 8), (ByteChunk{0, 0, 0, 0, 0, 0, 0xF0, 0x3F}));
    EXPECT_EQ(ChunkValue(chunk, 8), P529Loss(450, 1.0, 30, 1.5, "Urban", "Small/Medium", 50, 50));
    EXPECT_EQ(ChunkValue(chunk, 990 * 16), 100.0);
    EXPECT_EQ(chunk.back(), 0);
}

TEST_F(Archive, SecondActionAppends) {
    const ArchiveResult first = WriteArchiveRun(Path(), LossRun("one"));
    const ArchiveResult second = WriteArchiveRun(Path(), LossRun("two"));
    ASSERT_TRUE(first.ok && second.ok);
    EXPECT_NE(first.runId, second.runId);
    Reader reader(Path());
    EXPECT_EQ(reader.Count("ModelRun"), 2);
    EXPECT_EQ(reader.Rows("SELECT COUNT(*) FROM DataSets WHERE ID = " + QString::number(second.runId))[0][0]
                  .toInt(),
              3);
}

TEST_F(Archive, FailureOnTheLastCurveLeavesNoRow) {
    {
        ArchiveDatabase archive;
        ASSERT_TRUE(archive.Open(Path()) && archive.EnsureSchema());
        QSqlQuery trigger(archive.Database());
        ASSERT_TRUE(
            trigger.exec("CREATE TRIGGER refuse BEFORE INSERT ON DataSets WHEN NEW.Legend LIKE 'Cost%' "
                         "BEGIN SELECT RAISE(ABORT, 'curve refused'); END"));
    }
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("curve refused")) << result.message.toStdString();
    Reader reader(Path());
    EXPECT_EQ(reader.Count("ModelRun"), 0);
    EXPECT_EQ(reader.Count("DataSets"), 0);
}

TEST_F(Archive, TablesOfAnotherShapeAreRefusedWithoutRows) {
    {
        ArchiveDatabase archive;
        ASSERT_TRUE(archive.Open(Path()));
        QSqlQuery query(archive.Database());
        ASSERT_TRUE(query.exec("CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY, Name TEXT)"));
    }
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
    EXPECT_FALSE(result.ok);
    Reader reader(Path());
    EXPECT_EQ(reader.Count("ModelRun"), 0);
    // The table the action would have added went back with the rest.
    EXPECT_TRUE(reader.Rows("SELECT name FROM sqlite_master WHERE name = 'DataSets'").empty());
}

TEST_F(Archive, FileThatIsNotADatabaseIsRefusedAndKept) {
    QFile file(Path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Plain text, not an archive.\n");
    file.close();
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.message.isEmpty());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Plain text, not an archive.\n"));
}

TEST_F(Archive, MissingFolderOrWildcardIsRefused) {
    for (const QString& path : {dir.filePath("no/such/folder/runs.db"), QString("*.mdb"), QString()}) {
        const ArchiveResult result = WriteArchiveRun(path, LossRun());
        EXPECT_FALSE(result.ok) << path.toStdString();
        EXPECT_FALSE(result.message.isEmpty());
    }
}

TEST_F(Archive, ConnectionsAreRemovedAfterEachAction) {
    ASSERT_TRUE(WriteArchiveRun(Path(), LossRun()).ok);
    WriteArchiveRun(dir.filePath("no/such/runs.db"), LossRun());
    for (const QString& name : QSqlDatabase::connectionNames()) {
        EXPECT_FALSE(name.startsWith("tarvek-archive-")) << name.toStdString();
    }
}

TEST_F(Archive, DimensionsDecideTheChunk) {
    const std::vector<double> x = {1, 2}, y = {3, 4}, z = {5, 6};
    {
        ArchiveDatabase archive;
        ASSERT_TRUE(archive.Open(Path()) && archive.EnsureSchema());
        for (const int dims : {1, 2, 3, 4}) {
            EXPECT_TRUE(archive.AddDataSet(7, "d" + std::to_string(dims), "", 2, dims, x, y, z));
        }
        // A count beyond the arrays is refused rather than read past them.
        EXPECT_FALSE(archive.AddDataSet(7, "long", "", 3, 2, x, y, z));
    }
    Reader reader(Path());
    const auto rows = reader.Rows("SELECT Legend, DataSet FROM DataSets ORDER BY rowid");
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_TRUE(rows[0][1].isNull());
    EXPECT_EQ(rows[1][1].toByteArray().size(), 33);
    EXPECT_EQ(rows[2][1].toByteArray().size(), 49);
    EXPECT_TRUE(rows[3][1].isNull());
}

TEST(ArchiveCurves, FieldStrengthLegendsAndPoints) {
    GraphInputs in = Urban450();
    in.area = " Suburban ";
    in.maxDistanceKm = 300;
    const auto curves = FieldStrengthArchiveCurves(in);
    ASSERT_TRUE(curves.has_value());
    ASSERT_EQ(curves->size(), 3u);
    EXPECT_EQ((*curves)[0].legend, "ITU 529 - Suburban");
    EXPECT_EQ((*curves)[1].legend, "Davidson - Suburban");
    EXPECT_EQ((*curves)[2].legend, "Cost 231 - Suburban");
    EXPECT_EQ((*curves)[2].distKm.size(), 2991u);
    EXPECT_EQ((*curves)[2].value.back(),
              Cost231FieldStrength(450, 300, 30, 1.5, " Suburban ", "Small/Medium", 50, 50));
}

TEST(ArchiveCurves, EnglishHeightsAreStoredInMetres) {
    GraphInputs in = Urban450();
    in.english = true;
    in.hb = "100";
    const auto curves = LossArchiveCurves(in);
    ASSERT_TRUE(curves.has_value());
    EXPECT_EQ((*curves)[1].value[0],
              HataDavidsonLoss(450, 1.0, 30.48, 1.5 * 0.3048, "Urban", "Small/Medium", 50, 50));
    in.hm = "x";
    EXPECT_FALSE(LossArchiveCurves(in).has_value());
}

TEST(ArchiveParameters, HeightsStayMetricAndThePowerHoldsADigit) {
    struct Case {
        bool english;
        const char* hb;
        const char* hm;
        double watts;
        const char* text;
    };
    const Case cases[] = {
        {false, "30.0", "1.5", 1000,
         "hb:30.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L"},
        {true, "328.084", "4.9213", 1000,
         "hb:100.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:1.kW e.r.p.,50%T,50%L"},
        {false, "30.0", "1.5", 1,
         "hb:30.0,hm:1.5,frq:450.0,Urban,Small/Medium,Power:0.001kW e.r.p.,50%T,50%L"},
    };
    for (const Case& c : cases) {
        GraphInputs in = Urban450();
        in.english = c.english;
        in.hb = c.hb;
        in.hm = c.hm;
        EXPECT_EQ(ArchiveParameters(in, c.watts), c.text);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::setlocale(LC_ALL, "");
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
