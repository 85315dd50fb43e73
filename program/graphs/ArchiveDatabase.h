#pragma once
// An archive database: SQLite through Qt Sql, with one table of runs (ModelRun) and one of curves
// (DataSets) whose rows point at their run. A new or empty file gets the tables on first use; a file
// whose tables are not an archive's is refused, never changed. Each object has its own uniquely
// named connection, closed and removed when it goes.

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include <string>
#include <vector>

// What stopped an archive action, for the message that says so.
enum class ArchiveFailure {
    None,
    Open,         // the file could not be opened as a database
    NotADatabase, // the file holds something else than a database
    Busy,         // another program held the file for longer than the busy time-out
    NotAnArchive, // the file holds tables, but not an archive's
    ReadOnly,     // the file, or the folder its journal goes into, may not be written
    Write,        // the file opened, but the rows could not be written
};

class ArchiveDatabase {
public:
    ArchiveDatabase();
    ~ArchiveDatabase();
    ArchiveDatabase(const ArchiveDatabase&) = delete;
    ArchiveDatabase& operator=(const ArchiveDatabase&) = delete;

    // A path that is empty or still holds a wildcard is refused.
    bool Open(const QString& path);
    // Creates the two tables in a file that holds no table yet; otherwise checks that ModelRun and
    // DataSets are there with every column the archive writes, and that the database numbers the
    // runs itself (ModelRun.ID an INTEGER PRIMARY KEY): a plain ID column would stay empty and
    // the curves would be linked to no run or the wrong one.
    bool PrepareTables();
    // Adds a run row; the ID stored with it becomes CurrentRunID.
    bool AddModelRun(const std::string& model, const std::string& parameters, const std::string& comment,
                     const QDateTime& when, int dataSetType);
    // Adds a curve row; dims 2 stores X and Y per point, 3 also Z, any other dims no points.
    // pointCount must not exceed the arrays the points come from.
    bool AddDataSet(int runId, const std::string& legend, const std::string& comment, int pointCount,
                    int dims, const std::vector<double>& x, const std::vector<double>& y,
                    const std::vector<double>& z);

    int CurrentRunID() const { return currentRunId_; }
    ArchiveFailure LastFailure() const { return failure_; }
    QString LastError() const { return lastError_; }
    QSqlDatabase& Database() { return db_; }

    // Records a failure of the database (its kind from the engine's code); always false.
    bool Fail(const QSqlError& error);

private:
    bool Fail(ArchiveFailure failure, const QString& message);
    bool HasColumns(const char* table, const std::vector<const char*>& columns);
    bool NumbersItsRuns();

    QString connection_;
    QSqlDatabase db_;
    int currentRunId_ = -1;
    ArchiveFailure failure_ = ArchiveFailure::None;
    QString lastError_;
};
