#include "EditIniFile.h"

#include "AtomicFile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <optional>
#include <thread>

namespace settings {

namespace {

// A writer holds the lock for milliseconds; one that holds it this long has hung.
constexpr int kStaleLockMs = 15000;
// A writer that waited this long takes a place in the queue of waiting writers.
constexpr int kPatientMs = 50;

std::function<void(bool)>& LockWaitObserver() {
    static std::function<void(bool)> observer;
    return observer;
}

// Tells the observer for as long as a wait lasts.
class WaitNotice {
public:
    WaitNotice() {
        if (LockWaitObserver())
            LockWaitObserver()(true);
    }
    ~WaitNotice() {
        if (LockWaitObserver())
            LockWaitObserver()(false);
    }
    WaitNotice(const WaitNotice&) = delete;
    WaitNotice& operator=(const WaitNotice&) = delete;
};

// A waiting writer's place in the queue: an empty file beside the lock whose name holds the
// moment it began to wait and its process ("Brindel.ini.lock.turn-1718000000123-4242"). The one
// that began first goes first; places of processes that are gone, or far older than any wait, are
// cleared by whoever looks.
class WaitTurn {
public:
    WaitTurn(const QString& lockPath, qint64 startedMs) : lockPath_(lockPath) {
        name_ = Prefix(lockPath) + QStringLiteral("%1-%2")
                                       .arg(startedMs, 13, 10, QLatin1Char('0'))
                                       .arg(QCoreApplication::applicationPid());
        QFile file(Folder(lockPath).filePath(name_));
        made_ = file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    }
    ~WaitTurn() {
        if (made_)
            QFile::remove(Folder(lockPath_).filePath(name_));
    }
    WaitTurn(const WaitTurn&) = delete;
    WaitTurn& operator=(const WaitTurn&) = delete;

    // No place in the queue comes before this one.
    bool IsFirst() const {
        const QStringList places = Places(lockPath_);
        return !made_ || places.isEmpty() || places.front() == name_;
    }
    // Somebody has a place in the queue.
    static bool AnyWaiting(const QString& lockPath) { return !Places(lockPath).isEmpty(); }

private:
    static QString Prefix(const QString& lockPath) {
        return QFileInfo(lockPath).fileName() + QStringLiteral(".turn-");
    }
    static QDir Folder(const QString& lockPath) { return QFileInfo(lockPath).absoluteDir(); }

    // The live places, first first (the zero-padded moments sort as text).
    static QStringList Places(const QString& lockPath) {
        const QDir folder = Folder(lockPath);
        const QString prefix = Prefix(lockPath);
        QStringList places = folder.entryList({prefix + QLatin1Char('*')}, QDir::Files | QDir::Hidden);
        const qint64 now = QDateTime::currentMSecsSinceEpoch();
        places.erase(std::remove_if(places.begin(), places.end(),
                                    [&](const QString& place) {
                                        const QStringList parts = place.mid(prefix.size()).split('-');
                                        const qint64 started = parts.value(0).toLongLong();
                                        const qint64 pid = parts.value(1).toLongLong();
                                        const bool gone = parts.size() != 2 || pid <= 0 ||
                                                          (::kill(pid_t(pid), 0) != 0 && errno == ESRCH) ||
                                                          now - started > 2 * kIniLockWaitMs;
                                        if (gone)
                                            QFile::remove(folder.filePath(place));
                                        return gone;
                                    }),
                     places.end());
        std::sort(places.begin(), places.end());
        return places;
    }

    QString lockPath_;
    QString name_;
    bool made_ = false;
};

// A lock file names its process on its first line once its writer got that far.
bool NamesItsHolder(const QString& lockPath) {
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bool isNumber = false;
    const qint64 pid = file.readLine(32).trimmed().toLongLong(&isNumber);
    return isNumber && pid > 0;
}

// A writer killed between making the lock file and writing its process into it leaves a lock
// nobody can prove stale by its process; Qt would wait for its stale time. Such a lock is removed
// once it is older than a moment, unless a process holds it open (a writer still making it).
bool RemoveUnownedLock(QLockFile& lock, const QString& lockPath) {
    const QFileInfo info(lockPath);
    if (!info.exists() || info.lastModified().msecsTo(QDateTime::currentDateTime()) < kUnownedLockMomentMs ||
        NamesItsHolder(lockPath)) {
        return false;
    }
    // The same guard Qt's own removal of a stale lock takes, so two removers never race.
    QLockFile guard(lockPath + QStringLiteral(".rmlock"));
    return guard.tryLock(0) && !NamesItsHolder(lockPath) && lock.removeStaleLockFile();
}

QString WhyNoLock(const QLockFile& lock, const QString& path) {
    const QString folder = QFileInfo(path).absolutePath();
    switch (lock.error()) {
    case QLockFile::LockFailedError:
        return QStringLiteral("another program kept %1 locked").arg(path);
    case QLockFile::PermissionError:
        return QStringLiteral("the folder %1 is read-only").arg(folder);
    case QLockFile::NoError:
    case QLockFile::UnknownError:
        break;
    }
    return QStringLiteral("no lock file could be made beside %1 (is the disk full?)").arg(path);
}

bool TakeLock(QLockFile& lock, const QString& path, QString& failure) {
    const QString lockPath = path + QStringLiteral(".lock");
    lock.setStaleLockTime(kStaleLockMs);
    const QDeadlineTimer deadline(kIniLockWaitMs);
    const qint64 startedMs = QDateTime::currentMSecsSinceEpoch();
    QElapsedTimer waited;
    waited.start();
    std::optional<WaitNotice> notice;
    std::optional<WaitTurn> turn;
    // QLockFile's own wait starts at 100 ms and doubles: writers that take turns quickly would
    // starve the one that sleeps.
    int pauseMs = 1;
    for (;;) {
        const bool mayTry = turn ? turn->IsFirst() : !WaitTurn::AnyWaiting(lockPath);
        if (mayTry) {
            if (lock.tryLock(0))
                return true;
            if (lock.error() != QLockFile::LockFailedError) {
                failure = WhyNoLock(lock, path);
                return false;
            }
            if (RemoveUnownedLock(lock, lockPath))
                continue;
        }
        if (deadline.hasExpired()) {
            failure = WhyNoLock(lock, path);
            return false;
        }
        if (!notice)
            notice.emplace();
        if (!turn && waited.elapsed() >= kPatientMs)
            turn.emplace(lockPath, startedMs);
        // The first in the queue watches closely: the lock is its own the moment it is free.
        const bool next = turn && mayTry;
        std::this_thread::sleep_for(std::chrono::milliseconds(next ? 1 : pauseMs));
        pauseMs = std::min(pauseMs * 2, 16);
    }
}

} // namespace

void SetLockWaitObserver(std::function<void(bool waiting)> observer) {
    LockWaitObserver() = std::move(observer);
}

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
                 const std::function<void(const IniDocument&)>& written, QString* failure) {
    QString why;
    const bool done = [&] {
        const QString folder = QFileInfo(path).absolutePath();
        if (!QDir().mkpath(folder)) {
            why = QStringLiteral("the folder %1 could not be made").arg(folder);
            return false;
        }
        QLockFile lock(path + QStringLiteral(".lock"));
        if (!TakeLock(lock, path, why))
            return false;
        std::optional<IniDocument> doc = ReadIniFile(path);
        if (!doc) {
            why = QStringLiteral("%1 could not be read").arg(path);
            return false;
        }
        // Under the lock no writer of this file is between its temporary file and its rename.
        files::RemoveInterruptedSaves(path);
        if (!edit(*doc))
            return true;
        files::AtomicFile file(path);
        if (!(file.Open() && file.Write(doc->Serialize()) && file.Commit())) {
            why = QFileInfo(folder).isWritable()
                      ? QStringLiteral("%1 could not be written (%2)").arg(path, file.ErrorString())
                      : QStringLiteral("the folder %1 is read-only").arg(folder);
            return false;
        }
        if (written)
            written(*doc);
        return true;
    }();
    if (!done && failure)
        *failure = why;
    return done;
}

} // namespace settings
