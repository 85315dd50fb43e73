#pragma once
// One archive action is all or nothing: the guard rolls back whatever was written unless the
// action commits. The transaction takes the write lock as it starts, so while another program
// writes to the file the action waits out the connection's busy time-out there, before it has
// written anything, instead of failing at its first row.

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

class ArchiveTransaction {
public:
    explicit ArchiveTransaction(QSqlDatabase& db) : db_(db), open_(Run(QStringLiteral("BEGIN IMMEDIATE"))) {}
    ~ArchiveTransaction() {
        if (open_) {
            Run(QStringLiteral("ROLLBACK"));
        }
    }
    ArchiveTransaction(const ArchiveTransaction&) = delete;
    ArchiveTransaction& operator=(const ArchiveTransaction&) = delete;

    bool Started() const { return open_; }
    bool Commit() {
        if (!open_ || !Run(QStringLiteral("COMMIT"))) {
            return false;
        }
        open_ = false;
        return true;
    }
    // Why the start or the commit failed.
    QSqlError Error() const { return error_; }

private:
    bool Run(const QString& statement) {
        QSqlQuery query(db_);
        if (query.exec(statement)) {
            return true;
        }
        error_ = query.lastError();
        return false;
    }

    QSqlDatabase& db_;
    QSqlError error_;
    bool open_;
};
