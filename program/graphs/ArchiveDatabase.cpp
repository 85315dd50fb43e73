#include "ArchiveDatabase.h"

#include "ArchiveRun.h"
#include "PointChunk.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <limits>

namespace {

// The tables and the columns the archive writes; a file of ours may hold more.
struct ArchiveTable {
    const char* name;
    std::vector<const char*> columns;
    const char* create;
};

const ArchiveTable kTables[] = {
    {"ModelRun",
     {"ID", "Model", "Parameters", "Comment", "Date_Time", "DataSetType"},
     "CREATE TABLE ModelRun (ID INTEGER PRIMARY KEY AUTOINCREMENT, Model TEXT, Parameters TEXT, "
     "Comment TEXT, Date_Time TEXT, DataSetType INTEGER)"},
    {"DataSets",
     {"ID", "Legend", "Comment", "PointCount", "DataSet"},
     "CREATE TABLE DataSets (ID INTEGER NOT NULL REFERENCES ModelRun(ID), Legend TEXT, Comment TEXT, "
     "PointCount INTEGER, DataSet BLOB)"},
};

const char* const kRunsNotNumbered = "its table ModelRun does not number its runs: its column ID is not an "
                                     "INTEGER PRIMARY KEY, so curves could not be linked to their run";

// SQLite's primary result codes.
constexpr int kSqliteBusy = 5;
constexpr int kSqliteLocked = 6;
constexpr int kSqliteReadOnly = 8;
constexpr int kSqliteNotADatabase = 26;

ArchiveFailure FailureOf(const QSqlError& error) {
    bool isNumber = false;
    const int code = error.nativeErrorCode().toInt(&isNumber) & 0xFF;
    if (!isNumber) {
        return ArchiveFailure::Write;
    }
    if (code == kSqliteBusy || code == kSqliteLocked) {
        return ArchiveFailure::Busy;
    }
    if (code == kSqliteReadOnly) {
        return ArchiveFailure::ReadOnly;
    }
    return code == kSqliteNotADatabase ? ArchiveFailure::NotADatabase : ArchiveFailure::Write;
}

// The engine's own words; the driver only adds which of its calls failed.
QString Words(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

ArchiveDatabase::ArchiveDatabase()
    : connection_(QStringLiteral("tarvek-archive-") + QUuid::createUuid().toString(QUuid::WithoutBraces)),
      db_(QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_)) {}

ArchiveDatabase::~ArchiveDatabase() {
    db_.close();
    // The connection can go only once no handle of it is left.
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool ArchiveDatabase::Fail(ArchiveFailure failure, const QString& message) {
    failure_ = failure;
    lastError_ = message;
    return false;
}

bool ArchiveDatabase::Fail(const QSqlError& error) {
    return Fail(FailureOf(error), Words(error));
}

bool ArchiveDatabase::Open(const QString& path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*'))) {
        return Fail(ArchiveFailure::Open, QStringLiteral("no file was chosen"));
    }
    if (!db_.isValid()) {
        return Fail(ArchiveFailure::Open, QStringLiteral("The SQLite driver is not available"));
    }
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db_.open()) {
        return Fail(ArchiveFailure::Open, Words(db_.lastError()));
    }
    currentRunId_ = -1;
    return true;
}

bool ArchiveDatabase::HasColumns(const char* table, const std::vector<const char*>& columns) {
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA table_info(%1)").arg(QLatin1String(table)))) {
        return Fail(query.lastError());
    }
    QStringList found;
    while (query.next()) {
        found << query.value(1).toString();
    }
    if (found.isEmpty()) {
        return Fail(ArchiveFailure::NotAnArchive,
                    QStringLiteral("it has no table %1").arg(QLatin1String(table)));
    }
    for (const char* column : columns) {
        if (!found.contains(QLatin1String(column), Qt::CaseInsensitive)) {
            return Fail(ArchiveFailure::NotAnArchive, QStringLiteral("its table %1 has no column %2")
                                                          .arg(QLatin1String(table), QLatin1String(column)));
        }
    }
    return true;
}

bool ArchiveDatabase::PrepareTables() {
    QSqlQuery count(db_);
    if (!count.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")) || !count.next()) {
        return Fail(count.lastError());
    }
    const bool empty = count.value(0).toInt() == 0;
    count.finish();
    for (const ArchiveTable& table : kTables) {
        if (!empty) {
            if (!HasColumns(table.name, table.columns)) {
                return false;
            }
            continue;
        }
        QSqlQuery create(db_);
        if (!create.exec(QString::fromLatin1(table.create))) {
            return Fail(create.lastError());
        }
    }
    return empty || NumbersItsRuns();
}

bool ArchiveDatabase::NumbersItsRuns() {
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA table_info(ModelRun)"))) {
        return Fail(query.lastError());
    }
    int keyColumns = 0;
    bool idIsRowNumber = false;
    while (query.next()) {
        if (query.value(5).toInt() > 0) {
            ++keyColumns;
            idIsRowNumber =
                query.value(1).toString().compare(QLatin1String("ID"), Qt::CaseInsensitive) == 0 &&
                query.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
        }
    }
    if (keyColumns == 1 && idIsRowNumber) {
        return true;
    }
    return Fail(ArchiveFailure::NotAnArchive, QString::fromLatin1(kRunsNotNumbered));
}

bool ArchiveDatabase::AddModelRun(const std::string& model, const std::string& parameters,
                                  const std::string& comment, const QDateTime& when, int dataSetType) {
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT INTO ModelRun (Model, Parameters, Comment, Date_Time, DataSetType) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(Text(model));
    query.addBindValue(Text(parameters));
    query.addBindValue(Text(comment));
    query.addBindValue(when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
    query.addBindValue(dataSetType);
    if (!query.exec()) {
        return Fail(query.lastError());
    }
    // The ID the row was given, as stored: only a row number the database assigns links the curves
    // to this run and no other.
    QSqlQuery stored(db_);
    stored.prepare(QStringLiteral("SELECT ID FROM ModelRun WHERE rowid = ?"));
    stored.addBindValue(query.lastInsertId());
    if (!stored.exec() || !stored.next()) {
        return Fail(stored.lastError());
    }
    bool isNumber = false;
    const qlonglong id = stored.value(0).toLongLong(&isNumber);
    if (stored.value(0).isNull() || !isNumber || id < 0 || id > std::numeric_limits<int>::max()) {
        return Fail(ArchiveFailure::NotAnArchive, QString::fromLatin1(kRunsNotNumbered));
    }
    currentRunId_ = static_cast<int>(id);
    return true;
}

bool ArchiveDatabase::AddDataSet(int runId, const std::string& legend, const std::string& comment,
                                 int pointCount, int dims, const std::vector<double>& x,
                                 const std::vector<double>& y, const std::vector<double>& z) {
    const auto needed = static_cast<std::size_t>(pointCount < 0 ? 0 : pointCount);
    if (pointCount < 0 || ((dims == 2 || dims == 3) && (x.size() < needed || y.size() < needed)) ||
        (dims == 3 && z.size() < needed)) {
        return Fail(ArchiveFailure::Write, QStringLiteral("the curve holds fewer points than its count"));
    }
    QVariant chunk(QMetaType::fromType<QByteArray>());
    if (dims == 2 || dims == 3) {
        const ByteChunk bytes = dims == 2 ? PackPoints2(pointCount, x.data(), y.data())
                                          : PackPoints3(pointCount, x.data(), y.data(), z.data());
        chunk = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    }
    QSqlQuery query(db_);
    query.prepare(QStringLiteral("INSERT INTO DataSets (ID, Legend, Comment, PointCount, DataSet) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(runId);
    query.addBindValue(Text(legend));
    query.addBindValue(Text(comment));
    query.addBindValue(pointCount);
    query.addBindValue(chunk);
    if (!query.exec()) {
        return Fail(query.lastError());
    }
    return true;
}
