#include "AtomicFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace files {

namespace {

// A rename is durable only once the folder that holds the name is on the disk too.
bool SyncFolderOf(const QString& path) {
    const QFileInfo target(path);
    const QString folder = QFileInfo(target.canonicalFilePath()).absolutePath();
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        // A folder we may write into but not read (a drop folder) cannot be synced by us.
        return errno == EACCES;
    }
    // Some file systems cannot sync a folder at all; they say so with EINVAL.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

} // namespace

AtomicFile::AtomicFile(const QString& path, std::optional<QFileDevice::Permissions> permissions)
    : file_(path), permissions_(permissions) {}

// The permissions go on the temporary file before any byte does, so no other user can open it
// while it is written.
bool AtomicFile::Open() {
    failed_ = !file_.open(QIODevice::WriteOnly) || (permissions_ && !file_.setPermissions(*permissions_));
    if (failed_ && file_.isOpen()) {
        file_.cancelWriting();
        file_.commit();
    }
    return !failed_;
}

bool AtomicFile::Write(const char* data, qint64 size) {
    if (failed_ || !file_.isOpen()) {
        failed_ = true;
        return false;
    }
    qint64 done = 0;
    while (done < size) {
        const qint64 n = file_.write(data + done, size - done);
        if (n <= 0) {
            failed_ = true;
            return false;
        }
        done += n;
    }
    return true;
}

bool AtomicFile::Commit() {
    // QSaveFile syncs before it renames but ignores a failed sync: the bytes may never reach the disk.
    if (failed_ || !file_.isOpen() || !file_.flush() || file_.error() != QFileDevice::NoError ||
        ::fsync(file_.handle()) != 0) {
        file_.cancelWriting();
        if (file_.isOpen()) {
            file_.commit(); // with writing cancelled this only removes the temporary file
        }
        return false;
    }
    return file_.commit() && SyncFolderOf(file_.fileName());
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes,
                         std::optional<QFileDevice::Permissions> permissions) {
    AtomicFile file(path, permissions);
    return file.Open() && file.Write(bytes) && file.Commit();
}

void RemoveInterruptedSaves(const QString& path, int olderThanSeconds) {
    const QFileInfo target(path);
    // QSaveFile's temporary name: the target's, a dot and six random letters.
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(target.fileName()) + QStringLiteral("\\.[A-Za-z]{6}")));
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-olderThanSeconds);
    const QFileInfoList entries = QDir(target.absolutePath())
                                      .entryInfoList({target.fileName() + QStringLiteral(".*")},
                                                     QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& entry : entries) {
        if (!entry.isSymLink() && leftover.match(entry.fileName()).hasMatch() &&
            entry.lastModified().toUTC() < before) {
            QFile::remove(entry.absoluteFilePath());
        }
    }
}

} // namespace files
