#pragma once
// Marks a temporary log as in use by this copy of the program for as long as the object holds it,
// so a second copy running at the same time starts a log of its own instead of writing this one.
// A copy that ended without letting go (a crash, a kill) leaves a mark the next copy takes over.

#include <memory>
#include <QString>

class QLockFile;

class TempLogLock {
public:
    TempLogLock();
    ~TempLogLock();
    TempLogLock(const TempLogLock&) = delete;
    TempLogLock& operator=(const TempLogLock&) = delete;

    // Takes the log for this copy, letting go of the one held before; false when another running
    // copy holds it.
    bool Take(const QString& logPath);
    void Release();
    const QString& Held() const { return path_; }

    // Whether a running copy other than this one holds the log.
    static bool InUseElsewhere(const QString& logPath);

private:
    std::unique_ptr<QLockFile> lock_;
    QString path_;
};
