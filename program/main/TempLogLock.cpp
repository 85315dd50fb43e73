#include "TempLogLock.h"

#include <QLockFile>

namespace {

QString LockName(const QString& logPath) {
    return logPath.trimmed() + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> TryLock(const QString& logPath) {
    auto lock = std::make_unique<QLockFile>(LockName(logPath));
    // A copy holds its log for the whole run, hours perhaps: only a copy that is no longer running
    // leaves a stale mark.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

} // namespace

TempLogLock::TempLogLock() = default;
TempLogLock::~TempLogLock() = default;

bool TempLogLock::Take(const QString& logPath) {
    if (!path_.isEmpty() && path_ == logPath.trimmed())
        return true;
    std::unique_ptr<QLockFile> lock = TryLock(logPath);
    if (!lock)
        return false;
    lock_ = std::move(lock);
    path_ = logPath.trimmed();
    return true;
}

void TempLogLock::Release() {
    lock_.reset();
    path_.clear();
}

bool TempLogLock::InUseElsewhere(const QString& logPath) {
    QLockFile lock(LockName(logPath));
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return false; // the mark goes again with `lock`
    return lock.error() == QLockFile::LockFailedError;
}
