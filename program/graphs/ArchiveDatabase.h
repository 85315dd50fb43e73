#pragma once
// An archive database: SQLite through Qt Sql, with one table of runs (ModelRun) and one of curves
// (DataSets) whose rows point at their run. A new file gets the tables on first use. Each object
// has its own uniquely named connection, closed and removed when it goes.

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

#include <string>
#include <vector>

class ArchiveDatabase {
public:
    ArchiveDatabase();
    ~ArchiveDatabase();
    ArchiveDatabase(const ArchiveDatabase&) = delete;
    ArchiveDatabase& operator=(const ArchiveDatabase&) = delete;

    // A path that is empty or still holds a wildcard is refused.
    bool Open(const QString& path);
    // Creates the two tables where they do not exist yet.
    bool EnsureSchema();
    // Adds a run row; its ID becomes CurrentRunID.
    bool AddModelRun(const std::string& model, const std::string& parameters, const std::string& comment,
                     const QDateTime& when, int dataSetType);
    // Adds a curve row; dims 2 stores X and Y per point, 3 also Z, any other dims no points.
    // pointCount must not exceed the arrays the points come from.
    bool AddDataSet(int runId, const std::string& legend, const std::string& comment, int pointCount,
                    int dims, const std::vector<double>& x, const std::vector<double>& y,
                    const std::vector<double>& z);

    int CurrentRunID() const { return currentRunId_; }
    QString LastError() const { return lastError_; }
    QSqlDatabase& Database() { return db_; }

private:
    bool Fail(const QString& message);

    QString connection_;
    QSqlDatabase db_;
    int currentRunId_ = -1;
    QString lastError_;
};
