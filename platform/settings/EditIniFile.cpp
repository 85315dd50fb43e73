#include "EditIniFile.h"

#include "AtomicFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <algorithm>
#include <chrono>
#include <optional>
#include <thread>

namespace settings {

namespace {

// A writer holds the lock for milliseconds; one that holds it this long has hung.
constexpr int kStaleLockMs = 15000;

bool TakeLock(QLockFile& lock) {
    lock.setStaleLockTime(kStaleLockMs);
    const QDeadlineTimer deadline(kIniLockWaitMs);
    // QLockFile's own wait starts at 100 ms and doubles: writers that take turns quickly would
    // starve the one that sleeps.
    int pauseMs = 1;
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseMs));
        pauseMs = std::min(pauseMs * 2, 16);
    }
    return true;
}

} // namespace

std::optional<IniDocument> ReadIniFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) {
        return IniDocument();
    }
    QFile file(path);
    // Not a plain file (a pipe would block the reader, a folder never reads).
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return IniDocument::Parse(bytes);
}

bool EditIniFile(const QString& path, const std::function<bool(IniDocument&)>& edit,
                 const std::function<void(const IniDocument&)>& written) {
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        return false;
    }
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!TakeLock(lock)) {
        return false;
    }
    std::optional<IniDocument> doc = ReadIniFile(path);
    if (!doc) {
        return false;
    }
    if (!edit(*doc)) {
        return true;
    }
    if (!files::WriteFileAtomically(path, doc->Serialize())) {
        return false;
    }
    if (written) {
        written(*doc);
    }
    return true;
}

} // namespace settings
