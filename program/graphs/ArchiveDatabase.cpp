#include "ArchiveDatabase.h"

#include "ArchiveRun.h"
#include "PointChunk.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>

namespace {

const char* const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS ModelRun (ID INTEGER PRIMARY KEY AUTOINCREMENT, Model TEXT, Parameters TEXT, "
    "Comment TEXT, Date_Time TEXT, DataSetType INTEGER)",
    "CREATE TABLE IF NOT EXISTS DataSets (ID INTEGER NOT NULL REFERENCES ModelRun(ID), Legend TEXT, Comment "
    "TEXT, "
    "PointCount INTEGER, DataSet BLOB)",
};

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

bool ArchiveDatabase::Fail(const QString& message) {
    lastError_ = message;
    return false;
}

bool ArchiveDatabase::Open(const QString& path) {
    if (path.isEmpty() || path.contains(QLatin1Char('*'))) {
        return Fail(QString::fromLatin1(kArchiveRefusedMessage));
    }
    if (!db_.isValid()) {
        return Fail(QStringLiteral("The SQLite driver is not available"));
    }
    db_.setDatabaseName(path);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db_.open()) {
        return Fail(db_.lastError().text());
    }
    currentRunId_ = -1;
    return true;
}

bool ArchiveDatabase::EnsureSchema() {
    for (const char* statement : kSchema) {
        QSqlQuery query(db_);
        if (!query.exec(QString::fromLatin1(statement))) {
            return Fail(query.lastError().text());
        }
    }
    return true;
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
        return Fail(query.lastError().text());
    }
    currentRunId_ = query.lastInsertId().toInt();
    return true;
}

bool ArchiveDatabase::AddDataSet(int runId, const std::string& legend, const std::string& comment,
                                 int pointCount, int dims, const std::vector<double>& x,
                                 const std::vector<double>& y, const std::vector<double>& z) {
    const auto needed = static_cast<std::size_t>(pointCount < 0 ? 0 : pointCount);
    if (pointCount < 0 || ((dims == 2 || dims == 3) && (x.size() < needed || y.size() < needed)) ||
        (dims == 3 && z.size() < needed)) {
        return Fail(QStringLiteral("The curve holds fewer points than its count"));
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
        return Fail(query.lastError().text());
    }
    return true;
}
