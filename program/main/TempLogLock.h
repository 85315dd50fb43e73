#pragma once
// Marks a temporary log as in use by this copy of the program for as long as the object holds it,
// so a second copy running at the same time starts a log of its own instead of writing this one.
// The mark is a lock on a file beside the log that the system lets go of with the process, so a
// copy that ended without its end (a crash, a kill) leaves nothing that stops the next one.

#include <QString>

class TempLogLock {
public:
    TempLogLock() = default;
    ~TempLogLock();
    TempLogLock(const TempLogLock&) = delete;
    TempLogLock& operator=(const TempLogLock&) = delete;

    // Takes the log for this copy, letting go of the one held before; false when another running
    // copy holds it.
    bool Take(const QString& logPath);
    // Lets go; `removeMark` also removes the mark's file beside the log, as every end of the program
    // does.
    void Release(bool removeMark = false);
    const QString& Held() const { return path_; }

private:
    int fd_ = -1;
    QString path_;
};
