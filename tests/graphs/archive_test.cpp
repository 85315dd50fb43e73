// The archive: a new file gets its tables, a run and its curves are one transaction, and the
// points are stored as little-endian doubles.

#include "ArchiveDatabase.h"
#include "ArchiveParameters.h"
#include "ArchiveRun.h"
#include "ModCalculations.h"
#include "PointChunk.h"
#include "WriteFaults.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

#include <gtest/gtest.h>

#include <chrono>
#include <clocale>
#include <future>
#include <thread>

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
    EXPECT_EQ(ChunkValue(chunk, 8),
              P529Loss({450, 1.0, 30, 1.5, AreaType::Urban, CitySize::SmallMedium, 50, 50}));
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
        ASSERT_TRUE(archive.Open(Path()) && archive.PrepareTables());
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

// Files that are not archives: refused with a message that says why, and left byte for byte.
constexpr const char* kRunsNotNumbered =
    "The run was not stored: %1 is not an archive (its table ModelRun does not number its runs: its "
    "column ID is not an INTEGER PRIMARY KEY, so curves could not be linked to their run).";

struct ForeignFile {
    const char* name;
    std::vector<const char*> statements; // what another program made of the file
    const char* message;                 // %1 the file
    friend void PrintTo(const ForeignFile& f, std::ostream* os) { *os << f.name; }
};

const ForeignFile kForeignFiles[] = {
    {"ModelRunOfAnotherShape",
     {"CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY, Name TEXT)"},
     "The run was not stored: %1 is not an archive (its table ModelRun has no column Model)."},
    {"DataSetsWithoutPointCount",
     {"CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY, Model, Parameters, Comment, Date_Time, DataSetType)",
      "CREATE TABLE DataSets (ID, Legend, Comment, DataSet)"},
     "The run was not stored: %1 is not an archive (its table DataSets has no column PointCount)."},
    {"ModelRunWithoutDataSets",
     {"CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY, Model, Parameters, Comment, Date_Time, DataSetType)"},
     "The run was not stored: %1 is not an archive (it has no table DataSets)."},
    {"AnotherProgramsTables",
     {"CREATE TABLE Customers (Name TEXT)", "INSERT INTO Customers VALUES ('kept')"},
     "The run was not stored: %1 is not an archive (it has no table ModelRun)."},
    {"NotADatabase", {}, "Cannot Open Access Database: file is not a database"},
    // Run IDs the database does not assign: curve rows would point at no run, or at another one.
    {"ModelRunWithAPlainID",
     {"CREATE TABLE ModelRun (ID INTEGER, Model, Parameters, Comment, Date_Time, DataSetType)",
      "CREATE TABLE DataSets (ID, Legend, Comment, PointCount, DataSet)"},
     kRunsNotNumbered},
    {"ModelRunWithAnIDOfAnotherType",
     {"CREATE TABLE ModelRun (ID LONG PRIMARY KEY, Model, Parameters, Comment, Date_Time, DataSetType)",
      "CREATE TABLE DataSets (ID, Legend, Comment, PointCount, DataSet)"},
     kRunsNotNumbered},
    {"ModelRunWithADescendingID", // not the row number, though spelled like it
     {"CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY DESC, Model, Parameters, Comment, Date_Time, "
      "DataSetType)",
      "CREATE TABLE DataSets (ID, Legend, Comment, PointCount, DataSet)"},
     kRunsNotNumbered},
};

class ArchiveForeignFile : public Archive, public ::testing::WithParamInterface<ForeignFile> {};

TEST_P(ArchiveForeignFile, IsRefusedAndLeftAsItWas) {
    if (GetParam().statements.empty()) {
        ASSERT_TRUE(testsupport::WriteBytes(Path(), QByteArray(2000, 'x')));
    } else {
        Reader maker(Path());
        for (const char* statement : GetParam().statements) {
            maker.Rows(statement);
        }
    }
    const QByteArray before = testsupport::FileBytes(Path());
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.toStdString(),
              QString::fromLatin1(GetParam().message).replace("%1", Path()).toStdString());
    EXPECT_EQ(testsupport::FileBytes(Path()), before);
    EXPECT_EQ(testsupport::FolderEntries(dir.path()), QStringList{"runs.db"});
}

INSTANTIATE_TEST_SUITE_P(Files, ArchiveForeignFile, ::testing::ValuesIn(kForeignFiles),
                         [](const auto& info) { return std::string(info.param.name); });

// Files the archive takes: tables are added only where there is none; an archive of the user's
// own making may hold more than the archive writes.
TEST_F(Archive, NewEmptyOrOwnArchiveFilesTakeTheRun) {
    const struct {
        const char* name;
        std::vector<const char*> statements;
        bool zeroBytes;
    } cases[] = {
        {"no file yet", {}, false},
        {"a file of no bytes", {}, true},
        {"a database without tables", {"PRAGMA user_version = 7"}, false},
        {"the user's own archive",
         {"CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY AUTOINCREMENT, Model, Parameters, Comment, "
          "Date_Time, DataSetType, Engineer TEXT)",
          "CREATE TABLE DataSets (ID, Legend, Comment, PointCount, DataSet)", "CREATE TABLE Notes (Text)"},
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(Path());
        if (c.zeroBytes) {
            ASSERT_TRUE(testsupport::WriteBytes(Path(), QByteArray()));
        }
        if (!c.statements.empty()) {
            Reader maker(Path());
            for (const char* statement : c.statements) {
                maker.Rows(statement);
            }
        }
        const ArchiveResult result = WriteArchiveRun(Path(), LossRun());
        EXPECT_TRUE(result.ok) << result.message.toStdString();
        Reader reader(Path());
        EXPECT_EQ(reader.Count("ModelRun"), 1);
        EXPECT_EQ(reader.Count("DataSets"), 3);
    }
}

TEST_F(Archive, MissingFolderOrWildcardIsRefused) {
    for (const QString& path : {dir.filePath("no/such/folder/runs.db"), QString("*.mdb"), QString()}) {
        const ArchiveResult result = WriteArchiveRun(path, LossRun());
        EXPECT_FALSE(result.ok) << path.toStdString();
        EXPECT_TRUE(result.message.startsWith("Cannot Open Access Database: "))
            << result.message.toStdString();
    }
}

// Another program's connection in the middle of writing to the file: it holds the write lock until
// it commits or goes.
class OtherWriter {
public:
    explicit OtherWriter(const QString& path) {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", name_);
        db.setDatabaseName(path);
        locked_ = db.open() && QSqlQuery(db).exec("BEGIN IMMEDIATE") &&
                  QSqlQuery(db).exec("INSERT INTO ModelRun (Model) VALUES ('other')");
    }
    ~OtherWriter() {
        {
            QSqlDatabase db = QSqlDatabase::database(name_);
            if (locked_) {
                QSqlQuery(db).exec("ROLLBACK");
            }
            db.close();
        }
        QSqlDatabase::removeDatabase(name_);
    }
    bool Locked() const { return locked_; }
    bool Commit() {
        locked_ = !QSqlQuery(QSqlDatabase::database(name_)).exec("COMMIT");
        return !locked_;
    }

private:
    // Qt's connections belong to the thread that made them; each writer has its own.
    const QString name_ = "other-writer-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool locked_ = false;
};

TEST_F(Archive, RunWaitsForAnotherWriterToFinish) {
    ASSERT_TRUE(WriteArchiveRun(Path(), LossRun("first")).ok);
    std::promise<bool> locked;
    std::thread other([&] {
        OtherWriter writer(Path());
        locked.set_value(writer.Locked());
        // Well inside the archive's busy time-out of two seconds.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(writer.Commit());
    });
    ASSERT_TRUE(locked.get_future().get());
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun("second"));
    other.join();
    EXPECT_TRUE(result.ok) << result.message.toStdString();
    Reader reader(Path());
    EXPECT_EQ(reader.Count("ModelRun"), 3);
    EXPECT_EQ(reader.Count("DataSets"), 6);
}

// Two copies of the program archiving into one new file at the same moment: one waits for the
// other, and each run is stored whole with its own three curves.
TEST_F(Archive, TwoCopiesArchivingAtOnceBothStoreWholeRuns) {
    const ArchiveRun runs[] = {LossRun("one"), LossRun("two")};
    std::vector<std::future<ArchiveResult>> copies;
    for (const ArchiveRun& run : runs) {
        copies.push_back(std::async(std::launch::async, [&] { return WriteArchiveRun(Path(), run); }));
    }
    std::vector<ArchiveResult> results;
    for (auto& copy : copies) {
        results.push_back(copy.get());
        ASSERT_TRUE(results.back().ok) << results.back().message.toStdString();
    }
    Reader reader(Path());
    EXPECT_EQ(reader.Count("ModelRun"), 2);
    for (std::size_t i = 0; i < results.size(); ++i) {
        const ArchiveResult& result = results[i];
        const auto curves =
            reader.Rows(QString("SELECT COUNT(*) FROM DataSets WHERE ID = %1 AND Comment = '%2'")
                            .arg(result.runId)
                            .arg(QString::fromStdString(runs[i].comment)));
        EXPECT_EQ(curves[0][0].toInt(), 3);
    }
}

TEST_F(Archive, WriterThatDoesNotFinishInTimeIsNamedAndNothingIsStored) {
    ASSERT_TRUE(WriteArchiveRun(Path(), LossRun("first")).ok);
    const QByteArray before = testsupport::FileBytes(Path());
    OtherWriter writer(Path());
    ASSERT_TRUE(writer.Locked());
    QElapsedTimer waited;
    waited.start();
    const ArchiveResult result = WriteArchiveRun(Path(), LossRun("second"));
    EXPECT_GE(waited.elapsed(), 1900);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.message.toStdString(),
              ("The run was not stored: another program is using " + Path() + ". Try again in a moment.")
                  .toStdString());
    EXPECT_EQ(testsupport::FileBytes(Path()), before);
}

// An archive that cannot take the run (a full disk, a read-only folder) says so and keeps its rows.
class ArchiveWriteFault : public Archive, public ::testing::WithParamInterface<testsupport::WriteFault> {};

TEST_P(ArchiveWriteFault, RunIsRefusedAndTheFileStays) {
    if (!testsupport::CanMake(GetParam())) {
        GTEST_SKIP() << "folder permissions do not bind root";
    }
    ASSERT_TRUE(WriteArchiveRun(Path(), LossRun("first")).ok);
    const QByteArray before = testsupport::FileBytes(Path());
    ArchiveResult result;
    {
        // The file may not grow; its journal, a few pages, fits.
        testsupport::WriteFaultScope scope(GetParam(), dir.path(), rlim_t(before.size()));
        result = WriteArchiveRun(Path(), LossRun("second"));
    }
    EXPECT_FALSE(result.ok);
    if (GetParam() == testsupport::WriteFault::ReadOnlyFolder) {
        EXPECT_EQ(result.message,
                  "The run was not stored in " + Path() + ": the folder " + dir.path() + " is read-only.");
    } else {
        EXPECT_TRUE(result.message.startsWith("The run was not stored in " + Path() + ": "))
            << result.message.toStdString();
    }
    EXPECT_FALSE(result.otherFileNeeded);
    EXPECT_EQ(testsupport::FileBytes(Path()), before);
    EXPECT_EQ(testsupport::FolderEntries(dir.path()), QStringList{"runs.db"});
}

INSTANTIATE_TEST_SUITE_P(Faults, ArchiveWriteFault, ::testing::ValuesIn(testsupport::kWriteFaults),
                         [](const auto& info) { return std::string(testsupport::FaultName(info.param)); });

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
        ASSERT_TRUE(archive.Open(Path()) && archive.PrepareTables());
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
              Cost231FieldStrength({450, 300, 30, 1.5, AreaType::Suburban, CitySize::SmallMedium, 50, 50}));
}

TEST(ArchiveCurves, EnglishHeightsAreStoredInMetres) {
    GraphInputs in = Urban450();
    in.english = true;
    in.hb = "100";
    const auto curves = LossArchiveCurves(in);
    ASSERT_TRUE(curves.has_value());
    EXPECT_EQ((*curves)[1].value[0], HataDavidsonLoss({450, 1.0, 30.48, 1.5 * 0.3048, AreaType::Urban,
                                                       CitySize::SmallMedium, 50, 50}));
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
