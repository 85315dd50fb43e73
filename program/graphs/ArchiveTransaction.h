#pragma once
// One archive action is all or nothing: the guard rolls back whatever was written unless the
// action commits.

#include <QSqlDatabase>

class ArchiveTransaction {
public:
    explicit ArchiveTransaction(QSqlDatabase& db) : db_(db), open_(db.transaction()) {}
    ~ArchiveTransaction() {
        if (open_) {
            db_.rollback();
        }
    }
    ArchiveTransaction(const ArchiveTransaction&) = delete;
    ArchiveTransaction& operator=(const ArchiveTransaction&) = delete;

    bool Started() const { return open_; }
    bool Commit() {
        if (!open_ || !db_.commit()) {
            return false;
        }
        open_ = false;
        return true;
    }

private:
    QSqlDatabase& db_;
    bool open_;
};
